#pragma once
// SetPrvt statements that make the objects' variables private, a few names per line.
#include <QStringList>

namespace dd {

// The quoted names spread over "SetPrvt(...)" lines: a line is closed before a name is
// added once it is longer than 100 characters. Empty for no names.
QStringList setPrvtLines(const QStringList &quotedNames);

} // namespace dd
