// Placeholder until the statements land.
#include "model/dialog.h"
#include "model/text_controls.h"
#include "model/choice_controls.h"
#include "model/containers.h"
#include "model/data_controls.h"
#include "model/popup_menu.h"
namespace dd {
QString TTButton::script() const { return {}; }
QString TTSButton::script() const { return {}; }
QString TTCheckBox::script() const { return {}; }
QString TTComboBox::script() const { return {}; }
QString TTListBox::script() const { return {}; }
QString TTRadMenu::script() const { return {}; }
QString TTPopupMenu::script() const { return {}; }
QString TTPopupMenu::varScript() const { return {}; }
QString TTPopupMenu::staticScript() const { return {}; }
QString TTPanel::script() const { return {}; }
QString TTGroup::script() const { return {}; }
QString TTFolder::script() const { return {}; }
QString TTScrollBox::script() const { return {}; }
QString TTBitmap::script() const { return {}; }
QString TTEnchoice::script() const { return {}; }
QString TTEnchoice::varScript() const { return {}; }
QString TTMsSelect::script() const { return {}; }
QString TTMsSelect::varScript() const { return {}; }
QString TTMsSelect::staticScript() const { return {}; }
QString TTMsNewGetDados::script() const { return {}; }
QString TTMsNewGetDados::varScript() const { return {}; }
QString TTMsNewGetDados::staticScript() const { return {}; }
QString TTDbTree::script() const { return {}; }
}
