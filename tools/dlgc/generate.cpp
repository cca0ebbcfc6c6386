// dlgc generate: exactly the bytes the Script command saves for a design.
#include "cli.h"
#include "design_loading.h"
#include "gen_advpl/advpl_program.h"
#include "gen_advpl/program_encoding.h"
#include "gen_oohg/oohg_program.h"
#include "gen_oohg/window.h"
#include "model/design_root.h"
#include "model/dialog.h"

namespace dlgc {
namespace {

// What the designer shows in message boxes while generating goes to standard error.
class WarningPrinter : public dd::MessageSink {
public:
    void message(const QString &text) override { printWarning(text); }
};

} // namespace

int generate(const Arguments &args)
{
    auto design = loadDesign(args.positional.front(), languageOption(args.options.value(QStringLiteral("language"))));
    if (!design)
        return BadInput;
    WarningPrinter warnings;
    design->root->setMessageSink(&warnings);
    const QStringList lines = design->language == Language::Oohg
        ? dd::oohgScriptLines(static_cast<const dd::THWindow &>(*design->root), nullptr)
        : dd::advplScriptLines(static_cast<const dd::TTMSDialog &>(*design->root), nullptr);
    int unmappable = 0;
    const QByteArray bytes = dd::encodeProgram(lines, &unmappable);
    if (unmappable > 0)
        printWarning(dd::unmappableCharactersWarning(unmappable));
    return writeOutput(args.output, bytes) ? Ok : BadInput;
}

} // namespace dlgc
