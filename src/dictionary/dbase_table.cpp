#include "dictionary/dbase_table.h"

#include <charconv>

#include "dictionary/little_endian.h"

namespace dd::dictionary {
namespace {

constexpr qint64 kHeaderSize = 32;
constexpr qint64 kLevel7HeaderSize = 68; // adds the language driver name
constexpr char kDescriptorsEnd = 0x0D;

struct DescriptorLayout {
    qint64 first;      // offset of the first descriptor
    qint64 size;       // bytes per descriptor
    qint64 nameLength; // the name is NUL-padded
    qint64 typeAt;
    qint64 lengthAt;   // the decimal count follows the length
};

constexpr DescriptorLayout kClassicLayout{kHeaderSize, 32, 11, 11, 16};
constexpr DescriptorLayout kLevel7Layout{kLevel7HeaderSize, 48, 32, 32, 33};

std::optional<TableFormat> formatOf(unsigned char version, unsigned char tableFlags)
{
    switch (version) {
    case 0x03:
        // Without memo both levels share the byte; dBASE IV marks its production index.
        return (tableFlags & 0x01) ? TableFormat::DbaseIV : TableFormat::DbaseIII;
    case 0x83:
        return TableFormat::DbaseIII;
    case 0x8B: case 0x43: case 0x63: case 0xCB:
        return TableFormat::DbaseIV;
    case 0x04: case 0x8C:
        return TableFormat::Dbase7;
    case 0x02: case 0xFB: case 0x30: case 0x31: case 0x32: case 0xF5:
        return TableFormat::FoxPro;
    default:
        return std::nullopt;
    }
}

bool isBlankOrNul(char c) { return c == ' ' || c == '\0'; }

QByteArrayView trimmedRight(QByteArrayView v)
{
    qsizetype n = v.size();
    while (n > 0 && isBlankOrNul(v[n - 1]))
        --n;
    return v.first(n);
}

QByteArrayView trimmedLeft(QByteArrayView v)
{
    qsizetype i = 0;
    while (i < v.size() && isBlankOrNul(v[i]))
        ++i;
    return v.sliced(i);
}

bool readsAsText(char type)
{
    return type == 'C' || type == 'N' || type == 'F' || type == 'D' || type == 'L';
}

bool isNumeric(char type) { return type == 'N' || type == 'F'; }

} // namespace

Parsed<DbaseTable> DbaseTable::parse(const char *data, qsizetype size)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data);
    if (size < kHeaderSize)
        return ReadError{QStringLiteral("The table header is truncated"), 0};
    const auto format = formatOf(bytes[0], bytes[28]);
    if (!format)
        return ReadError{QStringLiteral("Not a dBASE table (version byte 0x%1)").arg(bytes[0], 2, 16, QLatin1Char('0')), 0};

    DbaseTable table;
    table.m_data = data;
    table.m_format = *format;
    table.m_recordCount = readU32(bytes + 4);
    table.m_headerSize = readU16(bytes + 8);
    table.m_recordSize = readU16(bytes + 10);
    table.m_languageDriver = bytes[29];

    const DescriptorLayout &layout = *format == TableFormat::Dbase7 ? kLevel7Layout : kClassicLayout;
    if (table.m_headerSize <= layout.first || table.m_headerSize > size)
        return ReadError{QStringLiteral("The header size %1 does not fit the file").arg(table.m_headerSize), 8};
    if (table.m_recordSize < 1)
        return ReadError{QStringLiteral("The record size is 0"), 10};

    qint64 at = layout.first;
    int recordEnd = 1; // after the deleted mark
    for (;;) {
        // Some writers fill the header with descriptors and leave out the end mark.
        if (at == table.m_headerSize || data[at] == kDescriptorsEnd)
            break;
        if (at + layout.size > table.m_headerSize)
            return ReadError{QStringLiteral("A field descriptor runs past the header"), at};
        FieldDescriptor field;
        const QByteArrayView name(data + at, layout.nameLength);
        const qsizetype nul = name.indexOf('\0');
        field.name = (nul < 0 ? name : name.first(nul)).toByteArray();
        field.type = char(bytes[at + layout.typeAt]);
        field.length = bytes[at + layout.lengthAt];
        field.decimals = bytes[at + layout.lengthAt + 1];
        field.offset = recordEnd;
        recordEnd += field.length;
        if (recordEnd > table.m_recordSize)
            return ReadError{QStringLiteral("The field %1 runs past the record size %2")
                                 .arg(QString::fromLatin1(field.name))
                                 .arg(table.m_recordSize),
                             at};
        table.m_fields.push_back(std::move(field));
        at += layout.size;
    }

    const qint64 recordsEnd = table.m_headerSize + qint64(table.m_recordCount) * table.m_recordSize;
    if (recordsEnd > size)
        return ReadError{QStringLiteral("The record count %1 is larger than the file holds").arg(table.m_recordCount), 4};
    return table;
}

int DbaseTable::fieldIndex(QByteArrayView name) const
{
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (QByteArrayView(m_fields[i].name).compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

bool DbaseTable::isDeleted(std::uint32_t record) const
{
    if (record < 1 || record > m_recordCount)
        return false;
    return m_data[recordOffset(record)] == '*';
}

void DbaseTable::prefetch(std::uint32_t record) const
{
    if (record < 1 || record > m_recordCount)
        return;
    const char *start = m_data + recordOffset(record);
    for (qint64 line = 0; line < m_recordSize; line += 64)
        __builtin_prefetch(start + line);
}

QByteArrayView DbaseTable::stored(std::uint32_t record, int field) const
{
    if (record < 1 || record > m_recordCount || field < 0 || size_t(field) >= m_fields.size())
        return {};
    const FieldDescriptor &f = m_fields[size_t(field)];
    return QByteArrayView(m_data + recordOffset(record) + f.offset, f.length);
}

QByteArrayView DbaseTable::text(std::uint32_t record, int field) const
{
    const QByteArrayView value = stored(record, field);
    if (value.isEmpty() || !readsAsText(m_fields[size_t(field)].type))
        return {};
    const QByteArrayView right = trimmedRight(value);
    return isNumeric(m_fields[size_t(field)].type) ? trimmedLeft(right) : right;
}

std::optional<double> DbaseTable::number(std::uint32_t record, int field) const
{
    QByteArrayView digits = trimmedLeft(text(record, field));
    if (digits.isEmpty())
        return 0.0;
    if (digits.front() == '+')
        digits = digits.sliced(1);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

QDate DbaseTable::date(std::uint32_t record, int field) const
{
    const QByteArrayView v = text(record, field);
    if (v.size() != 8)
        return {};
    return QDate::fromString(QString::fromLatin1(v), QStringLiteral("yyyyMMdd"));
}

std::optional<bool> DbaseTable::logical(std::uint32_t record, int field) const
{
    const QByteArrayView v = text(record, field);
    if (v.size() != 1)
        return std::nullopt;
    switch (v.front()) {
    case 'T': case 't': case 'Y': case 'y':
        return true;
    case 'F': case 'f': case 'N': case 'n':
        return false;
    default:
        return std::nullopt;
    }
}

} // namespace dd::dictionary
