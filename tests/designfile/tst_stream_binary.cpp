// The binary component stream and its resource header: the normalized encodings the writer
// chooses, what the reader accepts, and how it refuses damaged or hostile files.
#include "designfile/resource_header.h"
#include "designfile/stream_binary.h"
#include "tst_stream_support.h"

#include <QTest>

#include <limits>

using namespace dd::stream;
using namespace Qt::Literals::StringLiterals;

namespace {

// A root "T" with the single property "P": the stream is TPF0 01'T' 00 01'P' <value> 00 00.
const QByteArray kValuePrefix = QByteArray("TPF0\x01T\x00\x01P", 9);

ObjectNode holding(const Value &value)
{
    ObjectNode node;
    node.className = QStringLiteral("T");
    node.properties = {{QStringLiteral("P"), value}};
    return node;
}

QByteArray valueHex(const Value &value)
{
    const QByteArray stream = writeBinaryStream(holding(value));
    return stream.mid(kValuePrefix.size(), stream.size() - kValuePrefix.size() - 2).toHex().toUpper();
}

Result<ObjectNode> readValueStream(const QByteArray &valueHexBytes)
{
    const QByteArray stream = kValuePrefix + QByteArray::fromHex(valueHexBytes) + QByteArray(2, '\0');
    return readBinaryStream(stream.constData(), stream.size());
}

QByteArray ascii(const char *text, int repeat = 1)
{
    return QByteArray(text).repeated(repeat).toHex().toUpper();
}

// A design file around `record` (everything after the signature), with the 11-byte header of "T".
QByteArray designFile(const QByteArray &recordHex)
{
    return *withResourceHeader("TPF0" + QByteArray::fromHex(recordHex), u"T").value;
}

} // namespace

class TestStreamBinary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesNormalizedValues_data()
    {
        QTest::addColumn<Value>("value");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("ascii text is short") << Value::text(u"Nome"_s) << QByteArray("06044E6F6D65");
        QTest::newRow("utf-8 shorter than utf-16") << Value::text(u"Ação"_s) << QByteArray("140600000041C3A7C3A36F");
        QTest::newRow("utf-8 as long as utf-16") << Value::text(u"çã"_s) << QByteArray("1202000000E700E300");
        QTest::newRow("utf-8 longer than utf-16") << Value::text(u"€5"_s) << QByteArray("1202000000AC203500");
        QTest::newRow("empty text") << Value::text(QString()) << QByteArray("1200000000");
        QTest::newRow("255 ascii chars") << Value::text(QString(255, u'a')) << "06FF" + ascii("a", 255);
        QTest::newRow("256 ascii chars are long text") << Value::text(QString(256, u'a')) << "0C00010000" + ascii("a", 256);
        QTest::newRow("300 ascii chars") << Value::text(QString(300, u'x')) << "0C2C010000" + ascii("x", 300);
        QTest::newRow("surrogate pair alone is wide") << Value::text(u"\U0001F600"_s) << QByteArray("12020000003DD800DE");
        QTest::newRow("surrogate pair with ascii is utf-8") << Value::text(u"a\U0001F600"_s)
                                                            << QByteArray("140500000061F09F9880");
        QTest::newRow("unpaired surrogate has no utf-8") << Value::text(u"abc"_s + QChar(0xD800))
                                                         << QByteArray("120400000061006200630000D8");

        QTest::newRow("-129") << Value::integer(-129) << QByteArray("037FFF");
        QTest::newRow("-128") << Value::integer(-128) << QByteArray("0280");
        QTest::newRow("127") << Value::integer(127) << QByteArray("027F");
        QTest::newRow("128") << Value::integer(128) << QByteArray("038000");
        QTest::newRow("-32768") << Value::integer(-32768) << QByteArray("030080");
        QTest::newRow("-32769") << Value::integer(-32769) << QByteArray("04FF7FFFFF");
        QTest::newRow("32767") << Value::integer(32767) << QByteArray("03FF7F");
        QTest::newRow("32768") << Value::integer(32768) << QByteArray("0400800000");
        QTest::newRow("2^31-1") << Value::integer(2147483647) << QByteArray("04FFFFFF7F");
        QTest::newRow("2^31") << Value::integer(2147483648LL) << QByteArray("130000008000000000");
        QTest::newRow("-2^31") << Value::integer(-2147483648LL) << QByteArray("0400000080");
        QTest::newRow("-2^31-1") << Value::integer(-2147483649LL) << QByteArray("13FFFFFF7FFFFFFFFF");
        QTest::newRow("int64 min") << Value::integer(std::numeric_limits<qint64>::min())
                                   << QByteArray("130000000000000080");

        QTest::newRow("true") << Value::boolean(true) << QByteArray("09");
        QTest::newRow("false") << Value::boolean(false) << QByteArray("08");
        QTest::newRow("nil") << Value::nil() << QByteArray("0D");
        QTest::newRow("null") << Value::null() << QByteArray("00");
        QTest::newRow("identifier") << Value::identifier(u"clWhite"_s) << "0707" + ascii("clWhite");
        QTest::newRow("set") << Value::set({u"fsBold"_s, u"fsItalic"_s})
                             << "0B06" + ascii("fsBold") + "08" + ascii("fsItalic") + "00";
        QTest::newRow("empty set") << Value::set({}) << QByteArray("0B00");
        QTest::newRow("binary") << Value::binary(QByteArray("\x01\x02\x03")) << QByteArray("0A03000000010203");
        QTest::newRow("list") << Value::list({Value::text(u"a"_s), Value::integer(7)}) << QByteArray("010601610207" "00");
        QTest::newRow("collection") << Value::collection({{3, {{u"A"_s, Value::integer(1)}}}, {{}, {}}})
                                    << QByteArray("0E" "0203" "01" "0141" "0201" "00" "01" "00" "00");
        QTest::newRow("extended") << Value::extended(1.5) << QByteArray("0500000000000000C0FF3F");
        QTest::newRow("single") << Value::single(1.5) << QByteArray("0F0000C03F");
        QTest::newRow("currency") << Value::currency(15000) << QByteArray("10983A000000000000");
        QTest::newRow("date") << Value::date(45000.5) << QByteArray("110000000010F9E540");
        // Noise beyond 16 digits is rounded away, as for extended values.
        QTest::newRow("date rounded") << Value::date(0.30000000000000004) << QByteArray("11333333333333D33F");
    }

    void writesNormalizedValues()
    {
        QFETCH(Value, value);
        QFETCH(QByteArray, bytes);
        QCOMPARE(valueHex(value), bytes);
        // What the reader makes of it is written the same way again.
        const Result<ObjectNode> back = readValueStream(bytes);
        QVERIFY2(back.ok(), qPrintable(back.error.message));
        QCOMPARE(valueHex(back.value->properties.value(0).value), bytes);
    }

    void readsEveryEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Value>("value");
        QTest::newRow("int16 holding a small number") << QByteArray("030500") << Value::integer(5);
        QTest::newRow("int64 holding a small number") << QByteArray("13FEFFFFFFFFFFFFFF") << Value::integer(-2);
        QTest::newRow("short text in Windows-1252") << QByteArray("060441E7E36F") << Value::text(u"Ação"_s);
        QTest::newRow("0x80 is the euro sign") << QByteArray("060180") << Value::text(u"€"_s);
        QTest::newRow("long text") << QByteArray("0C03000000616263") << Value::text(u"abc"_s);
        QTest::newRow("wide text") << QByteArray("120200000078000000") << Value::text(u"x"_s + QChar(0), true);
        QTest::newRow("utf-8 text") << QByteArray("1403000000E282AC") << Value::text(u"€"_s, true);
        QTest::newRow("short empty text") << QByteArray("0600") << Value::text(QString());
        QTest::newRow("identifier True is the boolean") << QByteArray("070474727565") << Value::boolean(true);
        QTest::newRow("identifier nil") << QByteArray("07036E696C") << Value::nil();
        QTest::newRow("negative zero extended") << QByteArray("0500000000000000000080") << Value::extended(-0.0);
        QTest::newRow("nested lists") << QByteArray("01" "0100" "010900" "00")
                                      << Value::list({Value::list({}), Value::list({Value::boolean(true)})});
        QTest::newRow("item index as int32") << QByteArray("0E04FFFFFF7F0100" "00")
                                             << Value::collection({{2147483647, {}}});
    }

    void readsEveryEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Value, value);
        const Result<ObjectNode> back = readValueStream(bytes);
        QVERIFY2(back.ok(), qPrintable(back.error.message));
        QCOMPARE(back.value->properties.value(0).value, value);
    }

    void writesObjectRecord()
    {
        ObjectNode say;
        say.className = QStringLiteral("TTSay");
        say.name = QStringLiteral("oSay1");
        say.properties = {{QStringLiteral("Left"), Value::integer(16)}};
        QCOMPARE(writeBinaryStream(say).toHex(' ').toUpper(),
                 QByteArray("54 50 46 30 05 54 54 53 61 79 05 6F 53 61 79 31 04 4C 65 66 74 02 10 00 00"));
    }

    void objectPrefix_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("position");
        QTest::addColumn<QByteArray>("rewritten");
        QTest::newRow("no prefix") << QByteArray("0141000000") << 0 << -1 << QByteArray("0141000000");
        QTest::newRow("inherited") << QByteArray("F10141000000") << 1 << -1 << QByteArray("F10141000000");
        QTest::newRow("inline") << QByteArray("F40141000000") << 4 << -1 << QByteArray("F40141000000");
        QTest::newRow("child position") << QByteArray("F202070141000000") << 2 << 7 << QByteArray("F202070141000000");
        QTest::newRow("inherited, int16 position") << QByteArray("F30302010141000000") << 3 << 258
                                                   << QByteArray("F30302010141000000");
        // The text form has one word for both; inline wins.
        QTest::newRow("inline and inherited") << QByteArray("F50141000000") << 4 << -1 << QByteArray("F40141000000");
        QTest::newRow("unknown flag bit dropped") << QByteArray("F80141000000") << 0 << -1 << QByteArray("0141000000");
        QTest::newRow("empty prefix") << QByteArray("F00141000000") << 0 << -1 << QByteArray("0141000000");
    }

    void objectPrefix()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, flags);
        QFETCH(int, position);
        QFETCH(QByteArray, rewritten);
        const QByteArray stream = "TPF0" + QByteArray::fromHex(record);
        const Result<ObjectNode> read = readBinaryStream(stream.constData(), stream.size());
        QVERIFY2(read.ok(), qPrintable(read.error.message));
        QCOMPARE(read.value->flags, flags);
        QCOMPARE(read.value->childPosition.value_or(-1), position);
        QCOMPARE(writeBinaryStream(*read.value).mid(4).toHex().toUpper(), rewritten);
    }

    // A class name of 240 bytes or more starts with what looks like a prefix byte.
    void longClassNameGetsPrefix()
    {
        ObjectNode node;
        node.className = QString(240, u'C');
        const QByteArray stream = writeBinaryStream(node);
        QCOMPARE(stream.mid(4, 2).toHex().toUpper(), QByteArray("F0F0"));
        const Result<ObjectNode> read = readBinaryStream(stream.constData(), stream.size());
        QVERIFY(read.ok());
        QCOMPARE(*read.value, node);
    }

    void childrenNest()
    {
        ObjectNode root;
        root.className = QStringLiteral("TTMSDialog");
        root.name = QStringLiteral("oDlg1");
        ObjectNode panel;
        panel.className = QStringLiteral("TTPanel");
        ObjectNode say;
        say.className = QStringLiteral("TTSay");
        say.name = QStringLiteral("oSay1");
        say.properties = {{QStringLiteral("Caption"), Value::text(u"Nome"_s)}};
        panel.children = {say};
        root.children = {panel, say};
        const QByteArray stream = writeBinaryStream(root);
        const Result<ObjectNode> read = readBinaryStream(stream.constData(), stream.size());
        QVERIFY(read.ok());
        QCOMPARE(*read.value, root);
    }

    void resourceHeader_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("TTMSDialog") << u"TTMSDialog"_s << "FF0A00" + ascii("TTMSDIALOG") + "00" "3010" "05000000";
        QTest::newRow("THWindow") << u"THWindow"_s << "FF0A00" + ascii("THWINDOW") + "00" "3010" "05000000";
        QTest::newRow("69 characters") << QString(69, u'a') << "FF0A00" + ascii("A", 69) + "00" "3010" "05000000";
    }

    void resourceHeader()
    {
        QFETCH(QString, className);
        QFETCH(QByteArray, header);
        const Result<QByteArray> file = withResourceHeader("TPF0!", className);
        QVERIFY(file.ok());
        QCOMPARE(file.value->toHex().toUpper(), header + ascii("TPF0!"));
        const Result<qsizetype> offset = streamOffsetAfterHeader(file.value->constData(), file.value->size());
        QVERIFY(offset.ok());
        QCOMPARE(*offset.value, className.size() + 10);
    }

    void headerLengths()
    {
        QCOMPARE(withResourceHeader({}, u"TTMSDialog").value->size(), 20);
        QCOMPARE(withResourceHeader({}, u"THWindow").value->size(), 18);
    }

    void classNameOf70Refused()
    {
        const QString name(70, u'N');
        const Result<QByteArray> file = withResourceHeader("TPF0", name);
        QVERIFY(!file.ok());
        QCOMPARE(file.error.message, u"Component name '" % name % u"' exceeds 64 character limit");
    }

    void designFileRoundTrip()
    {
        ObjectNode root;
        root.className = QStringLiteral("THWindow");
        root.name = QStringLiteral("oDlg1");
        root.properties = {{QStringLiteral("Caption"), Value::text(u"Diálogo"_s, true)}};
        const Result<QByteArray> file = writeDesignFile(root);
        QVERIFY(file.ok());
        QVERIFY(file.value->startsWith("\xFF\x0A\x00THWINDOW"));
        const Result<ObjectNode> read = readDesignFile(*file.value);
        QVERIFY(read.ok());
        QCOMPARE(*read.value, root);
    }

    void refusesBadInput_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::addColumn<qint64>("offset");
        const QString invalid = QStringLiteral("Invalid stream format");
        const QString readError = QStringLiteral("Stream read error");

        QTest::newRow("empty file") << QByteArray() << invalid << qint64(0);
        QTest::newRow("text file") << QByteArray("object oDlg1: TTMSDialog\r\nend\r\n") << invalid << qint64(0);
        QTest::newRow("bad first byte") << QByteArray::fromHex("FE0A0054003010000000005450463001540000")
                                        << invalid << qint64(0);
        QTest::newRow("bad resource type") << QByteArray::fromHex("FF0B0054003010000000005450463001540000")
                                           << invalid << qint64(1);
        QTest::newRow("name without terminator") << QByteArray::fromHex("FF0A005454") << invalid << qint64(5);
        QTest::newRow("header cut after the name") << QByteArray::fromHex("FF0A00540030") << invalid << qint64(5);
        QTest::newRow("class name of 70") << QByteArray::fromHex("FF0A00" + ascii("A", 70) + "003010000000005450463001540000")
                                          << u"Component name '" % QString(70, u'A') % u"' exceeds 64 character limit"
                                          << qint64(3);
        QTest::newRow("bad signature") << *withResourceHeader("TPF1\x01T\x00\x00\x00", u"T").value << invalid << qint64(11);
        QTest::newRow("stream shorter than the signature") << *withResourceHeader("TP", u"T").value << invalid << qint64(11);
        // Offsets: the signature is at 11, the property value of 01'T'00 01'P' at 20.
        QTest::newRow("unknown tag 21") << designFile("0154000150" "15") << invalid % u": unknown value tag 21"
                                        << qint64(20);
        QTest::newRow("binary length beyond the end") << designFile("0154000150" "0AFFFFFF7F" "0102")
                                                      << readError << qint64(25);
        QTest::newRow("wide text count beyond the end") << designFile("0154000150" "12FFFFFFFF" "4100")
                                                        << readError << qint64(25);
        QTest::newRow("long text length beyond the end") << designFile("0154000150" "0C05000000" "41")
                                                         << readError << qint64(25);
        QTest::newRow("property name cut") << designFile("015400054C65") << readError << qint64(19);
        QTest::newRow("record ends before its end marks") << designFile("01540001500205") << readError << qint64(22);
        QTest::newRow("extended cut") << designFile("0154000150" "050000") << readError << qint64(21);
        QTest::newRow("lists nested 300 deep")
            << designFile("0154000150" + QByteArray("01").repeated(300) + QByteArray("00").repeated(302))
            << invalid % u": nesting deeper than 256 levels" << qint64(20 + 255);
        QTest::newRow("objects nested 300 deep")
            << designFile(QByteArray("01540000").repeated(300) + QByteArray("00").repeated(300))
            << invalid % u": nesting deeper than 256 levels" << qint64(15 + 4 * 256);
        QTest::newRow("collection in list in collection, too deep")
            << designFile("0154000150" + QByteArray("0E01" "0150" "01").repeated(150))
            << invalid % u": nesting deeper than 256 levels" << qint64(20 + 5 * 127 + 4);
        QTest::newRow("bad class name") << designFile("01200000") << invalid % u": bad name ' '" << qint64(15);
        QTest::newRow("child position not an integer") << designFile("F2060141540000")
                                                       << invalid % u": integer expected" << qint64(16);
        QTest::newRow("collection item without its mark") << designFile("0154000150" "0E020105")
                                                          << invalid % u": collection item expected" << qint64(23);
        QTest::newRow("extended NaN") << designFile("0154000150" "0500000000000000C0FF7F0000")
                                      << invalid % u": floating value out of range" << qint64(20);
        QTest::newRow("single infinity") << designFile("0154000150" "0F0000807F0000")
                                         << invalid % u": floating value out of range" << qint64(20);
    }

    void refusesBadInput()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QFETCH(qint64, offset);
        const Result<ObjectNode> read = readDesignFile(file);
        QVERIFY(!read.ok());
        QCOMPARE(read.error.message, message);
        QCOMPARE(read.error.offset, offset);
    }

    // Up to the limit nesting is fine.
    void acceptsNestingOf256()
    {
        const QByteArray stream = "TPF0" + QByteArray::fromHex("0154000150" + QByteArray("01").repeated(255)
                                                               + QByteArray("00").repeated(257));
        const Result<ObjectNode> read = readBinaryStream(stream.constData(), stream.size());
        QVERIFY2(read.ok(), qPrintable(read.error.message));
        QCOMPARE(writeBinaryStream(*read.value), stream);
    }
};

QTEST_GUILESS_MAIN(TestStreamBinary)
#include "tst_stream_binary.moc"
