// The design's own variables and functions: default names, typed names, head lines.
#include <QtTest>

#include "model/dialog.h"
#include "model/variables.h"

using namespace dd;

class TestVariables : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultNamesFollowPositionAndType();
    void variableName_data();
    void variableName();
    void typeChangeRetypesStoredName();
    void blankNameStaysAndEmptyReadsDefault();

    void newFunctionSource();
    void headLineReadBack_data();
    void headLineReadBack();
    void kindChangesOnlyTheKeyword();
    void nameWriteRewritesHead();
    void headWithoutSourceWaitsForFirstRead();
};

void TestVariables::defaultNamesFollowPositionAndType()
{
    TTMSDialog root;
    TTVars vars(&root);
    TVar *first = vars.addVar();
    TVar *second = vars.addVar();
    second->setTType(TTypeGet::tgNumeric);
    QCOMPARE(first->cVarName(), QStringLiteral("cVar1"));
    QCOMPARE(second->cVarName(), QStringLiteral("nVar2"));
    // The default is stored on first read: moving the item keeps its name.
    vars.vars()->move(1, 0);
    QCOMPARE(second->cVarName(), QStringLiteral("nVar2"));
}

void TestVariables::variableName_data()
{
    QTest::addColumn<TTypeGet>("type");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("stored");
    QTest::newRow("object prefix to character") << TTypeGet::tgCaracter << "oCliente" << "cCliente";
    QTest::newRow("letter added") << TTypeGet::tgDate << "Emissao" << "dEmissao";
    QTest::newRow("letter replaced") << TTypeGet::tgLogical << "cAtivo" << "lAtivo";
    QTest::newRow("letter kept") << TTypeGet::tgArray << "aItens" << "aItens";
}

void TestVariables::variableName()
{
    QFETCH(TTypeGet, type);
    QFETCH(QString, written);
    QFETCH(QString, stored);
    TTMSDialog root;
    TTVars vars(&root);
    TVar *var = vars.addVar();
    var->setTType(type);
    QVERIFY(var->setProperty("cVarName", written));
    QCOMPARE(var->cVarName(), stored);
}

void TestVariables::typeChangeRetypesStoredName()
{
    TTMSDialog root;
    TTVars vars(&root);
    TVar *var = vars.addVar();
    var->setCVarName(QStringLiteral("cTotal"));
    var->setTType(TTypeGet::tgNumeric);
    QCOMPARE(var->cVarName(), QStringLiteral("nTotal"));
    var->setTType(TTypeGet::tgCodeBlock);
    QCOMPARE(var->cVarName(), QStringLiteral("bTotal"));
}

void TestVariables::blankNameStaysAndEmptyReadsDefault()
{
    TTMSDialog root;
    TTVars vars(&root);
    vars.addVar();
    TVar *var = vars.addVar();
    var->setCVarName(QStringLiteral("  "));
    var->setTType(TTypeGet::tgNumeric);
    QCOMPARE(var->cVarName(), QStringLiteral("  "));
    var->setCVarName(QString());
    QCOMPARE(var->cVarName(), QStringLiteral("nVar2"));
}

void TestVariables::newFunctionSource()
{
    TTMSDialog root;
    TTFunctions functions(&root);
    TFunction *f = functions.addFunction();
    QCOMPARE(f->cName(), QStringLiteral("FuncName1"));
    const QStringList source{"Static Function FuncName1()", "", "Return"};
    QCOMPARE(f->cScript(), source);
    QCOMPARE(f->cName(), QStringLiteral("FuncName1()"));
}

void TestVariables::headLineReadBack_data()
{
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("head");
    QTest::newRow("other keyword") << "User Function Calcula(nA, nB)" << "Calcula(nA, nB)"
                                   << "Static Function Calcula(nA, nB)";
    QTest::newRow("two spaces keep one") << "Static Function  Dupla()" << " Dupla()" << "Static Function  Dupla()";
    QTest::newRow("no keyword: eight characters cut") << "Funcao: Calc(x)" << "Calc(x)"
                                                       << "Static Function Calc(x)";
    QTest::newRow("short line: default name") << "Calc()" << "FuncName1" << "Static Function FuncName1";
    QTest::newRow("keyword at the end") << "Static Function " << "FuncName1" << "Static Function FuncName1";
}

void TestVariables::headLineReadBack()
{
    QFETCH(QString, firstLine);
    QFETCH(QString, name);
    QFETCH(QString, head);
    TTMSDialog root;
    TTFunctions functions(&root);
    TFunction *f = functions.addFunction();
    f->setCScript({firstLine, "Local x", "Return x"});
    const QStringList source = f->cScript();
    QCOMPARE(f->cName(), name);
    QCOMPARE(source, (QStringList{head, "Local x", "Return x"}));
}

void TestVariables::kindChangesOnlyTheKeyword()
{
    TTMSDialog root;
    TTFunctions functions(&root);
    TFunction *f = functions.addFunction();
    f->setCScript({"Static Function Monta(cPar)", "Local aRet := {}", "", "Return aRet"});
    f->setTFunction(TFuncType::User);
    QCOMPARE(f->cScript(), (QStringList{"User Function Monta(cPar)", "Local aRet := {}", "", "Return aRet"}));
}

void TestVariables::nameWriteRewritesHead()
{
    TTMSDialog root;
    TTFunctions functions(&root);
    TFunction *f = functions.addFunction();
    f->setTFunction(TFuncType::User);
    f->cScript();
    f->setCName(QStringLiteral("Soma(a, b)"));
    QCOMPARE(f->cScript().first(), QStringLiteral("User Function Soma(a, b)"));
}

void TestVariables::headWithoutSourceWaitsForFirstRead()
{
    TTMSDialog root;
    TTFunctions functions(&root);
    functions.addFunction();
    TFunction *f = functions.addFunction();
    f->setTFunction(TFuncType::User);
    f->setCName(QStringLiteral("Total"));
    QCOMPARE(f->cScript(), (QStringList{"User Function Total()", "", "Return"}));
    QCOMPARE(f->cName(), QStringLiteral("Total()"));
}

QTEST_GUILESS_MAIN(TestVariables)
#include "tst_variables.moc"
