// The design files in tests/data: they read, their text form looks as expected, and repeated
// conversions between the two forms settle at once.
#include "designfile/resource_header.h"
#include "designfile/stream_binary.h"
#include "designfile/stream_text.h"
#include "tst_stream_support.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace dd::stream;
using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray fixture(const QString &fileName)
{
    QFile file(QStringLiteral(DD_TEST_DATA "/") + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList designFixtures()
{
    return QDir(QStringLiteral(DD_TEST_DATA)).entryList({u"*.afm"_s, u"*.hfm"_s}, QDir::Files, QDir::Name);
}

ObjectNode readFixture(const QString &fileName)
{
    const Result<ObjectNode> read = readDesignFile(fixture(fileName));
    return read.value.value_or(ObjectNode());
}

// "oFoo1/Zap": the property Zap of the child oFoo1 of the root.
std::optional<Value> valueAt(const ObjectNode &root, const QString &path)
{
    const ObjectNode *node = &root;
    const QStringList parts = path.split(u'/');
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const auto child = std::find_if(node->children.cbegin(), node->children.cend(),
                                        [&](const ObjectNode &c) { return c.name == parts[i]; });
        if (child == node->children.cend())
            return std::nullopt;
        node = &*child;
    }
    for (const Property &p : node->properties)
        if (p.name == parts.last())
            return p.value;
    return std::nullopt;
}

QString abc(int length)
{
    QString out;
    for (int i = 0; i < length; ++i)
        out += QChar(u'a' + i % 26);
    return out;
}

} // namespace

class TestStreamFixtures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(designFixtures().size() >= 4);
    }

    void conversionsSettle_data()
    {
        QTest::addColumn<QString>("fileName");
        for (const QString &name : designFixtures())
            QTest::newRow(qPrintable(name)) << name;
    }

    // binary -> text -> binary -> text: after the first write nothing changes any more.
    void conversionsSettle()
    {
        QFETCH(QString, fileName);
        const Result<ObjectNode> read = readDesignFile(fixture(fileName));
        QVERIFY2(read.ok(), qPrintable(read.error.message));

        const QString text = writeTextForm(*read.value);
        const Result<ObjectNode> fromText = readTextForm(text);
        QVERIFY2(fromText.ok(), qPrintable(fromText.error.message));
        const QByteArray binary = writeBinaryStream(*fromText.value);
        QCOMPARE(binary, writeBinaryStream(*read.value));

        const Result<ObjectNode> fromBinary = readBinaryStream(binary.constData(), binary.size());
        QVERIFY2(fromBinary.ok(), qPrintable(fromBinary.error.message));
        QCOMPARE(writeTextForm(*fromBinary.value), writeTextForm(*fromText.value));
        QCOMPARE(writeBinaryStream(*fromBinary.value), binary);
    }

    // The fixture texts were written by another tool (LF, its own layout) but hold the same trees.
    void fixtureTextsHoldTheSameTree_data()
    {
        QTest::addColumn<QString>("fileName");
        for (const QString &name : designFixtures())
            if (QFile::exists(QStringLiteral(DD_TEST_DATA "/") + QFileInfo(name).completeBaseName() + u".txt"))
                QTest::newRow(qPrintable(name)) << name;
    }

    void fixtureTextsHoldTheSameTree()
    {
        QFETCH(QString, fileName);
        const QString text = QString::fromLatin1(fixture(QFileInfo(fileName).completeBaseName() + u".txt"));
        const Result<ObjectNode> fromText = readTextForm(text);
        QVERIFY2(fromText.ok(), qPrintable(fromText.error.message));
        QCOMPARE(writeBinaryStream(*fromText.value), writeBinaryStream(readFixture(fileName)));
    }

    void stringTagsValues_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Value>("value");
        QByteArray picture;
        for (int i = 0; i < 40; ++i)
            picture += char(i);
        QTest::newRow("utf-8 text") << u"Caption"_s << Value::text(u"Ação"_s, true);
        QTest::newRow("short text") << u"cFuncName"_s << Value::text(u"Teste"_s);
        QTest::newRow("long text") << u"cToolTip"_s << Value::text(abc(300));
        QTest::newRow("wide text") << u"cMsg"_s << Value::text(u"çã"_s, true);
        QTest::newRow("set") << u"Font.Style"_s << Value::set({u"fsBold"_s});
        QTest::newRow("80-bit float") << u"Zoom"_s << Value::extended(1.5);
        QTest::newRow("int64") << u"Tag"_s << Value::integer(5000000000);
        QTest::newRow("binary") << u"Picture.Data"_s << Value::binary(picture);
        QTest::newRow("nil") << u"PopupMenu"_s << Value::nil();
        QTest::newRow("false") << u"lCentered"_s << Value::boolean(false);
        QTest::newRow("reference") << u"oVars"_s << Value::identifier(u"oVars1"_s);
        QTest::newRow("unknown class, float") << u"oFoo1/Zap"_s << Value::extended(2.25);
        QTest::newRow("unknown class, list")
            << u"oFoo1/Names"_s << Value::list({Value::text(u"a"_s), Value::text(u"ç"_s, true), Value::integer(7)});
        QTest::newRow("child of the unknown class") << u"oFoo1/oInner1/Left"_s << Value::integer(1);
        QTest::newRow("wide text with euro") << u"oSay1/Caption"_s << Value::text(u"x€y"_s, true);
        QTest::newRow("empty set") << u"oSay1/Font.Style"_s << Value::set({});
        QTest::newRow("collection")
            << u"oVars1/Vars"_s
            << Value::collection({{std::nullopt,
                                   {{u"VarType"_s, Value::identifier(u"Private"_s)},
                                    {u"tType"_s, Value::identifier(u"tgNumeric"_s)},
                                    {u"cVarName"_s, Value::text(u"nTotal"_s)},
                                    {u"InitVal"_s, Value::text(u"10"_s)}}},
                                  {std::nullopt,
                                   {{u"VarType"_s, Value::identifier(u"Local"_s)},
                                    {u"tType"_s, Value::identifier(u"tgCaracter"_s)},
                                    {u"cVarName"_s, Value::text(u"cNome"_s)},
                                    {u"InitVal"_s, Value::text(u"Joe's"_s)}}}});
    }

    void stringTagsValues()
    {
        QFETCH(QString, path);
        QFETCH(Value, value);
        const std::optional<Value> found = valueAt(readFixture(u"string-tags.afm"_s), path);
        QVERIFY2(found, qPrintable(path));
        QCOMPARE(*found, value);
    }

    void unknownClassKeepsItsChild()
    {
        const ObjectNode root = readFixture(u"string-tags.afm"_s);
        QCOMPARE(root.children.size(), 3);
        QCOMPARE(root.children[0].className, u"TFooBar"_s);
        QCOMPARE(root.children[0].children.size(), 1);
        QCOMPARE(root.children[0].children[0].className, u"TTSay"_s);
    }

    void textLines_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("lines");
        const auto row = [](const char *name, const QString &file, const QString &lines) {
            QTest::newRow(name) << file << QString(lines).replace(u"\n"_s, u"\r\n"_s);
        };
        row("root header", u"dialog-basic.afm"_s, u"object oDlg1: TTMSDialog\n  Left = 200\n"_s);
        row("empty set", u"dialog-basic.afm"_s, u"\n  Font.Style = []\n"_s);
        row("child block", u"dialog-basic.afm"_s, u"\n  object oSay1: TTSay\n    Left = 8\n"_s);
        row("code block text", u"dialog-basic.afm"_s, u"\n    bSetGet = '{|u| If(PCount()>0,cNome:=u,cNome)}'\n  end\n"_s);
        row("window root", u"window-basic.hfm"_s, u"object oDlg1: THWindow\n"_s);
        row("string list", u"folder-pages.afm"_s,
            u"\n      Items.Strings = (\n        'Pessoa'\n        'Empresa'\n        'Outro'\n        'Nenhum')\n"_s);
        row("empty string in a list", u"folder-pages.afm"_s, u"\n          'Local aRet := {}'\n          ''\n"_s);
        row("collection", u"folder-pages.afm"_s, u"\n    Functions = <\n      item\n        tFunction = User\n"_s);
        row("collection end", u"folder-pages.afm"_s, u"\n          'do filtro')\n      end>\n    Left = 560\n"_s);
        row("utf-8 text", u"string-tags.afm"_s, u"\n  Caption = 'A'#231#227'o'\n"_s);
        row("wide text", u"string-tags.afm"_s, u"\n  cMsg = #231#227\n"_s);
        row("float", u"string-tags.afm"_s, u"\n  Zoom = 1.500000000000000000\n  Tag = 5000000000\n"_s);
        row("binary", u"string-tags.afm"_s,
            u"\n  Picture.Data = {\n"
            "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
            "    2021222324252627}\n"
            "  PopupMenu = nil\n"_s);
        row("long text", u"string-tags.afm"_s,
            u"\n  cToolTip =\n    'abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijkl' +\n"_s);
        row("long text end", u"string-tags.afm"_s, u" +\n    'wxyzabcdefghijklmnopqrstuvwxyzabcdefghijklmn'\n  lCentered"_s);
        row("unknown class", u"string-tags.afm"_s, u"\n  object oFoo1: TFooBar\n    Left = 5\n    Zap = 2.250000000000000000\n"_s);
        row("quote doubled", u"string-tags.afm"_s, u"\n        InitVal = 'Joe''s'\n      end>\n"_s);
    }

    void textLines()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, lines);
        const QString text = writeTextForm(readFixture(fileName));
        QVERIFY2(text.contains(lines), qPrintable(lines));
        QVERIFY(text.endsWith(u"\r\nend\r\n"_s));
    }
};

QTEST_GUILESS_MAIN(TestStreamFixtures)
#include "tst_stream_fixtures.moc"
