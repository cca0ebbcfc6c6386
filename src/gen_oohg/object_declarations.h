#pragma once
// The Private declarations of the program's object variables.
#include <QStringList>

namespace dd {

// Under the banner "Declaração de Variaveis Private dos Objetos", lines "Private " + names
// joined by commas. A line is closed once it has reached 100 characters before the next name
// is added, so it may pass them by one name; no line ends in a comma. No names, no lines.
QStringList objectDeclarations(const QStringList &names);

} // namespace dd
