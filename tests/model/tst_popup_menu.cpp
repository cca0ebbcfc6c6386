// Popup menus and their items: nesting, ownership, and the button's reference.
#include <QtTest>

#include "design_fixture.h"
#include "model/choice_controls.h"
#include "model/dialog.h"

using namespace dd;
using fixture::place;

class TestPopupMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void itemsNestAndKeepTheirOrder();
    void itemsBelongToTheMenuNotTheDesign();
    void removingAnItemTakesItsSubItems();
    void buttonRefersToAMenuByProperty();
};

void TestPopupMenu::itemsNestAndKeepTheirOrder()
{
    TTMSDialog root;
    TTPopupMenu *menu = place<TTPopupMenu>(root);
    TMenuItem *add = menu->items()->addSubItem();
    TMenuItem *more = menu->items()->addSubItem();
    add->setCaption(QStringLiteral("Incluir"));
    add->setHint(QStringLiteral("{|| Inclui()}"));
    TMenuItem *sub = more->addSubItem();
    sub->setCaption(QStringLiteral("Excluir"));

    QCOMPARE(menu->items()->subItems(), (QList<TMenuItem *>{add, more}));
    QCOMPARE(more->subItems(), QList<TMenuItem *>{sub});
    QCOMPARE(add->property("Hint").toString(), QStringLiteral("{|| Inclui()}"));
    QVERIFY(sub->setProperty("Caption", "Alterar"));
    QCOMPARE(sub->caption(), QStringLiteral("Alterar"));
}

void TestPopupMenu::itemsBelongToTheMenuNotTheDesign()
{
    TTMSDialog root;
    TTPopupMenu *menu = place<TTPopupMenu>(root);
    QPointer<TMenuItem> item = menu->items()->addSubItem();
    QPointer<TMenuItem> sub = item->addSubItem();
    QCOMPARE(root.components().size(), 2); // form designer and menu
    QCOMPARE(sub->parent()->parent()->parent(), menu);

    root.destroyComponent(menu);
    QVERIFY(item.isNull());
    QVERIFY(sub.isNull());
}

void TestPopupMenu::removingAnItemTakesItsSubItems()
{
    TTMSDialog root;
    TTPopupMenu *menu = place<TTPopupMenu>(root);
    TMenuItem *kept = menu->items()->addSubItem();
    QPointer<TMenuItem> removed = menu->items()->addSubItem();
    QPointer<TMenuItem> sub = removed->addSubItem();
    QSignalSpy changed(menu->items(), &TMenuItem::subItemsChanged);

    // An item of another level is not removed from this one.
    menu->items()->removeSubItem(sub);
    QVERIFY(!sub.isNull());
    QCOMPARE(changed.count(), 0);

    menu->items()->removeSubItem(removed);
    QVERIFY(removed.isNull());
    QVERIFY(sub.isNull());
    QCOMPARE(menu->items()->subItems(), QList<TMenuItem *>{kept});
    QCOMPARE(changed.count(), 1);
}

void TestPopupMenu::buttonRefersToAMenuByProperty()
{
    TTMSDialog root;
    TTPopupMenu *menu = place<TTPopupMenu>(root);
    TTButton *button = place<TTButton>(root);
    QVERIFY(button->setProperty("PopupMenu", QVariant::fromValue(menu)));
    QCOMPARE(button->popupMenu(), menu);
    QVERIFY(menu->isReferenceTarget());
}

QTEST_GUILESS_MAIN(TestPopupMenu)
#include "tst_popup_menu.moc"
