#include "model/variables.h"

#include "model/naming.h"

namespace dd {

void TVar::setTType(TTypeGet v)
{
    assign(m_tType, v, "tType");
    assign(m_name, typedVariableName(m_name, typeLetter(v)), "cVarName");
}

QString TVar::cVarName() const
{
    if (m_name.isEmpty())
        m_name = typedVariableName(QStringLiteral("Var") + QString::number(index() + 1), typeLetter(m_tType));
    return m_name;
}

void TVar::setCVarName(const QString &v)
{
    assign(m_name, typedVariableName(v, typeLetter(m_tType)), "cVarName");
}

void TFunction::setTFunction(TFuncType v)
{
    assign(m_kind, v, "tFunction");
    rewriteHead();
}

QString TFunction::cName() const
{
    return m_name.isEmpty() ? QStringLiteral("FuncName") + QString::number(index() + 1) : m_name;
}

void TFunction::setCName(const QString &v)
{
    assign(m_name, v, "cName");
    rewriteHead();
}

void TFunction::rewriteHead() const
{
    if (!m_hasScript)
        return;
    const QString keyword = m_kind == TFuncType::Static ? QStringLiteral("Static Function ")
                                                         : QStringLiteral("User Function ");
    const QString head = keyword + cName();
    if (m_script.isEmpty())
        m_script.append(head);
    else
        m_script[0] = head;
}

QStringList TFunction::cScript() const
{
    if (!m_hasScript) {
        m_script = {QStringLiteral("Function ") + cName() + QStringLiteral("()"), QString(), QStringLiteral("Return")};
        m_hasScript = true;
    }
    takeNameFromHead();
    return m_script;
}

void TFunction::setCScript(const QStringList &lines)
{
    m_script = lines;
    m_hasScript = true;
    // The head line names the function, so a stored name never disagrees with its source.
    takeNameFromHead();
    Q_EMIT propertyChanged("cScript");
}

void TFunction::takeNameFromHead() const
{
    const QString first = m_script.value(0);
    static const QString kFunction = QStringLiteral("Function ");
    const qsizetype at = first.indexOf(kFunction);
    m_name = at >= 0 ? first.mid(at + kFunction.size()) : first.mid(8);
    rewriteHead();
}

TTVars::TTVars(DesignRoot *root)
    : Component(root), m_vars(new ItemCollection(this, [](ItemCollection *c) { return new TVar(c); }))
{
}

TTFunctions::TTFunctions(DesignRoot *root)
    : Component(root),
      m_functions(new ItemCollection(this, [](ItemCollection *c) { return new TFunction(c); }))
{
}

} // namespace dd
