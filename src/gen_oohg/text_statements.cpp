// Creation statements of the label, the edit and the rich edit.
#include "gen_advpl/formatting.h"
#include "gen_oohg/statement_arguments.h"
#include "gen_oohg/text_controls.h"

namespace dd {

QString THLabel::scriptAt(qsizetype) const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(31);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    a.set(3, coordinateText(left()));
    a.set(4, coordinateText(top()));
    a.set(5, quotedText(caption()));
    a.set(6, coordinateText(width()));
    a.set(7, coordinateText(height()));
    a.set(8, font.face);
    a.set(9, font.size);
    a.set(10, font.bold);
    a.set(11, logicalText(m_lBorder));
    a.set(12, logicalText(m_lClientEdge));
    a.set(13, logicalText(m_lHScroll));
    a.set(14, logicalText(m_lVScroll));
    a.set(15, logicalText(m_transparent));
    a.set(16, colorTriple(color()));
    a.set(17, font.color);
    a.set(18, m_bAction);
    // The library takes the label's tool tip as an expression.
    a.set(19, m_cToolTip);
    a.set(20, QString::number(m_nHelpId));
    a.set(21, notText(visible()));
    a.set(22, font.italic);
    a.set(23, font.underline);
    a.set(24, font.strikeout);
    a.set(25, logicalText(m_autoSize));
    a.set(26, logicalText(m_ctAlign == TLAlign::RIGHTALIGN));
    a.set(27, logicalText(m_ctAlign == TLAlign::CENTERALIGN));
    a.set(29, notText(m_wordWrap));
    return a.statement(*this, QStringLiteral(" := TLabel():Define("));
}

QString THEditRich::scriptAt(qsizetype) const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(27);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    a.set(3, coordinateText(left()));
    a.set(4, coordinateText(top()));
    a.set(5, coordinateText(width()));
    a.set(6, coordinateText(height()));
    a.set(10, quotedText(m_cToolTip));
    a.set(11, QString::number(m_maxLength));
    a.set(12, m_bGotFocus);
    a.set(13, m_bChange);
    a.set(14, m_bLostFocus);
    a.set(15, logicalText(m_readOnly));
    a.set(16, QStringLiteral(".F."));
    a.set(17, QStringLiteral(" "));
    a.set(18, notText(visible()));
    a.set(19, notText(m_tabStop));
    a.set(20, font.bold);
    a.set(21, font.italic);
    a.set(22, font.underline);
    a.set(23, font.strikeout);
    a.set(25, colorTriple(color()));
    a.set(27, notText(enabled()));
    return a.statement(*this, QStringLiteral(" := TEditRich():Define("));
}

QString THEdit::scriptAt(qsizetype) const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(41);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    a.set(3, coordinateText(left()));
    a.set(4, coordinateText(top()));
    a.set(5, coordinateText(width()));
    a.set(6, coordinateText(height()));
    a.set(8, font.face);
    a.set(9, font.size);
    a.set(10, quotedText(m_cToolTip));
    a.set(11, QString::number(m_maxLength));
    a.set(20, QString::number(m_nHelpId));
    a.set(21, logicalText(m_readOnly));
    a.set(22, font.bold);
    a.set(23, font.italic);
    a.set(24, font.underline);
    a.set(25, font.strikeout);
    a.set(27, colorTriple(color()));
    a.set(28, font.color);
    a.set(29, notText(visible()));
    a.set(30, notText(m_tabStop));
    a.set(35, notText(enabled()));
    return a.statement(*this, QStringLiteral(" := DefineTextBox( "));
}

} // namespace dd
