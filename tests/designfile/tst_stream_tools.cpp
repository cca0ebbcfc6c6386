// Checks against an independent implementation of the same formats (dfm2txt, txt2dfm in the
// shared tools folder): it must read what we write, and we must read what it writes.
#include "designfile/resource_header.h"
#include "designfile/stream_binary.h"
#include "designfile/stream_text.h"
#include "model/windows1252.h"
#include "tst_stream_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace dd::stream;
using namespace Qt::Literals::StringLiterals;

namespace {

QString tool(const QString &name)
{
    return QStringLiteral(DD_SHARED_TOOLS "/") + name;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Run {
    int exitCode = -1;
    QByteArray output;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput()};
}

// What the tools understand: everything but single, currency and date values and collection
// item indexes.
ObjectNode mixedTree()
{
    ObjectNode say;
    say.className = u"TTSay"_s;
    say.name = u"oSay1"_s;
    say.properties = {{u"Left"_s, Value::integer(-8)},
                      {u"Caption"_s, Value::text(u"Olá, \"mundo\"'s"_s, true)},
                      {u"Hint"_s, Value::text(u"Ação"_s)}};
    ObjectNode unnamed;
    unnamed.className = u"TTPanel"_s;
    unnamed.children = {say};
    ObjectNode root;
    root.className = u"TTMSDialog"_s;
    root.name = u"oDlg1"_s;
    root.properties = {
        {u"Big"_s, Value::integer(-5000000000)},
        {u"Edge"_s, Value::integer(32768)},
        {u"Zoom"_s, Value::extended(0.1)},
        {u"Tiny"_s, Value::extended(-1e-30)},
        {u"Huge"_s, Value::extended(1e18)},
        {u"Long"_s, Value::text(QString(70, u'x') + u"ç€"_s, true)},
        {u"Tabs"_s, Value::text(u"a\tb\r\n"_s)},
        {u"Empty"_s, Value::text(QString())},
        {u"Style"_s, Value::set({u"fsBold"_s, u"fsUnderline"_s})},
        {u"NoStyle"_s, Value::set({})},
        {u"Lines"_s, Value::list({Value::text(u"one"_s), Value::list({Value::integer(2)}), Value::list({})})},
        {u"Items"_s, Value::collection({{std::nullopt, {{u"A"_s, Value::boolean(true)}}}, {std::nullopt, {}}})},
        {u"NoItems"_s, Value::collection({})},
        {u"Data"_s, Value::binary(QByteArray(70, '\x5A'))},
        {u"Menu"_s, Value::nil()},
        {u"Color"_s, Value::identifier(u"clBtnFace"_s)},
    };
    root.children = {unnamed};
    return root;
}

} // namespace

class TestStreamTools : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFileInfo(tool(u"dfm2txt"_s)).isExecutable() || !QFileInfo(tool(u"txt2dfm"_s)).isExecutable())
            QSKIP("the shared tools are not here");
        QVERIFY(dir_.isValid());
    }

    // Every file we write reads in the other implementation, and its text of it reads back here
    // to the same stream (its text has LF ends, exponent floats and unsplit strings).
    void dfm2txtReadsOurFiles_data() { addSamples(); }
    void dfm2txtReadsOurFiles()
    {
        QFETCH(QString, sample);
        const ObjectNode tree = sampleTree(sample);
        const Result<QByteArray> file = writeDesignFile(tree);
        QVERIFY(file.ok());
        const QString path = dir_.filePath(u"ours.afm"_s);
        QVERIFY(writeAll(path, *file.value));
        const Run listing = run(tool(u"dfm2txt"_s), {path});
        QCOMPARE(listing.exitCode, 0);
        const Result<ObjectNode> theirText = readTextForm(dd::fromWindows1252(listing.output));
        QVERIFY2(theirText.ok(), qPrintable(theirText.error.message));
        QCOMPARE(writeBinaryStream(*theirText.value), writeBinaryStream(tree));
    }

    // Our text form, converted by the other implementation, reads here to the same stream.
    void txt2dfmReadsOurText_data() { addSamples(); }
    void txt2dfmReadsOurText()
    {
        QFETCH(QString, sample);
        const ObjectNode tree = sampleTree(sample);
        const QString textPath = dir_.filePath(u"ours.txt"_s);
        const QString binaryPath = dir_.filePath(u"theirs.afm"_s);
        QVERIFY(writeAll(textPath, dd::toWindows1252(writeTextForm(tree))));
        QCOMPARE(run(tool(u"txt2dfm"_s), {textPath, binaryPath}).exitCode, 0);
        const Result<ObjectNode> theirs = readDesignFile(readAll(binaryPath));
        QVERIFY2(theirs.ok(), qPrintable(theirs.error.message));
        QCOMPARE(writeBinaryStream(*theirs.value), writeBinaryStream(tree));
    }

private:
    // Each fixture, and the mixed tree under the name "mixed".
    static void addSamples()
    {
        QTest::addColumn<QString>("sample");
        for (const QString &name :
             QDir(QStringLiteral(DD_TEST_DATA)).entryList({u"*.afm"_s, u"*.hfm"_s}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << name;
        QTest::newRow("mixed values") << u"mixed"_s;
    }

    static ObjectNode sampleTree(const QString &sample)
    {
        if (sample == u"mixed")
            return mixedTree();
        return readDesignFile(readAll(QStringLiteral(DD_TEST_DATA "/") + sample)).value.value_or(ObjectNode());
    }

    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestStreamTools)
#include "tst_stream_tools.moc"
