#pragma once
// Generated-text properties separate their lines with CR; programs are lists of lines.
#include <QString>
#include <QStringList>

namespace dd {

// Adds the fragment's lines to the block: split at CR, LF or CR LF, an empty piece between
// two breaks is an empty line, a break at the very end adds no line.
void appendFragment(QStringList &block, QString fragment);

} // namespace dd
