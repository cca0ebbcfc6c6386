// dlgc import-dictionary and dlgc fields as a user runs them: the bytes they print, where the
// dictionary goes, and failures that say why and leave the earlier dictionary alone.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run dlgc(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(DD_DLGC), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QString kSmall = QStringLiteral(DD_TEST_DATA "/sx3/small/SX3010.DBF");

// Windows-1252: 0x80 is the euro sign the use flags are made of.
const QByteArray kEuros(13, '\x80');

} // namespace

class TestDlgcDictionary : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void importThenListFields();
    void completionItems();
    void progressBarOnATerminal();
    void dataFolderOption();
    void failedImports_data();
    void failedImports();
    void unreadableDictionaries_data();
    void unreadableDictionaries();
    void usageErrors_data();
    void usageErrors();
};

void TestDlgcDictionary::importThenListFields()
{
    QTemporaryDir dir;
    const QString dic = dir.filePath(QStringLiteral("d.dic"));
    const Run import = dlgc({QStringLiteral("import-dictionary"), kSmall, QStringLiteral("-o"), dic});
    QCOMPARE(import.exitCode, 0);
    QCOMPARE(import.out, QByteArray());
    QCOMPARE(import.err, QByteArray()); // no progress bar when standard error is not a terminal
    QVERIFY(fileBytes(dic).startsWith("<dicdados app=\""));

    const QByteArray sa3 = "Filial      " + kEuros + "\xC7\xE1" "002\n"
                           "C\xF3" "digo      " + kEuros + "\xC7\xE1" "006\n"
                           "Loja        " + kEuros + "\xE2\xC7" "002\n";
    const Run listed = dlgc({QStringLiteral("fields"), QStringLiteral("SA3"), QStringLiteral("--dictionary"), dic});
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out, sa3);
    QCOMPARE(listed.err, QByteArray());
    // Typed in lower case, as field completion upper-cases it.
    QCOMPARE(dlgc({QStringLiteral("fields"), QStringLiteral("sa3"), QStringLiteral("--dictionary"), dic}).out, sa3);
    const Run unknown = dlgc({QStringLiteral("fields"), QStringLiteral("ZZ9"), QStringLiteral("--dictionary"), dic});
    QCOMPARE(unknown.exitCode, 0);
    QCOMPARE(unknown.out, QByteArray());
}

void TestDlgcDictionary::completionItems()
{
    QTemporaryDir dir;
    const QString dic = dir.filePath(QStringLiteral("d.dic"));
    QCOMPARE(dlgc({QStringLiteral("import-dictionary"), kSmall, QStringLiteral("-o"), dic}).exitCode, 0);
    const Run items = dlgc({QStringLiteral("fields"), QStringLiteral("SA3"), QStringLiteral("--dictionary"), dic, QStringLiteral("--completion")});
    QCOMPARE(items.exitCode, 0);
    const QByteArray head = "\\style{+B}field\\style{-B}\\column{}";
    const QByteArray type = "\\column{}\\style{+B}type\\style{-B}    C    \\style{+B}help\\style{-B}  ";
    QCOMPARE(items.out, "A3_FILIAL\t" + head + "A3_FILIAL" + type + "Filial do Sistema\n"
                        "A3_COD\t" + head + "A3_COD" + type + "C\xF3" "digo do Registro\n"
                        "A3_LOJA\t" + head + "A3_LOJA" + type + "Loja\n");
}

void TestDlgcDictionary::progressBarOnATerminal()
{
    const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
    if (script.isEmpty())
        QSKIP("no script(1) to run dlgc on a terminal");
    QTemporaryDir dir;
    const QString dic = dir.filePath(QStringLiteral("d.dic"));
    QProcess p;
    p.start(script, {QStringLiteral("-qec"),
                     QStringLiteral("'%1' import-dictionary '%2' -o '%3'").arg(QStringLiteral(DD_DLGC), kSmall, dic),
                     QStringLiteral("/dev/null")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QByteArray terminal = p.readAllStandardOutput();
    QVERIFY2(terminal.contains("\rImporting SX3... [####################"), terminal.constData());
    QVERIFY(terminal.contains("] 100%"));
    QVERIFY(QFileInfo(dic).isFile());
}

void TestDlgcDictionary::dataFolderOption()
{
    QTemporaryDir dir;
    QCOMPARE(dlgc({QStringLiteral("import-dictionary"), kSmall, QStringLiteral("--data-dir"), dir.path()}).exitCode, 0);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("QUORVEX.dic"))).isFile());
    const Run listed = dlgc({QStringLiteral("fields"), QStringLiteral("SA4"), QStringLiteral("--data-dir"), dir.path()});
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out.count('\n'), 4);
}

void TestDlgcDictionary::failedImports_data()
{
    QTest::addColumn<QString>("what"); // which file the import gets wrong
    QTest::addColumn<QString>("message");
    QTest::newRow("no table") << "no table" << "error: Cannot open";
    QTest::newRow("no index") << "no index" << "error: SX3010.DBF: No production index SX3010.mdx beside the table";
    QTest::newRow("damaged table") << "damaged table" << "error: SX3010.DBF: The record count 60 is larger than the file holds (at byte 4)";
    QTest::newRow("target cannot be written") << "no folder" << "error: Cannot write";
}

void TestDlgcDictionary::failedImports()
{
    QFETCH(QString, what);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString table = dir.filePath(QStringLiteral("SX3010.DBF"));
    const QByteArray small = fileBytes(kSmall);
    if (what != QLatin1String("no table"))
        writeBytes(table, what == QLatin1String("damaged table") ? small.left(small.size() / 2) : small);
    if (what != QLatin1String("no index"))
        QVERIFY(QFile::copy(QStringLiteral(DD_TEST_DATA "/sx3/small/SX3010.mdx"), dir.filePath(QStringLiteral("SX3010.mdx"))));
    const QString dic = dir.filePath(what == QLatin1String("no folder") ? QStringLiteral("missing/d.dic") : QStringLiteral("d.dic"));
    writeBytes(dir.filePath(QStringLiteral("d.dic")), "earlier");

    const Run run = dlgc({QStringLiteral("import-dictionary"), table, QStringLiteral("-o"), dic});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(message.toUtf8()), run.err.constData());
    QCOMPARE(fileBytes(dir.filePath(QStringLiteral("d.dic"))), QByteArray("earlier"));
}

void TestDlgcDictionary::unreadableDictionaries_data()
{
    QTest::addColumn<QByteArray>("dictionary"); // empty: no file at all
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("message");
    QTest::newRow("no dictionary") << QByteArray() << QByteArray() << "error: no dictionary file";
    QTest::newRow("not XML") << QByteArray("<dicdados><table file=\"SA1\">") << QByteArray() << "error: d.dic: The element";
    QTest::newRow("an old dictionary")
        << QByteArray("<dicdados><table file=\"SA1\"><fields title=\"Nome\" use=\"u\" size=\"040\"/><fields title=\"Old\"/></table></dicdados>")
        << QByteArray("Nome        u              040\n") << "error: Update Data Dictionary";
}

void TestDlgcDictionary::unreadableDictionaries()
{
    QFETCH(QByteArray, dictionary);
    QFETCH(QByteArray, out);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString dic = dir.filePath(QStringLiteral("d.dic"));
    if (!dictionary.isEmpty())
        writeBytes(dic, dictionary);
    const Run run = dlgc({QStringLiteral("fields"), QStringLiteral("SA1"), QStringLiteral("--dictionary"), dic});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, out);
    QVERIFY2(run.err.startsWith(message.toUtf8()), run.err.constData());
}

void TestDlgcDictionary::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("import without a table") << QStringList{"import-dictionary"};
    QTest::newRow("fields without an alias") << QStringList{"fields"};
    QTest::newRow("fields with two aliases") << QStringList{"fields", "SA1", "SA2"};
    QTest::newRow("an unknown flag") << QStringList{"fields", "SA1", "--complete"};
    QTest::newRow("--dictionary without a value") << QStringList{"fields", "SA1", "--dictionary"};
}

void TestDlgcDictionary::usageErrors()
{
    QFETCH(QStringList, args);
    const Run run = dlgc(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.startsWith("dlgc: "));
}

QTEST_GUILESS_MAIN(TestDlgcDictionary)
#include "tst_dlgc_dictionary.moc"
