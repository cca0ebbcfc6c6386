#include "dictionary/field_texts.h"

namespace dd::dictionary {

QString completionDisplayText(const QString &field, const QString &type, const QString &help)
{
    return QStringLiteral("\\style{+B}field\\style{-B}\\column{}") + field + QStringLiteral("\\column{}\\style{+B}type\\style{-B}    ")
        + type + QStringLiteral("    \\style{+B}help\\style{-B}  ") + help;
}

QString fieldListLine(const QString &title, const QString &use, const QString &size)
{
    return title.leftJustified(12, QLatin1Char(' '), true) + use.leftJustified(15, QLatin1Char(' '), true) + size;
}

} // namespace dd::dictionary
