// Placeholder until the statements land.
#include "model/dialog.h"
#include "model/text_controls.h"
namespace dd {
QString TTSay::script() const { return {}; }
QString TTGet::script() const { return {}; }
QString TTMultiGet::script() const { return {}; }
QString TToFont::script() const { return {}; }
QString TTMSDialog::script() const { return {}; }
}
