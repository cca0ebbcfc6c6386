#include "dictionary/mdx_index.h"

#include "dictionary/little_endian.h"

namespace dd::dictionary {
namespace {

constexpr qint64 kPageSize = 512;      // page numbers count in these units
constexpr qint64 kTagTableStart = 544; // after the header page and the tag table's own entry
constexpr qint64 kTagHeaderSize = 24;  // up to the key expression
constexpr qint64 kNodeHeaderSize = 8;  // key count and a link the walk does not need
constexpr qint64 kPointerSize = 4;

struct TagLayout {
    qint64 entrySize;
    qint64 nameLength; // NUL-padded
};

constexpr TagLayout kDbaseIVTags{32, 11};
constexpr TagLayout kDbase7Tags{48, 33};

ReadError pageError(const QString &what, std::uint32_t page, qint64 referencedAt)
{
    return ReadError{what.arg(page), referencedAt};
}

} // namespace

Parsed<MdxIndex> MdxIndex::parse(const char *data, qsizetype size)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data);
    if (size < kTagTableStart)
        return ReadError{QStringLiteral("The index header is truncated"), 0};

    MdxIndex index;
    index.m_data = bytes;
    index.m_size = size;
    index.m_blockSize = readU16(bytes + 22);
    if (index.m_blockSize < kPageSize || index.m_blockSize % kPageSize != 0)
        return ReadError{QStringLiteral("The index block size %1 is not a multiple of 512").arg(index.m_blockSize), 22};

    const TagLayout *tagLayout = nullptr;
    switch (bytes[26]) {
    case kDbaseIVTags.entrySize:
        tagLayout = &kDbaseIVTags;
        index.m_layout = IndexLayout::DbaseIV;
        break;
    case kDbase7Tags.entrySize:
        tagLayout = &kDbase7Tags;
        index.m_layout = IndexLayout::Dbase7;
        break;
    default:
        return ReadError{QStringLiteral("Unknown tag table layout (entries of %1 bytes)").arg(bytes[26]), 26};
    }

    const int tagCount = readU16(bytes + 28);
    for (int i = 0; i < tagCount; ++i) {
        const qint64 at = kTagTableStart + i * tagLayout->entrySize;
        if (at + tagLayout->entrySize > size)
            return ReadError{QStringLiteral("The tag table runs past the end of the file"), at};
        IndexTag tag;
        tag.headerPage = readU32(bytes + at);
        const QByteArrayView name(data + at + 4, tagLayout->nameLength);
        const qsizetype nul = name.indexOf('\0');
        tag.name = (nul < 0 ? name : name.first(nul)).toByteArray();
        tag.entryOffset = at;
        index.m_tags.push_back(std::move(tag));
    }
    return index;
}

int MdxIndex::tagIndex(QByteArrayView name) const
{
    for (size_t i = 0; i < m_tags.size(); ++i)
        if (QByteArrayView(m_tags[i].name).compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

Parsed<std::vector<std::uint32_t>> MdxIndex::recordsInKeyOrder(int tagNumber, std::uint32_t recordCount) const
{
    if (tagNumber < 0 || size_t(tagNumber) >= m_tags.size())
        return ReadError{QStringLiteral("No such tag"), -1};
    const IndexTag &tag = m_tags[size_t(tagNumber)];
    const qint64 header = qint64(tag.headerPage) * kPageSize;
    if (header + kTagHeaderSize > m_size)
        return pageError(QStringLiteral("The tag header page %1 is past the end of the file"), tag.headerPage, tag.entryOffset);
    const qint64 itemSize = readU16(m_data + header + 18); // record pointer and key, aligned
    if (itemSize <= kPointerSize || itemSize > m_blockSize - kNodeHeaderSize - kPointerSize)
        return ReadError{QStringLiteral("The key entry size %1 does not fit an index block").arg(itemSize), header + 18};

    const qint64 pageCount = m_size / kPageSize;
    std::vector<bool> visited(size_t(pageCount), false);
    std::vector<std::uint32_t> records;

    // Interior nodes hold one more pointer than keys; in a leaf that extra slot is 0 and the
    // pointers are record numbers. Pages still to walk are kept in order on an explicit
    // stack, so a deep or damaged tree cannot exhaust the call stack.
    struct Pending {
        std::uint32_t page;
        qint64 referencedAt;
    };
    std::vector<Pending> stack{{readU32(m_data + header), header}};
    while (!stack.empty()) {
        const Pending next = stack.back();
        stack.pop_back();
        const qint64 at = qint64(next.page) * kPageSize;
        if (at + m_blockSize > m_size)
            return pageError(QStringLiteral("The index page %1 is past the end of the file"), next.page, next.referencedAt);
        if (visited[next.page])
            return pageError(QStringLiteral("The index pages form a cycle at page %1"), next.page, next.referencedAt);
        visited[next.page] = true;

        const std::uint32_t keys = readU32(m_data + at);
        if (keys > (m_blockSize - kNodeHeaderSize - kPointerSize) / itemSize)
            return ReadError{QStringLiteral("The index page %1 holds more keys than fit").arg(next.page), at};
        const qint64 first = at + kNodeHeaderSize;
        const qint64 tail = first + qint64(keys) * itemSize;
        if (readU32(m_data + tail) == 0) {
            for (qint64 entry = first; entry < tail; entry += itemSize) {
                const std::uint32_t record = readU32(m_data + entry);
                if (record < 1 || record > recordCount)
                    return ReadError{QStringLiteral("An index entry names record %1 of a table of %2 records").arg(record).arg(recordCount), entry};
                records.push_back(record);
            }
        } else {
            for (qint64 entry = tail; entry >= first; entry -= itemSize)
                stack.push_back({readU32(m_data + entry), entry});
        }
    }
    return records;
}

} // namespace dd::dictionary
