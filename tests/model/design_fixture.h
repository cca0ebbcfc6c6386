#pragma once
// Builds designs the way the design surface does: components created through the class
// registry, owned by the root, placed on a parent and named.
#include <QString>

#include "model/class_name.h"
#include "model/class_registry.h"
#include "model/design_root.h"

namespace fixture {

// Creates a component of the registered class `className`; nullptr when the root refuses it.
inline dd::Component *create(dd::DesignRoot &root, const QString &className, dd::Control *parent = nullptr,
                             QString *error = nullptr)
{
    const dd::ComponentClass *cls = dd::advplClasses().find(className);
    if (!cls)
        return nullptr;
    dd::Component *c = dd::createComponent(&root, *cls, parent, error);
    if (c)
        root.assignComponentName(c, c->hasPreName() ? c->preName() : QStringLiteral("aDialogs"));
    return c;
}

template <typename T>
T *place(dd::DesignRoot &root, dd::Control *parent = nullptr)
{
    return static_cast<T *>(create(root, dd::componentClassName(&T::staticMetaObject), parent));
}

} // namespace fixture
