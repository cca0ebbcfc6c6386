#include <QtTest>

#include "design_builder.h"
#include "model/containers.h"
#include "model/text_controls.h"

using namespace dd;
using testdesign::add;
using testdesign::place;

// A root «oDlg1» with the font «oFont1», as the statements below refer to them.
class TestTextStatements : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void labelOnRoot();
    void labelOnFolderPageWithFontAndColour();
    void labelCaptionQuoteIsNotEscaped();
    void labelIgnoresEnabledAndVariable();
    void getOnRoot();
    void getWritesEveryArgumentInPlace();
    void getWithBlankVariableIsUnbound();
    void getDisabledAddsDisableLine();
    void getBetweenExecutionLines();
    void multiGetOnRoot();
    void multiGetWritesEveryArgumentInPlace();
    void longNameIsCutInStatementOnly();
    void fontStatement_data();
    void fontStatement();

private:
    TTMSDialog *m_root = nullptr;
    TToFont *m_font = nullptr;
};

void TestTextStatements::init()
{
    m_root = new TTMSDialog;
    testdesign::shapeRoot(*m_root, "oDlg1", 200, 100, 400, 300);
    m_font = add<TToFont>(*m_root, "oFont1");
}

void TestTextStatements::cleanup()
{
    delete m_root;
    m_root = nullptr;
}

void TestTextStatements::labelOnRoot()
{
    auto *say = place<TTSay>(*m_root, nullptr, "oSay1", 8, 16, 60, 13);
    say->setCaption("Nome");
    QCOMPARE(say->script(),
             QString("oSay1      := TSay():New( 008,004,{||\"Nome\"},oDlg1,,,.F.,.F.,.F.,.T.,CLR_BLACK,CLR_WHITE,030,006)\r"));
}

void TestTextStatements::labelOnFolderPageWithFontAndColour()
{
    auto *folder = place<TTFolder>(*m_root, nullptr, "oFld1", 0, 0, 300, 200);
    place<TTaDialogs>(*m_root, folder, "oaDialogs1", 0, 0, 300, 200);
    auto *second = place<TTaDialogs>(*m_root, folder, "oaDialogs2", 0, 0, 300, 200);
    auto *say = place<TTSay>(*m_root, second, "oSay2", 10, 20, 50, 13);
    say->setCaption("Valor");
    say->setOFont(m_font);
    say->setNClrText(TColorA::CLR_BLUE);
    QCOMPARE(say->script(), QString("oSay2      := TSay():New( 010,005,{||\"Valor\"},oFld1:aDialogs[2],,oFont1,"
                                    ".F.,.F.,.F.,.T.,CLR_BLUE,CLR_WHITE,025,006)\r"));
}

void TestTextStatements::labelCaptionQuoteIsNotEscaped()
{
    auto *say = place<TTSay>(*m_root, nullptr, "oSay1", 0, 0, 20, 20);
    say->setCaption("Diga \"oi\"");
    say->setNClrBack(TColorA::CLR_HGRAY);
    QCOMPARE(say->script(), QString("oSay1      := TSay():New( 000,000,{||\"Diga \"oi\"\"},oDlg1,,,.F.,.F.,.F.,.T.,"
                                    "CLR_BLACK,CLR_HGRAY,010,010)\r"));
}

void TestTextStatements::labelIgnoresEnabledAndVariable()
{
    auto *say = place<TTSay>(*m_root, nullptr, "oSay1", 8, 16, 60, 13);
    const QString plain = say->script();
    say->setEnabled(false);
    say->setCVariable("cNome");
    say->setNLength(30);
    QCOMPARE(say->script(), plain);
}

void TestTextStatements::getOnRoot()
{
    auto *get = place<TTGet>(*m_root, nullptr, "oGet1", 72, 16, 120, 21);
    get->setCVariable("cNome");
    get->setNLength(30);
    QCOMPARE(get->script(), QString("oGet1      := TGet():New( 008,036,{|u| If(PCount()>0,cNome:=u,cNome)},oDlg1,060,008,"
                                    "'',,CLR_BLACK,CLR_WHITE,,,,.T.,\"\",,,.F.,.F.,,.F.,.F.,\"\",\"cNome\",,)\r"));
}

void TestTextStatements::getWritesEveryArgumentInPlace()
{
    auto *get = place<TTGet>(*m_root, nullptr, "oGet2", 20, 40, 100, 25);
    get->setTType(TTypeGet::tgNumeric);
    get->setCVariable("Valor");
    get->setNClrText(TColorA::CLR_RED);
    get->setNClrBack(TColorA::CLR_YELLOW);
    get->setOFont(m_font);
    get->setProperty("Picture", "@E 999'9");
    get->setProperty("bValid", "{|| Positivo()}");
    get->setProperty("bWhen", "{|| lEdita}");
    get->setProperty("bChange", "{|| Recalc()}");
    get->setProperty("cMsg", "Valor total");
    get->setProperty("cF3", "SA1");
    get->setProperty("lCenter", true);
    get->setProperty("lReadOnly", true);
    get->setProperty("lPassword", true);
    QCOMPARE(get->script(),
             QString("oGet2      := TGet():New( 020,010,{|u| If(PCount()>0,nValor:=u,nValor)},oDlg1,050,010,"
                     "'@E 999''9',{|| Positivo()},CLR_RED,CLR_YELLOW,oFont1,,,.T.,\"Valor total\",,{|| lEdita},"
                     ".T.,.F.,{|| Recalc()},.T.,.T.,\"SA1\",\"nValor\",,)\r"));
}

void TestTextStatements::getWithBlankVariableIsUnbound()
{
    auto *get = place<TTGet>(*m_root, nullptr, "oGet1", 72, 16, 120, 21);
    get->setCVariable("   ");
    get->setBSetGet("{|u| If(PCount()>0,cNome:=u,cNome)}");
    QCOMPARE(get->script(), QString("oGet1      := TGet():New( 008,036,,oDlg1,060,008,"
                                    "'',,CLR_BLACK,CLR_WHITE,,,,.T.,\"\",,,.F.,.F.,,.F.,.F.,\"\",\"   \",,)\r"));
    get->setCVariable("");
    QVERIFY(get->script().endsWith(",\"\",\"\",,)\r"));
}

void TestTextStatements::getDisabledAddsDisableLine()
{
    auto *get = place<TTGet>(*m_root, nullptr, "oGet1", 72, 16, 120, 21);
    get->setEnabled(false);
    const QStringList lines = get->script().split('\r');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(0).startsWith("oGet1      := TGet():New( "));
    QCOMPARE(lines.at(1), QString("oGet1:Disable()"));
    QCOMPARE(lines.at(2), QString());
}

void TestTextStatements::getBetweenExecutionLines()
{
    auto *get = place<TTGet>(*m_root, nullptr, "oGet1", 72, 16, 120, 21);
    const QString statement = get->script();
    get->setProperty("ExecBefore", QStringList{"nX := 1", "nY := 2"});
    QCOMPARE(get->script(), QString("nX := 1\r\nnY := 2\r\n" + statement));
    get->setEnabled(false);
    get->setProperty("ExecAfter", QStringList{"nZ := 3"});
    QVERIFY(get->script().endsWith(",,)\roGet1:Disable()\rnZ := 3\r\n"));
}

void TestTextStatements::multiGetOnRoot()
{
    auto *memo = place<TTMultiGet>(*m_root, nullptr, "oMGet1", 8, 40, 200, 60);
    memo->setCVariable("cObs");
    QCOMPARE(memo->script(),
             QString("oMGet1     := TMultiGet():New( 020,004,{|u| If(PCount()>0,cObs:=u,cObs)},oDlg1,100,030,,,"
                     "CLR_BLACK,CLR_WHITE,,.T.,\"\",,,.F.,.F.,.F.,,,.F.,,  )\r"));
}

void TestTextStatements::multiGetWritesEveryArgumentInPlace()
{
    auto *memo = place<TTMultiGet>(*m_root, nullptr, "oMGet1", 8, 40, 200, 61);
    memo->setCVariable("Obs");
    memo->setOFont(m_font);
    memo->setNClrText(TColorA::CLR_BLUE);
    memo->setNClrBack(TColorA::CLR_GRAY);
    memo->setProperty("cMsg", "Obs");
    memo->setProperty("bWhen", "{|| lEdita}");
    memo->setProperty("lReadOnly", true);
    memo->setProperty("bValid", "{|| Valida()}");
    memo->setProperty("bChange", "{|| Muda()}");
    QCOMPARE(memo->script(),
             QString("oMGet1     := TMultiGet():New( 020,004,{|u| If(PCount()>0,cObs:=u,cObs)},oDlg1,100,030,oFont1,,"
                     "CLR_BLUE,CLR_GRAY,,.T.,\"Obs\",,{|| lEdita},.F.,.F.,.T.,{|| Valida()},{|| Muda()},.F.,,  )\r"));
    // A blank variable leaves the memo unbound.
    memo->setCVariable(" ");
    memo->setBSetGet("{|| x}");
    QVERIFY(memo->script().startsWith("oMGet1     := TMultiGet():New( 020,004,,oDlg1,"));
}

void TestTextStatements::longNameIsCutInStatementOnly()
{
    auto *memo = place<TTMultiGet>(*m_root, nullptr, "oMultiGet12", 8, 40, 200, 60);
    memo->setEnabled(false);
    const QStringList lines = memo->script().split('\r');
    QVERIFY(lines.at(0).startsWith("oMultiGet1 := TMultiGet():New( "));
    QCOMPARE(lines.at(1), QString("oMultiGet12:Disable()"));
}

void TestTextStatements::fontStatement_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("expected");
    QTest::newRow("regular") << "oFont1" << "MS Sans Serif" << -11 << 0
                             << "oFont1     := TFont():New( \"MS Sans Serif\",0,-11,,.F.,0,,400,.F.,.F.,,,,,, )";
    QTest::newRow("bold italic") << "oFont2" << "Arial" << -16 << int(TFontStyle::fsBold | TFontStyle::fsItalic)
                                 << "oFont2     := TFont():New( \"Arial\",0,-16,,.T.,0,,700,.T.,.F.,,,,,, )";
    QTest::newRow("underline, strike-out not written")
        << "oFontTitulo12" << "Courier New" << -13 << int(TFontStyle::fsUnderline | TFontStyle::fsStrikeOut)
        << "oFontTitul := TFont():New( \"Courier New\",0,-13,,.F.,0,,400,.F.,.T.,,,,,, )";
}

void TestTextStatements::fontStatement()
{
    QFETCH(QString, name);
    QFETCH(QString, face);
    QFETCH(int, height);
    QFETCH(int, style);
    QFETCH(QString, expected);
    auto *font = qobject_cast<TToFont *>(m_root->findComponent(name));
    if (!font)
        font = add<TToFont>(*m_root, name);
    dd::Font value;
    value.name = face;
    value.height = height;
    value.style = TFontStyles::fromInt(style);
    value.color = paletteColor(TColorA::CLR_RED);
    font->setFont(value);
    QCOMPARE(font->script(), expected);
}

QTEST_GUILESS_MAIN(TestTextStatements)
#include "tst_text_statements.moc"
