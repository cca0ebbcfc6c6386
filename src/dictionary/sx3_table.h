#pragma once
// The ERP's data dictionary table (SX3??0.DBF) as the import reads it: the table, its
// production index beside it, the tag named after the file, and the columns it needs.
#include <QString>

#include <cstdint>
#include <vector>

#include "dictionary/code_pages.h"
#include "dictionary/dbase_table.h"
#include "dictionary/file_bytes.h"
#include "dictionary/read_error.h"

namespace dd::dictionary {

// One field of the ERP's dictionary, as the dictionary file keeps it.
struct Sx3Record {
    QString table; // X3_ARQUIVO, the alias
    QString order; // X3_ORDEM
    QString field; // X3_CAMPO
    QString type;  // X3_TIPO
    QString help;  // X3_DESCRIC, from the table's code page
    QString title; // X3_TITULO, from the table's code page
    QString use;   // X3_USADO, bytes unchanged
    qint64 size = 0; // X3_TAMANHO
};

class Sx3Table {
public:
    // Reads the table at `path` and the records of its tag "<file name>1" in key order.
    // Failures name the file and the cause, with the byte offset for damaged files.
    static Parsed<Sx3Table> open(const QString &path);

    // The number of records that are not deleted.
    qsizetype size() const { return qsizetype(m_live.size()); }
    // Fills `out` (reusing its buffers) from the live record at `position` in the tag's key
    // order; fails when its X3_TAMANHO is not a number.
    std::optional<ReadError> read(qsizetype position, Sx3Record &out) const;

private:
    Sx3Table(FileBytes tableBytes, DbaseTable table, QString fileName);

    enum Column { Arquivo, Ordem, Campo, Tipo, Descric, Titulo, Usado, Tamanho, ColumnCount };

    FileBytes m_bytes; // the table reader points into these
    DbaseTable m_table;
    QString m_fileName;
    int m_columns[ColumnCount] = {};
    std::vector<std::uint32_t> m_live;
    TextDecoder m_oemText;
    TextDecoder m_plainText;
};

} // namespace dd::dictionary
