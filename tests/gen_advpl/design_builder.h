#pragma once
// Builds small designs in code for the generator tests.
#include "model/dialog.h"

namespace testdesign {

inline void shapeRoot(dd::TTMSDialog &root, const QString &name, int left, int top, int width, int height)
{
    root.setName(name);
    root.setBounds(left, top, width, height);
}

// A component owned by the root, named as given.
template <typename T>
T *add(dd::TTMSDialog &root, const QString &name)
{
    auto *component = new T(&root);
    root.adopt(component);
    component->setName(name);
    return component;
}

// A control placed on `parent` (the root when null).
template <typename T>
T *place(dd::TTMSDialog &root, dd::Control *parent, const QString &name, int left, int top, int width, int height)
{
    T *control = add<T>(root, name);
    control->setParentControl(parent ? parent : &root);
    control->setBounds(left, top, width, height);
    return control;
}

} // namespace testdesign
