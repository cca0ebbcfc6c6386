#include "model/control.h"

#include <cstring>

#include "model/design_root.h"
#include "model/font_component.h"
#include "model/naming.h"

namespace dd {

Control::Control(DesignRoot *root) : Component(root) {}

Control::~Control()
{
    // Controls on this one go with it; each unregisters itself from the root.
    const QList<Control *> children = m_children;
    for (Control *child : children)
        delete child;
    if (m_parent)
        m_parent->m_children.removeOne(this);
}

void Control::setBounds(int left, int top, int width, int height)
{
    setLeft(left);
    setTop(top);
    setWidth(width);
    setHeight(height);
}

void Control::setParentControl(Control *parent)
{
    if (m_parent == parent)
        return;
    if (m_parent)
        m_parent->m_children.removeOne(this);
    m_parent = parent;
    if (m_parent)
        m_parent->m_children.append(this);
    Q_EMIT propertyChanged("Parent");
}

QList<Control *> Control::childControls() const
{
    QList<Control *> ordered;
    ordered.reserve(m_children.size());
    for (Control *c : m_children)
        if (!c->isWindowed())
            ordered.append(c);
    for (Control *c : m_children)
        if (c->isWindowed())
            ordered.append(c);
    return ordered;
}

void Control::bringToFront()
{
    if (!m_parent)
        return;
    m_parent->m_children.removeOne(this);
    m_parent->m_children.append(this);
    Q_EMIT propertyChanged("Parent");
}

void Control::sendToBack()
{
    if (!m_parent)
        return;
    m_parent->m_children.removeOne(this);
    m_parent->m_children.prepend(this);
    Q_EMIT propertyChanged("Parent");
}

void Control::setFont(const dd::Font &v)
{
    m_parentFont = false;
    assign(m_font, v, "Font");
}

dd::Font Control::effectiveFont() const
{
    if (m_parentFont && m_parent)
        return m_parent->effectiveFont();
    return m_font;
}

void Control::setCVariable(const QString &v)
{
    assign(m_cVariable, typedVariableName(v, variableTypeLetter()), "cVariable");
    if (rebuildsSetGet())
        setBSetGet(setGetBlock(m_cVariable));
}

void Control::setTType(TTypeGet v)
{
    assign(m_tType, v, "tType");
    assign(m_cVariable, typedVariableName(m_cVariable, typeLetter(v)), "cVariable");
    setBSetGet(setGetBlock(m_cVariable));
    fixLength();
}

void Control::setNLength(int v)
{
    assign(m_nLength, v, "nLength");
    fixLength();
}

void Control::fixLength()
{
    if (m_tType != TTypeGet::tgCaracter)
        assign(m_nLength, 0, "nLength");
    else if (m_nLength == 0)
        assign(m_nLength, 1, "nLength");
}

void Control::setNClrText(TColorA v)
{
    assign(m_nClrText, v, "nClrText");
    dd::Font f = m_font;
    f.color = paletteColor(v);
    assign(m_font, f, "Font");
}

void Control::showPaletteColors()
{
    m_font.color = paletteColor(m_nClrText);
    m_color = paletteColor(m_nClrBack);
}

void Control::setNClrBack(TColorA v)
{
    assign(m_nClrBack, v, "nClrBack");
    setColor(paletteColor(v));
}

void Control::setOFont(TToFont *font)
{
    assign(m_oFont, font, "oFont");
    dd::Font f = font ? font->fontValue() : dd::Font{};
    if (appliesTextColor())
        f.color = paletteColor(m_nClrText);
    m_parentFont = false;
    assign(m_font, f, "Font");
}

QVariant Control::declaredDefault(const char *property) const
{
    if (std::strcmp(property, "Visible") == 0)
        return true;
    if (std::strcmp(property, "ShowHint") == 0)
        return false;
    if (std::strcmp(property, "ItemIndex") == 0)
        return -1;
    return {};
}

bool Control::isStored(const char *property) const
{
    if (std::strcmp(property, "Font") == 0)
        return !m_parentFont;
    return true;
}

void Control::forgetReference(Component *gone)
{
    if (m_oFont && m_oFont == gone) {
        assign(m_oFont, static_cast<TToFont *>(nullptr), "oFont");
        if (this != root())
            setFont(dd::Font{});
    }
}

} // namespace dd
