#pragma once
// Reading a DESIGN argument into a design of the right language.
#include <QString>

#include <memory>
#include <optional>

#include "designfile/stream_value.h"
#include "model/design_root.h"

namespace dlgc {

enum class Language { Advpl, Oohg };

struct LoadedDesign {
    Language language;
    std::unique_ptr<dd::DesignRoot> root;
};

// The language named by --language, or the one of the root class when it is absent.
std::optional<Language> languageOption(const QString &value);

// Reads DESIGN (binary or text form); errors are printed and give nothing.
std::optional<LoadedDesign> loadDesign(const QString &path, std::optional<Language> forced);

QString describe(const dd::stream::StreamError &error);

} // namespace dlgc
