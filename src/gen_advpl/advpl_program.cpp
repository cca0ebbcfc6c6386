#include "gen_advpl/advpl_program.h"

#include "gen_advpl/banners.h"
#include "gen_advpl/control_declaration.h"
#include "gen_advpl/formatting.h"
#include "gen_advpl/fragment_lines.h"
#include "gen_advpl/line_sort.h"
#include "gen_advpl/list_declarations.h"
#include "gen_advpl/setprvt_lines.h"
#include "gen_advpl/static_functions.h"
#include "model/data_controls.h"
#include "model/dialog.h"
#include "model/progress_reporter.h"

namespace dd {
namespace {

const QString kProgressMessage = QStringLiteral("Generate ADVPL Script");
const QString kDefaultFunctionName = QStringLiteral("NewSource");

QString componentText(const Component &component, const char *property)
{
    return component.property(property).toString();
}

// The ordered blocks of one run; each visit appends to them, assembly joins them once.
class ProgramBuilder {
public:
    explicit ProgramBuilder(const TTMSDialog &root) : m_root(root)
    {
        // Most components give one name and one statement line.
        const qsizetype expected = root.components().size() + 1;
        m_objectNames.reserve(expected);
        m_definition.reserve(expected + 3);
        m_definition += sectionBanner(QStringLiteral("Definicao do Dialog e todos os seus componentes."));
    }

    void visit(const Component &component);
    void addRoot();
    QStringList assemble();

private:
    void addListsOf(const Component &component);

    const TTMSDialog &m_root;
    QStringList m_locals;
    QStringList m_privatesAndPublics;
    QStringList m_variableDeclarations;
    QStringList m_objectNames;
    QStringList m_definition;
    QStringList m_staticFunctions;
};

void ProgramBuilder::visit(const Component &component)
{
    if (component.publishes("Script")) {
        appendFragment(m_definition, componentText(component, "Script"));
        // The enchoice is not assigned to a variable of its own.
        if (!qobject_cast<const TTEnchoice *>(&component))
            m_objectNames.append(doubleQuoted(component.name()));
        const QString declaration = controlDeclaration(component);
        if (!declaration.isEmpty())
            m_variableDeclarations.append(declaration);
        if (component.publishes("StaticScript"))
            appendFragment(m_staticFunctions, componentText(component, "StaticScript"));
        if (component.publishes("VarScript"))
            appendFragment(m_variableDeclarations, componentText(component, "VarScript"));
    } else {
        addListsOf(component);
    }
    const auto *control = qobject_cast<const Control *>(&component);
    if (control && control->isWindowed()) {
        for (const Control *child : control->childControls())
            visit(*child);
    }
}

void ProgramBuilder::addListsOf(const Component &component)
{
    if (&component == m_root.oVars()) {
        const VariableDeclarations declarations = variableDeclarations(*m_root.oVars());
        m_locals += declarations.locals;
        m_privatesAndPublics += declarations.privatesAndPublics;
    }
    if (&component == m_root.oFunctions())
        m_staticFunctions += functionDefinitions(*m_root.oFunctions());
    appendFragment(m_staticFunctions, staticFunctionOf(&component));
}

void ProgramBuilder::addRoot()
{
    appendFragment(m_definition, m_root.script());
    m_objectNames.append(doubleQuoted(m_root.name()));
}

void appendWithGap(QStringList &program, const QStringList &block)
{
    program += block;
    program.append(QString());
}

void appendBannered(QStringList &program, const QString &title, const QStringList &block)
{
    if (block.isEmpty())
        return;
    program += sectionBanner(title);
    appendWithGap(program, block);
}

QStringList ProgramBuilder::assemble()
{
    sortLinesIgnoringCase(m_variableDeclarations);

    const QStringList setPrvt = setPrvtLines(m_objectNames);
    QStringList program;
    program.reserve(m_locals.size() + m_privatesAndPublics.size() + m_variableDeclarations.size() + setPrvt.size()
                    + m_definition.size() + m_staticFunctions.size() + 20);
    appendBannered(program, QStringLiteral("Declaração de Variaveis do Tipo Local"), m_locals);
    appendBannered(program, QStringLiteral("Declaração de Variaveis do Tipo Private e Public"), m_privatesAndPublics);
    appendBannered(program, QStringLiteral("Declaração de cVariable dos componentes"), m_variableDeclarations);
    appendBannered(program, QStringLiteral("Declaração de Variaveis Private dos Objetos"), setPrvt);
    appendWithGap(program, m_definition);
    program.append(m_root.name()
                   + (m_root.lCentered() ? QLatin1String(":Activate(,,,.T.)") : QLatin1String(":Activate()")));
    program += {QString(), QStringLiteral("Return"), QString()};
    program += m_staticFunctions;
    return program;
}

} // namespace

QStringList advplProgramLines(const TTMSDialog &root, ProgressReporter *progress)
{
    ProgressSession session(progress, kProgressMessage);
    ProgramBuilder builder(root);

    // Non-visual components first, so fonts and lists stand before the dialog.
    session.reset(kProgressMessage, root.components().size());
    for (const Component *component : root.components()) {
        if (!component->isVisual())
            builder.visit(*component);
        session.step(kProgressMessage);
    }

    builder.addRoot();

    const QList<Control *> children = root.childControls();
    session.reset(kProgressMessage, children.size());
    for (const Control *child : children) {
        builder.visit(*child);
        session.step(kProgressMessage);
    }
    return builder.assemble();
}

QString advplFunctionName(const TTMSDialog &root)
{
    return isBlank(root.cFuncName()) ? kDefaultFunctionName : root.cFuncName();
}

QString advplInitialFileName(const TTMSDialog &root)
{
    const QString name = advplFunctionName(root);
    const qsizetype parenthesis = name.indexOf(QLatin1Char('('));
    return parenthesis < 0 ? name : name.left(parenthesis);
}

QStringList advplScriptLines(const TTMSDialog &root, ProgressReporter *progress)
{
    QStringList lines = {
        QStringLiteral("#INCLUDE 'PROTHEUS.CH'"),
        QStringLiteral("#INCLUDE 'RWMAKE.CH'"),
        QStringLiteral("#INCLUDE 'FONT.CH'"),
        QStringLiteral("#INCLUDE 'COLORS.CH'"),
        QString(),
    };
    lines += headerBox();
    lines += {QString(), QLatin1String("User Function ") + advplFunctionName(root), QString()};
    lines += advplProgramLines(root, progress);
    return lines;
}

} // namespace dd
