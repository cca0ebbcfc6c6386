#include "gen_oohg/oohg_program.h"

#include "gen_advpl/banners.h"
#include "gen_advpl/formatting.h"
#include "gen_advpl/fragment_lines.h"
#include "gen_advpl/list_declarations.h"
#include "gen_oohg/containers.h"
#include "gen_oohg/generation_order.h"
#include "gen_oohg/object_declarations.h"
#include "gen_oohg/window.h"
#include "model/progress_reporter.h"

namespace dd {
namespace {

const QString kProgressMessage = QStringLiteral("Generate MINIGUI Script");

// The five sections of one run; each entry appends to them, assembly joins them once.
class ProgramBuilder {
public:
    explicit ProgramBuilder(const THWindow &window) : m_window(window)
    {
        m_definition = sectionBanner(QStringLiteral("Definicao do Dialog e todos os seus componentes."));
        appendFragment(m_definition, window.script());
    }

    void visit(const Component &component, qsizetype componentIndex);
    QStringList assemble() const;

private:
    void addListsOf(const Component &component);

    const THWindow &m_window;
    QStringList m_locals;
    QStringList m_privatesAndPublics;
    QStringList m_objectNames;
    QStringList m_definition;
    QStringList m_functions;
};

// The OOHG classes take the index the entry carries instead of looking it up again.
QString scriptOf(const Component &component, qsizetype componentIndex)
{
    if (const auto *control = qobject_cast<const OohgControl *>(&component))
        return control->scriptAt(componentIndex);
    return component.property("Script").toString();
}

void ProgramBuilder::visit(const Component &component, qsizetype componentIndex)
{
    // Pages are written by their tab.
    if (qobject_cast<const THPage *>(&component))
        return;
    if (component.publishes("Script")) {
        appendFragment(m_definition, scriptOf(component, componentIndex));
        m_objectNames.append(component.name());
    } else {
        addListsOf(component);
    }
}

void ProgramBuilder::addListsOf(const Component &component)
{
    if (&component == m_window.oVars()) {
        const VariableDeclarations declarations = variableDeclarations(*m_window.oVars());
        m_locals += declarations.locals;
        m_privatesAndPublics += declarations.privatesAndPublics;
    }
    if (&component == m_window.oFunctions())
        m_functions += functionDefinitions(*m_window.oFunctions());
}

QStringList bannered(const QString &title, const QStringList &lines)
{
    return lines.isEmpty() ? QStringList() : sectionBanner(title) + lines;
}

QStringList ProgramBuilder::assemble() const
{
    const QStringList sections[] = {
        bannered(QStringLiteral("Declaração de Variaveis do Tipo Local"), m_locals),
        bannered(QStringLiteral("Declaração de Variaveis do Tipo Private e Public"), m_privatesAndPublics),
        objectDeclarations(m_objectNames),
        m_definition,
    };
    QStringList program;
    for (const QStringList &section : sections) {
        if (section.isEmpty())
            continue;
        program += section;
        program.append(QString());
    }
    program.append(QStringLiteral("END WINDOW"));
    if (m_window.lCentered())
        program.append(QLatin1String("CENTER WINDOW ") + m_window.name());
    program.append(QLatin1String("ACTIVATE WINDOW ") + m_window.name());
    program += {QString(), QStringLiteral("Return"), QString()};
    program += m_functions;
    return program;
}

} // namespace

QStringList oohgProgramLines(const THWindow &window, ProgressReporter *progress)
{
    ProgressSession session(progress, kProgressMessage);
    ProgramBuilder builder(window);
    const QList<GenerationEntry> order = generationOrder(window);
    session.reset(kProgressMessage, order.size());
    const QList<Component *> &components = window.components();
    for (const GenerationEntry &entry : order) {
        builder.visit(*components.at(entry.componentIndex), entry.componentIndex);
        session.step(kProgressMessage);
    }
    return builder.assemble();
}

QString oohgFunctionName(const THWindow &window)
{
    return isBlank(window.cFuncName()) ? QStringLiteral("NewSource") : window.cFuncName();
}

QStringList oohgScriptLines(const THWindow &window, ProgressReporter *progress)
{
    QStringList lines = {QStringLiteral("#INCLUDE 'MINIGUI.CH'"), QString()};
    lines += headerBox();
    lines += {QString(), QLatin1String("User Function ") + oohgFunctionName(window), QString()};
    lines += oohgProgramLines(window, progress);
    return lines;
}

} // namespace dd
