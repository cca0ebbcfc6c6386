#include "model/naming.h"

namespace dd {

QString typedVariableName(const QString &text, QChar typeLetter)
{
    if (text.trimmed().isEmpty())
        return text;
    QString rest = text.startsWith(QLatin1Char('o')) ? text.mid(1) : text;
    if (rest.isEmpty())
        return QString(typeLetter);
    const QChar first = rest.front();
    if (first == typeLetter)
        return rest;
    if (QStringLiteral("cndlab").contains(first)) {
        rest[0] = typeLetter;
        return rest;
    }
    return typeLetter + rest;
}

QString setGetBlock(const QString &variable)
{
    if (variable.trimmed().isEmpty())
        return {};
    return QStringLiteral("{|u| If(PCount()>0,") + variable + QStringLiteral(":=u,") + variable
        + QStringLiteral(")}");
}

} // namespace dd
