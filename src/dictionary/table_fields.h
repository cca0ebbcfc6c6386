#pragma once
// The dictionary reader: the fields of one table of the dictionary file, for the field
// pop-up of the editors and for the previews of the data-bound controls.
#include <QString>
#include <QStringList>

namespace dd::dictionary {

// What the caller shows when list mode meets a dictionary file older than the use and size
// attributes.
inline constexpr char kUpdateDataDictionary[] = "Update Data Dictionary";

// The field pop-up's two index-aligned lists: what is inserted and what is shown.
struct CompletionLists {
    QStringList insertList;
    QStringList itemList;
};

struct TableFieldsOutcome {
    // List mode met a field without use or size; the lines before it were appended.
    bool outOfDate = false;
    // The file is not readable XML: the cause, for the application's error handler.
    QString error;
};

// Appends the fields of the first table element whose "file" is `tableName` (compared
// exactly: callers pass upper case): with `proposal` one completion item per field, with
// `list` one list line per field. No file, or no such table, appends nothing. What the file
// holds is remembered by its path, size and modification time, so lookups after the first
// read only the table's element, and a new import is seen at the next call.
TableFieldsOutcome loadTableFields(const QString &dictionaryPath, const QString &tableName, CompletionLists *proposal,
                                   QStringList *list);
// The same with the dictionary file of the data folder.
TableFieldsOutcome loadTableFields(const QString &tableName, CompletionLists *proposal, QStringList *list);

} // namespace dd::dictionary
