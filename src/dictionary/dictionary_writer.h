#pragma once
// The dictionary file's XML: root "dicdados", one "table" per run of one alias, one empty
// "fields" element per field, one element a line. Written by hand as UTF-8 in chunks,
// because the import of a large dictionary must not wait on a general XML writer.
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include "dictionary/sx3_table.h"

namespace dd::dictionary {

class DictionaryWriter {
public:
    // `application`: the full path of the executable that imports, kept in the root.
    DictionaryWriter(QIODevice &device, const QString &application);

    void startTable(const QString &alias);
    void writeField(const Sx3Record &record);
    void endTable();
    // Ends the document and writes what is left; false when the device failed on the way.
    bool finish();

private:
    // Room for `bytes` more bytes, writing out the buffer first when it lacks it.
    char *room(qsizetype bytes);
    void literal(QByteArrayView text);
    void attribute(QByteArrayView name, QStringView value);
    void sizeAttribute(qint64 size);

    QIODevice &m_device;
    QByteArray m_buffer;
    qsizetype m_used = 0;
    bool m_failed = false;
};

} // namespace dd::dictionary
