#include "design_loading.h"

#include "cli.h"
#include "designfile/design_file.h"
#include "designfile/design_reader.h"
#include "gen_oohg/window.h"
#include "model/class_registry.h"
#include "model/dialog.h"

namespace dlgc {

std::optional<Language> languageOption(const QString &value)
{
    if (value.compare(QLatin1String("advpl"), Qt::CaseInsensitive) == 0)
        return Language::Advpl;
    if (value.compare(QLatin1String("oohg"), Qt::CaseInsensitive) == 0)
        return Language::Oohg;
    return std::nullopt;
}

QString describe(const dd::stream::StreamError &error)
{
    if (error.offset < 0)
        return error.message;
    return QStringLiteral("%1 (at byte %2)").arg(error.message).arg(error.offset);
}

std::optional<LoadedDesign> loadDesign(const QString &path, std::optional<Language> forced)
{
    const auto bytes = readInput(path);
    if (!bytes)
        return std::nullopt;
    auto tree = dd::designfile::parseDesignBytes(*bytes, dd::designfile::Accept::BinaryOrText);
    if (!tree.ok()) {
        printError(QStringLiteral("%1: %2").arg(path, describe(tree.error)));
        return std::nullopt;
    }
    const bool oohgRoot = tree.value->className.compare(QLatin1String("THWindow"), Qt::CaseInsensitive) == 0;
    const Language language = forced.value_or(oohgRoot ? Language::Oohg : Language::Advpl);
    // The root keeps the class of the language, whatever class the file names.
    if (language == Language::Oohg) {
        LoadedDesign design{language, std::make_unique<dd::THWindow>()};
        dd::designfile::readDesign(*design.root, *tree.value, dd::oohgClasses());
        return design;
    }
    LoadedDesign design{language, std::make_unique<dd::TTMSDialog>()};
    dd::designfile::readDesign(*design.root, *tree.value, dd::advplClasses());
    return design;
}

} // namespace dlgc
