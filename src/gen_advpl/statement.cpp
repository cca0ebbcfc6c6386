#include "gen_advpl/statement.h"

#include "gen_advpl/formatting.h"
#include "model/control.h"

namespace dd {
namespace {

QString executionLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1String("\r\n");
    return text;
}

} // namespace

QString creationStatement(const Component &component, const QString &opening, const QStringList &arguments,
                          const QString &closing)
{
    return paddedName(component.name(), kNameColumn) + opening + arguments.join(QLatin1Char(',')) + closing;
}

QString wrappedInExecutionLists(const Control &control, const QString &statement)
{
    return executionLines(control.execBefore()) + statement + QLatin1Char('\r') + executionLines(control.execAfter());
}

QString disablingLine(const Control &control)
{
    if (control.enabled())
        return {};
    return QLatin1Char('\r') + control.name() + QLatin1String(":Disable()");
}

} // namespace dd
