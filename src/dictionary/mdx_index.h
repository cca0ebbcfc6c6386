#pragma once
// The production index of a dBASE table (.mdx, dBASE IV and dBASE 7 layouts) read from bytes
// that may be damaged: page numbers and key counts are checked against the file, and a cycle
// in the pages is an error instead of an endless walk.
#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <vector>

#include "dictionary/read_error.h"

namespace dd::dictionary {

enum class IndexLayout { DbaseIV, Dbase7 };

struct IndexTag {
    QByteArray name;
    std::uint32_t headerPage = 0;
    qint64 entryOffset = 0; // of the tag's entry in the tag table
};

class MdxIndex {
public:
    // Reads the header and the tag table of the index in data[0, size). The bytes are not
    // copied and must outlive the index.
    static Parsed<MdxIndex> parse(const char *data, qsizetype size);

    IndexLayout layout() const { return m_layout; }
    const std::vector<IndexTag> &tags() const { return m_tags; }
    // The tag of that name, ignoring the case of ASCII letters, or -1.
    int tagIndex(QByteArrayView name) const;

    // The record numbers of the tag's keys in key order, deleted records included (the index
    // keeps their keys). Each is checked to be a record of a table of `recordCount` records.
    Parsed<std::vector<std::uint32_t>> recordsInKeyOrder(int tag, std::uint32_t recordCount) const;

private:
    const unsigned char *m_data = nullptr;
    qint64 m_size = 0;
    qint64 m_blockSize = 0;
    IndexLayout m_layout = IndexLayout::DbaseIV;
    std::vector<IndexTag> m_tags;
};

} // namespace dd::dictionary
