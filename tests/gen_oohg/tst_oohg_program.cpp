// The OOHG program of a window: sections, declarations, window commands and functions.
#include <QtTest>

#include <algorithm>
#include <stdexcept>

#include "designfile/design_file.h"
#include "gen_advpl/banners.h"
#include "gen_advpl/program_encoding.h"
#include "gen_oohg/button_controls.h"
#include "gen_oohg/containers.h"
#include "gen_oohg/oohg_program.h"
#include "gen_oohg/text_controls.h"
#include "gen_oohg/view_controls.h"
#include "model/progress_reporter.h"
#include "window_builder.h"

using namespace dd;
using oohgtest::add;
using oohgtest::place;

namespace {

const QString kDefinitionTitle = QStringLiteral("Definicao do Dialog e todos os seus componentes.");
const QString kObjectsTitle = QStringLiteral("Declaração de Variaveis Private dos Objetos");
const QString kLocalTitle = QStringLiteral("Declaração de Variaveis do Tipo Local");
const QString kPrivateTitle = QStringLiteral("Declaração de Variaveis do Tipo Private e Public");
const QString kExampleWindow = QStringLiteral(
    "oDlg1      := DefineWindow( 'oDlg1','Dialog',010,020,400,300,.F.,.F.,.F.,.F.,.F.,,,,,,,{255,255,255},,.F.,.F.,,"
    "'Tahoma',8,,,,,,,,,,,,,,.F.,,,,.F.,,,.F.,.F.,,.F.,.F.,.T.,.F.,.F.,.T.,.F.,.F.,.F.,.F.,.F.,,.F.)");

QStringList lines(std::initializer_list<QStringList> parts)
{
    QStringList all;
    for (const QStringList &part : parts)
        all += part;
    return all;
}

// The end of every program of the example window, from its definition on.
QStringList definitionAndCommands(const QStringList &statements, bool centred = true)
{
    QStringList tail = sectionBanner(kDefinitionTitle);
    tail.append(kExampleWindow);
    tail += statements;
    tail += {"", "END WINDOW"};
    if (centred)
        tail.append("CENTER WINDOW oDlg1");
    tail += {"ACTIVATE WINDOW oDlg1", "", "Return", ""};
    return tail;
}

// A component class the generator has never heard of: generated through its Script alone.
class ScriptedPart : public Component {
    Q_OBJECT
    Q_PROPERTY(QString Script MEMBER script)
public:
    using Component::Component;
    QString script;
};

class BrokenPart : public Component {
    Q_OBJECT
    Q_PROPERTY(QString Script READ script)
public:
    using Component::Component;
    QString script() const { throw std::runtime_error("broken"); }
};

class RecordingProgress : public ProgressReporter {
public:
    QStringList calls;
    void openProgress(int mode, const QString &message) override
    {
        calls << QStringLiteral("open %1 %2").arg(mode).arg(message);
    }
    void resetProgress(const QString &message, int maximum) override
    {
        calls << QStringLiteral("reset %1 %2").arg(message).arg(maximum);
    }
    void stepProgress(const QString &message) override { calls << QStringLiteral("step %1").arg(message); }
    void closeProgress() override { calls << QStringLiteral("close"); }
};

template <typename T>
T *adopted(THWindow &window, const QString &name)
{
    auto *part = new T(&window);
    window.adopt(part);
    part->setName(name);
    return part;
}

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(DD_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestOohgProgram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyWindow();
    void notCentred();
    void savedProgramByteForByte_data();
    void savedProgramByteForByte();
    void headerAndFunctionName_data();
    void headerAndFunctionName();
    void variablesOfTheWindowsList();
    void listsTheWindowDoesNotNameGenerateNothing();
    void functionsAfterReturn();
    void controlsInGenerationOrder();
    void objectDeclarationsSplit();
    void multiLineScriptsAndPages();
    void unknownClassesThroughTheirScript();
    void progressCallsInOrder();
    void progressClosedWhenGenerationFails();
};

void TestOohgProgram::emptyWindow()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    QCOMPARE(oohgProgramLines(window, nullptr), definitionAndCommands({}));
}

void TestOohgProgram::notCentred()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    window.setLCentered(false);
    QCOMPARE(oohgProgramLines(window, nullptr), definitionAndCommands({}, false));
}

void TestOohgProgram::savedProgramByteForByte_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::newRow("built in code") << false;
    QTest::newRow("read from its design file") << true;
}

void TestOohgProgram::savedProgramByteForByte()
{
    QFETCH(bool, fromFile);
    THWindow window;
    if (fromFile)
        QVERIFY(!designfile::loadDesignFile(window, QStringLiteral(DD_TEST_DATA "/window-basic.hfm"), oohgClasses(),
                                            designfile::Accept::BinaryOnly));
    else
        oohgtest::shapeExampleWindow(window);
    const QByteArray saved = fixture("window-basic.prg");
    QVERIFY(!saved.isEmpty());
    int unmappable = -1;
    QCOMPARE(encodeProgram(oohgScriptLines(window, nullptr), &unmappable), saved);
    QCOMPARE(unmappable, 0);
}

void TestOohgProgram::headerAndFunctionName_data()
{
    QTest::addColumn<QString>("cFuncName");
    QTest::addColumn<QString>("userFunction");
    QTest::newRow("empty") << "" << "User Function NewSource";
    QTest::newRow("blank") << "   " << "User Function NewSource";
    QTest::newRow("untrimmed") << " Teste(cPar) " << "User Function  Teste(cPar) ";
}

void TestOohgProgram::headerAndFunctionName()
{
    QFETCH(QString, cFuncName);
    QFETCH(QString, userFunction);
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    window.setCFuncName(cFuncName);
    const QStringList expected =
        lines({{"#INCLUDE 'MINIGUI.CH'", ""}, headerBox(), {"", userFunction, ""}, oohgProgramLines(window, nullptr)});
    QCOMPARE(oohgScriptLines(window, nullptr), expected);
}

void TestOohgProgram::variablesOfTheWindowsList()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    auto *vars = add<TTVars>(window, "oVars1");
    window.setOVars(vars);
    TVar *name = vars->addVar();
    name->setCVarName("cName");
    name->setInitVal("Joe's");
    TVar *total = vars->addVar();
    total->setVarType(TVarType::Public);
    total->setTType(TTypeGet::tgNumeric);
    total->setCVarName("nTotal");
    total->setInitVal("10");
    TVar *blank = vars->addVar();
    blank->setCVarName("cName");
    blank->setInitVal("  ");
    const QStringList expected = lines({
        sectionBanner(kLocalTitle),
        {"Local cName      := 'Joe''s'", "Local cName     ", ""},
        sectionBanner(kPrivateTitle),
        {"Public nTotal     := 10", ""},
        definitionAndCommands({}),
    });
    QCOMPARE(oohgProgramLines(window, nullptr), expected);
}

void TestOohgProgram::listsTheWindowDoesNotNameGenerateNothing()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    auto *named = add<TTVars>(window, "oVars1");
    auto *other = add<TTVars>(window, "oVars2");
    other->addVar()->setCVarName("cOutra");
    add<TTFunctions>(window, "oFunctions1")->addFunction();
    QCOMPARE(oohgProgramLines(window, nullptr), definitionAndCommands({}));
    window.setOVars(named);
    named->addVar()->setCVarName("cMinha");
    QCOMPARE(oohgProgramLines(window, nullptr),
             lines({sectionBanner(kLocalTitle), {"Local cMinha    ", ""}, definitionAndCommands({})}));
}

void TestOohgProgram::functionsAfterReturn()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    auto *functions = add<TTFunctions>(window, "oFunctions1");
    window.setOFunctions(functions);
    TFunction *first = functions->addFunction();
    TFunction *second = functions->addFunction();
    second->setTFunction(TFuncType::User);
    second->setCScript({"Function Calcula(nA)", "Return nA * 2"});
    QCOMPARE(first->cName(), QStringLiteral("FuncName1"));
    const QStringList expected = lines({
        definitionAndCommands({}),
        functionBanner("FuncName1"),
        {"Static Function FuncName1()", "", "Return", ""},
        functionBanner("Calcula(nA)"),
        {"User Function Calcula(nA)", "Return nA * 2", ""},
    });
    QCOMPARE(oohgProgramLines(window, nullptr), expected);
}

void TestOohgProgram::controlsInGenerationOrder()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    auto *button = place<THButton>(window, nullptr, "oBtn1", 10, 20, 75, 25);
    button->setCaption("OK");
    button->setTabOrder(1);
    auto *edit = place<THEdit>(window, nullptr, "oEdt1", 10, 50, 120, 21);
    edit->setTabOrder(0);
    place<THLabel>(window, nullptr, "oLbl1", 10, 80, 60, 13)->setCaption("Nome");
    place<THBrowse>(window, nullptr, "oBrw1", 10, 100, 281, 100)->setTabOrder(2);
    const QStringList expected = lines({
        sectionBanner(kObjectsTitle),
        {"Private oLbl1,oEdt1,oBtn1,oBrw1", ""},
        definitionAndCommands({
            "oLbl1      := TLabel():Define('oLbl1',oDlg1,010,080,'Nome',060,013,'Tahoma',8,.F.,.F.,.F.,.F.,.F.,.F.,"
            "{240,240,240},{0,0,0},,,0,.F.,.F.,.F.,.F.,.F.,.F.,.F.,,.T.,,)",
            "oEdt1      := DefineTextBox( 'oEdt1',oDlg1,010,050,120,021,,'Tahoma',8,'',0,,,,,,,,,0,.F.,.F.,.F.,.F.,"
            ".F.,,{255,255,255},{0,0,0},.F.,.F.,,,,,.F.,,,,,,)",
            "oBtn1      := TButton():Define('oBtn1',oDlg1,010,020,'OK',,075,025,'Tahoma',8,'',,,.F.,.T.,1,.F.,.F.,"
            ".F.,.F.,.F.,.F.,.F.,.F.,,,,,,)",
        }),
    });
    QCOMPARE(oohgProgramLines(window, nullptr), expected);
}

void TestOohgProgram::objectDeclarationsSplit()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    for (int i = 1; i <= 30; ++i)
        place<THButton>(window, nullptr, QStringLiteral("oBtn%1").arg(i), 0, 0, 10, 10)->setTabOrder(i);
    const QStringList program = oohgProgramLines(window, nullptr);
    const QStringList banner = sectionBanner(kObjectsTitle);
    QCOMPARE(program.mid(0, 3), banner);
    QStringList declared;
    qsizetype line = 3;
    for (; program.at(line).startsWith(QLatin1String("Private ")); ++line) {
        QVERIFY(!program.at(line).endsWith(QLatin1Char(',')));
        declared += program.at(line).mid(8).split(QLatin1Char(','));
    }
    QVERIFY(line > 4);
    QCOMPARE(program.at(line), QString());
    QCOMPARE(declared.size(), 30);
    QCOMPARE(declared.first(), QStringLiteral("oBtn1"));
    QCOMPARE(declared.last(), QStringLiteral("oBtn30"));
}

void TestOohgProgram::multiLineScriptsAndPages()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    auto *tab = place<THTab>(window, nullptr, "oTab1", 10, 20, 300, 200);
    tab->setTabOrder(1); // before the tree on its page
    auto *page = place<THPage>(window, tab, "oDefine1", 0, 0, 292, 172);
    place<THTree>(window, page, "oTree1", 10, 20, 150, 100)->setNodes({{"A", false, {}}});
    const QStringList program = oohgProgramLines(window, nullptr);
    const qsizetype declarations = program.indexOf(QStringLiteral("Private oTab1,oTree1"));
    QVERIFY(declarations > 0);
    const auto tabStatement = std::find_if(program.cbegin(), program.cend(),
                                  [](const QString &line) { return line.startsWith(QLatin1String("oTab1 ")); });
    QVERIFY(tabStatement != program.cend());
    const qsizetype tabLine = tabStatement - program.cbegin();
    QCOMPARE(program.mid(tabLine + 1, 5),
             QStringList({"_EndTab()",
                          "oTree1     := TTree():Define('oTree1',oDefine1,020,010,150,100,,'','Tahoma',8,,,,.F.,,,,,,"
                          ".F.,.F.,.F.,.F.,,)",
                          "_DefineTree('A',,)", "_EndTreeNode()", "_EndTree()"}));
}

void TestOohgProgram::unknownClassesThroughTheirScript()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    adopted<ScriptedPart>(window, "oPart1")->script = QStringLiteral("First\r\rThird\n");
    adopted<ScriptedPart>(window, "oPart2");
    // Two entries of one key: the sort swaps them.
    const QStringList expected = lines({
        sectionBanner(kObjectsTitle),
        {"Private oPart2,oPart1", ""},
        definitionAndCommands({"First", "", "Third"}),
    });
    QCOMPARE(oohgProgramLines(window, nullptr), expected);
}

void TestOohgProgram::progressCallsInOrder()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    place<THLabel>(window, nullptr, "oLbl1", 0, 0, 10, 10);
    add<TTVars>(window, "oVars1");
    RecordingProgress progress;
    oohgProgramLines(window, &progress);
    const QString step = QStringLiteral("step Generate MINIGUI Script");
    QCOMPARE(progress.calls, QStringList({"open 1 Generate MINIGUI Script", "reset Generate MINIGUI Script 2", step,
                                          step, "close"}));
}

void TestOohgProgram::progressClosedWhenGenerationFails()
{
    THWindow window;
    oohgtest::shapeExampleWindow(window);
    adopted<BrokenPart>(window, "oBroken1");
    RecordingProgress progress;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, oohgProgramLines(window, &progress));
    QCOMPARE(progress.calls.last(), QStringLiteral("close"));
}

QTEST_GUILESS_MAIN(TestOohgProgram)
#include "tst_oohg_program.moc"
