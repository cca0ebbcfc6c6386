// The import of the ERP's data dictionary table: the dictionary file it writes, checked against
// the other implementation's listing of the same tables, its edge cases, and failures that
// must name their cause and leave the earlier dictionary as it was.
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "dbase_builder.h"
#include "dictionary/dictionary_import.h"
#include "model/progress_reporter.h"
#include "sx3_expectations.h"

using dbase_builder::Sx3Row;
using sx3_expectations::Field;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class RecordingProgress : public dd::ProgressReporter {
public:
    void openProgress(int mode, const QString &message) override { calls << QStringLiteral("open %1 %2").arg(mode).arg(message); }
    void resetProgress(const QString &message, int maximum) override { calls << QStringLiteral("reset %1 %2").arg(message).arg(maximum); }
    void stepProgress(const QString &message) override
    {
        ++steps;
        caption = message;
    }
    void closeProgress() override { calls << QStringLiteral("close"); }

    QStringList calls;
    int steps = 0;
    QString caption;
};

// Imports the table of `rows` and reads back what was written.
sx3_expectations::Dictionary imported(const QList<Sx3Row> &rows, const QList<dbase_builder::Field> &fields = dbase_builder::sx3Fields(),
                                      bool level7 = false, int keysPerNode = 84)
{
    QTemporaryDir dir;
    dbase_builder::writeSx3(dir.path(), dbase_builder::sx3Files(rows, fields, level7, keysPerNode));
    const QString dic = dir.filePath(QStringLiteral("QUORVEX.dic"));
    if (auto error = dd::dictionary::importDictionary(dir.filePath(QStringLiteral("SX3010.DBF")), dic, nullptr))
        return {{}, {}, *error};
    return sx3_expectations::readDictionary(dic);
}

Sx3Row row(const char *alias, const char *order, const char *field, const char *size = "6")
{
    return {alias, order, field, "C", size, "Title", "Help", "\x80\x80\x80\x80\x80\x80\x80\x80\x80\x80\x80\x80\x80\xC7\xE1"};
}

} // namespace

class TestDictionaryImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixturesInTagOrder_data();
    void fixturesInTagOrder();
    void freshTableOfTheOtherImplementation();
    void oneTableElementPerRunOfAnAlias();
    void sizes_data();
    void sizes();
    void texts();
    void layoutsAndDeepIndexes_data();
    void layoutsAndDeepIndexes();
    void indexExtensionInAnyCase_data();
    void indexExtensionInAnyCase();
    void progressAndRoot();
    void failuresKeepTheEarlierDictionary_data();
    void failuresKeepTheEarlierDictionary();
};

void TestDictionaryImport::fixturesInTagOrder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("small") << QStringLiteral(DD_TEST_DATA "/sx3/small");
    QTest::newRow("medium") << QStringLiteral(DD_TEST_DATA "/sx3/medium");
}

// Record for record: deleted records absent, the tag's order, OEM texts converted.
void TestDictionaryImport::fixturesInTagOrder()
{
    QFETCH(QString, folder);
    const QList<Field> expected = sx3_expectations::listedFields(fileBytes(folder + QStringLiteral("/tag-order.txt")));
    if (expected.isEmpty())
        QSKIP("Qt has no converter for code page 850 here");
    QTemporaryDir dir;
    const QString dic = dir.filePath(QStringLiteral("QUORVEX.dic"));
    const auto error = dd::dictionary::importDictionary(folder + QStringLiteral("/SX3010.DBF"), dic, nullptr);
    QVERIFY2(!error, qPrintable(error.value_or(QString())));
    const auto written = sx3_expectations::readDictionary(dic);
    QVERIFY2(written.problem.isEmpty(), qPrintable(written.problem));
    QCOMPARE(sx3_expectations::allFields(written), expected);
    for (const QList<Field> &table : written.tables) // every run of one alias is one table element
        QVERIFY(std::all_of(table.begin(), table.end(), [&table](const Field &f) { return f.table == table.front().table; }));
    for (qsizetype i = 1; i < written.tables.size(); ++i)
        QVERIFY(written.tables[i].front().table != written.tables[i - 1].front().table);
    QVERIFY(sx3_expectations::allFields(written).front().help.contains(QStringLiteral("ó")) || folder.endsWith(u"medium"));
}

void TestDictionaryImport::freshTableOfTheOtherImplementation()
{
    const QString tool = QStringLiteral(DD_SHARED_TOOLS "/mksx3");
    if (!QFileInfo(tool).isExecutable())
        QSKIP("the independent table writer is not available");
    QTemporaryDir dir;
    const QString seed = QString::number(QRandomGenerator::global()->bounded(1, 1000000));
    QProcess make;
    make.start(tool, {dir.path(), QStringLiteral("3000"), QStringLiteral("--seed"), seed});
    QVERIFY(make.waitForFinished(60000) && make.exitCode() == 0);
    QProcess dump;
    dump.start(tool, {QStringLiteral("--dump"), dir.filePath(QStringLiteral("SX3010.DBF")), QStringLiteral("--full")});
    QVERIFY(dump.waitForFinished(60000) && dump.exitCode() == 0);
    const QList<Field> expected = sx3_expectations::listedFields(dump.readAllStandardOutput());
    if (expected.isEmpty())
        QSKIP("Qt has no converter for code page 850 here");

    const QString dic = dir.filePath(QStringLiteral("QUORVEX.dic"));
    const auto error = dd::dictionary::importDictionary(dir.filePath(QStringLiteral("SX3010.DBF")), dic, nullptr);
    QVERIFY2(!error, qPrintable(QStringLiteral("seed %1: %2").arg(seed, error.value_or(QString()))));
    const QList<Field> written = sx3_expectations::allFields(sx3_expectations::readDictionary(dic));
    QVERIFY2(written == expected, qPrintable(QStringLiteral("seed %1: the import differs from the listing").arg(seed)));
}

void TestDictionaryImport::oneTableElementPerRunOfAnAlias()
{
    // Stored out of order: the index decides.
    const auto dic = imported({row("SA2", "01", "A2_COD"), row("SA1", "02", "A1_LOJA"), row("SA1", "01", "A1_COD")});
    QVERIFY2(dic.problem.isEmpty(), qPrintable(dic.problem));
    QCOMPARE(dic.tables.size(), 2);
    QCOMPARE(dic.tables[0].size(), 2);
    QCOMPARE(dic.tables[0][0].field, QStringLiteral("A1_COD"));
    QCOMPARE(dic.tables[0][1].field, QStringLiteral("A1_LOJA"));
    QCOMPARE(dic.tables[1].size(), 1);
    QCOMPARE(dic.tables[1][0].table, QStringLiteral("SA2"));
}

void TestDictionaryImport::sizes_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("size");
    QTest::newRow("1") << QByteArray("1") << "001";
    QTest::newRow("6") << QByteArray("6") << "006";
    QTest::newRow("40") << QByteArray("40") << "040";
    QTest::newRow("120") << QByteArray("120") << "120";
    QTest::newRow("1000") << QByteArray("1000") << "1000";
    QTest::newRow("blank") << QByteArray() << "000";
}

void TestDictionaryImport::sizes()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, size);
    const auto dic = imported({row("SA1", "01", "A1_COD", stored.constData())}, dbase_builder::sx3Fields(4));
    QVERIFY2(dic.problem.isEmpty(), qPrintable(dic.problem));
    QCOMPARE(dic.tables.value(0).value(0).size, size);
}

void TestDictionaryImport::texts()
{
    Sx3Row r = row("SA1", "01", "A1_END");
    r.titulo = "Endere\x87o";
    r.descric = "  Endere\x87o & <n\xA7> \"x\"\x01y";
    r.usado = "\x87\x80\x80\x80\xEB+";
    r.tipo = "\x87";
    const auto dic = imported({r, row("SA1", "02", "A1_COD"), {"SA1", "02", "A1_COD", "C", "6", "Gone", "", "", true}});
    QVERIFY2(dic.problem.isEmpty(), qPrintable(dic.problem));
    const Field f = dic.tables.value(0).value(0);
    QCOMPARE(f.title, QStringLiteral("Endereço"));
    // Leading blanks kept, XML's own characters survive, a control character becomes a blank.
    QCOMPARE(f.help, QStringLiteral("  Endereço & <nº> \"x\" y"));
    // Only the description and the title are OEM text; the rest keeps its bytes.
    QCOMPARE(f.use, dd::fromWindows1252("\x87\x80\x80\x80\xEB+"));
    QCOMPARE(f.type, QStringLiteral("‡"));
    // The deleted record shares its key with a live one and is absent.
    QCOMPARE(dic.tables.value(0).size(), 2);
    QCOMPARE(dic.tables.value(0).value(1).title, QStringLiteral("Title"));
}

void TestDictionaryImport::layoutsAndDeepIndexes_data()
{
    QTest::addColumn<bool>("level7");
    QTest::addColumn<int>("keysPerNode");
    QTest::newRow("dBASE IV, one leaf") << false << 84;
    QTest::newRow("dBASE IV, four levels") << false << 3;
    QTest::newRow("dBASE 7, one leaf") << true << 84;
    QTest::newRow("dBASE 7, four levels") << true << 3;
}

void TestDictionaryImport::layoutsAndDeepIndexes()
{
    QFETCH(bool, level7);
    QFETCH(int, keysPerNode);
    QList<Sx3Row> rows;
    for (int i = 40; i >= 1; --i)
        rows.append(row(i % 2 ? "SB1" : "SA1", QByteArray::number(i).rightJustified(2, '0').constData(), "F"));
    const auto dic = imported(rows, dbase_builder::sx3Fields(), level7, keysPerNode);
    QVERIFY2(dic.problem.isEmpty(), qPrintable(dic.problem));
    QCOMPARE(dic.tables.size(), 2);
    QStringList orders;
    for (const Field &f : sx3_expectations::allFields(dic))
        orders << f.table + f.order;
    QStringList sorted = orders;
    sorted.sort();
    QCOMPARE(orders, sorted);
    QCOMPARE(orders.size(), 40);
}

void TestDictionaryImport::indexExtensionInAnyCase_data()
{
    QTest::addColumn<QString>("indexName");
    QTest::newRow("upper case") << QStringLiteral("SX3010.MDX");
    QTest::newRow("mixed case") << QStringLiteral("SX3010.Mdx");
}

void TestDictionaryImport::indexExtensionInAnyCase()
{
    QFETCH(QString, indexName);
    QTemporaryDir dir;
    const auto files = dbase_builder::sx3Files({row("SA1", "01", "A1_COD")});
    dbase_builder::writeFile(dir.filePath(QStringLiteral("SX3010.DBF")), files.table);
    dbase_builder::writeFile(dir.filePath(indexName), files.index);
    const QString dic = dir.filePath(QStringLiteral("QUORVEX.dic"));
    QCOMPARE(dd::dictionary::importDictionary(dir.filePath(QStringLiteral("SX3010.DBF")), dic, nullptr), std::nullopt);
    QCOMPARE(sx3_expectations::readDictionary(dic).tables.size(), 1);
}

void TestDictionaryImport::progressAndRoot()
{
    QTemporaryDir dir;
    RecordingProgress progress;
    const QString dic = dir.filePath(QStringLiteral("QUORVEX.dic"));
    QCOMPARE(dd::dictionary::importDictionary(QStringLiteral(DD_TEST_DATA "/sx3/small/SX3010.DBF"), dic, &progress), std::nullopt);
    QCOMPARE(progress.calls, QStringList({"open 1 Importing SX3...", "reset Importing SX3... 51", "close"}));
    QCOMPARE(progress.steps, 51);
    QCOMPARE(progress.caption, QStringLiteral("Importing SX3..."));
    QCOMPARE(sx3_expectations::readDictionary(dic).app, QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
    // One element a line, under the root's start tag.
    const QList<QByteArray> lines = fileBytes(dic).split('\n');
    QVERIFY(lines[0].startsWith("<dicdados app=\""));
    QCOMPARE(lines[1], QByteArray("  <table file=\"SA1\">"));
    QVERIFY(lines[2].startsWith("    <fields order=\"02\" field=\"A1_COD\" type=\"C\" help=\"C\xC3\xB3" "digo do Registro\""));
}

void TestDictionaryImport::failuresKeepTheEarlierDictionary_data()
{
    QTest::addColumn<QString>("tableName"); // in the folder; an empty one names the folder itself
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("indexName");
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QString>("dictionary"); // relative to the folder
    QTest::addColumn<QString>("message");

    const auto good = dbase_builder::sx3Files({row("SA1", "01", "A1_COD"), row("SA1", "02", "A1_LOJA")});
    QList<dbase_builder::Field> noCampo = dbase_builder::sx3Fields();
    noCampo.removeAt(2);
    QList<dbase_builder::Field> memo = dbase_builder::sx3Fields();
    memo[6].type = 'M';
    memo[6].length = 10;
    Sx3Row badSize = row("SA1", "01", "A1_COD", "x");
    QByteArray otherTag = good.index;
    otherTag.replace(548, 7, "SX30102");
    QByteArray pastTheEnd = good.index;
    dbase_builder::putU32(pastTheEnd, qint64(dbase_builder::getU32(pastTheEnd, 544)) * 512, 9999);
    const QString sx3 = QStringLiteral("SX3010.DBF");
    const QString mdx = QStringLiteral("SX3010.mdx");
    const QString dic = QStringLiteral("QUORVEX.dic");

    QTest::newRow("no table") << QString() << QByteArray() << mdx << good.index << dic << "Cannot open";
    QTest::newRow("not a table") << sx3 << QByteArray("hello, this is not a dBASE table at all") << mdx << good.index << dic
                                 << "SX3010.DBF: Not a dBASE table (version byte 0x68) (at byte 0)";
    QTest::newRow("no index") << sx3 << good.table << QString() << QByteArray() << dic << "No production index SX3010.mdx";
    QTest::newRow("no tag") << sx3 << good.table << mdx << otherTag << dic << "SX3010.mdx: No index tag SX30101";
    QTest::newRow("a column missing") << sx3 << dbase_builder::sx3Files({row("SA1", "01", "A1_COD"), row("SA1", "02", "A1_LOJA")}, noCampo).table << mdx << good.index
                                      << dic << "SX3010.DBF: The table has no column X3_CAMPO";
    QTest::newRow("a memo column") << sx3 << dbase_builder::sx3Files({row("SA1", "01", "A1_COD"), row("SA1", "02", "A1_LOJA")}, memo).table << mdx << good.index << dic
                                   << "The column X3_DESCRIC is a memo field";
    QTest::newRow("damaged index") << sx3 << good.table << mdx << pastTheEnd << dic
                                   << QStringLiteral("SX3010.mdx: The index page 9999 is past the end of the file (at byte %1)")
                                          .arg(dbase_builder::getU32(good.index, 544) * 512);
    const auto badSizeFiles = dbase_builder::sx3Files({badSize});
    QTest::newRow("size not a number") << sx3 << badSizeFiles.table << mdx << badSizeFiles.index << dic
                                       << "X3_TAMANHO of record 1 is not a number (at byte 289)";
    QTest::newRow("dictionary cannot be written") << sx3 << good.table << mdx << good.index << "missing/QUORVEX.dic" << "Cannot write";
}

void TestDictionaryImport::failuresKeepTheEarlierDictionary()
{
    QFETCH(QString, tableName);
    QFETCH(QByteArray, table);
    QFETCH(QString, indexName);
    QFETCH(QByteArray, index);
    QFETCH(QString, dictionary);
    QFETCH(QString, message);
    QTemporaryDir dir;
    if (!tableName.isEmpty())
        dbase_builder::writeFile(dir.filePath(tableName), table);
    if (!indexName.isEmpty())
        dbase_builder::writeFile(dir.filePath(indexName), index);
    const QString earlier = dir.filePath(QStringLiteral("QUORVEX.dic"));
    dbase_builder::writeFile(earlier, "<dicdados app=\"earlier\"/>\n");
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);

    RecordingProgress progress;
    const auto error = dd::dictionary::importDictionary(dir.filePath(QStringLiteral("SX3010.DBF")), dir.filePath(dictionary), &progress);
    QVERIFY(error);
    QVERIFY2(error->contains(message), qPrintable(*error));
    QCOMPARE(fileBytes(earlier), QByteArray("<dicdados app=\"earlier\"/>\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before); // no temporary file left behind
    QCOMPARE(progress.calls.value(0), QStringLiteral("open 1 Importing SX3..."));
    QCOMPARE(progress.calls.last(), QStringLiteral("close"));
}

QTEST_GUILESS_MAIN(TestDictionaryImport)
#include "tst_dictionary_import.moc"
