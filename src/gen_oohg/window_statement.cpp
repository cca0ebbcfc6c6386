// The DefineWindow statement of the window: 60 arguments, the window's own position in
// pixels, its flags as logical literals and its code blocks verbatim.
#include "gen_advpl/formatting.h"
#include "gen_oohg/statement_arguments.h"
#include "gen_oohg/window.h"

namespace dd {

QString THWindow::script() const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(60);
    a.set(1, quotedText(name()));
    a.set(2, quotedText(caption()));
    a.set(3, coordinateText(left()));
    a.set(4, coordinateText(top()));
    a.set(5, coordinateText(width()));
    a.set(6, coordinateText(height()));
    a.set(7, logicalText(m_lnominimize));
    a.set(8, logicalText(m_lnomaximize));
    a.set(9, logicalText(m_lnosize));
    a.set(10, logicalText(m_lnosysmenu));
    a.set(11, logicalText(m_lnocaption));
    a.set(12, m_bInitProcedure);
    a.set(13, m_bReleaseProcedure);
    a.set(14, m_bMouseDragProcedure);
    a.set(15, m_bSizeProcedure);
    a.set(16, m_bClickProcedure);
    a.set(17, m_bMouseMoveProcedure);
    a.set(18, colorTriple(color()));
    a.set(19, m_bPaintProcedure);
    a.set(20, logicalText(m_lnoshow));
    a.set(21, logicalText(m_ltopmost));
    a.set(23, font.face);
    a.set(24, font.size);
    a.set(27, m_bNotifyLeftClick);
    a.set(28, m_bGotFocusProcedure);
    a.set(29, m_bLostFocusProcedure);
    a.set(32, m_bScrollleft);
    a.set(33, m_bScrollright);
    a.set(34, m_bScrollup);
    a.set(35, m_bScrolldown);
    a.set(36, m_bHScrollBox);
    a.set(37, m_bVScrollBox);
    a.set(38, logicalText(m_lhelpbutton));
    a.set(39, m_bMaximizeProcedure);
    a.set(40, m_bMinimizeProcedure);
    a.set(42, logicalText(m_lnoautorelease));
    a.set(44, m_bInteractivecloseprocedure);
    a.set(45, logicalText(m_lfocused));
    a.set(46, logicalText(m_lbreak));
    a.set(48, logicalText(m_lrtl));
    a.set(49, logicalText(m_lmain));
    a.set(50, QStringLiteral(".T."));
    a.set(51, logicalText(m_lsplitchild));
    a.set(52, logicalText(m_lchild));
    a.set(53, logicalText(m_lmodal));
    a.set(54, logicalText(m_lmodalsize));
    a.set(55, logicalText(m_lmdi));
    a.set(56, logicalText(m_linternal));
    a.set(57, logicalText(m_lmdichild));
    a.set(58, logicalText(m_lmdiclient));
    a.set(60, logicalText(m_lclientarea));
    return a.statement(*this, QStringLiteral(" := DefineWindow( "));
}

} // namespace dd
