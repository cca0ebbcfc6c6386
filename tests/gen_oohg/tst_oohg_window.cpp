// The window's DefineWindow statement and what a new window starts with.
#include <QtTest>

#include "window_builder.h"

using namespace dd;

namespace {

const QString kExample = QStringLiteral(
    "oDlg1      := DefineWindow( 'oDlg1','Dialog',010,020,400,300,.F.,.F.,.F.,.F.,.F.,,,,,,,{255,255,255},,.F.,.F.,,"
    "'Tahoma',8,,,,,,,,,,,,,,.F.,,,,.F.,,,.F.,.F.,,.F.,.F.,.T.,.F.,.F.,.T.,.F.,.F.,.F.,.F.,.F.,,.F.)");

// The 60 arguments between "DefineWindow( " and the closing parenthesis; commas inside a
// colour triple's braces separate no arguments. The other texts used here hold no commas.
QStringList windowArguments(const QString &statement)
{
    const qsizetype open = statement.indexOf(QLatin1String("( "));
    const QString arguments = statement.mid(open + 2, statement.size() - open - 3);
    QStringList split = {QString()};
    int depth = 0;
    for (QChar c : arguments) {
        if (c == QLatin1Char(',') && depth == 0) {
            split.append(QString());
            continue;
        }
        depth += c == QLatin1Char('{') ? 1 : c == QLatin1Char('}') ? -1 : 0;
        split.last() += c;
    }
    return split;
}

} // namespace

class TestOohgWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exampleStatement();
    void newWindowDefaults();
    void propertyPositions_data();
    void propertyPositions();
    void longNameCutOnlyInThePaddedName();
    void coordinatesUnhalved();
    void systemColourAndFontSize();
};

void TestOohgWindow::exampleStatement()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    QCOMPARE(window.script(), kExample);
    QCOMPARE(window.property("Script").toString(), kExample);
}

void TestOohgWindow::newWindowDefaults()
{
    THWindow window;
    QCOMPARE(window.property("Prename").toString(), QStringLiteral("Dlg"));
    QCOMPARE(window.preName(), QStringLiteral("Dlg"));
    QCOMPARE(window.showHint(), true);
    QCOMPARE(window.lCentered(), true);
    QCOMPARE(window.property("lmodal").toBool(), true);
    QCOMPARE(window.property("lmain").toBool(), false);
    QVERIFY(window.cFuncName().isEmpty());
    QVERIFY(!window.oVars() && !window.oFunctions());
}

void TestOohgWindow::propertyPositions_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    const QVariant on(true);
    const struct {
        const char *name;
        int position;
    } flags[] = {{"lnominimize", 7}, {"lnomaximize", 8}, {"lnosize", 9}, {"lnosysmenu", 10}, {"lnocaption", 11},
                 {"lnoshow", 20}, {"ltopmost", 21}, {"lhelpbutton", 38}, {"lnoautorelease", 42}, {"lfocused", 45},
                 {"lbreak", 46}, {"lrtl", 48}, {"lmain", 49}, {"lsplitchild", 51}, {"lchild", 52},
                 {"lmodalsize", 54}, {"lmdi", 55}, {"linternal", 56}, {"lmdichild", 57}, {"lmdiclient", 58},
                 {"lclientarea", 60}};
    for (const auto &flag : flags)
        QTest::newRow(flag.name) << flag.name << on << flag.position << ".T.";
    QTest::newRow("lmodal off") << "lmodal" << QVariant(false) << 53 << ".F.";
    const struct {
        const char *name;
        int position;
    } blocks[] = {{"bInitProcedure", 12}, {"bReleaseProcedure", 13}, {"bMouseDragProcedure", 14},
                  {"bSizeProcedure", 15}, {"bClickProcedure", 16}, {"bMouseMoveProcedure", 17},
                  {"bPaintProcedure", 19}, {"bNotifyLeftClick", 27}, {"bGotFocusProcedure", 28},
                  {"bLostFocusProcedure", 29}, {"bScrollleft", 32}, {"bScrollright", 33}, {"bScrollup", 34},
                  {"bScrolldown", 35}, {"bHScrollBox", 36}, {"bVScrollBox", 37}, {"bMaximizeProcedure", 39},
                  {"bMinimizeProcedure", 40}, {"bInteractivecloseprocedure", 44}};
    for (const auto &block : blocks)
        QTest::newRow(block.name) << block.name << QVariant(QStringLiteral("{|| Ok() }")) << block.position
                                  << "{|| Ok() }";
    QTest::newRow("caption") << "Caption" << QVariant(QStringLiteral("Don't")) << 2 << "'Don''t'";
}

void TestOohgWindow::propertyPositions()
{
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(int, position);
    QFETCH(QString, text);
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    QVERIFY(window.setProperty(property.toLatin1().constData(), value));
    QStringList expected = windowArguments(kExample);
    expected[position - 1] = text;
    const QStringList arguments = windowArguments(window.script());
    QCOMPARE(arguments.size(), 60);
    QCOMPARE(arguments, expected);
}

void TestOohgWindow::longNameCutOnlyInThePaddedName()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    window.setName(QStringLiteral("oJanelaPrincipal"));
    const QString statement = window.script();
    QVERIFY2(statement.startsWith(QLatin1String("oJanelaPri := DefineWindow( 'oJanelaPrincipal','Dialog',")),
             qPrintable(statement));
}

void TestOohgWindow::coordinatesUnhalved()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    window.setBounds(-5, 7, 1234, 60);
    QCOMPARE(windowArguments(window.script()).mid(2, 4), QStringList({"0-5", "007", "1234", "060"}));
}

void TestOohgWindow::systemColourAndFontSize()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    window.setColor(Color{Color::clBtnFace});
    Font font = window.font();
    font.name = QStringLiteral("Arial");
    font.height = -16;
    window.setFont(font);
    const QStringList arguments = windowArguments(window.script());
    QCOMPARE(arguments.at(17), QStringLiteral("{240,240,240}"));
    QCOMPARE(arguments.at(22), QStringLiteral("'Arial'"));
    QCOMPARE(arguments.at(23), QStringLiteral("12"));
    window.setPixelsPerInch(120);
    QCOMPARE(windowArguments(window.script()).at(23), QStringLiteral("10"));
}

QTEST_GUILESS_MAIN(TestOohgWindow)
#include "tst_oohg_window.moc"
