#pragma once
// The import of the ERP's data dictionary table into the dictionary file.
#include <QString>

#include <optional>

namespace dd {
class ProgressReporter;
}

namespace dd::dictionary {

// The caption of the import's progress.
inline constexpr char kImportCaption[] = "Importing SX3...";

// Reads the table (with its production index and tag "<file name>1"), and writes the fields
// of its live records in tag order to `dictionaryPath`: through a temporary file renamed over
// the old dictionary only when complete, so a failed import leaves it untouched. Returns the
// cause of a failure, with the byte offset in a damaged table or index.
std::optional<QString> importDictionary(const QString &tablePath, const QString &dictionaryPath, ProgressReporter *progress);

} // namespace dd::dictionary
