#include "gen_advpl/program_encoding.h"

#include "model/windows1252.h"

namespace dd {

QByteArray encodeProgram(const QStringList &lines, int *unmappable)
{
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    qsizetype replaced = 0;
    for (const QString &line : lines) {
        qsizetype lineReplaced = 0;
        bytes += toWindows1252(line, &lineReplaced);
        bytes += "\r\n";
        replaced += lineReplaced;
    }
    if (unmappable)
        *unmappable = int(replaced);
    return bytes;
}

QString unmappableCharactersWarning(int count)
{
    return QStringLiteral("%1 characters could not be written in Windows-1252 and were replaced by '?'.").arg(count);
}

} // namespace dd
