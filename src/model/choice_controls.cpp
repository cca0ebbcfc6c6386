#include "model/choice_controls.h"

#include <array>
#include <cstring>

namespace dd {

QString standardPictureName(int nType)
{
    // The platform's numbering: 3 and 4 are not in name order.
    static constexpr std::array<const char *, 23> kPictures = {
        "S4WB018N", "S4WB019N", "S4WB021N", "S4WB020N", "S4WB022N", "S4WB050N", "S4WB051N", "S4WB052N",
        "S4WB053N", "S4WB054N", "S4WB055N", "S4WB056N", "S4WB057N", "S4WB058N", "S4WB059N", "S4WB060N",
        "S4WB061N", "S4WB062N", "AVANCAR",  "VOLTAR",   "AVANCAR2", "VOLTAR2",  "GRAFICO1"};
    if (nType < 1 || nType > int(kPictures.size()))
        return {};
    return QString::fromLatin1(kPictures[std::size_t(nType - 1)]);
}

TTButton::TTButton(DesignRoot *root) : Control(root) { m_parentFont = false; }

void TTButton::forgetReference(Component *gone)
{
    Control::forgetReference(gone);
    if (m_popupMenu && m_popupMenu == gone)
        setPopupMenu(nullptr);
}

TTSButton::TTSButton(DesignRoot *root) : Control(root)
{
    m_parentFont = false;
    // The platform's standard button has a fixed size.
    m_width = 52;
    m_height = 22;
}

QVariant TTSButton::declaredDefault(const char *property) const
{
    // Enabled comes from the button kind, which declares it true.
    if (std::strcmp(property, "Enabled") == 0)
        return true;
    return Control::declaredDefault(property);
}

TTCheckBox::TTCheckBox(DesignRoot *root) : Control(root)
{
    m_parentFont = false;
    showPaletteColors();
}

TTComboBox::TTComboBox(DesignRoot *root) : Control(root)
{
    m_parentFont = false;
    showPaletteColors();
}

TTListBox::TTListBox(DesignRoot *root) : Control(root)
{
    m_parentFont = false;
    showPaletteColors();
}

TTRadMenu::TTRadMenu(DesignRoot *root) : Control(root)
{
    m_parentFont = false;
    showPaletteColors();
}

} // namespace dd
