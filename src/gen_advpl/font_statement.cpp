// The creation statement of a font component.
#include "gen_advpl/formatting.h"
#include "gen_advpl/statement.h"
#include "model/font_component.h"

namespace dd {

QString TToFont::script() const
{
    // The font object itself: reading font() would refresh the look of every user.
    const dd::Font &f = fontValue();
    // The model keeps upright fonts only, so the escapement is always 0.
    const QStringList arguments = {
        doubleQuoted(f.name),
        QStringLiteral("0"),
        QString::number(f.height),
        QString(),
        logicalText(f.bold()),
        QStringLiteral("0"),
        QString(),
        QString::number(f.weight()),
        logicalText(f.italic()),
        logicalText(f.underline()),
    };
    return creationStatement(*this, QStringLiteral(" := TFont():New( "), arguments, QStringLiteral(",,,,,, )"));
}

} // namespace dd
