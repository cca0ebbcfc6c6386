#include "model/dialog.h"

namespace dd {

TTMSDialog::TTMSDialog()
{
    m_showHint = true;
    m_caption = QStringLiteral("oDlg");
}

void TTMSDialog::forgetReference(Component *gone)
{
    DesignRoot::forgetReference(gone);
    if (gone == m_oVars)
        setOVars(nullptr);
    if (gone == m_oFunctions)
        setOFunctions(nullptr);
}

} // namespace dd
