#include "model/font_component.h"

#include "model/design_root.h"

namespace dd {

TToFont::TToFont(DesignRoot *root) : Component(root) {}

dd::Font TToFont::font() const
{
    refreshUsers();
    return m_font;
}

void TToFont::refreshUsers() const
{
    if (!root())
        return;
    // Each user shows the font in its own text colour; the font object keeps the colour of
    // the last component that has one.
    for (Component *c : root()->components()) {
        auto *control = qobject_cast<Control *>(c);
        if (!control)
            continue;
        if (control->publishes("nClrText"))
            m_font.color = paletteColor(control->nClrText());
        if (control->oFont() == this)
            control->setFont(m_font);
    }
}

} // namespace dd
