#include "model/text_controls.h"

#include <cstring>

namespace dd {
TTSay::TTSay(DesignRoot *root) : Control(root)
{
    m_lVisibleControl = false;
    m_lActive = false;
    m_parentFont = false;
    showPaletteColors();
}

QVariant TTSay::declaredDefault(const char *property) const
{
    if (std::strcmp(property, "AutoSize") == 0)
        return true;
    if (std::strcmp(property, "WordWrap") == 0 || std::strcmp(property, "Transparent") == 0)
        return false;
    if (std::strcmp(property, "Align") == 0)
        return QVariant::fromValue(TAlign::alNone);
    return Control::declaredDefault(property);
}

TTGet::TTGet(DesignRoot *root) : Control(root)
{
    m_parentFont = false;
    showPaletteColors();
}

TTMultiGet::TTMultiGet(DesignRoot *root) : Control(root)
{
    m_parentFont = false;
    showPaletteColors();
}

} // namespace dd
