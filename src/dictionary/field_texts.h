#pragma once
// The two forms in which the dictionary's fields are offered: completion items of the field
// pop-up and the fixed-column list lines of the data-bound controls' previews.
#include <QString>

namespace dd::dictionary {

// Display text of a completion item: bold captions and three columns, field, type and help.
QString completionDisplayText(const QString &field, const QString &type, const QString &help);

// Title in characters 1 to 12 and use flags in 13 to 27 (each filled with blanks and cut),
// then the size as stored.
QString fieldListLine(const QString &title, const QString &use, const QString &size);

} // namespace dd::dictionary
