#include "gen_oohg/containers.h"

namespace dd {

// A frame only groups; the controls on it take the focus.
THFrame::THFrame(DesignRoot *root) : OohgControl(root, false) { m_parentFont = false; }

THTab::THTab(DesignRoot *root) : OohgControl(root) { m_parentFont = false; }

THPage::THPage(DesignRoot *root) : OohgControl(root) {}

} // namespace dd
