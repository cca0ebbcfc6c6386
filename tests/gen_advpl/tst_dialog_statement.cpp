#include <QtTest>

#include "design_builder.h"

using namespace dd;

class TestDialogStatement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unhalvedScreenPixels_data();
    void unhalvedScreenPixels();
    void fontIsSixteenthArgument();
    void wrappedBetweenExecutionLines();
};

void TestDialogStatement::unhalvedScreenPixels_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example") << 200 << 100 << 400 << 300 << "Teste"
                             << "oDlg1      := MSDialog():New( 100,200,375,595,\"Teste\",,,.F.,,,,,,.T.,,,.T. )";
    QTest::newRow("screen origin, 30 high") << 0 << 0 << 640 << 30 << "Pedido"
                                            << "oDlg1      := MSDialog():New( 000,000,005,635,\"Pedido\",,,.F.,,,,,,.T.,,,.T. )";
    QTest::newRow("smaller than the frame") << 0 << 0 << 2 << 20 << ""
                                            << "oDlg1      := MSDialog():New( 000,000,0-5,0-3,\"\",,,.F.,,,,,,.T.,,,.T. )";
    QTest::newRow("four digits, quote kept") << 1024 << 768 << 800 << 600 << "Diga \"oi\""
                                             << "oDlg1      := MSDialog():New( 768,1024,1343,1819,\"Diga \"oi\"\",,,.F.,,,,,,.T.,,,.T. )";
}

void TestDialogStatement::unhalvedScreenPixels()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    TTMSDialog root;
    testdesign::shapeRoot(root, "oDlg1", left, top, width, height);
    root.setCaption(caption);
    QCOMPARE(root.script(), QString(expected + '\r'));
}

void TestDialogStatement::fontIsSixteenthArgument()
{
    TTMSDialog root;
    testdesign::shapeRoot(root, "oDlg1", 200, 100, 400, 300);
    root.setCaption("Teste");
    root.setOFont(testdesign::add<TToFont>(root, "oFont1"));
    QCOMPARE(root.script(), QString("oDlg1      := MSDialog():New( 100,200,375,595,\"Teste\",,,.F.,,,,,,.T.,,oFont1,.T. )\r"));
}

void TestDialogStatement::wrappedBetweenExecutionLines()
{
    TTMSDialog root;
    testdesign::shapeRoot(root, "oDlg1", 200, 100, 400, 300);
    const QString statement = root.script();
    root.setProperty("ExecBefore", QStringList{"nOpcA := 0"});
    root.setProperty("ExecAfter", QStringList{"oDlg1:lEscClose := .F."});
    QCOMPARE(root.script(), QString("nOpcA := 0\r\n" + statement + "oDlg1:lEscClose := .F.\r\n"));
}

QTEST_GUILESS_MAIN(TestDialogStatement)
#include "tst_dialog_statement.moc"
