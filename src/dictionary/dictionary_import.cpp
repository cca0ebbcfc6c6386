#include "dictionary/dictionary_import.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include "dictionary/dictionary_writer.h"
#include "dictionary/sx3_table.h"
#include "model/progress_reporter.h"

namespace dd::dictionary {
namespace {

QString applicationPath()
{
    return QCoreApplication::instance() ? QDir::toNativeSeparators(QCoreApplication::applicationFilePath()) : QString();
}

QString cannotWrite(const QSaveFile &file)
{
    return QStringLiteral("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
}

} // namespace

std::optional<QString> importDictionary(const QString &tablePath, const QString &dictionaryPath, ProgressReporter *progress)
{
    const QString caption = QString::fromLatin1(kImportCaption);
    ProgressSession session(progress, caption);
    const Parsed<Sx3Table> source = Sx3Table::open(tablePath);
    if (!source.ok())
        return describe(source.error());
    const Sx3Table &table = source.value();
    session.reset(caption, table.size());

    // The old dictionary is replaced only by a complete new one; on any failure the
    // temporary file is removed when `file` goes.
    QSaveFile file(dictionaryPath);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(file);
    DictionaryWriter writer(file, applicationPath());
    Sx3Record record;
    QString current;
    bool inTable = false;
    for (qsizetype position = 0; position < table.size(); ++position) {
        if (auto error = table.read(position, record))
            return describe(*error);
        // A new table element starts whenever the alias changes from one record to the next.
        if (!inTable || record.table != current) {
            if (inTable)
                writer.endTable();
            writer.startTable(record.table);
            current = record.table;
            inTable = true;
        }
        writer.writeField(record);
        session.step(caption);
    }
    if (inTable)
        writer.endTable();
    if (!writer.finish() || !file.commit())
        return cannotWrite(file);
    return std::nullopt;
}

} // namespace dd::dictionary
