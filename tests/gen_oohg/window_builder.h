#pragma once
// Builds OOHG designs in code the way the design surface does: components created through the
// OOHG class registry (so with their creation defaults), owned by the window, placed and named.
#include "gen_oohg/window.h"
#include "model/class_name.h"
#include "model/class_registry.h"

namespace oohgtest {

inline void shapeWindow(dd::THWindow &window, const QString &name, int left, int top, int width, int height)
{
    window.setName(name);
    window.setBounds(left, top, width, height);
}

// A component of class T owned by the window, named as given; placed on `parent` (the
// window when null) if it is a control.
template <typename T>
T *add(dd::THWindow &window, const QString &name, dd::Control *parent = nullptr)
{
    const dd::ComponentClass *cls = dd::oohgClasses().find(dd::componentClassName(&T::staticMetaObject));
    Q_ASSERT(cls);
    auto *component = static_cast<T *>(dd::createComponent(&window, *cls, parent, nullptr));
    component->setName(name);
    return component;
}

template <typename T>
T *place(dd::THWindow &window, dd::Control *parent, const QString &name, int left, int top, int width, int height)
{
    T *control = add<T>(window, name, parent);
    control->setBounds(left, top, width, height);
    return control;
}

// The window of the saved example program: oDlg1 at 10, 20, 400 by 300, white, "Dialog".
inline void shapeExampleWindow(dd::THWindow &window)
{
    shapeWindow(window, QStringLiteral("oDlg1"), 10, 20, 400, 300);
    window.setCaption(QStringLiteral("Dialog"));
    window.setColor(dd::Color{dd::Color::clWhite});
}

} // namespace oohgtest
