#pragma once
// TToFont: a font object of the design that the dialog and its controls refer to.
#include "model/component.h"
#include "model/values.h"

namespace dd {

class TToFont : public Component {
    Q_OBJECT
    Q_CLASSINFO("PreName", "Font")
    Q_PROPERTY(QString Script READ script)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(dd::Font Font READ font WRITE setFont)
public:
    explicit TToFont(DesignRoot *root);

    dd::Font font() const { return m_font; }
    // Replaces the font and shows it on every component that uses it.
    void setFont(const dd::Font &font);
    const dd::Font &fontValue() const { return m_font; }

    // The font's creation statement (written by the ADVPL generator).
    QString script() const;

    bool isReferenceTarget() const override { return true; }

private:
    void refreshUsers();
    dd::Font m_font;
};

} // namespace dd
