#include "gen_advpl/setprvt_lines.h"

namespace dd {
namespace {

constexpr qsizetype kLineLimit = 100;

// Replaces the trailing comma by the closing parenthesis.
QString finished(QString line)
{
    line.chop(1);
    return line + QLatin1Char(')');
}

} // namespace

QStringList setPrvtLines(const QStringList &quotedNames)
{
    const QString opening = QStringLiteral("SetPrvt(");
    QStringList lines;
    if (quotedNames.isEmpty())
        return lines;
    QString line = opening;
    for (const QString &name : quotedNames) {
        if (line.trimmed().size() > kLineLimit) {
            lines.append(finished(line));
            line = opening;
        }
        line += name + QLatin1Char(',');
    }
    lines.append(finished(line));
    return lines;
}

} // namespace dd
