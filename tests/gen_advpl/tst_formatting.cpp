#include <QtTest>

#include "design_builder.h"
#include "gen_advpl/coordinates.h"
#include "gen_advpl/formatting.h"
#include "gen_advpl/statement.h"
#include "model/containers.h"
#include "model/text_controls.h"

using namespace dd;
using testdesign::place;

class TestFormatting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paddedNameFillsOrCuts_data();
    void paddedNameFillsOrCuts();
    void zeroFilledKeepsSignAndLength_data();
    void zeroFilledKeepsSignAndLength();
    void literals();
    void quotedTextDoublesQuotes_data();
    void quotedTextDoublesQuotes();
    void itemArray_data();
    void itemArray();
    void parentReferenceNamesContainerOrFolderPage();
    void positionsHalveTowardZero_data();
    void positionsHalveTowardZero();
    void sizesByClass();
    void edgesAddSizeToPosition();
    void executionListsSurroundStatement_data();
    void executionListsSurroundStatement();
    void disablingLineOnlyWhenDisabled();
};

void TestFormatting::paddedNameFillsOrCuts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("shorter") << "oSay1" << 10 << "oSay1     ";
    QTest::newRow("exact") << "oMultiGet1" << 10 << "oMultiGet1";
    QTest::newRow("longer is cut") << "oMultiGet12" << 10 << "oMultiGet1";
    QTest::newRow("empty") << "" << 3 << "   ";
}

void TestFormatting::paddedNameFillsOrCuts()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(paddedName(text, width), expected);
}

void TestFormatting::zeroFilledKeepsSignAndLength_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one digit") << 8 << "008";
    QTest::newRow("zero") << 0 << "000";
    QTest::newRow("negative keeps sign behind zeros") << -5 << "0-5";
    QTest::newRow("long negative") << -123 << "-123";
    QTest::newRow("longer is not cut") << 1000 << "1000";
}

void TestFormatting::zeroFilledKeepsSignAndLength()
{
    QFETCH(int, number);
    QFETCH(QString, expected);
    QCOMPARE(zeroFilled(number, 3), expected);
}

void TestFormatting::literals()
{
    QCOMPARE(logicalText(true), QString(".T."));
    QCOMPARE(logicalText(false), QString(".F."));
    QCOMPARE(doubleQuoted("say \"hi\""), QString("\"say \"hi\"\""));
    QCOMPARE(fontReference(nullptr), QString());
    TTMSDialog root;
    auto *font = testdesign::add<TToFont>(root, "oFont1");
    QCOMPARE(fontReference(font), QString("oFont1"));
}

void TestFormatting::quotedTextDoublesQuotes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << "" << "''";
    QTest::newRow("plain") << "Cliente" << "'Cliente'";
    QTest::newRow("inner quote") << "Joe's" << "'Joe''s'";
    QTest::newRow("only quotes") << "''" << "''''''";
}

void TestFormatting::quotedTextDoublesQuotes()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(quotedText(text), expected);
}

void TestFormatting::itemArray_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no lines") << QStringList() << "";
    QTest::newRow("two lines") << QStringList{"Sim", "Nao"} << "{\"Sim\",\"Nao\"}";
    QTest::newRow("quote kept verbatim") << QStringList{"a\"b", ""} << "{\"a\"b\",\"\"}";
}

void TestFormatting::itemArray()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, expected);
    QCOMPARE(dd::itemArray(lines), expected);
}

void TestFormatting::parentReferenceNamesContainerOrFolderPage()
{
    TTMSDialog root;
    root.setName("oDlg1");
    auto *onRoot = place<TTSay>(root, nullptr, "oSay1", 0, 0, 10, 10);
    auto *group = place<TTGroup>(root, nullptr, "oGrp1", 0, 0, 100, 100);
    auto *inGroup = place<TTSay>(root, group, "oSay2", 0, 0, 10, 10);
    auto *folder = place<TTFolder>(root, nullptr, "oFld2", 0, 0, 100, 100);
    auto *first = place<TTaDialogs>(root, folder, "oaDialogs1", 0, 0, 100, 100);
    auto *hidden = place<TTaDialogs>(root, folder, "oaDialogs2", 0, 0, 100, 100);
    auto *third = place<TTaDialogs>(root, folder, "oaDialogs3", 0, 0, 100, 100);
    auto *fourth = place<TTaDialogs>(root, folder, "oaDialogs4", 0, 0, 100, 100);
    auto *onFirst = place<TTSay>(root, first, "oSay3", 0, 0, 10, 10);
    auto *onThird = place<TTSay>(root, third, "oSay4", 0, 0, 10, 10);
    auto *onFourth = place<TTSay>(root, fourth, "oSay5", 0, 0, 10, 10);

    QCOMPARE(parentReference(*onRoot), QString("oDlg1"));
    QCOMPARE(parentReference(*inGroup), QString("oGrp1"));
    QCOMPARE(parentReference(*onFirst), QString("oFld2:aDialogs[1]"));
    QCOMPARE(parentReference(*onFourth), QString("oFld2:aDialogs[4]"));
    // Hidden pages are not in the run-time array.
    hidden->setTabVisible(false);
    QCOMPARE(parentReference(*onThird), QString("oFld2:aDialogs[2]"));
    QCOMPARE(parentReference(*onFourth), QString("oFld2:aDialogs[3]"));
}

void TestFormatting::positionsHalveTowardZero_data()
{
    QTest::addColumn<bool>("inGroup");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("even") << false << 16 << 0 << "008";
    QTest::newRow("odd halves down") << false << 17 << 0 << "008";
    QTest::newRow("negative odd halves toward zero") << false << -7 << 0 << "0-3";
    QTest::newRow("no cut") << false << 2000 << 0 << "1000";
    QTest::newRow("offset after halving") << false << 17 << 2 << "010";
    // The group stands at 40 both ways: (40 + 10) / 2.
    QTest::newRow("in a group") << true << 10 << 0 << "025";
    QTest::newRow("in a group, odd sum") << true << 11 << 1 << "026";
}

void TestFormatting::positionsHalveTowardZero()
{
    QFETCH(bool, inGroup);
    QFETCH(int, position);
    QFETCH(int, offset);
    QFETCH(QString, expected);
    TTMSDialog root;
    auto *group = place<TTGroup>(root, nullptr, "oGrp1", 40, 40, 200, 200);
    auto *say = place<TTSay>(root, inGroup ? group : nullptr, "oSay1", position, position, 20, 20);
    QCOMPARE(controlTop(*say, offset), expected);
    QCOMPARE(controlLeft(*say, offset), expected);
}

void TestFormatting::sizesByClass()
{
    TTMSDialog root;
    root.setBounds(0, 0, 400, 300);
    auto *say = place<TTSay>(root, nullptr, "oSay1", 0, 0, 61, 13);
    auto *get = place<TTGet>(root, nullptr, "oGet1", 0, 0, 120, 21);
    auto *group = place<TTGroup>(root, nullptr, "oGrp1", 0, 0, 200, 80);
    auto *inGroup = place<TTSay>(root, group, "oSay2", 0, 0, 40, 13);

    QCOMPARE(controlHeight(*say), QString("006"));
    QCOMPARE(controlHeight(*get), QString("008"));
    QCOMPARE(controlHeight(root), QString("153"));
    QCOMPARE(controlWidth(*say), QString("030"));
    QCOMPARE(controlWidth(*say, 2), QString("032"));
    // A group adds its position, never its size.
    QCOMPARE(controlWidth(*inGroup), QString("020"));
}

void TestFormatting::edgesAddSizeToPosition()
{
    TTMSDialog root;
    // The group example of the containers: left 20, top 130, 200 x 80.
    auto *group = place<TTGroup>(root, nullptr, "oGrp1", 20, 130, 200, 80);
    QCOMPARE(controlBottom(*group), QString("105"));
    QCOMPARE(controlRight(*group), QString("110"));
    auto *get = place<TTGet>(root, group, "oGet1", 10, 10, 60, 21);
    QCOMPARE(controlBottom(*get), QString("078"));
    QCOMPARE(controlRight(*get), QString("045"));
}

void TestFormatting::executionListsSurroundStatement_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QStringList() << QStringList() << "STMT\r";
    QTest::newRow("before only") << QStringList{"nX := 1", "nY := 2"} << QStringList()
                                 << "nX := 1\r\nnY := 2\r\nSTMT\r";
    QTest::newRow("after only") << QStringList() << QStringList{"oSay1:Refresh()"} << "STMT\roSay1:Refresh()\r\n";
    QTest::newRow("empty line kept") << QStringList{""} << QStringList{""} << "\r\nSTMT\r\r\n";
}

void TestFormatting::executionListsSurroundStatement()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QString, expected);
    TTMSDialog root;
    auto *say = place<TTSay>(root, nullptr, "oSay1", 0, 0, 10, 10);
    say->setProperty("ExecBefore", before);
    say->setProperty("ExecAfter", after);
    QCOMPARE(wrappedInExecutionLists(*say, "STMT"), expected);
}

void TestFormatting::disablingLineOnlyWhenDisabled()
{
    TTMSDialog root;
    auto *get = place<TTGet>(root, nullptr, "oMultiGet12", 0, 0, 10, 10);
    QCOMPARE(disablingLine(*get), QString());
    get->setEnabled(false);
    QCOMPARE(disablingLine(*get), QString("\roMultiGet12:Disable()"));
}

QTEST_GUILESS_MAIN(TestFormatting)
#include "tst_formatting.moc"
