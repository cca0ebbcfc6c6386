#include "gen_advpl/control_declaration.h"

#include "gen_advpl/formatting.h"
#include "model/choice_controls.h"
#include "model/text_controls.h"

namespace dd {
namespace {

constexpr int kVariableColumn = 10;

enum class DeclarationKind { None, Typed, Bare, Checked };

DeclarationKind declarationKind(const Control &control)
{
    if (qobject_cast<const TTSay *>(&control) || qobject_cast<const TTGet *>(&control))
        return DeclarationKind::Typed;
    if (qobject_cast<const TTMultiGet *>(&control) || qobject_cast<const TTComboBox *>(&control)
        || qobject_cast<const TTRadMenu *>(&control))
        return DeclarationKind::Bare;
    if (qobject_cast<const TTCheckBox *>(&control))
        return DeclarationKind::Checked;
    return DeclarationKind::None;
}

// The initial value of a typed variable; a null text for types without one.
QString typedInitialValue(const Control &control)
{
    switch (control.tType()) {
    case TTypeGet::tgCaracter:
        return QLatin1String(" := Space(") + QString::number(control.nLength()) + QLatin1Char(')');
    case TTypeGet::tgNumeric:
        return QStringLiteral(" := 0");
    case TTypeGet::tgDate:
        return QStringLiteral(" := CtoD(\" \")");
    case TTypeGet::tgLogical:
    case TTypeGet::tgArray:
    case TTypeGet::tgCodeBlock:
        break;
    }
    return {};
}

} // namespace

QString controlDeclaration(const Component &component)
{
    const auto *control = qobject_cast<const Control *>(&component);
    if (!control || isBlank(control->cVariable()))
        return {};
    const QString head = QLatin1String("Private ") + paddedName(control->cVariable(), kVariableColumn);
    switch (declarationKind(*control)) {
    case DeclarationKind::Typed: {
        const QString value = typedInitialValue(*control);
        return value.isNull() ? QString() : head + value;
    }
    case DeclarationKind::Bare:
        return head;
    case DeclarationKind::Checked:
        return head + QLatin1String(" := ") + logicalText(control->checked());
    case DeclarationKind::None:
        break;
    }
    return {};
}

} // namespace dd
