#pragma once
// The order of the declaration block: case-insensitive, so "cNome" and "CNOME" are equal.
#include <QStringList>

namespace dd {

// Sorts ascending ignoring case, keeping equal lines in their order. Blanks and punctuation
// come before letters, so an empty line goes to the top.
void sortLinesIgnoringCase(QStringList &lines);

} // namespace dd
