// The pieces every OOHG statement is made of: coordinates, colours, fonts, items, and the
// Private declarations of the object variables.
#include <QtTest>

#include "gen_advpl/banners.h"
#include "gen_oohg/object_declarations.h"
#include "gen_oohg/resolved_color.h"
#include "gen_oohg/statement_arguments.h"

using namespace dd;

namespace {

Color systemColor(int index) { return Color{qint32(0xFF000000u + unsigned(index))}; }

} // namespace

class TestOohgFormatting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void coordinates_data();
    void coordinates();
    void colorTriples_data();
    void colorTriples();
    void fontTexts_data();
    void fontTexts();
    void items_data();
    void items();
    void declarationsOnOneLine();
    void declarationsSplitPastOneHundredCharacters();
    void declarationLineClosedAtOneHundred();
    void noNamesNoDeclarations();
};

void TestOohgFormatting::coordinates_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero-filled") << 5 << "005";
    QTest::newRow("three digits") << 400 << "400";
    QTest::newRow("never cut") << 1234 << "1234";
    QTest::newRow("sign behind the zeros") << -5 << "0-5";
    QTest::newRow("long negative") << -123 << "-123";
}

void TestOohgFormatting::coordinates()
{
    QFETCH(int, pixels);
    QFETCH(QString, text);
    QCOMPARE(coordinateText(pixels), text);
}

void TestOohgFormatting::colorTriples_data()
{
    QTest::addColumn<Color>("color");
    QTest::addColumn<QString>("triple");
    QTest::newRow("white") << Color{Color::clWhite} << "{255,255,255}";
    QTest::newRow("red, green, blue in that order") << Color::rgb(1, 2, 3) << "{1,2,3}";
    QTest::newRow("clBtnFace") << Color{Color::clBtnFace} << "{240,240,240}";
    QTest::newRow("clWindowText") << Color{Color::clWindowText} << "{0,0,0}";
    QTest::newRow("clWindow") << systemColor(5) << "{255,255,255}";
    QTest::newRow("clHighlight") << systemColor(13) << "{0,120,215}";
    QTest::newRow("clInfoBk") << systemColor(24) << "{255,255,225}";
    QTest::newRow("clMenuBar, the last index") << systemColor(30) << "{240,240,240}";
    QTest::newRow("unknown system index") << systemColor(40) << "{0,0,0}";
    QTest::newRow("clNone by its low bytes") << Color{536870911} << "{255,255,255}";
    QTest::newRow("clDefault by its low bytes") << Color{536870912} << "{0,0,0}";
}

void TestOohgFormatting::colorTriples()
{
    QFETCH(Color, color);
    QFETCH(QString, triple);
    QCOMPARE(colorTriple(color), triple);
}

void TestOohgFormatting::fontTexts_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("pixelsPerInch");
    QTest::addColumn<int>("styles");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("flags"); // bold, italic, underline, strikeout
    QTest::newRow("8 points") << -11 << 96 << 0 << "8" << ".F.,.F.,.F.,.F.";
    QTest::newRow("12 points") << -16 << 96 << 0 << "12" << ".F.,.F.,.F.,.F.";
    QTest::newRow("rounded up") << -13 << 96 << 0 << "10" << ".F.,.F.,.F.,.F.";
    QTest::newRow("large fonts screen") << -11 << 120 << 0 << "7" << ".F.,.F.,.F.,.F.";
    QTest::newRow("bold") << -11 << 96 << int(TFontStyle::fsBold) << "8" << ".T.,.F.,.F.,.F.";
    QTest::newRow("italic") << -11 << 96 << int(TFontStyle::fsItalic) << "8" << ".F.,.T.,.F.,.F.";
    QTest::newRow("underline") << -11 << 96 << int(TFontStyle::fsUnderline) << "8" << ".F.,.F.,.T.,.F.";
    QTest::newRow("strikeout") << -11 << 96 << int(TFontStyle::fsStrikeOut) << "8" << ".F.,.F.,.F.,.T.";
}

void TestOohgFormatting::fontTexts()
{
    QFETCH(int, height);
    QFETCH(int, pixelsPerInch);
    QFETCH(int, styles);
    QFETCH(QString, size);
    QFETCH(QString, flags);
    Font font;
    font.name = QStringLiteral("Don't Sans");
    font.height = height;
    font.style = TFontStyles::fromInt(styles);
    font.color = Color::rgb(0, 0, 128);
    const FontTexts texts = dd::fontTexts(font, pixelsPerInch);
    QCOMPARE(texts.face, QStringLiteral("'Don''t Sans'"));
    QCOMPARE(texts.size, size);
    QCOMPARE(QStringList({texts.bold, texts.italic, texts.underline, texts.strikeout}).join(QLatin1Char(',')), flags);
    QCOMPARE(texts.color, QStringLiteral("{0,0,128}"));
}

void TestOohgFormatting::items_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << QStringList() << "{}";
    QTest::newRow("two") << QStringList{"A", "B"} << "{\"A\",\"B\"}";
    QTest::newRow("double quote unchanged") << QStringList{"say \"hi\""} << "{\"say \"hi\"\"}";
    QTest::newRow("empty item") << QStringList{""} << "{\"\"}";
}

void TestOohgFormatting::items()
{
    QFETCH(QStringList, items);
    QFETCH(QString, text);
    QCOMPARE(itemsText(items), text);
}

void TestOohgFormatting::declarationsOnOneLine()
{
    const QStringList expected = sectionBanner(QStringLiteral("Declaração de Variaveis Private dos Objetos"))
        + QStringList{QStringLiteral("Private oBtn1,oLbl1,oEdt1")};
    QCOMPARE(objectDeclarations({"oBtn1", "oLbl1", "oEdt1"}), expected);
}

void TestOohgFormatting::declarationsSplitPastOneHundredCharacters()
{
    QStringList names;
    for (int i = 1; i <= 40; ++i)
        names.append(QStringLiteral("oLbl%1").arg(i));
    const QStringList lines = objectDeclarations(names).mid(3);
    QVERIFY(lines.size() > 1);

    QStringList declared;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        QVERIFY2(line.startsWith(QLatin1String("Private ")), qPrintable(line));
        QVERIFY2(!line.endsWith(QLatin1Char(',')), qPrintable(line));
        const QStringList onLine = line.mid(8).split(QLatin1Char(','));
        declared += onLine;
        if (i + 1 < lines.size()) {
            // Closed only once the line, with its comma, had reached 100 characters, and not
            // before: without its last name it was still short.
            QVERIFY2(line.size() + 1 >= 100, qPrintable(line));
            QVERIFY2(line.size() - onLine.last().size() < 100, qPrintable(line));
        }
    }
    QCOMPARE(declared, names);
}

void TestOohgFormatting::declarationLineClosedAtOneHundred()
{
    // "Private " and 23 names of three characters with their commas make exactly 100.
    QStringList names;
    for (int i = 1; i <= 25; ++i)
        names.append(QStringLiteral("o%1").arg(i, 2, 10, QLatin1Char('0')));
    const QStringList lines = objectDeclarations(names).mid(3);
    QCOMPARE(lines, QStringList({QLatin1String("Private ") + names.mid(0, 23).join(QLatin1Char(',')),
                                 QStringLiteral("Private o24,o25")}));
}

void TestOohgFormatting::noNamesNoDeclarations() { QVERIFY(objectDeclarations({}).isEmpty()); }

QTEST_GUILESS_MAIN(TestOohgFormatting)
#include "tst_oohg_formatting.moc"
