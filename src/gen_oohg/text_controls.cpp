#include "gen_oohg/text_controls.h"

#include <cstring>

namespace dd {

THLabel::THLabel(DesignRoot *root) : OohgControl(root)
{
    m_parentFont = false;
    m_autoSize = false;
}

THEditRich::THEditRich(DesignRoot *root) : OohgControl(root)
{
    m_parentFont = false;
    m_color = kWindowColor;
}

THEdit::THEdit(DesignRoot *root) : OohgControl(root)
{
    m_parentFont = false;
    m_color = kWindowColor;
}

void THEdit::setEditType(TTypeGet type)
{
    assign(m_tType, type, "tType");
    assign(m_nLength, type == TTypeGet::tgCaracter ? 1 : 0, "nLength");
}

QVariant THEdit::declaredDefault(const char *property) const
{
    // Left out of files while it is character, so that reading it back cannot reset a length
    // read just before it.
    if (std::strcmp(property, "tType") == 0)
        return QVariant::fromValue(TTypeGet::tgCaracter);
    return OohgControl::declaredDefault(property);
}

} // namespace dd
