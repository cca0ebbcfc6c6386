#include "gen_advpl/list_declarations.h"

#include "gen_advpl/banners.h"
#include "gen_advpl/formatting.h"
#include "model/variables.h"

namespace dd {
namespace {

constexpr int kVariableColumn = 10;

QString declarationLine(const TVar &var)
{
    QString line = enumName(var.varType()) + QLatin1Char(' ') + paddedName(var.cVarName(), kVariableColumn);
    const QString initial = var.initVal();
    if (!isBlank(initial))
        line += QLatin1String(" := ") + (var.tType() == TTypeGet::tgCaracter ? quotedText(initial) : initial);
    return line;
}

} // namespace

VariableDeclarations variableDeclarations(const TTVars &vars)
{
    VariableDeclarations declarations;
    const ItemCollection &items = *vars.vars();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const TVar &var = *items.itemAt<TVar>(i);
        QStringList &block =
            var.varType() == TVarType::Local ? declarations.locals : declarations.privatesAndPublics;
        block.append(declarationLine(var));
    }
    return declarations;
}

QStringList functionDefinitions(const TTFunctions &functions)
{
    QStringList lines;
    const ItemCollection &items = *functions.functions();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const TFunction &function = *items.itemAt<TFunction>(i);
        // The banner shows the name as it was before reading the source re-reads it.
        const QString title = function.cName();
        lines += functionBanner(title);
        lines += function.cScript();
        lines.append(QString());
    }
    return lines;
}

} // namespace dd
