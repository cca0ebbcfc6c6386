#pragma once
// Connects the previews of the data-bound controls to the dictionary file.
#include <QString>

#include <functional>

namespace dd::dictionary {

// Makes the model's field lines come from the dictionary file of the data folder. `report`
// receives what the user is told: "Update Data Dictionary" for an old file, or why the file
// cannot be read.
void installDictionaryFieldLines(std::function<void(const QString &message)> report);

} // namespace dd::dictionary
