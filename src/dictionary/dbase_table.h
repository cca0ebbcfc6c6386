#pragma once
// A dBASE table (dBASE III, IV, 7 and FoxPro layouts) read from bytes that may be damaged:
// every offset, length and count is checked against the size before use.
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>

#include <cstdint>
#include <optional>
#include <vector>

#include "dictionary/read_error.h"

namespace dd::dictionary {

enum class TableFormat { DbaseIII, DbaseIV, Dbase7, FoxPro };

struct FieldDescriptor {
    QByteArray name;
    char type = 'C'; // 'C' character, 'N' numeric, 'F' float, 'D' date, 'L' logical, 'M' memo, ...
    int length = 0;
    int decimals = 0;
    int offset = 0; // within the record, which starts with the deleted mark
};

class DbaseTable {
public:
    // Reads the header and field descriptors of the table in data[0, size). The bytes are not
    // copied and must outlive the table.
    static Parsed<DbaseTable> parse(const char *data, qsizetype size);

    TableFormat format() const { return m_format; }
    std::uint8_t languageDriver() const { return m_languageDriver; }
    std::uint32_t recordCount() const { return m_recordCount; }
    const std::vector<FieldDescriptor> &fields() const { return m_fields; }
    // The field of that name, ignoring the case of ASCII letters, or -1.
    int fieldIndex(QByteArrayView name) const;

    // Records count from 1, as index entries name them; records out of range read as empty.
    bool isDeleted(std::uint32_t record) const;
    qint64 recordOffset(std::uint32_t record) const { return m_headerSize + qint64(record - 1) * m_recordSize; }
    // Asks the processor to fetch a record that is read soon: a walk in index order jumps
    // across the whole file, and waiting for each record would dominate the walk.
    void prefetch(std::uint32_t record) const;
    // The stored text: trailing blanks (and NUL padding) removed, leading blanks kept, except
    // in numbers where they are alignment. Memo and binary fields read as empty: memo files
    // are never opened.
    QByteArrayView text(std::uint32_t record, int field) const;
    // Numbers of N and F fields (or of digits in a text); blank reads as 0, nullopt when the
    // text is not a number.
    std::optional<double> number(std::uint32_t record, int field) const;
    // D fields: invalid when blank or not a date.
    QDate date(std::uint32_t record, int field) const;
    // L fields: nullopt when unknown ('?' or blank).
    std::optional<bool> logical(std::uint32_t record, int field) const;

private:
    QByteArrayView stored(std::uint32_t record, int field) const;

    const char *m_data = nullptr;
    TableFormat m_format = TableFormat::DbaseIII;
    std::uint8_t m_languageDriver = 0;
    std::uint32_t m_recordCount = 0;
    qint64 m_headerSize = 0;
    qint64 m_recordSize = 0;
    std::vector<FieldDescriptor> m_fields;
};

} // namespace dd::dictionary
