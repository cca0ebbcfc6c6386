// Creation statements of the combo box, the list box and the radio group.
#include "gen_advpl/formatting.h"
#include "gen_oohg/choice_controls.h"
#include "gen_oohg/statement_arguments.h"

namespace dd {

QString THComboBox::scriptAt(qsizetype) const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(32);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    a.set(3, coordinateText(left()));
    a.set(4, coordinateText(top()));
    a.set(5, coordinateText(width()));
    a.set(6, itemsText(items()));
    a.set(10, quotedText(m_cToolTip));
    a.set(12, coordinateText(height()));
    a.set(13, m_bGotFocus);
    a.set(14, m_bLostFocus);
    a.set(17, notText(visible()));
    a.set(18, notText(m_tabStop));
    a.set(20, font.bold);
    a.set(21, font.italic);
    a.set(22, font.underline);
    a.set(23, font.strikeout);
    a.set(28, QStringLiteral(".F."));
    a.set(29, QStringLiteral(" \"\""));
    a.set(30, QStringLiteral(" "));
    return a.statement(*this, QStringLiteral(" := TCombo():Define("));
}

QString THListBox::scriptAt(qsizetype) const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(27);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    a.set(3, coordinateText(left()));
    a.set(4, coordinateText(top()));
    a.set(5, coordinateText(width()));
    a.set(6, coordinateText(height()));
    a.set(7, itemsText(items()));
    // The library counts items from 1; no selection (-1) gives 0.
    a.set(8, QString::number(itemIndex() + 1));
    a.set(9, font.face);
    a.set(10, font.size);
    a.set(11, quotedText(m_cToolTip));
    a.set(12, m_bChange);
    a.set(13, m_bDblclick);
    a.set(14, m_bGotFocus);
    a.set(15, m_bLostFocus);
    a.set(16, QStringLiteral(".F."));
    a.set(17, QLatin1Char(' ') + QString::number(m_nHelpId));
    a.set(18, notText(visible()));
    a.set(19, notText(m_tabStop));
    a.set(20, logicalText(m_lSort));
    a.set(21, font.bold);
    a.set(22, font.italic);
    a.set(23, font.underline);
    a.set(24, font.strikeout);
    a.set(25, colorTriple(color()));
    a.set(26, font.color);
    return a.statement(*this, QStringLiteral(" := TList():Define("));
}

QString THRadioGroup::scriptAt(qsizetype) const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(24);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    a.set(3, coordinateText(left()));
    a.set(4, coordinateText(top()));
    a.set(5, itemsText(items()));
    a.set(7, font.face);
    a.set(8, font.size);
    a.set(9, quotedText(m_cToolTip));
    a.set(10, m_bChange);
    a.set(11, coordinateText(width()));
    a.set(14, notText(visible()));
    a.set(15, notText(m_tabStop));
    a.set(16, font.bold);
    a.set(17, font.italic);
    a.set(18, font.underline);
    a.set(19, font.strikeout);
    a.set(20, colorTriple(color()));
    a.set(21, font.color);
    return a.statement(*this, QStringLiteral(" := TRadioGroup():Define("));
}

} // namespace dd
