#pragma once
// Where each alias's table element lies in a dictionary file, found by a quick scan of the
// markup so that a field lookup parses only that element instead of the whole file.
#include <QByteArray>
#include <QHash>
#include <QString>

#include "dictionary/read_error.h"

namespace dd::dictionary {

struct ByteRange {
    qint64 start = 0; // of "<table"
    qint64 end = 0;   // after the element's last '>'
};

struct DictionaryOutline {
    // The first table element under the root for each value of its "file" attribute.
    QHash<QString, ByteRange> tables;
    // False when the file uses what only a full parse handles (a document type declaration
    // with its entities, an encoding other than UTF-8): the tables are then not listed.
    bool fragmentsReadable = true;
};

// Scans the markup of data[0, size): comments, processing instructions and CDATA sections are
// skipped, quoted attribute values may hold '>', and end tags must match their start tags.
Parsed<DictionaryOutline> outlineDictionary(const char *data, qsizetype size);

} // namespace dd::dictionary
