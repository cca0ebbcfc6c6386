#include "gen_oohg/window.h"

namespace dd {

THWindow::THWindow() { m_showHint = true; }

void THWindow::forgetReference(Component *gone)
{
    DesignRoot::forgetReference(gone);
    if (gone == m_oVars)
        setOVars(nullptr);
    if (gone == m_oFunctions)
        setOFunctions(nullptr);
}

} // namespace dd
