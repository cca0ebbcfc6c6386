#include "dictionary/table_fields.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QXmlStreamReader>

#include <optional>

#include "dictionary/data_folder.h"
#include "dictionary/dictionary_outline.h"
#include "dictionary/field_texts.h"
#include "dictionary/file_bytes.h"

namespace dd::dictionary {
namespace {

struct FileIdentity {
    QString path;
    qint64 size = 0;
    QDateTime modified;

    bool operator==(const FileIdentity &) const = default;
};

struct CachedOutline {
    FileIdentity identity;
    Parsed<DictionaryOutline> outline;
};

QMutex cacheLock;
std::optional<CachedOutline> cache;

QString parseError(const QString &path, const QXmlStreamReader &xml, const QString &where)
{
    return QStringLiteral("%1: %2 (%3)").arg(QFileInfo(path).fileName(), xml.errorString(), where);
}

// Reads the field elements of the table element the reader has just entered; the caller's
// lists receive them only when the element could be read.
TableFieldsOutcome readTable(QXmlStreamReader &xml, CompletionLists *proposal, QStringList *list)
{
    TableFieldsOutcome outcome;
    CompletionLists items;
    QStringList lines;
    while (xml.readNextStartElement()) {
        const QXmlStreamAttributes attributes = xml.attributes();
        if (proposal) {
            const QString field = attributes.value(QLatin1String("field")).toString();
            items.insertList.append(field);
            items.itemList.append(completionDisplayText(field, attributes.value(QLatin1String("type")).toString(),
                                                         attributes.value(QLatin1String("help")).toString()));
        }
        if (list) {
            if (!attributes.hasAttribute(QLatin1String("use")) || !attributes.hasAttribute(QLatin1String("size"))) {
                outcome.outOfDate = true;
                break;
            }
            lines.append(fieldListLine(attributes.value(QLatin1String("title")).toString(), attributes.value(QLatin1String("use")).toString(),
                                       attributes.value(QLatin1String("size")).toString()));
        }
        xml.skipCurrentElement();
    }
    if (xml.hasError())
        return outcome;
    if (proposal) {
        proposal->insertList.append(items.insertList);
        proposal->itemList.append(items.itemList);
    }
    if (list)
        list->append(lines);
    return outcome;
}

// The whole document, for files whose table elements cannot be read alone.
TableFieldsOutcome readWholeDocument(const QString &path, const QString &tableName, CompletionLists *proposal,
                                     QStringList *list)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString())};
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (xml.name() == u"table" && xml.attributes().value(QLatin1String("file")) == tableName) {
                TableFieldsOutcome outcome = readTable(xml, proposal, list);
                if (!xml.hasError())
                    return outcome;
                break;
            }
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        return {false, parseError(path, xml, QStringLiteral("line %1, column %2").arg(xml.lineNumber()).arg(xml.columnNumber()))};
    return {};
}

// The outline of the file, read again only when its identity changed. Failures are kept
// too, with the file's name in the message.
const Parsed<DictionaryOutline> &outlineOf(const FileIdentity &identity)
{
    if (cache && cache->identity == identity)
        return cache->outline;
    QString error;
    const std::optional<FileBytes> bytes = FileBytes::open(identity.path, &error);
    if (!bytes) {
        cache.emplace(CachedOutline{identity, ReadError{error}});
        return cache->outline;
    }
    Parsed<DictionaryOutline> outline = outlineDictionary(bytes->data(), bytes->size());
    if (!outline.ok())
        outline = ReadError{QFileInfo(identity.path).fileName() + QStringLiteral(": ") + outline.error().message, outline.error().offset};
    cache.emplace(CachedOutline{identity, std::move(outline)});
    return cache->outline;
}

TableFieldsOutcome load(const QString &path, const QString &tableName, CompletionLists *proposal, QStringList *list,
                        bool mayRetry)
{
    const QFileInfo info(path);
    if (tableName.isEmpty() || !info.isFile())
        return {};
    const FileIdentity identity{info.absoluteFilePath(), info.size(), info.lastModified()};
    const Parsed<DictionaryOutline> &outline = outlineOf(identity);
    if (!outline.ok())
        return {false, describe(outline.error())};
    if (!outline.value().fragmentsReadable)
        return readWholeDocument(path, tableName, proposal, list);
    const auto range = outline.value().tables.constFind(tableName);
    if (range == outline.value().tables.constEnd())
        return {};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(range->start))
        return {false, QStringLiteral("Cannot read \"%1\": %2").arg(path, file.errorString())};
    const QByteArray element = file.read(range->end - range->start);
    if (!element.startsWith("<table")) {
        // Replaced between the look at its identity and the read: outline the new file.
        cache.reset();
        return mayRetry ? load(path, tableName, proposal, list, false) : TableFieldsOutcome{};
    }
    QXmlStreamReader xml(element);
    xml.readNextStartElement();
    TableFieldsOutcome outcome = readTable(xml, proposal, list);
    if (xml.hasError())
        outcome.error = parseError(path, xml, QStringLiteral("in the table element at byte %1").arg(range->start));
    return outcome;
}

} // namespace

TableFieldsOutcome loadTableFields(const QString &dictionaryPath, const QString &tableName, CompletionLists *proposal,
                                   QStringList *list)
{
    QMutexLocker lock(&cacheLock);
    return load(dictionaryPath, tableName, proposal, list, true);
}

TableFieldsOutcome loadTableFields(const QString &tableName, CompletionLists *proposal, QStringList *list)
{
    return loadTableFields(dictionaryFilePath(), tableName, proposal, list);
}

} // namespace dd::dictionary
