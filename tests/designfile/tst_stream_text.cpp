// The text form: the writer's layout, what the reader accepts beyond it, the errors it gives,
// and round trips through the binary form.
#include "designfile/stream_binary.h"
#include "designfile/stream_text.h"
#include "tst_stream_support.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace dd::stream;
using namespace Qt::Literals::StringLiterals;

namespace {

QString crlf(QString text)
{
    return text.replace(u"\n"_s, u"\r\n"_s);
}

Property prop(const QString &name, const Value &value)
{
    return {name, value};
}

ObjectNode object(const QString &name, const QString &className, const QList<Property> &properties = {},
                  const QList<ObjectNode> &children = {})
{
    ObjectNode node;
    node.name = name;
    node.className = className;
    node.properties = properties;
    node.children = children;
    return node;
}

const QString kLong64 = QString(64, u'a');

// Written by this writer; no 8-bit text with characters above 127 (saving makes those UTF-8).
const QString kSample = crlf(u"object oDlg1: TTMSDialog\n"
                             "  Caption = 'A'#231#227'o'\n"
                             "  Tab = 'a'#9'b'\n"
                             "  Quote = 'Joe''s'\n"
                             "  Empty = ''\n"
                             "  Emoji = #128512\n"
                             "  Long =\n"
                             "    'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' +\n"
                             "    'bbb'\n"
                             "  Left = -5\n"
                             "  Big = 5000000000\n"
                             "  Zoom = 1.500000000000000000\n"
                             "  Tenth = 0.100000000000000000\n"
                             "  Tiny = -1.000000000000000000E-0030\n"
                             "  Huge = 123456789012345700.000000000000000000\n"
                             "  Beyond = 1.000000000000000000E+0018\n"
                             "  NegZero = -0.000000000000000000\n"
                             "  Ratio = 0.500000000000000000s\n"
                             "  Price = -12.345600000000000000c\n"
                             "  When = 45000.500000000000000000d\n"
                             "  Visible = True\n"
                             "  Enabled = False\n"
                             "  PopupMenu = nil\n"
                             "  Nothing = Null\n"
                             "  Color = clWhite\n"
                             "  Font.Style = [fsBold, fsItalic]\n"
                             "  Anchors = []\n"
                             "  Lines = (\n"
                             "    'one'\n"
                             "    (\n"
                             "      1\n"
                             "      'two')\n"
                             "    ()\n"
                             "    'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' +\n"
                             "    'ccc')\n"
                             "  NoLines = ()\n"
                             "  Vars = <\n"
                             "    item\n"
                             "      Name = 'x'\n"
                             "      Items = (\n"
                             "        'y')\n"
                             "    end\n"
                             "    item [3]\n"
                             "    end>\n"
                             "  NoVars = <>\n"
                             "  Data = {\n"
                             "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
                             "    20}\n"
                             "  NoData = {}\n"
                             "  object TTSay\n"
                             "  end\n"
                             "  inherited oBase: TTPanel [2]\n"
                             "    object oInner: TTSay\n"
                             "      Left = 1\n"
                             "    end\n"
                             "  end\n"
                             "  inline oFrame1: TFrame1\n"
                             "  end\n"
                             "end\n"_s);

ObjectNode sampleTree()
{
    QByteArray data;
    for (int i = 0; i <= 32; ++i)
        data += char(i);
    ObjectNode base = object(u"oBase"_s, u"TTPanel"_s, {}, {object(u"oInner"_s, u"TTSay"_s, {prop(u"Left"_s, Value::integer(1))})});
    base.flags = ObjectNode::Inherited | ObjectNode::ChildPosition;
    base.childPosition = 2;
    ObjectNode frame = object(u"oFrame1"_s, u"TFrame1"_s);
    frame.flags = ObjectNode::Inline;
    return object(
        u"oDlg1"_s, u"TTMSDialog"_s,
        {prop(u"Caption"_s, Value::text(u"Ação"_s, true)),
         prop(u"Tab"_s, Value::text(u"a\tb"_s)),
         prop(u"Quote"_s, Value::text(u"Joe's"_s)),
         prop(u"Empty"_s, Value::text(QString())),
         prop(u"Emoji"_s, Value::text(u"\U0001F600"_s, true)),
         prop(u"Long"_s, Value::text(kLong64 + u"bbb")),
         prop(u"Left"_s, Value::integer(-5)),
         prop(u"Big"_s, Value::integer(5000000000)),
         prop(u"Zoom"_s, Value::extended(1.5)),
         prop(u"Tenth"_s, Value::extended(0.1)),
         prop(u"Tiny"_s, Value::extended(-1e-30)),
         prop(u"Huge"_s, Value::extended(1.234567890123457e17)),
         prop(u"Beyond"_s, Value::extended(1e18)),
         prop(u"NegZero"_s, Value::extended(-0.0)),
         prop(u"Ratio"_s, Value::single(0.5)),
         prop(u"Price"_s, Value::currency(-123456)),
         prop(u"When"_s, Value::date(45000.5)),
         prop(u"Visible"_s, Value::boolean(true)),
         prop(u"Enabled"_s, Value::boolean(false)),
         prop(u"PopupMenu"_s, Value::nil()),
         prop(u"Nothing"_s, Value::null()),
         prop(u"Color"_s, Value::identifier(u"clWhite"_s)),
         prop(u"Font.Style"_s, Value::set({u"fsBold"_s, u"fsItalic"_s})),
         prop(u"Anchors"_s, Value::set({})),
         prop(u"Lines"_s, Value::list({Value::text(u"one"_s),
                                       Value::list({Value::integer(1), Value::text(u"two"_s)}),
                                       Value::list({}),
                                       Value::text(kLong64 + u"ccc")})),
         prop(u"NoLines"_s, Value::list({})),
         prop(u"Vars"_s, Value::collection({{std::nullopt,
                                             {prop(u"Name"_s, Value::text(u"x"_s)),
                                              prop(u"Items"_s, Value::list({Value::text(u"y"_s)}))}},
                                            {3, {}}})),
         prop(u"NoVars"_s, Value::collection({})),
         prop(u"Data"_s, Value::binary(data)),
         prop(u"NoData"_s, Value::binary({}))},
        {object({}, u"TTSay"_s), base, frame});
}

QString holdingText(const QString &propertyLines)
{
    return u"object T\r\n"_s % propertyLines % u"\r\nend\r\n";
}

} // namespace

class TestStreamText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesLayout()
    {
        QCOMPARE(writeTextForm(sampleTree()), kSample);
    }

    void readsLayoutBack()
    {
        const Result<ObjectNode> read = readTextForm(kSample);
        QVERIFY2(read.ok(), qPrintable(read.error.message));
        QCOMPARE(*read.value, sampleTree());
    }

    void roundTripsThroughBinary()
    {
        const Result<ObjectNode> tree = readTextForm(kSample);
        QVERIFY(tree.ok());
        const QByteArray binary = writeBinaryStream(*tree.value);
        const Result<ObjectNode> fromBinary = readBinaryStream(binary.constData(), binary.size());
        QVERIFY2(fromBinary.ok(), qPrintable(fromBinary.error.message));
        QCOMPARE(writeTextForm(*fromBinary.value), kSample);
        const Result<ObjectNode> fromText = readTextForm(writeTextForm(*fromBinary.value));
        QVERIFY(fromText.ok());
        QCOMPARE(writeBinaryStream(*fromText.value), binary);
    }

    void writesTexts_data()
    {
        QTest::addColumn<Value>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("unicode text uses codes") << Value::text(u"Ação"_s, true) << u"P = 'A'#231#227'o'"_s;
        QTest::newRow("8-bit text keeps characters") << Value::text(u"Ação"_s) << u"P = 'Ação'"_s;
        QTest::newRow("codes only") << Value::text(u"çã"_s, true) << u"P = #231#227"_s;
        QTest::newRow("code then quoted") << Value::text(u"€5"_s, true) << u"P = #8364'5'"_s;
        QTest::newRow("line breaks") << Value::text(u"a\r\nb"_s) << u"P = 'a'#13#10'b'"_s;
        QTest::newRow("8-bit surrogate pair raw") << Value::text(u"\U0001F600"_s) << u"P = '\U0001F600'"_s;
        QTest::newRow("64 characters stay on the line") << Value::text(kLong64) << u"P = '"_s % kLong64 % u'\'';
        QTest::newRow("65 characters split")
            << Value::text(kLong64 + u"z") << u"P =\r\n    '"_s % kLong64 % u"' +\r\n    'z'";
        QTest::newRow("128 characters give two pieces")
            << Value::text(kLong64 + kLong64) << u"P =\r\n    '"_s % kLong64 % u"' +\r\n    '" % kLong64 % u'\'';
        QTest::newRow("split counts characters, not codes")
            << Value::text(QString(64, u'\t') + u"z")
            << u"P =\r\n    "_s % u"#9"_s.repeated(64) % u" +\r\n    'z'";
        QTest::newRow("split keeps a surrogate pair together")
            << Value::text(QString(63, u'a') + u"\U0001F600"_s, true)
            << u"P =\r\n    '"_s % QString(63, u'a') % u"' +\r\n    #128512";
    }

    void writesTexts()
    {
        QFETCH(Value, value);
        QFETCH(QString, line);
        ObjectNode holder = object({}, u"T"_s, {prop(u"P"_s, value)});
        QCOMPARE(writeTextForm(holder), holdingText(u"  "_s % line));
        const Result<ObjectNode> back = readTextForm(holdingText(u"  "_s % line));
        QVERIFY2(back.ok(), qPrintable(back.error.message));
        QCOMPARE(*back.value, holder);
    }

    void extremesRoundTrip_data()
    {
        QTest::addColumn<Value>("value");
        QTest::newRow("largest extended") << Value::extended(std::numeric_limits<double>::max());
        QTest::newRow("smallest extended") << Value::extended(-std::numeric_limits<double>::denorm_min());
        QTest::newRow("largest single") << Value::single(std::numeric_limits<float>::max());
        QTest::newRow("smallest single") << Value::single(std::numeric_limits<float>::denorm_min());
        QTest::newRow("largest date") << Value::date(std::numeric_limits<double>::max());
        QTest::newRow("date with 17 digits") << Value::date(45000.123456789012);
        QTest::newRow("most negative currency") << Value::currency(std::numeric_limits<qint64>::min());
        QTest::newRow("largest currency") << Value::currency(std::numeric_limits<qint64>::max());
        QTest::newRow("most negative integer") << Value::integer(std::numeric_limits<qint64>::min());
    }

    // binary -> text -> binary keeps the bytes even where rounding to 16 digits could overflow.
    void extremesRoundTrip()
    {
        QFETCH(Value, value);
        const QByteArray binary = writeBinaryStream(object({}, u"T"_s, {prop(u"P"_s, value)}));
        const Result<ObjectNode> fromBinary = readBinaryStream(binary.constData(), binary.size());
        QVERIFY2(fromBinary.ok(), qPrintable(fromBinary.error.message));
        const Value read = fromBinary.value->properties.value(0).value;
        QCOMPARE(read.kind, value.kind);
        if (std::holds_alternative<double>(value.data)) { // within the 16 digits kept
            QVERIFY(std::abs(read.asReal() - value.asReal()) <= 1e-15 * std::abs(value.asReal()));
        } else {
            QCOMPARE(read, value);
        }
        const Result<ObjectNode> fromText = readTextForm(writeTextForm(*fromBinary.value));
        QVERIFY2(fromText.ok(), qPrintable(fromText.error.message));
        QCOMPARE(writeBinaryStream(*fromText.value), binary);
    }

    void readsLenientValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Value>("value");
        QTest::newRow("codes and quotes mixed with +") << u"'a' + #66 + 'c'#68"_s << Value::text(u"aBcD"_s);
        QTest::newRow("+ across lines") << u"#65 +\n    'b' +\n'c'"_s << Value::text(u"Abc"_s);
        QTest::newRow("code above 127 marks unicode") << u"'x'#8364"_s << Value::text(u"x€"_s, true);
        QTest::newRow("hex character code") << u"#$41"_s << Value::text(u"A"_s);
        QTest::newRow("code beyond the BMP") << u"#128512"_s << Value::text(u"\U0001F600"_s, true);
        QTest::newRow("negative") << u"-12"_s << Value::integer(-12);
        QTest::newRow("most negative") << u"-9223372036854775808"_s << Value::integer(std::numeric_limits<qint64>::min());
        QTest::newRow("hex") << u"$FF"_s << Value::integer(255);
        QTest::newRow("largest hex") << u"$7FFFFFFFFFFFFFFF"_s << Value::integer(std::numeric_limits<qint64>::max());
        QTest::newRow("exponent form") << u" 1.50000000000000000000E+0000"_s << Value::extended(1.5);
        QTest::newRow("negative exponent form") << u"-2.5E-0003"_s << Value::extended(-0.0025);
        QTest::newRow("plain decimals") << u"0.25"_s << Value::extended(0.25);
        QTest::newRow("single") << u"1.5s"_s << Value::single(1.5);
        QTest::newRow("single keeps float precision") << u"0.1s"_s << Value::single(0.1);
        QTest::newRow("currency") << u"1.5c"_s << Value::currency(15000);
        QTest::newRow("currency rounds beyond 4 decimals") << u"-1.23456c"_s << Value::currency(-12346);
        QTest::newRow("currency in exponent form") << u"2.5E+0002c"_s << Value::currency(2500000);
        QTest::newRow("currency extreme") << u"-922337203685477.5808c"_s << Value::currency(std::numeric_limits<qint64>::min());
        QTest::newRow("date") << u"2d"_s << Value::date(2);
        QTest::newRow("identifier case") << u"TRUE"_s << Value::boolean(true);
        QTest::newRow("nil case") << u"NIL"_s << Value::nil();
        QTest::newRow("dotted identifier") << u"oFrame1.oSay1"_s << Value::identifier(u"oFrame1.oSay1"_s);
        QTest::newRow("set with blanks") << u"[ a ,b ]"_s << Value::set({u"a"_s, u"b"_s});
        QTest::newRow("binary with blanks and lower case") << u"{ 0a0b\n   0C }"_s << Value::binary("\x0A\x0B\x0C");
        QTest::newRow("trailing blanks in a collection") << u"<    \n    item    \n      A = 1   \n    end    >"_s
                                                         << Value::collection({{std::nullopt, {prop(u"A"_s, Value::integer(1))}}});
        QTest::newRow("negative item index") << u"<item [-1] end>"_s << Value::collection({{-1, {}}});
        QTest::newRow("list items on one line") << u"('a' 'b' 3)"_s
                                                << Value::list({Value::text(u"a"_s), Value::text(u"b"_s), Value::integer(3)});
    }

    void readsLenientValues()
    {
        QFETCH(QString, text);
        QFETCH(Value, value);
        const Result<ObjectNode> read = readTextForm(QString(u"object T\n  P = "_s % text % u"\nend"));
        QVERIFY2(read.ok(), qPrintable(read.error.message));
        QCOMPARE(read.value->properties.value(0).value, value);
    }

    void readsLenientObjects()
    {
        // LF line ends, keywords in any case, and properties named like keywords.
        const Result<ObjectNode> read = readTextForm(u"OBJECT oA: TA\n"
                                                     "  end = 1\n"
                                                     "  object = 2\n"
                                                     "  Object TB\n"
                                                     "  End\n"
                                                     "  Inherited oC: TC [ 5 ]\n"
                                                     "  END\n"
                                                     "end\n"_s);
        QVERIFY2(read.ok(), qPrintable(read.error.message));
        ObjectNode c = object(u"oC"_s, u"TC"_s);
        c.flags = ObjectNode::Inherited | ObjectNode::ChildPosition;
        c.childPosition = 5;
        QCOMPARE(*read.value, object(u"oA"_s, u"TA"_s, {prop(u"end"_s, Value::integer(1)), prop(u"object"_s, Value::integer(2))},
                                     {object({}, u"TB"_s), c}));
    }

    void readsSeveralObjects()
    {
        const QList<ObjectNode> objects = {object(u"oSay1"_s, u"TTSay"_s, {prop(u"Left"_s, Value::integer(8))}),
                                           object(u"oGet1"_s, u"TTGet"_s)};
        const QString text = writeTextObjects(objects);
        QCOMPARE(text, crlf(u"object oSay1: TTSay\n  Left = 8\nend\nobject oGet1: TTGet\nend\n"_s));
        const Result<QList<ObjectNode>> read = readTextObjects(text);
        QVERIFY2(read.ok(), qPrintable(read.error.message));
        QCOMPARE(*read.value, objects);

        const Result<QList<ObjectNode>> none = readTextObjects(u"  \r\n"_s);
        QVERIFY(none.ok());
        QVERIFY(none.value->isEmpty());
    }

    void refusesBadText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<qint64>("line");
        const auto row = [](const char *name, const QString &text, const QString &message, qint64 line) {
            QTest::newRow(name) << text << message << line;
        };
        row("empty text", {}, u"Line 1, column 1: 'object' expected at the end of the text"_s, 1);
        row("not an object", u"objekt a: T\nend"_s, u"Line 1, column 1: 'object' expected, found 'objekt'"_s, 1);
        row("unterminated string", u"object a: T\n  Caption = 'abc\nend\n"_s,
            u"Line 2, column 13: unterminated string"_s, 2);
        row("missing end", u"object a: T\n  Left = 1\n"_s,
            u"Line 3, column 1: property, object or 'end' expected at the end of the text"_s, 3);
        row("missing end of a child", u"object a: T\n  object b: T\nend\n"_s,
            u"Line 4, column 1: property, object or 'end' expected at the end of the text"_s, 4);
        row("garbage line", u"object a: T\n  Left 12\nend\n"_s, u"Line 2, column 8: '=' expected, found '12'"_s, 2);
        row("unexpected character", u"object a: T\n  Left = ^\nend\n"_s,
            u"Line 2, column 10: unexpected character '^'"_s, 2);
        row("bad character after a name", u"object a: T\n  Left ^\nend\n"_s,
            u"Line 2, column 8: unexpected character '^'"_s, 2);
        row("bad number", u"object a: T\n  Left = 12ab\nend\n"_s, u"Line 2, column 10: bad number '12a'"_s, 2);
        row("integer out of range", u"object a: T\n  Left = 9223372036854775808\nend\n"_s,
            u"Line 2, column 10: integer out of range, found '9223372036854775808'"_s, 2);
        row("integer that would wrap 64 bits", u"object a: T\n  Left = 18446744073709551617\nend\n"_s,
            u"Line 2, column 10: integer out of range: 18446744073709551617"_s, 2);
        row("+ without a string", u"object a: T\n  Caption = 'a' +\nend\n"_s,
            u"Line 3, column 1: string expected after '+', found 'end'"_s, 3);
        row("bad character code", u"object a: T\n  Caption = #99999999\nend\n"_s,
            u"Line 2, column 13: bad character code '#9999999'"_s, 2);
        row("set without comma", u"object a: T\n  S = [a b]\nend\n"_s, u"Line 2, column 10: ',' expected, found 'b'"_s, 2);
        row("odd hex digits", u"object a: T\n  D = {ABC}\nend\n"_s,
            u"Line 2, column 11: odd number of hex digits in binary data"_s, 2);
        row("bad hex digit", u"object a: T\n  D = {\n    0G}\nend\n"_s,
            u"Line 3, column 6: bad character 'G' in binary data"_s, 3);
        row("unterminated binary", u"object a: T\n  D = {00\n"_s,
            u"Line 3, column 1: unterminated binary data"_s, 3);
        row("Null in a list", u"object a: T\n  L = (1 Null)\nend\n"_s,
            u"Line 2, column 10: Null cannot be a list item, found 'Null'"_s, 2);
        row("unterminated list", u"object a: T\n  L = (1\n"_s,
            u"Line 3, column 1: value expected at the end of the text"_s, 3);
        row("collection without item", u"object a: T\n  C = <foo>\nend\n"_s,
            u"Line 2, column 8: 'item' expected, found 'foo'"_s, 2);
        row("item without end", u"object a: T\n  C = <item A = 1>\nend\n"_s,
            u"Line 2, column 18: property or 'end' expected, found '>'"_s, 2);
        row("text after the object", u"object a: T\nend\nxyz\n"_s,
            u"Line 3, column 1: end of text expected after the object, found 'xyz'"_s, 3);
        row("property after a child", u"object a: T\n  object b: T\n  end\n  Left = 1\nend\n"_s,
            u"Line 4, column 3: property after a child object, found 'Left'"_s, 4);
        row("child position not an integer", u"object a: T [x]\nend\n"_s,
            u"Line 1, column 14: 32-bit integer expected, found 'x'"_s, 1);
        row("child position beyond 32 bits", u"object a: T [2147483648]\nend\n"_s,
            u"Line 1, column 14: 32-bit integer expected, found '2147483648'"_s, 1);
        row("name too long", u"object a: "_s % QString(256, u'T') % u"\nend\n",
            u"Line 1, column 11: name expected, found '"_s % QString(256, u'T') % u'\'', 1);
        row("currency out of range", u"object a: T\n  C = 1E30c\nend\n"_s,
            u"Line 2, column 7: currency out of range, found '1E30'"_s, 2);
        row("single out of range", u"object a: T\n  S = 1E300s\nend\n"_s,
            u"Line 2, column 7: number out of range, found '1E300'"_s, 2);
        row("beyond double", u"object a: T\n  E = 1E400\nend\n"_s,
            u"Line 2, column 7: number out of range, found '1E400'"_s, 2);
        row("lists nested 300 deep", u"object a: T\n  L = "_s % u"("_s.repeated(300) % u")"_s.repeated(300) % u"\nend\n",
            u"Line 2, column 262: nesting deeper than 256 levels, found '('"_s, 2);
        row("objects nested 300 deep", u"object a: T\n"_s.repeated(300) % u"end\n"_s.repeated(300),
            u"Line 257, column 1: nesting deeper than 256 levels, found 'object'"_s, 257);
    }

    void refusesBadText()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(qint64, line);
        const Result<ObjectNode> read = readTextForm(text);
        QVERIFY(!read.ok());
        QCOMPARE(read.error.message, message);
        QCOMPARE(read.error.offset, line);
    }
};

QTEST_GUILESS_MAIN(TestStreamText)
#include "tst_stream_text.moc"
