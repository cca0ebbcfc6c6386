#include "model/font_component.h"

#include "model/design_root.h"

namespace dd {

TToFont::TToFont(DesignRoot *root) : Component(root) {}

void TToFont::setFont(const dd::Font &font)
{
    if (assign(m_font, font, "Font"))
        refreshUsers();
}

void TToFont::refreshUsers()
{
    if (!root())
        return;
    // Each user shows the font in its own text colour; setting the reference again copies it.
    for (Component *c : root()->components())
        if (auto *control = qobject_cast<Control *>(c); control && control->oFont() == this)
            control->setOFont(this);
    if (root()->oFont() == this)
        root()->setOFont(this);
}

} // namespace dd
