#pragma once
// The naming rules that keep variable names consistent with their types.
#include <QString>

namespace dd {

// Keeps the one-letter type prefix of a variable name: "nNome" with 'c' gives "cNome",
// "oGet1" gives "cGet1", "Nome" gives "cNome". A blank text is returned unchanged.
QString typedVariableName(const QString &text, QChar typeLetter);

// The set-get code block of a variable, empty for a blank variable name.
QString setGetBlock(const QString &variable);

} // namespace dd
