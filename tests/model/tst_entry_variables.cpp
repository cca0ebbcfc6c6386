// The variable of entry controls: typed name per class, set-get block, type and length.
#include <QtTest>

#include "design_fixture.h"
#include "model/choice_controls.h"
#include "model/dialog.h"
#include "model/text_controls.h"

using namespace dd;
using fixture::place;

namespace {

QString setGet(const QString &v) { return "{|u| If(PCount()>0," + v + ":=u," + v + ")}"; }

} // namespace

class TestEntryVariables : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void variableRule_data();
    void variableRule();
    void labelKeepsItsEditedSetGet();
    void blankVariableEmptiesSetGet();

    void typeRetypesAndFixesLength_data();
    void typeRetypesAndFixesLength();
    void characterLengthNeverZero();
    void nonCharacterLengthAlwaysZero();
    void typeChangeOnLabelRebuildsSetGet();
};

void TestEntryVariables::variableRule_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("setGetBlock");
    QTest::newRow("label: letter from tType, no set-get") << "TTSay" << "Nome" << "cNome" << "";
    QTest::newRow("get: letter from tType") << "TTGet" << "nNome" << "cNome" << setGet("cNome");
    QTest::newRow("multi-line get: c") << "TTMultiGet" << "oObs" << "cObs" << setGet("cObs");
    QTest::newRow("combo box: n") << "TTComboBox" << "cOpcao" << "nOpcao" << setGet("nOpcao");
    QTest::newRow("radio menu: n") << "TTRadMenu" << "Tipo" << "nTipo" << setGet("nTipo");
    QTest::newRow("check box: l") << "TTCheckBox" << "Total" << "lTotal" << setGet("lTotal");
    QTest::newRow("check box: letter already l") << "TTCheckBox" << "lAtivo" << "lAtivo" << setGet("lAtivo");
}

void TestEntryVariables::variableRule()
{
    QFETCH(QString, className);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    QFETCH(QString, setGetBlock);
    TTMSDialog root;
    Component *c = fixture::create(root, className);
    QVERIFY(c->setProperty("cVariable", value));
    QCOMPARE(c->property("cVariable").toString(), stored);
    QCOMPARE(c->property("bSetGet").toString(), setGetBlock);
}

void TestEntryVariables::labelKeepsItsEditedSetGet()
{
    TTMSDialog root;
    TTSay *say = place<TTSay>(root);
    say->setBSetGet(QStringLiteral("{|| cOld}"));
    say->setCVariable(QStringLiteral("cNew"));
    QCOMPARE(say->bSetGet(), QStringLiteral("{|| cOld}"));
}

void TestEntryVariables::blankVariableEmptiesSetGet()
{
    TTMSDialog root;
    TTCheckBox *box = place<TTCheckBox>(root);
    box->setCVariable(QStringLiteral("Total"));
    box->setCVariable(QStringLiteral("   "));
    QCOMPARE(box->cVariable(), QStringLiteral("   "));
    QCOMPARE(box->bSetGet(), QString());
}

void TestEntryVariables::typeRetypesAndFixesLength_data()
{
    QTest::addColumn<TTypeGet>("type");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<int>("length");
    QTest::newRow("numeric") << TTypeGet::tgNumeric << "nNome" << 0;
    QTest::newRow("date") << TTypeGet::tgDate << "dNome" << 0;
    QTest::newRow("logical") << TTypeGet::tgLogical << "lNome" << 0;
    QTest::newRow("array") << TTypeGet::tgArray << "aNome" << 0;
    QTest::newRow("code block") << TTypeGet::tgCodeBlock << "bNome" << 0;
}

void TestEntryVariables::typeRetypesAndFixesLength()
{
    QFETCH(TTypeGet, type);
    QFETCH(QString, variable);
    QFETCH(int, length);
    TTMSDialog root;
    TTGet *get = place<TTGet>(root);
    get->setCVariable(QStringLiteral("cNome"));
    get->setTType(type);
    QCOMPARE(get->cVariable(), variable);
    QCOMPARE(get->nLength(), length);
    QCOMPARE(get->bSetGet(), setGet(variable));
    get->setTType(TTypeGet::tgCaracter);
    QCOMPARE(get->cVariable(), QStringLiteral("cNome"));
    QCOMPARE(get->nLength(), 1);
    QCOMPARE(get->bSetGet(), setGet("cNome"));
}

void TestEntryVariables::characterLengthNeverZero()
{
    TTMSDialog root;
    TTGet *get = place<TTGet>(root);
    get->setNLength(30);
    QCOMPARE(get->nLength(), 30);
    get->setNLength(0);
    QCOMPARE(get->nLength(), 1);
    get->setTType(TTypeGet::tgCaracter);
    QCOMPARE(get->nLength(), 1);
}

void TestEntryVariables::nonCharacterLengthAlwaysZero()
{
    TTMSDialog root;
    TTSay *say = place<TTSay>(root);
    say->setTType(TTypeGet::tgNumeric);
    say->setNLength(12);
    QCOMPARE(say->nLength(), 0);
}

void TestEntryVariables::typeChangeOnLabelRebuildsSetGet()
{
    TTMSDialog root;
    TTSay *say = place<TTSay>(root);
    say->setCVariable(QStringLiteral("cValor"));
    QCOMPARE(say->bSetGet(), QString());
    say->setTType(TTypeGet::tgNumeric);
    QCOMPARE(say->cVariable(), QStringLiteral("nValor"));
    QCOMPARE(say->bSetGet(), setGet("nValor"));
    // A blank variable gives an empty block on a type change too.
    say->setCVariable(QStringLiteral(" "));
    say->setTType(TTypeGet::tgDate);
    QCOMPARE(say->cVariable(), QStringLiteral(" "));
    QCOMPARE(say->bSetGet(), QString());
}

QTEST_GUILESS_MAIN(TestEntryVariables)
#include "tst_entry_variables.moc"
