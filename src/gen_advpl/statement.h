#pragma once
// The shape every ADVPL creation statement shares: the padded variable, the opening text,
// the arguments between single commas, the closing text, and the lines around it.
#include <QString>
#include <QStringList>

namespace dd {

class Component;
class Control;

// Creation statements assign the component's variable in a column this wide.
constexpr int kNameColumn = 10;

// paddedName(name, 10) + opening + the arguments joined by "," + closing.
QString creationStatement(const Component &component, const QString &opening, const QStringList &arguments,
                          const QString &closing);

// The ExecBefore lines (each followed by CR LF), the statement with its follow-up lines, a CR,
// then the ExecAfter lines (each followed by CR LF).
QString wrappedInExecutionLists(const Control &control, const QString &statement);

// A CR and name + ":Disable()" when the control is disabled; empty otherwise.
QString disablingLine(const Control &control);

} // namespace dd
