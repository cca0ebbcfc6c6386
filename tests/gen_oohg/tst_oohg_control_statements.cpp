// The creation statement of every OOHG control class, argument by argument.
#include <QtTest>

#include "gen_oohg/button_controls.h"
#include "gen_oohg/choice_controls.h"
#include "gen_oohg/containers.h"
#include "gen_oohg/text_controls.h"
#include "gen_oohg/view_controls.h"
#include "window_builder.h"

using namespace dd;
using oohgtest::add;
using oohgtest::place;

namespace {

// The example window, oDlg1 in 8-point Tahoma.
struct Fixture {
    THWindow window;
    Fixture() { oohgtest::shapeExampleWindow(window); }
};

QString scriptOf(const Component &c) { return c.property("Script").toString(); }

} // namespace

class TestOohgControlStatements : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newControls_data();
    void newControls();
    void buttonExample();
    void buttonComponentIndexIsThePositionInTheWindow();
    void labelToolTipUnquotedElsewhereQuoted();
    void labelFlagsAndAlignment_data();
    void labelFlagsAndAlignment();
    void captionQuoteDoubled();
    void richEditReadOnlyLiteral();
    void editSettings();
    void itemsAndSelection_data();
    void itemsAndSelection();
    void frameAndTreeTopBeforeLeft();
    void controlOnFrameNamesTheFrame();
    void fontsOfTheControl();
    void treeNodeLines_data();
    void treeNodeLines();
    void browseHasAnEmptyScript();
};

void TestOohgControlStatements::newControls_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("statement");
    QTest::newRow("THLabel")
        << "THLabel"
        << "oCtl1      := TLabel():Define('oCtl1',oDlg1,010,020,'',100,050,'Tahoma',8,.F.,.F.,.F.,.F.,.F.,.F.,"
           "{240,240,240},{0,0,0},,,0,.F.,.F.,.F.,.F.,.F.,.F.,.F.,,.T.,,)";
    QTest::newRow("THEditRich")
        << "THEditRich"
        << "oCtl1      := TEditRich():Define('oCtl1',oDlg1,010,020,100,050,,,,'',0,,,,.F.,.F., ,.F.,.F.,.F.,.F.,.F.,"
           ".F.,,{255,255,255},,.F.)";
    QTest::newRow("THEdit")
        << "THEdit"
        << "oCtl1      := DefineTextBox( 'oCtl1',oDlg1,010,020,100,050,,'Tahoma',8,'',0,,,,,,,,,0,.F.,.F.,.F.,.F.,"
           ".F.,,{255,255,255},{0,0,0},.F.,.F.,,,,,.F.,,,,,,)";
    QTest::newRow("THComboBox")
        << "THComboBox"
        << "oCtl1      := TCombo():Define('oCtl1',oDlg1,010,020,100,{},,,,'',,050,,,,,.F.,.F.,,.F.,.F.,.F.,.F.,,,,,"
           ".F., \"\", ,,)";
    QTest::newRow("THListBox")
        << "THListBox"
        << "oCtl1      := TList():Define('oCtl1',oDlg1,010,020,100,050,{},0,'Tahoma',8,'',,,,,.F., 0,.F.,.F.,.F.,"
           ".F.,.F.,.F.,.F.,{255,255,255},{0,0,0},)";
    QTest::newRow("THFrame")
        << "THFrame"
        << "oCtl1      := TFrame():Define('oCtl1',oDlg1,020,010,100,050,'','Tahoma',8,.F.,.F.,.F.,.F.,.F.,"
           "{240,240,240},{0,0,0},.F.,)";
    QTest::newRow("THRadioGroup")
        << "THRadioGroup"
        << "oCtl1      := TRadioGroup():Define('oCtl1',oDlg1,010,020,{},,'Tahoma',8,'',,100,,,.F.,.T.,.F.,.F.,.F.,"
           ".F.,{240,240,240},{0,0,0},,,)";
    QTest::newRow("THCheckBox")
        << "THCheckBox"
        << "oCtl1      := TCheckBox():Define('oCtl1',oDlg1,010,020,'',.F.,,,'',,100,050,,,,.F.,.F.,.F.,.F.,.F.,"
           ".F.,,{240,240,240},{0,0,0},.F.,.F.,)";
    QTest::newRow("THTab") << "THTab"
                           << "oCtl1      := TTab():Define('oCtl1',oDlg1,010,020,100,050,{}, {}, ,,,'',,,,,,.F.,,.F.,"
                              ".F.,.F.,.F.,{}, ,)\r_EndTab()";
    QTest::newRow("THImage") << "THImage"
                             << "oCtl1      := TImage():Define('oCtl1',oDlg1,010,020,'',100,050,,,.F.,.T.,,,,,'',)";
    QTest::newRow("THTree") << "THTree"
                            << "oCtl1      := TTree():Define('oCtl1',oDlg1,020,010,100,050,,'','Tahoma',8,,,,.F.,,,,,"
                               ",.F.,.F.,.F.,.F.,,)\r_EndTree()";
    QTest::newRow("THBrowse") << "THBrowse" << "";
}

void TestOohgControlStatements::newControls()
{
    QFETCH(QString, className);
    QFETCH(QString, statement);
    Fixture f;
    const ComponentClass *cls = oohgClasses().find(className);
    QVERIFY(cls);
    auto *control = static_cast<Control *>(createComponent(&f.window, *cls, &f.window, nullptr));
    control->setName(QStringLiteral("oCtl1"));
    control->setBounds(10, 20, 100, 50);
    QCOMPARE(scriptOf(*control), statement);
}

void TestOohgControlStatements::buttonExample()
{
    Fixture f;
    add<TTVars>(f.window, "oVars1");
    add<TTFunctions>(f.window, "oFunctions1");
    auto *button = place<THButton>(f.window, nullptr, "oBtn1", 10, 20, 75, 25);
    button->setCaption("OK");
    QCOMPARE(scriptOf(*button),
             QStringLiteral("oBtn1      := TButton():Define('oBtn1',oDlg1,010,020,'OK',,075,025,'Tahoma',8,'',,,.F.,.T.,"
                            "3,.F.,.F.,.F.,.F.,.F.,.F.,.F.,.F.,,,,,,)"));

    button->setProperty("bAction", "{|| Salva() }");
    button->setProperty("bGotFocus", "{|| G() }");
    button->setProperty("bLostFocus", "{|| L() }");
    button->setProperty("lFlat", true);
    button->setProperty("lTabStop", true);
    button->setProperty("cToolTip", "Hello");
    button->setVisible(false);
    button->setEnabled(false);
    QCOMPARE(scriptOf(*button),
             QStringLiteral("oBtn1      := TButton():Define('oBtn1',oDlg1,010,020,'OK',{|| Salva() },075,025,'Tahoma',8,"
                            "'Hello',{|| G() },{|| L() },.T.,.F.,3,.T.,.F.,.F.,.F.,.F.,.F.,.F.,.T.,,,,,,)"));
}

void TestOohgControlStatements::buttonComponentIndexIsThePositionInTheWindow()
{
    Fixture f;
    auto *first = place<THButton>(f.window, nullptr, "oBtn1", 0, 0, 10, 10);
    place<THLabel>(f.window, nullptr, "oLbl1", 0, 0, 10, 10);
    auto *second = place<THButton>(f.window, nullptr, "oBtn2", 0, 0, 10, 10);
    QVERIFY(scriptOf(*first).contains(QLatin1String(",.F.,.T.,1,.F.,")));
    QVERIFY(scriptOf(*second).contains(QLatin1String(",.F.,.T.,3,.F.,")));
    QCOMPARE(second->scriptAt(3), scriptOf(*second));
}

void TestOohgControlStatements::labelToolTipUnquotedElsewhereQuoted()
{
    Fixture f;
    auto *label = place<THLabel>(f.window, nullptr, "oLbl1", 10, 20, 100, 50);
    auto *button = place<THButton>(f.window, nullptr, "oBtn1", 10, 20, 100, 50);
    label->setProperty("cToolTip", "Hello");
    button->setProperty("cToolTip", "Hello");
    QVERIFY(scriptOf(*label).contains(QLatin1String("{0,0,0},,Hello,0,")));
    QVERIFY(scriptOf(*button).contains(QLatin1String(",8,'Hello',")));
}

void TestOohgControlStatements::labelFlagsAndAlignment_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");
    const QString head = QStringLiteral("oLbl1      := TLabel():Define('oLbl1',oDlg1,010,020,'',100,050,'Tahoma',8,");
    QTest::newRow("lBorder") << "lBorder" << QVariant(true)
                             << head + ".F.,.T.,.F.,.F.,.F.,.F.,{240,240,240},{0,0,0},,,0,.F.,.F.,.F.,.F.,.F.,.F.,.F.,,.T.,,)";
    QTest::newRow("lClientEdge") << "lClientEdge" << QVariant(true)
                                 << head + ".F.,.F.,.T.,.F.,.F.,.F.,{240,240,240},{0,0,0},,,0,.F.,.F.,.F.,.F.,.F.,.F.,.F.,,.T.,,)";
    QTest::newRow("lHScroll") << "lHScroll" << QVariant(true)
                              << head + ".F.,.F.,.F.,.T.,.F.,.F.,{240,240,240},{0,0,0},,,0,.F.,.F.,.F.,.F.,.F.,.F.,.F.,,.T.,,)";
    QTest::newRow("lVScroll") << "lVScroll" << QVariant(true)
                              << head + ".F.,.F.,.F.,.F.,.T.,.F.,{240,240,240},{0,0,0},,,0,.F.,.F.,.F.,.F.,.F.,.F.,.F.,,.T.,,)";
    QTest::newRow("Transparent") << "Transparent" << QVariant(true)
                                 << head + ".F.,.F.,.F.,.F.,.F.,.T.,{240,240,240},{0,0,0},,,0,.F.,.F.,.F.,.F.,.F.,.F.,.F.,,.T.,,)";
    QTest::newRow("bAction") << "bAction" << QVariant("{|| A() }")
                             << head + ".F.,.F.,.F.,.F.,.F.,.F.,{240,240,240},{0,0,0},{|| A() },,0,.F.,.F.,.F.,.F.,.F.,.F.,.F.,,.T.,,)";
    QTest::newRow("nHelpId") << "nHelpId" << QVariant(7)
                             << head + ".F.,.F.,.F.,.F.,.F.,.F.,{240,240,240},{0,0,0},,,7,.F.,.F.,.F.,.F.,.F.,.F.,.F.,,.T.,,)";
    QTest::newRow("Visible off") << "Visible" << QVariant(false)
                                 << head + ".F.,.F.,.F.,.F.,.F.,.F.,{240,240,240},{0,0,0},,,0,.T.,.F.,.F.,.F.,.F.,.F.,.F.,,.T.,,)";
    QTest::newRow("AutoSize") << "AutoSize" << QVariant(true)
                              << head + ".F.,.F.,.F.,.F.,.F.,.F.,{240,240,240},{0,0,0},,,0,.F.,.F.,.F.,.F.,.T.,.F.,.F.,,.T.,,)";
    QTest::newRow("right aligned") << "ctAlign" << QVariant::fromValue(THLabel::TLAlign::RIGHTALIGN)
                                   << head + ".F.,.F.,.F.,.F.,.F.,.F.,{240,240,240},{0,0,0},,,0,.F.,.F.,.F.,.F.,.F.,.T.,.F.,,.T.,,)";
    QTest::newRow("centred") << "ctAlign" << QVariant::fromValue(THLabel::TLAlign::CENTERALIGN)
                             << head + ".F.,.F.,.F.,.F.,.F.,.F.,{240,240,240},{0,0,0},,,0,.F.,.F.,.F.,.F.,.F.,.F.,.T.,,.T.,,)";
    QTest::newRow("WordWrap") << "WordWrap" << QVariant(true)
                              << head + ".F.,.F.,.F.,.F.,.F.,.F.,{240,240,240},{0,0,0},,,0,.F.,.F.,.F.,.F.,.F.,.F.,.F.,,.F.,,)";
}

void TestOohgControlStatements::labelFlagsAndAlignment()
{
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    Fixture f;
    auto *label = place<THLabel>(f.window, nullptr, "oLbl1", 10, 20, 100, 50);
    QVERIFY(label->setProperty(property.toLatin1().constData(), value));
    QCOMPARE(scriptOf(*label), expected);
}

void TestOohgControlStatements::captionQuoteDoubled()
{
    Fixture f;
    auto *check = place<THCheckBox>(f.window, nullptr, "oChk1", 10, 20, 97, 17);
    check->setCaption("Don't");
    check->setChecked(true);
    QVERIFY(scriptOf(*check).startsWith(QLatin1String("oChk1      := TCheckBox():Define('oChk1',oDlg1,010,020,'Don''t',.T.,")));
}

void TestOohgControlStatements::richEditReadOnlyLiteral()
{
    Fixture f;
    auto *rich = place<THEditRich>(f.window, nullptr, "oERic1", 10, 20, 200, 100);
    rich->setReadOnly(true);
    rich->setMaxLength(500);
    rich->setTabStop(false);
    rich->setProperty("bChange", "{|| C() }");
    QCOMPARE(scriptOf(*rich),
             QStringLiteral("oERic1     := TEditRich():Define('oERic1',oDlg1,010,020,200,100,,,,'',500,,{|| C() },,.T.,"
                            ".F., ,.F.,.T.,.F.,.F.,.F.,.F.,,{255,255,255},,.F.)"));
}

void TestOohgControlStatements::editSettings()
{
    Fixture f;
    auto *edit = place<THEdit>(f.window, nullptr, "oEdt1", 10, 20, 120, 21);
    edit->setMaxLength(30);
    edit->setReadOnly(true);
    edit->setProperty("nHelpId", 4);
    edit->setVisible(false);
    edit->setTabStop(false);
    edit->setEnabled(false);
    edit->setColor(Color::rgb(255, 255, 0));
    QCOMPARE(scriptOf(*edit),
             QStringLiteral("oEdt1      := DefineTextBox( 'oEdt1',oDlg1,010,020,120,021,,'Tahoma',8,'',30,,,,,,,,,4,.T.,.F.,"
                            ".F.,.F.,.F.,,{255,255,0},{0,0,0},.T.,.T.,,,,,.T.,,,,,,)"));
}

void TestOohgControlStatements::itemsAndSelection_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("itemIndex");
    QTest::addColumn<QString>("listArguments"); // positions 7 and 8 of the list box
    QTest::addColumn<QString>("itemsArgument");
    QTest::newRow("no items") << QStringList() << -1 << "{},0" << "{}";
    QTest::newRow("first selected") << QStringList{"A", "B"} << 0 << "{\"A\",\"B\"},1" << "{\"A\",\"B\"}";
    QTest::newRow("none selected") << QStringList{"A", "B"} << -1 << "{\"A\",\"B\"},0" << "{\"A\",\"B\"}";
    QTest::newRow("quote inside") << QStringList{"5\" disk"} << 0 << "{\"5\" disk\"},1" << "{\"5\" disk\"}";
}

void TestOohgControlStatements::itemsAndSelection()
{
    QFETCH(QStringList, items);
    QFETCH(int, itemIndex);
    QFETCH(QString, listArguments);
    QFETCH(QString, itemsArgument);
    Fixture f;
    auto *list = place<THListBox>(f.window, nullptr, "oLst1", 10, 20, 120, 97);
    auto *combo = place<THComboBox>(f.window, nullptr, "oCbo1", 10, 20, 100, 21);
    auto *radio = place<THRadioGroup>(f.window, nullptr, "oRGrp1", 10, 20, 150, 60);
    for (Control *c : std::initializer_list<Control *>{list, combo, radio}) {
        c->setItems(items);
        c->setItemIndex(itemIndex);
    }
    QVERIFY2(scriptOf(*list).contains(QLatin1String(",120,097,") + listArguments + QLatin1String(",'Tahoma',")),
             qPrintable(scriptOf(*list)));
    QVERIFY2(scriptOf(*combo).contains(QLatin1String(",100,") + itemsArgument + QLatin1String(",,,,'',")),
             qPrintable(scriptOf(*combo)));
    // The radio group writes neither its height nor its selection.
    QVERIFY2(scriptOf(*radio).contains(QLatin1String(",010,020,") + itemsArgument + QLatin1String(",,'Tahoma',8,'',,150,,,")),
             qPrintable(scriptOf(*radio)));
}

void TestOohgControlStatements::frameAndTreeTopBeforeLeft()
{
    Fixture f;
    auto *frame = place<THFrame>(f.window, nullptr, "oFram1", 10, 20, 200, 100);
    auto *tree = place<THTree>(f.window, nullptr, "oTree1", 30, 40, 150, 100);
    auto *image = place<THImage>(f.window, nullptr, "oImg1", 50, 60, 64, 64);
    QVERIFY(scriptOf(*frame).startsWith(QLatin1String("oFram1     := TFrame():Define('oFram1',oDlg1,020,010,200,100,")));
    QVERIFY(scriptOf(*tree).startsWith(QLatin1String("oTree1     := TTree():Define('oTree1',oDlg1,040,030,150,100,")));
    QVERIFY(scriptOf(*image).startsWith(QLatin1String("oImg1      := TImage():Define('oImg1',oDlg1,050,060,")));
}

void TestOohgControlStatements::controlOnFrameNamesTheFrame()
{
    Fixture f;
    auto *frame = place<THFrame>(f.window, nullptr, "oFram1", 10, 20, 200, 100);
    auto *edit = place<THEdit>(f.window, frame, "oEdt1", -5, 1234, 120, 21);
    QVERIFY2(scriptOf(*edit).startsWith(QLatin1String("oEdt1      := DefineTextBox( 'oEdt1',oFram1,0-5,1234,120,021,")),
             qPrintable(scriptOf(*edit)));
}

void TestOohgControlStatements::fontsOfTheControl()
{
    Fixture f;
    Font windowFont = f.window.font();
    windowFont.name = QStringLiteral("Arial");
    f.window.setFont(windowFont);
    auto *tree = place<THTree>(f.window, nullptr, "oTree1", 10, 20, 150, 100);
    auto *frame = place<THFrame>(f.window, nullptr, "oFram1", 10, 20, 200, 100);
    // The tree shows its parent's font; the frame has its own.
    QVERIFY(scriptOf(*tree).contains(QLatin1String(",'','Arial',8,")));
    QVERIFY(scriptOf(*frame).contains(QLatin1String(",'','Tahoma',8,")));

    Font bold;
    bold.name = QStringLiteral("Verdana");
    bold.height = -16;
    bold.style = TFontStyle::fsBold | TFontStyle::fsUnderline;
    bold.color = Color::rgb(128, 0, 0);
    frame->setFont(bold);
    frame->setColor(Color{Color::clWindowText});
    QCOMPARE(scriptOf(*frame), QStringLiteral("oFram1     := TFrame():Define('oFram1',oDlg1,020,010,200,100,'','Verdana',"
                                              "12,.F.,.T.,.F.,.T.,.F.,{0,0,0},{128,0,0},.F.,)"));
}

void TestOohgControlStatements::treeNodeLines_data()
{
    QTest::addColumn<QList<TreeNode>>("nodes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QList<TreeNode>() << QStringList{"_EndTree()"};
    QTest::newRow("a node with a child")
        << QList<TreeNode>{{"A", false, {{"B", false, {}}}}}
        << QStringList{"_DefineTree('A',,)", "_DefineTreeItem('B',,)", "_EndTreeNode()", "_EndTree()"};
    QTest::newRow("deeper and wider")
        << QList<TreeNode>{{"A", true, {{"B", false, {{"C", false, {}}}}, {"D", false, {}}}}, {"Don't", false, {}}}
        << QStringList{"_DefineTree('A',,)",   "_DefineTreeItem('B',,)", "_DefineTreeItem('C',,)",
                       "_EndTreeNode()",       "_DefineTreeItem('D',,)", "_EndTreeNode()",
                       "_DefineTree('Don''t',,)", "_EndTreeNode()",       "_EndTree()"};
}

void TestOohgControlStatements::treeNodeLines()
{
    QFETCH(QList<TreeNode>, nodes);
    QFETCH(QStringList, lines);
    Fixture f;
    auto *tree = place<THTree>(f.window, nullptr, "oTree1", 10, 20, 150, 100);
    tree->setNodes(nodes);
    const QStringList script = scriptOf(*tree).split(QLatin1Char('\r'));
    QVERIFY(script.first().startsWith(QLatin1String("oTree1     := TTree():Define(")));
    QCOMPARE(script.mid(1), lines);
}

void TestOohgControlStatements::browseHasAnEmptyScript()
{
    Fixture f;
    auto *browse = place<THBrowse>(f.window, nullptr, "oBrw1", 10, 20, 281, 100);
    QVERIFY(browse->publishes("Script"));
    QVERIFY(scriptOf(*browse).isEmpty());
}

QTEST_GUILESS_MAIN(TestOohgControlStatements)
#include "tst_oohg_control_statements.moc"
