// Deleting a component clears every reference to it, and containers take their controls along.
#include <QtTest>

#include "design_fixture.h"
#include "model/choice_controls.h"
#include "model/containers.h"
#include "model/data_controls.h"
#include "model/dialog.h"
#include "model/enchoice_bar.h"
#include "model/text_controls.h"

using namespace dd;
using fixture::place;

class TestDeletion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fontDeepInsideContainersIsCleared();
    void rootFontIsCleared();
    void listsNamedByTheRootAreCleared();
    void popupMenuIsCleared();
    void tempTableIsCleared();
    void enchoiceBarIsForgotten();
    void containerTakesItsControlsAlong();
    void destroyingTheRootClearsNothing();
};

void TestDeletion::fontDeepInsideContainersIsCleared()
{
    TTMSDialog root;
    TToFont *doomed = place<TToFont>(root);
    TToFont *kept = place<TToFont>(root);
    Font arial;
    arial.name = QStringLiteral("Arial");
    doomed->setFont(arial);
    TTPanel *panel = place<TTPanel>(root);
    TTFolder *folder = place<TTFolder>(root, panel);
    TTaDialogs *page = place<TTaDialogs>(root, folder);
    TTGet *deep = place<TTGet>(root, page);
    TTSay *other = place<TTSay>(root, page);
    deep->setOFont(doomed);
    page->setOFont(doomed);
    other->setOFont(kept);
    QCOMPARE(deep->font().name, QStringLiteral("Arial"));

    root.destroyComponent(doomed);

    QCOMPARE(deep->oFont(), nullptr);
    QCOMPARE(page->oFont(), nullptr);
    QCOMPARE(other->oFont(), kept);
    QCOMPARE(deep->font().name, Font().name);
}

void TestDeletion::rootFontIsCleared()
{
    TTMSDialog root;
    TToFont *font = place<TToFont>(root);
    root.setOFont(font);
    root.destroyComponent(font);
    QCOMPARE(root.oFont(), nullptr);
}

void TestDeletion::listsNamedByTheRootAreCleared()
{
    TTMSDialog root;
    TTVars *named = place<TTVars>(root);
    TTVars *unnamed = place<TTVars>(root);
    TTFunctions *functions = place<TTFunctions>(root);
    root.setOVars(named);
    root.setOFunctions(functions);

    root.destroyComponent(unnamed);
    QCOMPARE(root.oVars(), named);
    root.destroyComponent(named);
    QCOMPARE(root.oVars(), nullptr);
    QCOMPARE(root.oFunctions(), functions);
    root.destroyComponent(functions);
    QCOMPARE(root.oFunctions(), nullptr);
}

void TestDeletion::popupMenuIsCleared()
{
    TTMSDialog root;
    TTPopupMenu *menu = place<TTPopupMenu>(root);
    TTPopupMenu *otherMenu = place<TTPopupMenu>(root);
    TTPanel *panel = place<TTPanel>(root);
    TTButton *onPanel = place<TTButton>(root, panel);
    TTButton *onRoot = place<TTButton>(root);
    onPanel->setPopupMenu(menu);
    onRoot->setPopupMenu(otherMenu);
    menu->items()->addSubItem()->setCaption(QStringLiteral("Incluir"));

    root.destroyComponent(menu);

    QCOMPARE(onPanel->popupMenu(), nullptr);
    QCOMPARE(onRoot->popupMenu(), otherMenu);
}

void TestDeletion::tempTableIsCleared()
{
    TTMSDialog root;
    TTCriaTrab *table = place<TTCriaTrab>(root);
    TTMsSelect *browse = place<TTMsSelect>(root);
    browse->setTempTable(table);
    browse->setLMark(true);

    root.destroyComponent(table);

    QCOMPARE(browse->tempTable(), nullptr);
    // The rest of the browse is the user's work and stays.
    QCOMPARE(browse->alias(), QStringLiteral("TMP"));
    QVERIFY(browse->lMark());
}

void TestDeletion::enchoiceBarIsForgotten()
{
    TTMSDialog root;
    QCOMPARE(root.enchoiceBar(), nullptr);
    TTEnchoiceBar *bar = place<TTEnchoiceBar>(root);
    QCOMPARE(root.enchoiceBar(), bar);
    root.destroyComponent(bar);
    QCOMPARE(root.enchoiceBar(), nullptr);
    // The refusal counts existing bars only: a new one may be placed again.
    QVERIFY(place<TTEnchoiceBar>(root));
    QVERIFY(root.enchoiceBar());
}

void TestDeletion::containerTakesItsControlsAlong()
{
    TTMSDialog root;
    TToFont *font = place<TToFont>(root);
    TTFolder *folder = place<TTFolder>(root);
    TTaDialogs *page = place<TTaDialogs>(root, folder);
    TTScrollBox *box = place<TTScrollBox>(root, page);
    place<TTBitmap>(root, box);
    TTSay *kept = place<TTSay>(root);

    root.destroyComponent(folder);

    QCOMPARE(root.components().size(), 3); // form designer, font, label
    QCOMPARE(root.components().at(1), font);
    QCOMPARE(root.components().at(2), kept);
    QCOMPARE(root.childControls(), QList<Control *>{kept});
    // Their names are free again.
    QCOMPARE(place<TTaDialogs>(root)->name(), QStringLiteral("oaDialogs1"));
    QCOMPARE(place<TTBitmap>(root)->name(), QStringLiteral("oBmp1"));
}

void TestDeletion::destroyingTheRootClearsNothing()
{
    // Every component goes at once; clearing references on the way must not touch freed ones.
    // A fault shows as a crash, or reliably in a DD_SANITIZE build.
    auto *root = new TTMSDialog;
    TToFont *font = place<TToFont>(*root);
    TTCriaTrab *table = place<TTCriaTrab>(*root);
    TTPanel *panel = place<TTPanel>(*root);
    place<TTGet>(*root, panel)->setOFont(font);
    place<TTMsSelect>(*root, panel)->setTempTable(table);
    place<TTEnchoiceBar>(*root);
    root->setOFont(font);
    delete root;
}

QTEST_GUILESS_MAIN(TestDeletion)
#include "tst_deletion.moc"
