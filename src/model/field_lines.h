#pragma once
// Field lines of the data dictionary as the data-bound controls' previews read them: the
// title in characters 1 to 12, the use flags in 13 to 27, the size from 28 on.
#include <QString>
#include <QStringList>

#include <functional>

namespace dd {

// Supplies the field lines of a table (alias in upper case); installed by the dictionary
// reader. Without one, every table has no fields.
using FieldLineSource = std::function<QStringList(const QString &table)>;
void setFieldLineSource(FieldLineSource source);
QStringList tableFieldLines(const QString &table);

// Whether the ERP's use flags of the line mark the field as used (only those are previewed).
bool isUsedField(const QString &line);
// The title of the line: its first 12 characters without surrounding blanks.
QString fieldTitle(const QString &line);

} // namespace dd
