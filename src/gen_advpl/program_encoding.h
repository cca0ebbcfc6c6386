#pragma once
// Generated programs are saved as Windows-1252 text with CR LF after every line.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace dd {

// The file's bytes. A character the code page cannot hold becomes "?"; `unmappable` (when
// given) receives how many did.
QByteArray encodeProgram(const QStringList &lines, int *unmappable);

// The one warning the caller shows when `count` characters were replaced.
QString unmappableCharactersWarning(int count);

} // namespace dd
