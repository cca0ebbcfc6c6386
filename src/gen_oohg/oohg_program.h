#pragma once
// The Harbour program of an OOHG design: what the Script command saves and shows.
#include <QString>
#include <QStringList>

namespace dd {

class ProgressReporter;
class THWindow;

// The program body: variable sections, object declarations, the window definition with every
// control's statement in generation order, the window commands and the design's functions.
// Reports its progress to `progress` (may be null).
QStringList oohgProgramLines(const THWindow &window, ProgressReporter *progress);

// The include, the header box, "User Function " + name, an empty line, then the body.
QStringList oohgScriptLines(const THWindow &window, ProgressReporter *progress);

// The name of the generated user function: cFuncName as stored, or "NewSource" when blank.
QString oohgFunctionName(const THWindow &window);

} // namespace dd
