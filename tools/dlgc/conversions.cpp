// The pure conversions between the binary and text forms, and the model's own save.
#include "cli.h"
#include "design_loading.h"
#include "designfile/design_file.h"
#include "designfile/resource_header.h"
#include "designfile/stream_text.h"
#include "model/windows1252.h"

namespace dlgc {

int toText(const Arguments &args)
{
    const QString &path = args.positional.front();
    const auto bytes = readInput(path);
    if (!bytes)
        return BadInput;
    const auto tree = dd::stream::readDesignFile(*bytes);
    if (!tree.ok()) {
        printError(QStringLiteral("%1: %2").arg(path, describe(tree.error)));
        return BadInput;
    }
    return writeOutput(args.output, dd::toWindows1252(dd::stream::writeTextForm(*tree.value))) ? Ok : BadInput;
}

int fromText(const Arguments &args)
{
    const QString &path = args.positional.front();
    const auto bytes = readInput(path);
    if (!bytes)
        return BadInput;
    const auto tree = dd::stream::readTextForm(dd::fromWindows1252(*bytes));
    if (!tree.ok()) {
        printError(QStringLiteral("%1: %2").arg(path, tree.error.message));
        return BadInput;
    }
    const auto file = dd::stream::writeDesignFile(*tree.value);
    if (!file.ok()) {
        printError(QStringLiteral("%1: %2").arg(path, file.error.message));
        return BadInput;
    }
    return writeOutput(args.output, *file.value) ? Ok : BadInput;
}

int save(const Arguments &args)
{
    auto design = loadDesign(args.positional.front(), languageOption(args.options.value(QStringLiteral("language"))));
    if (!design)
        return BadInput;
    if (auto error = dd::designfile::saveDesignFile(*design->root, args.output)) {
        printError(describe(*error));
        return BadInput;
    }
    return Ok;
}

} // namespace dlgc
