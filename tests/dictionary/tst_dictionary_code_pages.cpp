// The code pages of dBASE texts: which page a language-driver byte names, and the characters
// each page's bytes decode to.
#include <QStringDecoder>
#include <QtTest>

#include "dictionary/code_pages.h"

using namespace dd::dictionary;

Q_DECLARE_METATYPE(dd::dictionary::CodePage)

class TestCodePages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void languageDrivers_data();
    void languageDrivers();
    void decoding_data();
    void decoding();
    void decodingReusesTheBuffer();
    void highHalvesMatchAnIndependentConverter_data();
    void highHalvesMatchAnIndependentConverter();
};

void TestCodePages::languageDrivers_data()
{
    QTest::addColumn<int>("driver");
    QTest::addColumn<CodePage>("page");
    QTest::newRow("US DOS") << 0x01 << CodePage::Oem437;
    QTest::newRow("international DOS") << 0x02 << CodePage::Oem850;
    QTest::newRow("English DOS (US)") << 0x1B << CodePage::Oem437;
    QTest::newRow("Portuguese DOS") << 0x24 << CodePage::Oem860;
    QTest::newRow("Portuguese DOS secondary") << 0x25 << CodePage::Oem850;
    QTest::newRow("Windows ANSI") << 0x03 << CodePage::Windows1252;
    QTest::newRow("Western European ANSI") << 0x58 << CodePage::Windows1252;
    QTest::newRow("no driver") << 0x00 << CodePage::Oem850;
    QTest::newRow("Russian DOS, not carried") << 0x26 << CodePage::Oem850;
}

void TestCodePages::languageDrivers()
{
    QFETCH(int, driver);
    QFETCH(CodePage, page);
    QCOMPARE(codePageOfLanguageDriver(std::uint8_t(driver)), page);
}

void TestCodePages::decoding_data()
{
    QTest::addColumn<CodePage>("page");
    QTest::addColumn<bool>("windows1252Only");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("850 c-cedilla") << CodePage::Oem850 << true << QByteArray("Endere\x87o") << QStringLiteral("Endereço");
    QTest::newRow("850 accents") << CodePage::Oem850 << true << QByteArray("\xA2\xA1\xC6\xB5\x90") << QStringLiteral("óíãÁÉ");
    QTest::newRow("437 cent, where 850 has o-slash") << CodePage::Oem437 << true << QByteArray("\x9B") << QStringLiteral("¢");
    QTest::newRow("850 o-slash") << CodePage::Oem850 << true << QByteArray("\x9B") << QStringLiteral("ø");
    QTest::newRow("860 a-tilde, where 437 has a-umlaut") << CodePage::Oem860 << true << QByteArray("\x84\x94") << QStringLiteral("ãõ");
    QTest::newRow("1252 euro") << CodePage::Windows1252 << true << QByteArray("\x80\xC7\xE1") << QStringLiteral("€Çá");
    QTest::newRow("ASCII is ASCII") << CodePage::Oem437 << true << QByteArray("A1_COD 01") << QStringLiteral("A1_COD 01");
    // Box drawing and Greek have no Windows-1252 byte.
    QTest::newRow("850 box drawing kept") << CodePage::Oem850 << false << QByteArray("\xB3\xD5") << QStringLiteral("│ı");
    QTest::newRow("850 box drawing for ANSI") << CodePage::Oem850 << true << QByteArray("\xB3\xD5\x87") << QStringLiteral("??ç");
    QTest::newRow("437 Greek for ANSI") << CodePage::Oem437 << true << QByteArray("\xE0\xE1") << QStringLiteral("?ß");
}

void TestCodePages::decoding()
{
    QFETCH(CodePage, page);
    QFETCH(bool, windows1252Only);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextDecoder(page, windows1252Only).decode(bytes), text);
}

void TestCodePages::decodingReusesTheBuffer()
{
    const TextDecoder decoder(CodePage::Oem850);
    QString out = QStringLiteral("a much longer earlier text");
    const QString shared = out;
    decoder.decode("Regi\xC6o", out);
    QCOMPARE(out, QStringLiteral("Região"));
    QCOMPARE(shared, QStringLiteral("a much longer earlier text")); // a copy is never written through
    decoder.decode("", out);
    QCOMPARE(out, QString());
}

void TestCodePages::highHalvesMatchAnIndependentConverter_data()
{
    QTest::addColumn<CodePage>("page");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("437") << CodePage::Oem437 << QByteArray("IBM437");
    QTest::newRow("850") << CodePage::Oem850 << QByteArray("IBM850");
    QTest::newRow("860") << CodePage::Oem860 << QByteArray("IBM860");
    QTest::newRow("1252") << CodePage::Windows1252 << QByteArray("windows-1252");
}

void TestCodePages::highHalvesMatchAnIndependentConverter()
{
    QFETCH(CodePage, page);
    QFETCH(QByteArray, name);
    QStringDecoder reference(name.constData());
    if (!reference.isValid())
        QSKIP("Qt has no converter for this code page here");
    QByteArray high;
    for (int b = 0x80; b < 0x100; ++b)
        high.append(char(b));
    QString expected = reference.decode(high);
    // Where the converter follows IBM and Windows differs, Windows is what the ERP's files
    // were made with: its five undefined Windows-1252 bytes are C1 controls, and its 437
    // family has the micro sign (which Windows-1252 holds) for IBM's Greek mu.
    if (page == CodePage::Windows1252)
        for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            expected[b - 0x80] = QChar(b);
    if ((page == CodePage::Oem437 || page == CodePage::Oem860) && expected[0xE6 - 0x80] == QChar(0x03BC))
        expected[0xE6 - 0x80] = QChar(0x00B5);
    QCOMPARE(TextDecoder(page).decode(high), expected);
}

QTEST_GUILESS_MAIN(TestCodePages)
#include "tst_dictionary_code_pages.moc"
