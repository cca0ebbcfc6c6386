// Creation statements of the button and the check box.
#include "gen_advpl/formatting.h"
#include "gen_oohg/button_controls.h"
#include "gen_oohg/statement_arguments.h"

namespace dd {

QString THButton::scriptAt(qsizetype componentIndex) const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(30);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    a.set(3, coordinateText(left()));
    a.set(4, coordinateText(top()));
    a.set(5, quotedText(caption()));
    a.set(6, m_bAction);
    a.set(7, coordinateText(width()));
    a.set(8, coordinateText(height()));
    a.set(9, font.face);
    a.set(10, font.size);
    a.set(11, quotedText(m_cToolTip));
    a.set(12, m_bGotFocus);
    a.set(13, m_bLostFocus);
    a.set(14, logicalText(m_lFlat));
    a.set(15, notText(m_lTabStop));
    a.set(16, QString::number(componentIndex));
    a.set(17, notText(visible()));
    a.set(18, font.bold);
    a.set(19, font.italic);
    a.set(20, font.underline);
    a.set(21, font.strikeout);
    a.set(22, QStringLiteral(".F."));
    a.set(23, QStringLiteral(".F."));
    a.set(24, notText(enabled()));
    return a.statement(*this, QStringLiteral(" := TButton():Define("));
}

QString THCheckBox::scriptAt(qsizetype) const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(27);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    a.set(3, coordinateText(left()));
    a.set(4, coordinateText(top()));
    a.set(5, quotedText(caption()));
    a.set(6, logicalText(checked()));
    a.set(9, quotedText(m_cToolTip));
    a.set(10, m_bChange);
    a.set(11, coordinateText(width()));
    a.set(12, coordinateText(height()));
    a.set(13, m_bLostFocus);
    a.set(14, m_bGotFocus);
    a.set(16, notText(visible()));
    a.set(17, notText(m_tabStop));
    a.set(18, font.bold);
    a.set(19, font.italic);
    a.set(20, font.underline);
    a.set(21, font.strikeout);
    a.set(23, colorTriple(color()));
    a.set(24, font.color);
    a.set(25, logicalText(m_lTransparent));
    // The check box's own sizing state, which the class does not publish.
    a.set(26, logicalText(m_autoSize));
    return a.statement(*this, QStringLiteral(" := TCheckBox():Define("));
}

} // namespace dd
