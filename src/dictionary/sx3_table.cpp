#include "dictionary/sx3_table.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

#include "dictionary/mdx_index.h"

namespace dd::dictionary {
namespace {

constexpr const char *kColumnNames[] = {"X3_ARQUIVO", "X3_ORDEM", "X3_CAMPO", "X3_TIPO",
                                        "X3_DESCRIC", "X3_TITULO", "X3_USADO", "X3_TAMANHO"};

bool isMemo(char type) { return type == 'M' || type == 'B' || type == 'G' || type == 'P'; }

ReadError inFile(const QString &fileName, const ReadError &error)
{
    return ReadError{fileName + QStringLiteral(": ") + error.message, error.offset};
}

// The production index has the table's base name and the extension .mdx in any letter case.
QString productionIndexOf(const QFileInfo &table)
{
    const QString wanted = table.completeBaseName() + QStringLiteral(".mdx");
    const QDir folder = table.absoluteDir();
    if (folder.exists(wanted))
        return folder.filePath(wanted);
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    return {};
}

} // namespace

Sx3Table::Sx3Table(FileBytes tableBytes, DbaseTable table, QString fileName)
    : m_bytes(std::move(tableBytes)), m_table(std::move(table)), m_fileName(std::move(fileName)),
      m_oemText(codePageOfLanguageDriver(m_table.languageDriver()), true), m_plainText(CodePage::Windows1252)
{
}

Parsed<Sx3Table> Sx3Table::open(const QString &path)
{
    const QFileInfo info(path);
    QString error;
    auto tableBytes = FileBytes::open(path, &error);
    if (!tableBytes)
        return ReadError{error, -1};
    auto table = DbaseTable::parse(tableBytes->data(), tableBytes->size());
    if (!table.ok())
        return inFile(info.fileName(), table.error());
    // The table reader points into the bytes, which stay where they are when moved.
    Sx3Table sx3(std::move(*tableBytes), std::move(table.value()), info.fileName());

    for (int c = 0; c < ColumnCount; ++c) {
        const int index = sx3.m_table.fieldIndex(kColumnNames[c]);
        if (index < 0)
            return ReadError{QStringLiteral("%1: The table has no column %2").arg(info.fileName(), QLatin1String(kColumnNames[c])), -1};
        if (isMemo(sx3.m_table.fields()[size_t(index)].type))
            return ReadError{QStringLiteral("%1: The column %2 is a memo field").arg(info.fileName(), QLatin1String(kColumnNames[c])), -1};
        sx3.m_columns[c] = index;
    }

    const QString indexPath = productionIndexOf(info);
    if (indexPath.isEmpty())
        return ReadError{QStringLiteral("%1: No production index %2.mdx beside the table").arg(info.fileName(), info.completeBaseName()), -1};
    const QString indexName = QFileInfo(indexPath).fileName();
    const auto indexBytes = FileBytes::open(indexPath, &error);
    if (!indexBytes)
        return ReadError{error, -1};
    const auto index = MdxIndex::parse(indexBytes->data(), indexBytes->size());
    if (!index.ok())
        return inFile(indexName, index.error());
    const QString tagName = info.completeBaseName() + QLatin1Char('1');
    const int tag = index.value().tagIndex(tagName.toLatin1());
    if (tag < 0)
        return ReadError{QStringLiteral("%1: No index tag %2").arg(indexName, tagName.toUpper()), -1};
    const auto order = index.value().recordsInKeyOrder(tag, sx3.m_table.recordCount());
    if (!order.ok())
        return inFile(indexName, order.error());

    // The deleted marks in file order first: looking them up in key order would wait on
    // memory for every record.
    std::vector<bool> deleted(size_t(sx3.m_table.recordCount()) + 1);
    for (std::uint32_t record = 1; record <= sx3.m_table.recordCount(); ++record)
        deleted[record] = sx3.m_table.isDeleted(record);
    sx3.m_live.reserve(order.value().size());
    for (std::uint32_t record : order.value())
        if (!deleted[record])
            sx3.m_live.push_back(record);
    return sx3;
}

std::optional<ReadError> Sx3Table::read(qsizetype position, Sx3Record &out) const
{
    constexpr qsizetype kPrefetchDistance = 8;
    if (position + kPrefetchDistance < size())
        m_table.prefetch(m_live[size_t(position + kPrefetchDistance)]);
    const std::uint32_t record = m_live[size_t(position)];
    m_plainText.decode(m_table.text(record, m_columns[Arquivo]), out.table);
    m_plainText.decode(m_table.text(record, m_columns[Ordem]), out.order);
    m_plainText.decode(m_table.text(record, m_columns[Campo]), out.field);
    m_plainText.decode(m_table.text(record, m_columns[Tipo]), out.type);
    m_oemText.decode(m_table.text(record, m_columns[Descric]), out.help);
    m_oemText.decode(m_table.text(record, m_columns[Titulo]), out.title);
    m_plainText.decode(m_table.text(record, m_columns[Usado]), out.use);
    const std::optional<double> size = m_table.number(record, m_columns[Tamanho]);
    // Beyond 2^53 a double no longer holds every whole number, and the cast would overflow.
    if (!size || !std::isfinite(*size) || std::abs(*size) >= 9007199254740992.0)
        return ReadError{QStringLiteral("%1: X3_TAMANHO of record %2 is not a number").arg(m_fileName).arg(record),
                         m_table.recordOffset(record)};
    out.size = qint64(*size);
    return std::nullopt;
}

} // namespace dd::dictionary
