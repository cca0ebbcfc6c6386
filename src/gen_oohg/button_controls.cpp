#include "gen_oohg/button_controls.h"

namespace dd {

THButton::THButton(DesignRoot *root) : OohgControl(root) { m_parentFont = false; }

THCheckBox::THCheckBox(DesignRoot *root) : OohgControl(root) { m_parentFont = false; }

} // namespace dd
