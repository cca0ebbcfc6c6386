// The order of a container's children, which generators and design files follow, and the
// pages of a folder.
#include <QtTest>

#include "design_fixture.h"
#include "model/choice_controls.h"
#include "model/containers.h"
#include "model/dialog.h"
#include "model/text_controls.h"

using namespace dd;
using fixture::place;

namespace {

QStringList names(const QList<Control *> &controls)
{
    QStringList out;
    for (const Control *c : controls)
        out.append(c->name());
    return out;
}

} // namespace

class TestChildOrder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nonWindowedFirstThenWindowed();
    void bringToFrontAndSendToBack();
    void reparentingPutsOnTop();
    void folderPages();
    void visiblePageNumbersSkipHiddenPages();
};

void TestChildOrder::nonWindowedFirstThenWindowed()
{
    TTMSDialog root;
    place<TTGet>(root);
    place<TTSay>(root);
    place<TTButton>(root);
    place<TTBitmap>(root);
    place<TTSay>(root);
    QCOMPARE(names(root.childControls()), (QStringList{"oSay1", "oBmp1", "oSay2", "oGet1", "oBtn1"}));
}

void TestChildOrder::bringToFrontAndSendToBack()
{
    TTMSDialog root;
    TTPanel *panel = place<TTPanel>(root);
    TTGet *get = place<TTGet>(root, panel);
    TTSay *say = place<TTSay>(root, panel);
    place<TTButton>(root, panel);
    TTSay *last = place<TTSay>(root, panel);

    get->bringToFront();
    last->sendToBack();
    QCOMPARE(names(panel->childControls()), (QStringList{"oSay2", "oSay1", "oBtn1", "oGet1"}));
    // A label never moves above a windowed control, whatever its stacking order.
    say->bringToFront();
    QCOMPARE(names(panel->childControls()), (QStringList{"oSay2", "oSay1", "oBtn1", "oGet1"}));
    QCOMPARE(names(panel->stackingOrder()), (QStringList{"oSay2", "oBtn1", "oGet1", "oSay1"}));
}

void TestChildOrder::reparentingPutsOnTop()
{
    TTMSDialog root;
    TTGroup *group = place<TTGroup>(root);
    TTGet *moved = place<TTGet>(root);
    place<TTGet>(root, group);
    moved->setParentControl(group);
    QCOMPARE(names(group->childControls()), (QStringList{"oGet2", "oGet1"}));
    QCOMPARE(names(root.childControls()), QStringList{"oGrp1"});
}

void TestChildOrder::folderPages()
{
    TTMSDialog root;
    TTFolder *folder = place<TTFolder>(root);
    TTFolder *other = place<TTFolder>(root);
    TTaDialogs *first = place<TTaDialogs>(root, folder);
    TTaDialogs *second = place<TTaDialogs>(root, folder);
    TTaDialogs *elsewhere = place<TTaDialogs>(root, other);
    place<TTGet>(root, second);

    QCOMPARE(folder->pages(), (QList<TTaDialogs *>{first, second}));
    QCOMPARE(second->folder(), folder);
    QCOMPARE(folder->visiblePageNumber(second), 2);
    QCOMPARE(folder->visiblePageNumber(elsewhere), 0);
    first->sendToBack();
    second->sendToBack();
    QCOMPARE(folder->pages(), (QList<TTaDialogs *>{second, first}));
    QCOMPARE(folder->visiblePageNumber(second), 1);
}

void TestChildOrder::visiblePageNumbersSkipHiddenPages()
{
    TTMSDialog root;
    TTFolder *folder = place<TTFolder>(root);
    TTaDialogs *first = place<TTaDialogs>(root, folder);
    TTaDialogs *hidden = place<TTaDialogs>(root, folder);
    TTaDialogs *third = place<TTaDialogs>(root, folder);
    hidden->setTabVisible(false);
    QCOMPARE(folder->visiblePageNumber(first), 1);
    QCOMPARE(folder->visiblePageNumber(hidden), 0);
    QCOMPARE(folder->visiblePageNumber(third), 2);
    QCOMPARE(folder->pages().size(), 3);
}

QTEST_GUILESS_MAIN(TestChildOrder)
#include "tst_child_order.moc"
