#include "gen_oohg/statement_arguments.h"

#include "gen_advpl/formatting.h"
#include "gen_advpl/statement.h"
#include "gen_oohg/resolved_color.h"
#include "model/design_root.h"

namespace dd {

QString coordinateText(int pixels) { return zeroFilled(pixels, 3); }

QString colorTriple(Color color)
{
    const Rgb rgb = resolvedRgb(color);
    return QStringLiteral("{%1,%2,%3}").arg(rgb.red).arg(rgb.green).arg(rgb.blue);
}

QString notText(bool value) { return logicalText(!value); }

QString itemsText(const QStringList &items) { return items.isEmpty() ? QStringLiteral("{}") : itemArray(items); }

QString parentName(const Control &control)
{
    return control.parentControl() ? control.parentControl()->name() : QString();
}

FontTexts fontTexts(const Font &font, int pixelsPerInch)
{
    return {
        quotedText(font.name),
        QString::number(font.pointSize(pixelsPerInch)),
        logicalText(font.bold()),
        logicalText(font.italic()),
        logicalText(font.underline()),
        logicalText(font.style.testFlag(TFontStyle::fsStrikeOut)),
        colorTriple(font.color),
    };
}

FontTexts fontTexts(const Control &control)
{
    return fontTexts(control.effectiveFont(), control.root()->pixelsPerInch());
}

StatementArguments::StatementArguments(int count) : m_texts(count) {}

void StatementArguments::set(int position, const QString &text)
{
    Q_ASSERT(position >= 1 && position <= m_texts.size());
    m_texts[position - 1] = text;
}

QString StatementArguments::statement(const Component &component, const QString &opening) const
{
    return creationStatement(component, opening, m_texts, QStringLiteral(")"));
}

} // namespace dd
