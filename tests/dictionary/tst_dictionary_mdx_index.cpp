// The production index reader: tags by name, the walk of trees of any depth in key order in
// both layouts, and damaged indexes that must fail with the cause and the byte offset.
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <numeric>

#include "dbase_builder.h"
#include "dictionary/dbase_table.h"
#include "dictionary/mdx_index.h"

using namespace dd::dictionary;
using dbase_builder::Index;

Q_DECLARE_METATYPE(dd::dictionary::IndexLayout)

namespace {

Parsed<MdxIndex> parse(const QByteArray &bytes) { return MdxIndex::parse(bytes.constData(), bytes.size()); }

QList<std::uint32_t> shuffledRecords(int count)
{
    QList<std::uint32_t> records(count);
    std::iota(records.begin(), records.end(), 1u);
    std::shuffle(records.begin(), records.end(), *QRandomGenerator::global());
    return records;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A two-level tree of ten records, four keys a node: a root over three leaves.
QByteArray twoLevels() { return dbase_builder::indexBytes({false, 4, 5, {{"TAG1", shuffledRecords(10)}}}); }

qint64 rootAt(const QByteArray &index) { return qint64(dbase_builder::rootPage(index)) * dbase_builder::kPage; }

} // namespace

class TestMdxIndex : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void walksTreesInKeyOrder_data();
    void walksTreesInKeyOrder();
    void findsTagsByName();
    void fixtureIndexes_data();
    void fixtureIndexes();
    void damagedIndexes_data();
    void damagedIndexes();
};

void TestMdxIndex::walksTreesInKeyOrder_data()
{
    QTest::addColumn<IndexLayout>("layout");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("keysPerNode");
    for (IndexLayout layout : {IndexLayout::DbaseIV, IndexLayout::Dbase7}) {
        const char *level = layout == IndexLayout::DbaseIV ? "dBASE IV" : "dBASE 7";
        QTest::addRow("%s: no keys", level) << layout << 0 << 84;
        QTest::addRow("%s: one key", level) << layout << 1 << 84;
        QTest::addRow("%s: one full leaf", level) << layout << 84 << 84;
        QTest::addRow("%s: two leaves under a root", level) << layout << 85 << 84;
        QTest::addRow("%s: five levels", level) << layout << 1000 << 4;
    }
}

void TestMdxIndex::walksTreesInKeyOrder()
{
    QFETCH(IndexLayout, layout);
    QFETCH(int, records);
    QFETCH(int, keysPerNode);
    const QList<std::uint32_t> order = shuffledRecords(records);
    const QByteArray bytes = dbase_builder::indexBytes({layout == IndexLayout::Dbase7, keysPerNode, 5, {{"SX30101", order}}});
    const auto index = parse(bytes);
    QVERIFY2(index.ok(), qPrintable(describe(index.error())));
    QCOMPARE(index.value().layout(), layout);
    const auto walked = index.value().recordsInKeyOrder(0, std::uint32_t(records));
    QVERIFY2(walked.ok(), qPrintable(describe(walked.error())));
    QCOMPARE(QList<std::uint32_t>(walked.value().begin(), walked.value().end()), order);
}

void TestMdxIndex::findsTagsByName()
{
    const QList<std::uint32_t> first = shuffledRecords(30);
    const QList<std::uint32_t> second = shuffledRecords(30);
    for (bool level7 : {false, true}) {
        const QByteArray name7 = "A_TAG_NAME_OF_THIRTY_TWO_LETTERS";
        const QByteArray bytes = dbase_builder::indexBytes({level7, 8, 5, {{"SX30101", first}, {level7 ? name7 : "SX30102", second}}});
        const auto index = parse(bytes);
        QVERIFY(index.ok());
        QCOMPARE(index.value().tags().size(), size_t(2));
        QCOMPARE(index.value().tagIndex("sx30101"), 0);
        QCOMPARE(index.value().tagIndex(level7 ? name7 : QByteArray("SX30102")), 1);
        QCOMPARE(index.value().tagIndex("SX3010"), -1);
        const auto walked = index.value().recordsInKeyOrder(1, 30);
        QVERIFY(walked.ok());
        QCOMPARE(QList<std::uint32_t>(walked.value().begin(), walked.value().end()), second);
        QVERIFY(!index.value().recordsInKeyOrder(2, 30).ok());
    }
}

void TestMdxIndex::fixtureIndexes_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("small") << QStringLiteral(DD_TEST_DATA "/sx3/small");
    QTest::newRow("medium") << QStringLiteral(DD_TEST_DATA "/sx3/medium");
}

// Every record of the table once, deleted ones too, in the order of the tag's keys.
void TestMdxIndex::fixtureIndexes()
{
    QFETCH(QString, folder);
    const QByteArray tableBytes = fileBytes(folder + QStringLiteral("/SX3010.DBF"));
    const auto table = DbaseTable::parse(tableBytes.constData(), tableBytes.size());
    QVERIFY(table.ok());
    const QByteArray indexBytes = fileBytes(folder + QStringLiteral("/SX3010.mdx"));
    const auto index = parse(indexBytes);
    QVERIFY(index.ok());
    QCOMPARE(index.value().layout(), IndexLayout::DbaseIV);
    QCOMPARE(index.value().tags().size(), size_t(1));
    QCOMPARE(index.value().tags()[0].name, QByteArray("SX30101"));
    const auto walked = index.value().recordsInKeyOrder(0, table.value().recordCount());
    QVERIFY2(walked.ok(), qPrintable(describe(walked.error())));
    std::vector<std::uint32_t> records = walked.value();
    QCOMPARE(records.size(), size_t(table.value().recordCount()));

    const int arquivo = table.value().fieldIndex("X3_ARQUIVO");
    const int ordem = table.value().fieldIndex("X3_ORDEM");
    auto key = [&](std::uint32_t r) -> QByteArray {
        return table.value().text(r, arquivo).toByteArray().leftJustified(3) + table.value().text(r, ordem).toByteArray();
    };
    QVERIFY(std::is_sorted(records.begin(), records.end(), [&](auto a, auto b) { return key(a) < key(b); }));
    std::sort(records.begin(), records.end());
    QVERIFY(std::adjacent_find(records.begin(), records.end()) == records.end());
}

void TestMdxIndex::damagedIndexes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<qint64>("offset");
    const QByteArray good = twoLevels();
    auto patched = [](QByteArray b, qsizetype at, std::uint32_t value, int width = 4) {
        if (width == 2)
            dbase_builder::putU16(b, at, std::uint16_t(value));
        else
            dbase_builder::putU32(b, at, value);
        return b;
    };
    const qint64 tagHeader = qint64(dbase_builder::getU32(good, 544)) * dbase_builder::kPage;
    const qint64 root = rootAt(good);
    const qint64 firstChild = root + 8;
    const qint64 firstLeaf = qint64(dbase_builder::getU32(good, firstChild)) * dbase_builder::kPage;
    const std::uint32_t pastTheEnd = std::uint32_t(good.size() / dbase_builder::kPage);

    QTest::newRow("truncated header") << good.left(300) << "index header is truncated" << qint64(0);
    QTest::newRow("block size not of whole pages") << patched(good, 22, 700, 2) << "block size 700" << qint64(22);
    QTest::newRow("block size 0") << patched(good, 22, 0, 2) << "block size 0" << qint64(22);
    QTest::newRow("unknown tag table layout") << patched(good, 26, 40, 2) << "entries of 40 bytes" << qint64(26);
    // Entries that overlap the pages after the table still read as tags; the first that
    // would cross the end of the file is the failure.
    const qint64 firstEntryPastTheEnd = 544 + 32 * ((good.size() - 544) / 32);
    QTest::newRow("tag table past the end") << patched(good, 28, 1000, 2) << "tag table runs past the end" << firstEntryPastTheEnd;
    QTest::newRow("tag header page past the end") << patched(good, 544, 100000) << "tag header page 100000" << qint64(544);
    QTest::newRow("key entry size 0") << patched(good, tagHeader + 18, 0, 2) << "key entry size 0" << tagHeader + 18;
    QTest::newRow("root page past the end") << patched(good, tagHeader, pastTheEnd) << QStringLiteral("index page %1 is past the end").arg(pastTheEnd) << tagHeader;
    QTest::newRow("child page past the end") << patched(good, firstChild + 12, 0x7FFFFFFF) << "index page 2147483647 is past the end" << firstChild + 12;
    QTest::newRow("page cycle to the root") << patched(good, firstChild + 24, dbase_builder::rootPage(good)) << "cycle" << firstChild + 24;
    QTest::newRow("root that is its own child") << patched(good, firstChild, dbase_builder::rootPage(good)) << "cycle" << firstChild;
    QTest::newRow("leaf reached twice") << patched(good, firstChild + 12, dbase_builder::getU32(good, firstChild)) << "cycle" << firstChild + 12;
    QTest::newRow("more keys than a block holds") << patched(good, root, 100000) << "holds more keys than fit" << root;
    QTest::newRow("record 0") << patched(good, firstLeaf + 8 + 12, 0) << "names record 0 of a table of 10" << firstLeaf + 20;
    QTest::newRow("record past the table") << patched(good, firstLeaf + 8, 11) << "names record 11" << firstLeaf + 8;
    QTest::newRow("index cut in the middle of the tree") << good.left(int(root)) << "is past the end" << tagHeader;
}

void TestMdxIndex::damagedIndexes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(qint64, offset);
    const auto index = parse(bytes);
    ReadError error = index.ok() ? ReadError{} : index.error();
    if (index.ok()) {
        const auto walked = index.value().recordsInKeyOrder(0, 10);
        QVERIFY(!walked.ok());
        error = walked.error();
    }
    QVERIFY2(error.message.contains(message), qPrintable(error.message));
    QCOMPARE(error.offset, offset);
}

QTEST_GUILESS_MAIN(TestMdxIndex)
#include "tst_dictionary_mdx_index.moc"
