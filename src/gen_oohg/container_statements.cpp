// Creation statements of the frame and the tab.
#include "gen_advpl/formatting.h"
#include "gen_oohg/containers.h"
#include "gen_oohg/statement_arguments.h"

namespace dd {

QString THFrame::scriptAt(qsizetype) const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(18);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    // The library's frame takes its row before its column.
    a.set(3, coordinateText(top()));
    a.set(4, coordinateText(left()));
    a.set(5, coordinateText(width()));
    a.set(6, coordinateText(height()));
    a.set(7, quotedText(caption()));
    a.set(8, font.face);
    a.set(9, font.size);
    a.set(10, logicalText(m_lOpaque));
    a.set(11, font.bold);
    a.set(12, font.italic);
    a.set(13, font.underline);
    a.set(14, font.strikeout);
    a.set(15, colorTriple(color()));
    a.set(16, font.color);
    a.set(17, logicalText(m_lTransparent));
    return a.statement(*this, QStringLiteral(" := TFrame():Define("));
}

QString THTab::scriptAt(qsizetype) const
{
    const FontTexts font = fontTexts(*this);
    StatementArguments a(26);
    a.set(1, quotedText(name()));
    a.set(2, parentName(*this));
    a.set(3, coordinateText(left()));
    a.set(4, coordinateText(top()));
    a.set(5, coordinateText(width()));
    a.set(6, coordinateText(height()));
    a.set(7, QStringLiteral("{}"));
    a.set(8, QStringLiteral(" {}"));
    a.set(9, QStringLiteral(" "));
    a.set(12, quotedText(m_cToolTip));
    a.set(13, m_bChange);
    a.set(18, notText(m_tabStop));
    a.set(20, font.bold);
    a.set(21, font.italic);
    a.set(22, font.underline);
    a.set(23, font.strikeout);
    a.set(24, QStringLiteral("{}"));
    a.set(25, QStringLiteral(" "));
    // The pages are not written; the tab is closed right after it is defined.
    return a.statement(*this, QStringLiteral(" := TTab():Define(")) + QLatin1String("\r_EndTab()");
}

} // namespace dd
