#include <QtTest>

#include "design_builder.h"
#include "gen_advpl/advpl_program.h"
#include "gen_advpl/banners.h"
#include "gen_advpl/control_declaration.h"
#include "gen_advpl/setprvt_lines.h"
#include "model/choice_controls.h"
#include "model/text_controls.h"

using namespace dd;
using testdesign::add;
using testdesign::place;

namespace {

const QString kLocalTitle = QStringLiteral("Declaração de Variaveis do Tipo Local");
const QString kPrivateTitle = QStringLiteral("Declaração de Variaveis do Tipo Private e Public");
const QString kVariablesTitle = QStringLiteral("Declaração de cVariable dos componentes");
const QString kObjectsTitle = QStringLiteral("Declaração de Variaveis Private dos Objetos");

class DeclaringPart : public Component {
    Q_OBJECT
    Q_PROPERTY(QString Script MEMBER script)
    Q_PROPERTY(QString VarScript MEMBER varScript)
public:
    using Component::Component;
    QString script;
    QString varScript;
};

// The lines of the block that follows the banner with this title, up to its gap.
QStringList blockAfter(const QStringList &body, const QString &title)
{
    const QStringList banner = sectionBanner(title);
    const qsizetype middle = body.indexOf(banner.at(1));
    if (middle < 1)
        return {};
    const qsizetype gap = body.indexOf(QString(), middle + 2);
    return body.mid(middle + 2, gap - middle - 2);
}

void shape(TTMSDialog &root)
{
    testdesign::shapeRoot(root, "oDlg1", 200, 100, 400, 300);
}

} // namespace

class TestProgramDeclarations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlDeclarationByClass_data();
    void controlDeclarationByClass();
    void controlAndComponentDeclarationsSortedTogether();
    void varScriptStartingWithBreakSortsFirst();
    void variableListsByKind();
    void functionListAfterReturn();
    void unreferencedListsProduceNothing();
    void setPrvtExample();
    void setPrvtLineOfExactlyHundredTakesOneMore();
    void setPrvtSpreadsThirtyNames();
};

void TestProgramDeclarations::controlDeclarationByClass_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    const int character = int(TTypeGet::tgCaracter);
    QTest::newRow("character get") << "TTGet" << "cNome" << character << 30 << "Private cNome      := Space(30)";
    QTest::newRow("numeric get") << "TTGet" << "nValor" << int(TTypeGet::tgNumeric) << 0 << "Private nValor     := 0";
    QTest::newRow("date label") << "TTSay" << "dData" << int(TTypeGet::tgDate) << 0
                                << "Private dData      := CtoD(\" \")";
    QTest::newRow("logical get declares nothing") << "TTGet" << "lOk" << int(TTypeGet::tgLogical) << 0 << "";
    QTest::newRow("array label declares nothing") << "TTSay" << "aLista" << int(TTypeGet::tgArray) << 0 << "";
    QTest::newRow("block get declares nothing") << "TTGet" << "bAcao" << int(TTypeGet::tgCodeBlock) << 0 << "";
    QTest::newRow("blank variable") << "TTGet" << "   " << character << 1 << "";
    QTest::newRow("long name is cut") << "TTGet" << "cNomeCompleto" << character << 40
                                      << "Private cNomeCompl := Space(40)";
    QTest::newRow("multi-get") << "TTMultiGet" << "cObs" << character << 1 << "Private cObs      ";
    QTest::newRow("combo box") << "TTComboBox" << "nOpcao" << character << 1 << "Private nOpcao    ";
    QTest::newRow("radio menu") << "TTRadMenu" << "nTipo" << character << 1 << "Private nTipo     ";
    QTest::newRow("check box") << "TTCheckBox" << "lAtivo" << character << 1 << "Private lAtivo     := .F.";
    QTest::newRow("checked check box") << "TTCheckBox+" << "lAtivo" << character << 1 << "Private lAtivo     := .T.";
    QTest::newRow("list box has none") << "TTListBox" << "" << character << 1 << "";
}

void TestProgramDeclarations::controlDeclarationByClass()
{
    QFETCH(QString, className);
    QFETCH(QString, variable);
    QFETCH(int, type);
    QFETCH(int, length);
    QFETCH(QString, expected);
    TTMSDialog root;
    Control *control = nullptr;
    if (className == "TTGet")
        control = place<TTGet>(root, nullptr, "oCtl1", 0, 0, 10, 10);
    else if (className == "TTSay")
        control = place<TTSay>(root, nullptr, "oCtl1", 0, 0, 10, 10);
    else if (className == "TTMultiGet")
        control = place<TTMultiGet>(root, nullptr, "oCtl1", 0, 0, 10, 10);
    else if (className == "TTComboBox")
        control = place<TTComboBox>(root, nullptr, "oCtl1", 0, 0, 10, 10);
    else if (className == "TTRadMenu")
        control = place<TTRadMenu>(root, nullptr, "oCtl1", 0, 0, 10, 10);
    else if (className.startsWith("TTCheckBox"))
        control = place<TTCheckBox>(root, nullptr, "oCtl1", 0, 0, 10, 10);
    else
        control = place<TTListBox>(root, nullptr, "oCtl1", 0, 0, 10, 10);
    control->setTType(TTypeGet(type));
    control->setCVariable(variable);
    control->setNLength(length);
    control->setChecked(className.endsWith('+'));
    QCOMPARE(controlDeclaration(*control), expected);
}

void TestProgramDeclarations::controlAndComponentDeclarationsSortedTogether()
{
    TTMSDialog root;
    shape(root);
    auto *second = place<TTGet>(root, nullptr, "oGet1", 0, 0, 10, 10);
    second->setCVariable("cbeta");
    auto *first = place<TTGet>(root, nullptr, "oGet2", 0, 0, 10, 10);
    first->setCVariable("cAlfa");
    auto *third = place<TTMultiGet>(root, nullptr, "oMGet1", 0, 0, 10, 10);
    third->setCVariable("cGama");
    auto *part = add<DeclaringPart>(root, "oPart1");
    part->varScript = "Private c_Item\rPrivate CZeta := 1";
    const QStringList block = blockAfter(advplProgramLines(root, nullptr), kVariablesTitle);
    QCOMPARE(block, QStringList({"Private c_Item", "Private cAlfa      := Space(1)", "Private cbeta      := Space(1)",
                                 "Private cGama     ", "Private CZeta := 1"}));
}

void TestProgramDeclarations::varScriptStartingWithBreakSortsFirst()
{
    TTMSDialog root;
    shape(root);
    place<TTGet>(root, nullptr, "oGet1", 0, 0, 10, 10)->setCVariable("cNome");
    add<DeclaringPart>(root, "oPart1")->varScript = "\rPrivate aItens := {}";
    const QStringList body = advplProgramLines(root, nullptr);
    const QStringList banner = sectionBanner(kVariablesTitle);
    const qsizetype at = body.indexOf(banner.at(1));
    QVERIFY(at > 0);
    QCOMPARE(body.mid(at + 2, 4),
             QStringList({"", "Private aItens := {}", "Private cNome      := Space(1)", ""}));
}

void TestProgramDeclarations::variableListsByKind()
{
    TTMSDialog root;
    shape(root);
    auto *vars = add<TTVars>(root, "oVars1");
    root.setOVars(vars);
    TVar *title = vars->addVar();
    title->setVarType(TVarType::Private);
    title->setCVarName("cTitulo");
    title->setInitVal("Cliente");
    TVar *total = vars->addVar();
    total->setTType(TTypeGet::tgNumeric);
    total->setCVarName("nTotal");
    TVar *shared = vars->addVar();
    shared->setVarType(TVarType::Public);
    shared->setTType(TTypeGet::tgArray);
    shared->setInitVal("{1, 2}");
    TVar *blankValue = vars->addVar();
    blankValue->setCVarName("cVazio");
    blankValue->setInitVal("  ");
    place<TTGet>(root, nullptr, "oGet1", 0, 0, 10, 10)->setCVariable("cNome");

    const QStringList body = advplProgramLines(root, nullptr);
    QStringList expected = sectionBanner(kLocalTitle);
    expected << "Local nTotal    " << "Local cVazio    " << "";
    expected += sectionBanner(kPrivateTitle);
    expected << "Private cTitulo    := 'Cliente'" << "Public aVar3      := {1, 2}" << "";
    expected += sectionBanner(kVariablesTitle);
    expected << "Private cNome      := Space(1)" << "";
    expected += sectionBanner(kObjectsTitle);
    QCOMPARE(body.mid(0, expected.size()), expected);
}

void TestProgramDeclarations::functionListAfterReturn()
{
    TTMSDialog root;
    shape(root);
    auto *functions = add<TTFunctions>(root, "oFunctions1");
    root.setOFunctions(functions);
    TFunction *calc = functions->addFunction();
    calc->setCName("Calcula(nA, nB)");
    calc->setCScript({"User Function Calcula(nA, nB)", "Return nA + nB"});
    functions->addFunction();

    const QStringList body = advplProgramLines(root, nullptr);
    const qsizetype end = body.indexOf("Return");
    QVERIFY(end > 0);
    QStringList expected = {"Return", ""};
    expected += functionBanner("Calcula(nA, nB)");
    expected << "Static Function Calcula(nA, nB)" << "Return nA + nB" << "";
    expected += functionBanner("FuncName2");
    expected << "Static Function FuncName2()" << "" << "Return" << "";
    QCOMPARE(body.mid(end), expected);
}

void TestProgramDeclarations::unreferencedListsProduceNothing()
{
    TTMSDialog plain;
    shape(plain);
    const QStringList expected = advplProgramLines(plain, nullptr);

    TTMSDialog root;
    shape(root);
    auto *vars = add<TTVars>(root, "oVars1");
    vars->addVar()->setInitVal("'x'");
    auto *functions = add<TTFunctions>(root, "oFunctions1");
    functions->addFunction();
    QCOMPARE(advplProgramLines(root, nullptr), expected);

    // Naming one list of two generates that one only.
    auto *named = add<TTVars>(root, "oVars2");
    named->addVar()->setCVarName("cSo");
    root.setOVars(named);
    const QStringList body = advplProgramLines(root, nullptr);
    QCOMPARE(blockAfter(body, kLocalTitle), QStringList({"Local cSo       "}));
    QVERIFY(!body.contains(functionBanner("FuncName1").at(1)));
}

void TestProgramDeclarations::setPrvtExample()
{
    QCOMPARE(setPrvtLines({"\"oDlg1\"", "\"oSay1\"", "\"oGet1\""}),
             QStringList({"SetPrvt(\"oDlg1\",\"oSay1\",\"oGet1\")"}));
    QCOMPARE(setPrvtLines({"\"oDlg1\""}), QStringList({"SetPrvt(\"oDlg1\")"}));
}

void TestProgramDeclarations::setPrvtLineOfExactlyHundredTakesOneMore()
{
    // Four quoted names of 22 characters with their commas bring the line to 100.
    QStringList names;
    for (int i = 0; i < 6; ++i)
        names << '"' + QString("oComponenteLongo%1").arg(i, 4, 10, QLatin1Char('0')) + '"';
    const QStringList lines = setPrvtLines(names);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QString("SetPrvt(" + names.mid(0, 5).join(',') + ')'));
    QCOMPARE(lines.at(1), QString("SetPrvt(" + names.at(5) + ')'));
}

void TestProgramDeclarations::setPrvtSpreadsThirtyNames()
{
    TTMSDialog root;
    shape(root);
    QStringList names = {"oDlg1"};
    for (int i = 10; i < 40; ++i) {
        const QString name = "oSay" + QString::number(i);
        place<TTSay>(root, nullptr, name, 0, 0, 10, 10);
        names << name;
    }
    const QStringList setPrvt = blockAfter(advplProgramLines(root, nullptr), kObjectsTitle);
    QVERIFY(setPrvt.size() > 1);
    QStringList written;
    for (qsizetype i = 0; i < setPrvt.size(); ++i) {
        const QString &line = setPrvt.at(i);
        QVERIFY(line.startsWith("SetPrvt(\"") && line.endsWith("\")"));
        if (i + 1 < setPrvt.size())
            QVERIFY2(line.size() > 100, qPrintable(line));
        QVERIFY2(line.size() <= 110, qPrintable(line));
        written += line.mid(8, line.size() - 9).split(',');
    }
    QStringList quoted;
    for (const QString &name : names)
        quoted << '"' + name + '"';
    QCOMPARE(written, quoted);
}

QTEST_GUILESS_MAIN(TestProgramDeclarations)
#include "tst_program_declarations.moc"
