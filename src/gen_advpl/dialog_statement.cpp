// The creation statement of the root dialog. The dialog takes screen pixels, unhalved.
#include "gen_advpl/formatting.h"
#include "gen_advpl/statement.h"
#include "model/dialog.h"

namespace dd {
namespace {

constexpr int kDigits = 3;
// MSDialog takes its bottom-right corner without the frame the designer shows.
constexpr int kCaptionHeight = 25;
constexpr int kFrameWidth = 5;

} // namespace

QString TTMSDialog::script() const
{
    const QStringList arguments = {
        zeroFilled(top(), kDigits),
        zeroFilled(left(), kDigits),
        zeroFilled(top() + height() - kCaptionHeight, kDigits),
        zeroFilled(left() + width() - kFrameWidth, kDigits),
        doubleQuoted(caption()),
        QString(),
        QString(),
        QStringLiteral(".F."),
        QString(),
        QString(),
        QString(),
        QString(),
        QString(),
        QStringLiteral(".T."),
        QString(),
        fontReference(oFont()),
        QStringLiteral(".T."),
    };
    // The enchoice bar's initialisation line (when enchoiceBar() is set) joins the
    // statement here as a follow-up line.
    return wrappedInExecutionLists(*this, creationStatement(*this, QStringLiteral(" := MSDialog():New( "),
                                                            arguments, QStringLiteral(" )")));
}

} // namespace dd
