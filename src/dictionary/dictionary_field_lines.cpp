#include "dictionary/dictionary_field_lines.h"

#include "dictionary/table_fields.h"
#include "model/field_lines.h"

namespace dd::dictionary {

void installDictionaryFieldLines(std::function<void(const QString &message)> report)
{
    setFieldLineSource([report = std::move(report)](const QString &table) {
        QStringList lines;
        const TableFieldsOutcome outcome = loadTableFields(table, nullptr, &lines);
        if (outcome.outOfDate)
            report(QString::fromLatin1(kUpdateDataDictionary));
        else if (!outcome.error.isEmpty())
            report(outcome.error);
        return lines;
    });
}

} // namespace dd::dictionary
