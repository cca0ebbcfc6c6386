// Creation statements of the label, the one-line get and the multi-line get.
#include "gen_advpl/coordinates.h"
#include "gen_advpl/formatting.h"
#include "gen_advpl/statement.h"
#include "model/text_controls.h"

namespace dd {
namespace {

const QString kTrue = QStringLiteral(".T.");
const QString kFalse = QStringLiteral(".F.");

// A blank variable leaves the get unbound, whatever the block holds.
QString boundSetGet(const Control &control)
{
    return isBlank(control.cVariable()) ? QString() : control.bSetGet();
}

} // namespace

QString TTSay::script() const
{
    const QStringList arguments = {
        controlTop(*this),
        controlLeft(*this),
        QLatin1String("{||") + doubleQuoted(caption()) + QLatin1Char('}'),
        parentReference(*this),
        QString(),
        fontReference(oFont()),
        kFalse,
        kFalse,
        kFalse,
        kTrue,
        enumName(nClrText()),
        enumName(nClrBack()),
        controlWidth(*this),
        controlHeight(*this),
    };
    return wrappedInExecutionLists(*this, creationStatement(*this, QStringLiteral(" := TSay():New( "), arguments,
                                                            QStringLiteral(")")));
}

QString TTGet::script() const
{
    const QStringList arguments = {
        controlTop(*this),
        controlLeft(*this),
        boundSetGet(*this),
        parentReference(*this),
        controlWidth(*this),
        controlHeight(*this),
        quotedText(picture()),
        bValid(),
        enumName(nClrText()),
        enumName(nClrBack()),
        fontReference(oFont()),
        QString(),
        QString(),
        kTrue,
        doubleQuoted(cMsg()),
        QString(),
        bWhen(),
        logicalText(lCenter()),
        logicalText(lRight()),
        bChange(),
        logicalText(lReadOnly()),
        logicalText(lPassword()),
        doubleQuoted(cF3()),
        doubleQuoted(cVariable()),
    };
    const QString statement = creationStatement(*this, QStringLiteral(" := TGet():New( "), arguments,
                                                QStringLiteral(",,)"));
    return wrappedInExecutionLists(*this, statement + disablingLine(*this));
}

QString TTMultiGet::script() const
{
    const QStringList arguments = {
        controlTop(*this),
        controlLeft(*this),
        boundSetGet(*this),
        parentReference(*this),
        controlWidth(*this),
        controlHeight(*this),
        fontReference(oFont()),
        QString(),
        enumName(nClrText()),
        enumName(nClrBack()),
        QString(),
        kTrue,
        doubleQuoted(cMsg()),
        QString(),
        bWhen(),
        kFalse,
        kFalse,
        logicalText(lReadOnly()),
        bValid(),
        bChange(),
        kFalse,
    };
    const QString statement = creationStatement(*this, QStringLiteral(" := TMultiGet():New( "), arguments,
                                                QStringLiteral(",,  )"));
    return wrappedInExecutionLists(*this, statement + disablingLine(*this));
}

} // namespace dd
