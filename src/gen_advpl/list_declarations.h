#pragma once
// The design's own variables and functions as program lines.
#include <QStringList>

namespace dd {

class TTFunctions;
class TTVars;

struct VariableDeclarations {
    QStringList locals;
    QStringList privatesAndPublics;
};

// One line per variable, by its kind, without banners.
VariableDeclarations variableDeclarations(const TTVars &vars);

// Each function under its banner, its source verbatim, then an empty line.
QStringList functionDefinitions(const TTFunctions &functions);

} // namespace dd
