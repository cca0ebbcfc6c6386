#pragma once
// The ADVPL program of a design: what the Script command saves and shows.
#include <QString>
#include <QStringList>

namespace dd {

class ProgressReporter;
class TTMSDialog;

// The program body: declaration blocks, dialog definition, activation, static functions.
// Reports its progress to `progress` (may be null).
QStringList advplProgramLines(const TTMSDialog &root, ProgressReporter *progress);

// The includes, the header box, "User Function " + name, an empty line, then the body.
QStringList advplScriptLines(const TTMSDialog &root, ProgressReporter *progress);

// The name of the generated user function: cFuncName, or "NewSource" when it is blank.
QString advplFunctionName(const TTMSDialog &root);

// The file name the save dialog proposes: the function name up to its first "(".
QString advplInitialFileName(const TTMSDialog &root);

} // namespace dd
