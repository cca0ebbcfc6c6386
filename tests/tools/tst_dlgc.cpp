// dlgc as a user runs it: outputs, messages and exit statuses.
#include <QProcess>
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
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QString data(const char *name) { return QStringLiteral(DD_TEST_DATA "/") + QLatin1String(name); }

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

} // namespace

class TestDlgc : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void generateWritesTheSavedProgram_data();
    void generateWritesTheSavedProgram();
    void textFormRoundTrip();
    void saveWritesWhatOtherReadersRead();
    void badInput_data();
    void badInput();
    void usageErrors_data();
    void usageErrors();
};

void TestDlgc::generateWritesTheSavedProgram_data()
{
    QTest::addColumn<QString>("design");
    QTest::addColumn<QString>("program");
    QTest::newRow("dialog-basic") << data("dialog-basic.afm") << data("dialog-basic.prw");
    QTest::newRow("string-tags") << data("string-tags.afm") << data("string-tags.prw");
}

void TestDlgc::generateWritesTheSavedProgram()
{
    QFETCH(QString, design);
    QFETCH(QString, program);
    const Run printed = dlgc({QStringLiteral("generate"), design});
    QCOMPARE(printed.exitCode, 0);
    QCOMPARE(printed.out, fileBytes(program));

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.prw"));
    QCOMPARE(dlgc({QStringLiteral("generate"), design, QStringLiteral("-o"), out}).exitCode, 0);
    QCOMPARE(fileBytes(out), fileBytes(program));

    // The text form of the same design generates the same program.
    const QString text = dir.filePath(QStringLiteral("design.txt"));
    writeBytes(text, dlgc({QStringLiteral("to-text"), design}).out);
    QCOMPARE(dlgc({QStringLiteral("generate"), text}).out, fileBytes(program));
}

void TestDlgc::textFormRoundTrip()
{
    QTemporaryDir dir;
    const Run text = dlgc({QStringLiteral("to-text"), data("folder-pages.afm")});
    QCOMPARE(text.exitCode, 0);
    QVERIFY(text.out.startsWith("object oDlg2: TTMSDialog\r\n"));
    const QString txt = dir.filePath(QStringLiteral("d.txt"));
    const QString afm = dir.filePath(QStringLiteral("d.afm"));
    writeBytes(txt, text.out);
    QCOMPARE(dlgc({QStringLiteral("from-text"), txt, QStringLiteral("-o"), afm}).exitCode, 0);
    QCOMPARE(dlgc({QStringLiteral("to-text"), afm}).out, text.out);
}

void TestDlgc::saveWritesWhatOtherReadersRead()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("saved.afm"));
    QCOMPARE(dlgc({QStringLiteral("save"), data("dialog-basic.afm"), QStringLiteral("-o"), out}).exitCode, 0);
    // Saved again, the design is the same bytes.
    const QString again = dir.filePath(QStringLiteral("again.afm"));
    QCOMPARE(dlgc({QStringLiteral("save"), out, QStringLiteral("-o"), again}).exitCode, 0);
    QCOMPARE(fileBytes(again), fileBytes(out));
    QCOMPARE(dlgc({QStringLiteral("generate"), out}).out, fileBytes(data("dialog-basic.prw")));

    const QString tool = QStringLiteral(DD_SHARED_TOOLS "/dfm2txt");
    if (!QFileInfo(tool).isExecutable())
        QSKIP("the independent reader is not available");
    QProcess p;
    p.start(tool, {out});
    QVERIFY(p.waitForFinished());
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(p.readAllStandardOutput().contains("cVariable = 'cNome'"));
}

void TestDlgc::badInput_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("message");
    const QByteArray good = fileBytes(data("dialog-basic.afm"));
    QTest::newRow("empty file") << "generate" << QByteArray() << "Invalid stream format";
    QTest::newRow("text file") << "generate" << QByteArray("hello\r\n") << "Invalid stream format";
    QTest::newRow("text file to-text") << "to-text" << QByteArray("object x\r\n") << "Invalid stream format";
    QTest::newRow("truncated") << "generate" << good.left(good.size() / 2) << "(at byte";
    QTest::newRow("bad signature") << "save" << QByteArray(good).replace("TPF0", "TPF1") << "Invalid stream format (at byte 20)";
    QTest::newRow("broken text form") << "from-text" << QByteArray("object oDlg1: TTMSDialog\r\n  Left = \r\n") << "Line 3";
}

void TestDlgc::badInput()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, input);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.afm"));
    writeBytes(in, input);
    const QString out = dir.filePath(QStringLiteral("out"));
    writeBytes(out, "previous");
    const Run run = dlgc({command, in, QStringLiteral("-o"), out});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("error: "), run.err.constData());
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    QCOMPARE(fileBytes(out), QByteArray("previous"));
}

void TestDlgc::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no command") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"compile", "x.afm"};
    QTest::newRow("missing design") << QStringList{"generate"};
    QTest::newRow("from-text without -o") << QStringList{"from-text", "x.txt"};
    QTest::newRow("-o without value") << QStringList{"generate", "x.afm", "-o"};
    QTest::newRow("unknown language") << QStringList{"generate", data("dialog-basic.afm"), "--language", "cobol"};
}

void TestDlgc::usageErrors()
{
    QFETCH(QStringList, args);
    const Run run = dlgc(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains("usage: dlgc"));
}

QTEST_GUILESS_MAIN(TestDlgc)
#include "tst_dlgc.moc"
