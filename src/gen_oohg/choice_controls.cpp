#include "gen_oohg/choice_controls.h"

namespace dd {

THComboBox::THComboBox(DesignRoot *root) : OohgControl(root)
{
    m_parentFont = false;
    m_color = kWindowColor;
}

THListBox::THListBox(DesignRoot *root) : OohgControl(root)
{
    m_parentFont = false;
    m_color = kWindowColor;
}

// A radio group is reached through its buttons, so the group itself is no tab stop.
THRadioGroup::THRadioGroup(DesignRoot *root) : OohgControl(root, false) { m_parentFont = false; }

} // namespace dd
