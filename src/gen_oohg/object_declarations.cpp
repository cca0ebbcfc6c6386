#include "gen_oohg/object_declarations.h"

#include "gen_advpl/banners.h"
#include "gen_advpl/formatting.h"

namespace dd {
namespace {

constexpr qsizetype kLineLength = 100;

QString withoutTrailingComma(const QString &line) { return line.chopped(1); }

} // namespace

QStringList objectDeclarations(const QStringList &names)
{
    QStringList lines;
    QString pending;
    for (const QString &name : names) {
        if (isBlank(pending)) {
            lines += sectionBanner(QStringLiteral("Declaração de Variaveis Private dos Objetos"));
            pending = QLatin1String("Private ") + name + QLatin1Char(',');
        } else if (pending.trimmed().size() < kLineLength) {
            pending += name + QLatin1Char(',');
        } else {
            lines.append(withoutTrailingComma(pending));
            pending = QLatin1String("Private ") + name + QLatin1Char(',');
        }
    }
    if (!pending.isEmpty())
        lines.append(withoutTrailingComma(pending));
    return lines;
}

} // namespace dd
