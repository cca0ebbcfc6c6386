// The dBASE table reader: the layouts of each level, the values of each field type, and
// damaged tables that must fail with the cause and the byte offset.
#include <QtTest>

#include "dbase_builder.h"
#include "dictionary/dbase_table.h"

using namespace dd::dictionary;
using dbase_builder::Field;
using dbase_builder::Table;

Q_DECLARE_METATYPE(dd::dictionary::TableFormat)

namespace {

Parsed<DbaseTable> parse(const QByteArray &bytes) { return DbaseTable::parse(bytes.constData(), bytes.size()); }

Table twoColumns()
{
    Table t;
    t.fields = {{"NAME", 'C', 6}, {"SIZE", 'N', 4}};
    t.records = {{"first", "12"}, {"second", "345"}};
    return t;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestDbaseTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutsOfEachLevel_data();
    void layoutsOfEachLevel();
    void valuesOfEachFieldType();
    void fixtureTable();
    void damagedTables_data();
    void damagedTables();
};

void TestDbaseTable::layoutsOfEachLevel_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("tableFlags");
    QTest::addColumn<bool>("level7");
    QTest::addColumn<TableFormat>("format");
    QTest::newRow("dBASE III") << 0x03 << 0x00 << false << TableFormat::DbaseIII;
    QTest::newRow("dBASE III with memo") << 0x83 << 0x00 << false << TableFormat::DbaseIII;
    QTest::newRow("dBASE IV with production index") << 0x03 << 0x01 << false << TableFormat::DbaseIV;
    QTest::newRow("dBASE IV with memo") << 0x8B << 0x01 << false << TableFormat::DbaseIV;
    QTest::newRow("dBASE 7") << 0x04 << 0x01 << true << TableFormat::Dbase7;
    QTest::newRow("dBASE 7 with memo") << 0x8C << 0x01 << true << TableFormat::Dbase7;
    QTest::newRow("Visual FoxPro") << 0x30 << 0x00 << false << TableFormat::FoxPro;
    QTest::newRow("FoxPro 2 with memo") << 0xF5 << 0x00 << false << TableFormat::FoxPro;
}

void TestDbaseTable::layoutsOfEachLevel()
{
    QFETCH(int, version);
    QFETCH(int, tableFlags);
    QFETCH(bool, level7);
    QFETCH(TableFormat, format);
    Table t = twoColumns();
    t.version = static_cast<unsigned char>(version);
    t.tableFlags = static_cast<unsigned char>(tableFlags);
    t.level7 = level7;
    if (level7)
        t.fields[0].name = "A_FIELD_NAME_LONGER_THAN_ELEVEN"; // dBASE 7 names run to 31 characters
    const QByteArray bytes = dbase_builder::tableBytes(t);
    const auto table = parse(bytes);
    QVERIFY2(table.ok(), qPrintable(describe(table.error())));
    QCOMPARE(table.value().format(), format);
    QCOMPARE(table.value().recordCount(), 2u);
    QCOMPARE(table.value().fields().size(), size_t(2));
    QCOMPARE(table.value().fields()[0].name, t.fields[0].name);
    QCOMPARE(table.value().fields()[1].offset, 7);
    QCOMPARE(table.value().text(2, 0), QByteArrayView("second"));
    QCOMPARE(table.value().number(2, 1), std::optional<double>(345));
}

void TestDbaseTable::valuesOfEachFieldType()
{
    Table t;
    t.fields = {{"TEXT", 'C', 8}, {"AMOUNT", 'N', 8, 2}, {"RATE", 'F', 6}, {"WHEN", 'D', 8}, {"OK", 'L', 1}, {"NOTES", 'M', 10}};
    t.records = {{"  ab  ", "  12.50", "-1.5", "20240131", "T", "0000000001"},
                 {QByteArray("ab\0\0\0\0\0\0", 8), "", "1e2", "", "n", ""},
                 {"", "twelve", "", "2024", "?", ""}};
    t.deleted = {false, true, false};
    const QByteArray bytes = dbase_builder::tableBytes(t);
    const auto parsed = parse(bytes);
    QVERIFY(parsed.ok());
    const DbaseTable &table = parsed.value();

    QCOMPARE(table.text(1, 0), QByteArrayView("  ab")); // leading blanks kept
    QCOMPARE(table.text(2, 0), QByteArrayView("ab"));   // NUL padding is not text
    QCOMPARE(table.text(1, 1), QByteArrayView("12.50")); // numbers lose their alignment
    QCOMPARE(table.number(1, 1), std::optional<double>(12.5));
    QCOMPARE(table.number(1, 2), std::optional<double>(-1.5));
    QCOMPARE(table.number(2, 2), std::optional<double>(100));
    QCOMPARE(table.number(2, 1), std::optional<double>(0)); // blank
    QCOMPARE(table.number(3, 1), std::nullopt);
    QCOMPARE(table.date(1, 3), QDate(2024, 1, 31));
    QVERIFY(!table.date(2, 3).isValid());
    QVERIFY(!table.date(3, 3).isValid());
    QCOMPARE(table.logical(1, 4), std::optional<bool>(true));
    QCOMPARE(table.logical(2, 4), std::optional<bool>(false));
    QCOMPARE(table.logical(3, 4), std::nullopt);
    QVERIFY(table.text(1, 5).isEmpty()); // memo fields are not read
    QVERIFY(!table.isDeleted(1));
    QVERIFY(table.isDeleted(2));
    QCOMPARE(table.fieldIndex("amount"), 1);
    QCOMPARE(table.fieldIndex("MISSING"), -1);
    // Out of range reads nothing instead of reading past the records.
    QVERIFY(table.text(4, 0).isEmpty());
    QVERIFY(table.text(0, 0).isEmpty());
    QVERIFY(table.text(1, 6).isEmpty());
}

void TestDbaseTable::fixtureTable()
{
    const QByteArray bytes = fileBytes(QStringLiteral(DD_TEST_DATA "/sx3/small/SX3010.DBF"));
    const auto parsed = parse(bytes);
    QVERIFY(parsed.ok());
    const DbaseTable &table = parsed.value();
    QCOMPARE(table.format(), TableFormat::DbaseIV);
    QCOMPARE(table.languageDriver(), 0x02);
    QCOMPARE(table.recordCount(), 60u);
    QCOMPARE(table.fields().size(), size_t(8));
    int deleted = 0;
    for (std::uint32_t r = 1; r <= table.recordCount(); ++r)
        deleted += table.isDeleted(r);
    QCOMPARE(deleted, 60 - 51);
    QCOMPARE(table.text(2, table.fieldIndex("X3_CAMPO")), QByteArrayView("A1_COD"));
    QCOMPARE(table.text(2, table.fieldIndex("X3_DESCRIC")), QByteArrayView("C\xA2" "digo do Registro"));
    QCOMPARE(table.number(2, table.fieldIndex("X3_TAMANHO")), std::optional<double>(6));
}

void TestDbaseTable::damagedTables_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<qint64>("offset");
    const QByteArray good = dbase_builder::tableBytes(twoColumns());
    auto patched = [&good](qsizetype at, QByteArray bytes) { return QByteArray(good).replace(at, bytes.size(), bytes); };

    QTest::newRow("empty file") << QByteArray() << "header is truncated" << qint64(0);
    QTest::newRow("truncated header") << good.left(20) << "header is truncated" << qint64(0);
    QTest::newRow("not a dBASE table") << patched(0, "\x55") << "Not a dBASE table (version byte 0x55)" << qint64(0);
    QTest::newRow("header size past the end") << patched(8, QByteArray("\x00\x10", 2)) << "header size 4096" << qint64(8);
    QTest::newRow("header size before the descriptors") << patched(8, QByteArray("\x14\x00", 2)) << "header size 20" << qint64(8);
    QTest::newRow("field descriptors past the header") << patched(8, QByteArray("\x30\x00", 2)) << "descriptor runs past the header" << qint64(32);
    QTest::newRow("no record size") << patched(10, QByteArray("\x00\x00", 2)) << "record size is 0" << qint64(10);
    QTest::newRow("field past the record size") << patched(10, QByteArray("\x08\x00", 2)) << "field SIZE runs past the record size 8" << qint64(64);
    QTest::newRow("record count larger than the file") << patched(4, QByteArray("\xE8\x03\x00\x00", 4)) << "record count 1000" << qint64(4);
    QTest::newRow("records cut short") << good.left(good.size() - 8) << "record count 2" << qint64(4);
    QTest::newRow("record count beyond 32 bits of bytes") << patched(4, "\xFF\xFF\xFF\xFF") << "record count 4294967295" << qint64(4);
}

void TestDbaseTable::damagedTables()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(qint64, offset);
    const auto table = parse(bytes);
    QVERIFY(!table.ok());
    QVERIFY2(table.error().message.contains(message), qPrintable(table.error().message));
    QCOMPARE(table.error().offset, offset);
}

QTEST_GUILESS_MAIN(TestDbaseTable)
#include "tst_dictionary_dbase_table.moc"
