#include <QtTest>

#include <stdexcept>

#include "design_builder.h"
#include "gen_advpl/advpl_program.h"
#include "gen_advpl/banners.h"
#include "gen_advpl/program_encoding.h"
#include "model/containers.h"
#include "model/data_controls.h"
#include "model/progress_reporter.h"
#include "model/text_controls.h"

using namespace dd;
using testdesign::add;
using testdesign::place;

namespace {

const QString kDefinitionTitle = QStringLiteral("Definicao do Dialog e todos os seus componentes.");
const QString kObjectsTitle = QStringLiteral("Declaração de Variaveis Private dos Objetos");
const QString kVariablesTitle = QStringLiteral("Declaração de cVariable dos componentes");

// A component class the generator has never heard of: it is generated through its
// published texts alone.
class ScriptedPart : public Component {
    Q_OBJECT
    Q_PROPERTY(QString Script MEMBER script)
    Q_PROPERTY(QString VarScript MEMBER varScript)
    Q_PROPERTY(QString StaticScript MEMBER staticScript)
public:
    using Component::Component;
    QString script;
    QString varScript;
    QString staticScript;
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

// The design of the saved example program: a label and a get on a centred dialog.
void buildBasicDialog(TTMSDialog &root)
{
    testdesign::shapeRoot(root, "oDlg1", 200, 100, 400, 300);
    root.setCaption("Teste");
    place<TTSay>(root, nullptr, "oSay1", 8, 16, 60, 13)->setCaption("Nome");
    auto *get = place<TTGet>(root, nullptr, "oGet1", 72, 16, 120, 21);
    get->setCVariable("cNome");
    get->setNLength(30);
}

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(DD_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList lines(std::initializer_list<QStringList> parts)
{
    QStringList all;
    for (const QStringList &part : parts)
        all += part;
    return all;
}

} // namespace

class TestAdvplProgram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exampleBody();
    void savedProgramsByteForByte_data();
    void savedProgramsByteForByte();
    void emptyDialog();
    void functionNameAndFileName_data();
    void functionNameAndFileName();
    void activationWithoutCentring();
    void nonVisualComponentsComeBeforeTheDialog();
    void controlsInChildOrderDepthFirst();
    void unknownClassesThroughTheirPublishedTexts();
    void enchoiceHasNoObjectName();
    void progressCallsInOrder();
    void progressClosedWhenGenerationFails();
};

void TestAdvplProgram::exampleBody()
{
    TTMSDialog root;
    buildBasicDialog(root);
    const QStringList expected = lines({
        sectionBanner(kVariablesTitle),
        {"Private cNome      := Space(30)", ""},
        sectionBanner(kObjectsTitle),
        {"SetPrvt(\"oDlg1\",\"oSay1\",\"oGet1\")", ""},
        sectionBanner(kDefinitionTitle),
        {"oDlg1      := MSDialog():New( 100,200,375,595,\"Teste\",,,.F.,,,,,,.T.,,,.T. )",
         "oSay1      := TSay():New( 008,004,{||\"Nome\"},oDlg1,,,.F.,.F.,.F.,.T.,CLR_BLACK,CLR_WHITE,030,006)",
         "oGet1      := TGet():New( 008,036,{|u| If(PCount()>0,cNome:=u,cNome)},oDlg1,060,008,'',,CLR_BLACK,"
         "CLR_WHITE,,,,.T.,\"\",,,.F.,.F.,,.F.,.F.,\"\",\"cNome\",,)",
         "", "oDlg1:Activate(,,,.T.)", "", "Return", ""},
    });
    QCOMPARE(advplProgramLines(root, nullptr), expected);
}

void TestAdvplProgram::savedProgramsByteForByte_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("label and get") << "dialog-basic.prw";
    QTest::newRow("code page and variable list") << "string-tags.prw";
}

void TestAdvplProgram::savedProgramsByteForByte()
{
    QFETCH(QString, file);
    TTMSDialog root;
    if (file == "dialog-basic.prw") {
        buildBasicDialog(root);
    } else {
        testdesign::shapeRoot(root, "oDlg1", 200, 100, 400, 300);
        root.setCaption(QString::fromUtf8("Ação"));
        root.setCFuncName("Teste");
        root.setLCentered(false);
        auto *vars = add<TTVars>(root, "oVars1");
        root.setOVars(vars);
        TVar *total = vars->addVar();
        total->setVarType(TVarType::Private);
        total->setTType(TTypeGet::tgNumeric);
        total->setCVarName("nTotal");
        total->setInitVal("10");
        TVar *name = vars->addVar();
        name->setCVarName("cNome");
        name->setInitVal("Joe's");
        auto *say = place<TTSay>(root, nullptr, "oSay1", 8, 16, 60, 13);
        say->setCaption(QString::fromUtf8("x€y"));
        say->setNClrText(TColorA::CLR_RED);
    }
    const QByteArray saved = fixture(file.toLatin1().constData());
    QVERIFY(!saved.isEmpty());
    int unmappable = -1;
    QCOMPARE(encodeProgram(advplScriptLines(root, nullptr), &unmappable), saved);
    QCOMPARE(unmappable, 0);
}

void TestAdvplProgram::emptyDialog()
{
    TTMSDialog root;
    testdesign::shapeRoot(root, "oDlg1", 200, 100, 400, 300);
    root.setCaption("Teste");
    const QStringList expected = lines({
        sectionBanner(kObjectsTitle),
        {"SetPrvt(\"oDlg1\")", ""},
        sectionBanner(kDefinitionTitle),
        {"oDlg1      := MSDialog():New( 100,200,375,595,\"Teste\",,,.F.,,,,,,.T.,,,.T. )", "",
         "oDlg1:Activate(,,,.T.)", "", "Return", ""},
    });
    QCOMPARE(advplProgramLines(root, nullptr), expected);
}

void TestAdvplProgram::functionNameAndFileName_data()
{
    QTest::addColumn<QString>("cFuncName");
    QTest::addColumn<QString>("userFunction");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("with parameters") << "MyDialog(cPar)" << "User Function MyDialog(cPar)" << "MyDialog";
    QTest::newRow("plain") << "Teste" << "User Function Teste" << "Teste";
    QTest::newRow("empty") << "" << "User Function NewSource" << "NewSource";
    QTest::newRow("blank") << "   " << "User Function NewSource" << "NewSource";
    QTest::newRow("blanks kept") << " Teste " << "User Function  Teste " << " Teste ";
}

void TestAdvplProgram::functionNameAndFileName()
{
    QFETCH(QString, cFuncName);
    QFETCH(QString, userFunction);
    QFETCH(QString, fileName);
    TTMSDialog root;
    buildBasicDialog(root);
    root.setCFuncName(cFuncName);
    const QStringList script = advplScriptLines(root, nullptr);
    const QStringList header = {"#INCLUDE 'PROTHEUS.CH'", "#INCLUDE 'RWMAKE.CH'", "#INCLUDE 'FONT.CH'",
                                "#INCLUDE 'COLORS.CH'", ""};
    QCOMPARE(script.mid(0, 5), header);
    QCOMPARE(script.mid(5, 24), headerBox());
    QCOMPARE(script.mid(29, 3), QStringList({"", userFunction, ""}));
    QCOMPARE(script.mid(32), advplProgramLines(root, nullptr));
    QCOMPARE(advplInitialFileName(root), fileName);
}

void TestAdvplProgram::activationWithoutCentring()
{
    TTMSDialog root;
    buildBasicDialog(root);
    root.setLCentered(false);
    const QStringList body = advplProgramLines(root, nullptr);
    QCOMPARE(body.mid(body.size() - 5), QStringList({"", "oDlg1:Activate()", "", "Return", ""}));
}

void TestAdvplProgram::nonVisualComponentsComeBeforeTheDialog()
{
    TTMSDialog root;
    buildBasicDialog(root);
    // Created after the controls, still written before them; nothing refers to the font.
    auto *font = add<TToFont>(root, "oFont1");
    const QStringList body = advplProgramLines(root, nullptr);
    QVERIFY(body.contains("SetPrvt(\"oFont1\",\"oDlg1\",\"oSay1\",\"oGet1\")"));
    const qsizetype dialog = body.indexOf(QRegularExpression("oDlg1 +:= MSDialog.*"));
    QVERIFY(dialog > 0);
    QCOMPARE(body.at(dialog - 1), font->script());
    QCOMPARE(body.at(dialog - 2), sectionBanner(kDefinitionTitle).last());
}

void TestAdvplProgram::controlsInChildOrderDepthFirst()
{
    TTMSDialog root;
    testdesign::shapeRoot(root, "oDlg1", 0, 0, 400, 300);
    // Windowed controls come after the labels of their container, each followed by its children.
    place<TTGet>(root, nullptr, "oGet1", 0, 0, 10, 10);
    auto *panel = place<TTPanel>(root, nullptr, "oPanel1", 0, 0, 100, 100);
    auto *folder = place<TTFolder>(root, nullptr, "oFld1", 0, 0, 100, 100);
    auto *page = place<TTaDialogs>(root, folder, "oaDialogs1", 0, 0, 100, 100);
    place<TTGet>(root, page, "oGet2", 0, 0, 10, 10);
    place<TTSay>(root, panel, "oSay2", 0, 0, 10, 10);
    place<TTGet>(root, panel, "oGet3", 0, 0, 10, 10);
    place<TTSay>(root, nullptr, "oSay1", 0, 0, 10, 10);
    const QStringList body = advplProgramLines(root, nullptr);
    QVERIFY(body.contains("SetPrvt(\"oDlg1\",\"oSay1\",\"oGet1\",\"oPanel1\",\"oSay2\",\"oGet3\",\"oFld1\",\"oGet2\")"));
    const QStringList creations = body.filter(QRegularExpression("^o\\w+ +:= T(Say|Get)\\(\\)"));
    QCOMPARE(creations.size(), 5);
    const QStringList order = {"oSay1 ", "oGet1 ", "oSay2 ", "oGet3 ", "oGet2 "};
    for (int i = 0; i < order.size(); ++i)
        QVERIFY2(creations.at(i).startsWith(order.at(i)), qPrintable(creations.at(i)));
}

void TestAdvplProgram::unknownClassesThroughTheirPublishedTexts()
{
    TTMSDialog root;
    buildBasicDialog(root);
    auto *part = add<ScriptedPart>(root, "oPart1");
    part->script = "aPart1 := {}\roPart1 := Part():New(aPart1)\r";
    part->staticScript = "Static Function FPart1()\r\rReturn";
    part->varScript = "Private aPart1";
    const QStringList body = advplProgramLines(root, nullptr);
    QVERIFY(body.contains("SetPrvt(\"oPart1\",\"oDlg1\",\"oSay1\",\"oGet1\")"));
    const qsizetype statement = body.indexOf("aPart1 := {}");
    QVERIFY(statement > 0);
    QCOMPARE(body.at(statement + 1), QString("oPart1 := Part():New(aPart1)"));
    QVERIFY(body.at(statement + 2).startsWith("oDlg1      := MSDialog"));
    QVERIFY(body.contains("Private aPart1"));
    QCOMPARE(body.mid(body.size() - 4), QStringList({"", "Static Function FPart1()", "", "Return"}));
}

void TestAdvplProgram::enchoiceHasNoObjectName()
{
    TTMSDialog root;
    buildBasicDialog(root);
    place<TTEnchoice>(root, nullptr, "oEnch1", 0, 40, 300, 200);
    QVERIFY(advplProgramLines(root, nullptr).contains("SetPrvt(\"oDlg1\",\"oSay1\",\"oGet1\")"));
}

void TestAdvplProgram::progressCallsInOrder()
{
    TTMSDialog root;
    buildBasicDialog(root);
    add<TToFont>(root, "oFont1");
    auto *panel = place<TTPanel>(root, nullptr, "oPanel1", 0, 40, 100, 100);
    place<TTSay>(root, panel, "oSay2", 0, 0, 10, 10);
    RecordingProgress progress;
    advplProgramLines(root, &progress);

    const QString message = "Generate ADVPL Script";
    // Owned: the form designer, oSay1, oGet1, oFont1, oPanel1, oSay2. On the root: three.
    QStringList expected = {"open 1 " + message, "reset " + message + " 6"};
    for (int i = 0; i < 6; ++i)
        expected << "step " + message;
    expected << "reset " + message + " 3";
    for (int i = 0; i < 3; ++i)
        expected << "step " + message;
    expected << "close";
    QCOMPARE(progress.calls, expected);
}

void TestAdvplProgram::progressClosedWhenGenerationFails()
{
    TTMSDialog root;
    buildBasicDialog(root);
    add<BrokenPart>(root, "oBroken1");
    RecordingProgress progress;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, advplProgramLines(root, &progress));
    QCOMPARE(progress.calls.first(), QString("open 1 Generate ADVPL Script"));
    QCOMPARE(progress.calls.last(), QString("close"));
}

QTEST_GUILESS_MAIN(TestAdvplProgram)
#include "tst_advpl_program.moc"
