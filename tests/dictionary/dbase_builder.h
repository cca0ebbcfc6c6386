#pragma once
// dBASE tables and production indexes made by the tests, for the cases the shared fixtures
// do not hold: dBASE 7 layouts, deep index trees, odd columns and damaged files.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>

#include <algorithm>
#include <cstdint>

namespace dbase_builder {

inline void putU16(QByteArray &b, qsizetype at, std::uint16_t v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}

inline void putU32(QByteArray &b, qsizetype at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

inline std::uint32_t getU32(const QByteArray &b, qsizetype at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

struct Field {
    QByteArray name;
    char type = 'C';
    int length = 1;
    int decimals = 0;
};

struct Table {
    bool level7 = false;
    unsigned char version = 0; // 0: the usual one of the level, 0x03 or 0x04
    unsigned char tableFlags = 0x01; // production index
    unsigned char languageDriver = 0x02;
    QList<Field> fields;
    QList<QList<QByteArray>> records; // values as stored; shorter ones are blank-filled
    QList<bool> deleted;
};

inline QByteArray tableBytes(const Table &t)
{
    const int descriptor = t.level7 ? 48 : 32;
    const int first = t.level7 ? 68 : 32;
    const int headerSize = first + descriptor * int(t.fields.size()) + 1;
    int recordSize = 1;
    for (const Field &f : t.fields)
        recordSize += f.length;
    QByteArray b(headerSize, '\0');
    b[0] = char(t.version ? t.version : (t.level7 ? 0x04 : 0x03));
    b[1] = 126;
    b[2] = 12;
    b[3] = 11;
    putU32(b, 4, std::uint32_t(t.records.size()));
    putU16(b, 8, std::uint16_t(headerSize));
    putU16(b, 10, std::uint16_t(recordSize));
    b[28] = char(t.tableFlags);
    b[29] = char(t.languageDriver);
    for (qsizetype i = 0; i < t.fields.size(); ++i) {
        const Field &f = t.fields[i];
        const qsizetype at = first + i * descriptor;
        b.replace(at, f.name.size(), f.name);
        const int typeAt = t.level7 ? 32 : 11;
        const int lengthAt = t.level7 ? 33 : 16;
        b[at + typeAt] = f.type;
        b[at + lengthAt] = char(f.length);
        b[at + lengthAt + 1] = char(f.decimals);
    }
    b[headerSize - 1] = 0x0D;
    for (qsizetype r = 0; r < t.records.size(); ++r) {
        b.append(r < t.deleted.size() && t.deleted[r] ? '*' : ' ');
        for (qsizetype i = 0; i < t.fields.size(); ++i) {
            const Field &f = t.fields[i];
            const QByteArray v = i < t.records[r].size() ? t.records[r][i] : QByteArray();
            const QByteArray cell = (f.type == 'N' || f.type == 'F') ? v.rightJustified(f.length, ' ', true)
                                                                     : v.leftJustified(f.length, ' ', true);
            b.append(cell);
        }
    }
    b.append('\x1A');
    return b;
}

struct Tag {
    QByteArray name;
    QList<std::uint32_t> recordsInKeyOrder;
};

struct Index {
    bool level7 = false;
    int keysPerNode = 84;
    int keyLength = 5;
    QList<Tag> tags;
};

constexpr int kPage = 512;
constexpr int kBlock = 1024;

// Leaves of up to keysPerNode record numbers, interior nodes of up to keysPerNode + 1
// children, up to one root; every node a block of its own after the tag headers.
inline QByteArray indexBytes(const Index &index)
{
    const int entrySize = index.level7 ? 48 : 32;
    const int nameLength = index.level7 ? 33 : 11;
    const int itemSize = (4 + index.keyLength + 3) / 4 * 4;
    QByteArray b(4 * kPage, '\0');
    b[0] = 2;
    b.replace(4, 6, "SX3010");
    putU16(b, 20, kBlock / kPage);
    putU16(b, 22, kBlock);
    b[24] = 1;
    b[25] = 0x30;
    b[26] = char(entrySize);
    putU16(b, 28, std::uint16_t(index.tags.size()));

    auto newBlock = [&b]() {
        const std::uint32_t page = std::uint32_t(b.size() / kPage);
        b.append(QByteArray(kBlock, '\0'));
        return page;
    };
    for (qsizetype t = 0; t < index.tags.size(); ++t) {
        const Tag &tag = index.tags[t];
        const std::uint32_t header = newBlock();
        const qsizetype entry = 544 + t * entrySize;
        putU32(b, entry, header);
        b.replace(entry + 4, std::min<qsizetype>(tag.name.size(), nameLength), tag.name.left(nameLength));
        const qsizetype h = qsizetype(header) * kPage;
        putU16(b, h + 12, std::uint16_t(index.keyLength));
        putU16(b, h + 14, std::uint16_t(index.keysPerNode));
        putU16(b, h + 18, std::uint16_t(itemSize));

        QList<std::uint32_t> level;
        const QList<std::uint32_t> &records = tag.recordsInKeyOrder;
        for (qsizetype i = 0; i == 0 || i < records.size(); i += index.keysPerNode) {
            const std::uint32_t page = newBlock();
            const qsizetype n = std::min<qsizetype>(index.keysPerNode, records.size() - i);
            putU32(b, qsizetype(page) * kPage, std::uint32_t(n));
            for (qsizetype k = 0; k < n; ++k)
                putU32(b, qsizetype(page) * kPage + 8 + k * itemSize, records[i + k]);
            level.append(page);
        }
        while (level.size() > 1) {
            QList<std::uint32_t> upper;
            for (qsizetype i = 0; i < level.size(); i += index.keysPerNode + 1) {
                const std::uint32_t page = newBlock();
                const qsizetype children = std::min<qsizetype>(index.keysPerNode + 1, level.size() - i);
                putU32(b, qsizetype(page) * kPage, std::uint32_t(children - 1));
                for (qsizetype k = 0; k < children; ++k)
                    putU32(b, qsizetype(page) * kPage + 8 + k * itemSize, level[i + k]);
                upper.append(page);
            }
            level = upper;
        }
        putU32(b, h, level.front());
        putU32(b, h + 4, std::uint32_t(b.size() / kPage - header));
    }
    putU32(b, 32, std::uint32_t(b.size() / kPage));
    return b;
}

// The page holding the root of the first tag.
inline std::uint32_t rootPage(const QByteArray &index) { return getU32(index, getU32(index, 544) * kPage); }

// One record of the ERP's dictionary as the tests write it: texts as the table stores them.
struct Sx3Row {
    QByteArray arquivo, ordem, campo, tipo, tamanho, titulo, descric, usado;
    bool deleted = false;
};

inline QList<Field> sx3Fields(int sizeDigits = 3)
{
    return {{"X3_ARQUIVO", 'C', 3}, {"X3_ORDEM", 'C', 2}, {"X3_CAMPO", 'C', 10}, {"X3_TIPO", 'C', 1},
            {"X3_TAMANHO", 'N', sizeDigits}, {"X3_TITULO", 'C', 15}, {"X3_DESCRIC", 'C', 25}, {"X3_USADO", 'C', 15}};
}

// A data dictionary table and its production index, the tag keyed on X3_ARQUIVO+X3_ORDEM,
// with the rows in the table in the order given.
struct Sx3Files {
    QByteArray table;
    QByteArray index;
};

inline Sx3Files sx3Files(const QList<Sx3Row> &rows, const QList<Field> &fields = sx3Fields(), bool level7 = false,
                         int keysPerNode = 84)
{
    Table t;
    t.level7 = level7;
    t.fields = fields;
    for (const Sx3Row &row : rows) {
        QList<QByteArray> values;
        for (const Field &f : fields) {
            const QByteArray &name = f.name;
            values.append(name == "X3_ARQUIVO" ? row.arquivo : name == "X3_ORDEM" ? row.ordem
                          : name == "X3_CAMPO" ? row.campo : name == "X3_TIPO" ? row.tipo
                          : name == "X3_TAMANHO" ? row.tamanho : name == "X3_TITULO" ? row.titulo
                          : name == "X3_DESCRIC" ? row.descric : row.usado);
        }
        t.records.append(values);
        t.deleted.append(row.deleted);
    }
    QList<std::uint32_t> order;
    for (qsizetype i = 0; i < rows.size(); ++i)
        order.append(std::uint32_t(i + 1));
    std::stable_sort(order.begin(), order.end(), [&rows](std::uint32_t a, std::uint32_t b) {
        return rows[a - 1].arquivo + rows[a - 1].ordem < rows[b - 1].arquivo + rows[b - 1].ordem;
    });
    Index index;
    index.level7 = level7;
    index.keysPerNode = keysPerNode;
    index.tags = {{"SX30101", order}};
    return {tableBytes(t), indexBytes(index)};
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

inline void writeSx3(const QString &folder, const Sx3Files &files, const QString &base = QStringLiteral("SX3010"))
{
    writeFile(QDir(folder).filePath(base + QStringLiteral(".DBF")), files.table);
    writeFile(QDir(folder).filePath(base + QStringLiteral(".mdx")), files.index);
}

} // namespace dbase_builder
