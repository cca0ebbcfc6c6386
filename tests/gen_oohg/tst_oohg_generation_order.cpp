// The order in which the OOHG program visits a window's components. Equal keys are common
// (every label, image and list shares one), so the order must be exactly the one the
// middle-pivot quicksort leaves; the expected orders below were worked out by hand.
#include <QtTest>

#include "gen_oohg/button_controls.h"
#include "gen_oohg/containers.h"
#include "gen_oohg/generation_order.h"
#include "gen_oohg/middle_pivot_sort.h"
#include "gen_oohg/text_controls.h"
#include "gen_oohg/view_controls.h"
#include "window_builder.h"

using namespace dd;
using oohgtest::add;
using oohgtest::place;

namespace {

QStringList orderedNames(const THWindow &window)
{
    QStringList names;
    for (const GenerationEntry &entry : generationOrder(window))
        names.append(window.components().at(entry.componentIndex)->name());
    return names;
}

} // namespace

class TestOohgGenerationOrder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sortKeyTexts_data();
    void sortKeyTexts();
    void quicksortOfEqualKeys();
    void quicksortSortsByKey();
    void fiveLabels();
    void windowedControlsByTabOrderAfterTheRest();
    void mixedWindowFramesAndTabs();
    void keysOfNestedControls();
};

void TestOohgGenerationOrder::sortKeyTexts_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("text");
    QTest::newRow("labels and lists") << -1 << -1 << "000000000-1000000000-1";
    QTest::newRow("on the window") << -1 << 2 << "000000000-100000000002";
    QTest::newRow("nested") << 12 << 15 << "0000000001200000000015";
}

void TestOohgGenerationOrder::sortKeyTexts()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, text);
    QCOMPARE(sortKeyText(first, second), text);
}

void TestOohgGenerationOrder::quicksortOfEqualKeys()
{
    // By hand: pivot c swaps a/e and b/d, then c with itself; [3,4] swaps to a,b, then [0,1]
    // swaps e,d to d,e.
    QList<QPair<int, char>> items = {{0, 'a'}, {0, 'b'}, {0, 'c'}, {0, 'd'}, {0, 'e'}};
    middlePivotQuicksort(items, [](const auto &x, const auto &y) { return x.first < y.first; });
    QString order;
    for (const auto &item : items)
        order += QLatin1Char(item.second);
    QCOMPARE(order, QStringLiteral("decab"));
}

void TestOohgGenerationOrder::quicksortSortsByKey()
{
    QList<int> items;
    for (int i = 0; i < 1000; ++i)
        items.append((i * 7919) % 101);
    QList<int> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    middlePivotQuicksort(items, std::less<int>());
    QCOMPARE(items, sorted);
}

void TestOohgGenerationOrder::fiveLabels()
{
    THWindow window;
    for (int i = 1; i <= 5; ++i)
        place<THLabel>(window, nullptr, QStringLiteral("oLbl%1").arg(i), 0, 0, 10, 10);
    QCOMPARE(orderedNames(window), QStringList({"oLbl4", "oLbl5", "oLbl3", "oLbl1", "oLbl2"}));
}

void TestOohgGenerationOrder::windowedControlsByTabOrderAfterTheRest()
{
    THWindow window;
    place<THButton>(window, nullptr, "oBtn1", 0, 0, 10, 10)->setTabOrder(2);
    place<THEdit>(window, nullptr, "oEdt1", 0, 0, 10, 10)->setTabOrder(0);
    place<THLabel>(window, nullptr, "oLbl1", 0, 0, 10, 10);
    place<THButton>(window, nullptr, "oBtn2", 0, 0, 10, 10)->setTabOrder(1);
    add<TTVars>(window, "oVars1");
    // The label and the list share the key (-1, -1) and come first, in the order the sort
    // leaves them; then the keys (-1, 2), (-1, 3), (-1, 4) of tab orders 0, 1 and 2.
    QCOMPARE(orderedNames(window), QStringList({"oLbl1", "oVars1", "oEdt1", "oBtn2", "oBtn1"}));
}

void TestOohgGenerationOrder::mixedWindowFramesAndTabs()
{
    THWindow window;
    // Each line's keys: the ancestors' tab orders (the window's -1 included), own tab order + 2.
    place<THButton>(window, nullptr, "oBtn1", 0, 0, 10, 10)->setTabOrder(1); // -1, 3
    place<THLabel>(window, nullptr, "oLbl1", 0, 0, 10, 10);                  // -1, -1
    auto *frame = place<THFrame>(window, nullptr, "oFram1", 0, 0, 10, 10);   // -1, 2
    place<THEdit>(window, frame, "oEdt1", 0, 0, 10, 10);                     // 0 - 1, 2
    add<TTVars>(window, "oVars1");                                          // -1, -1
    place<THImage>(window, frame, "oImg1", 0, 0, 10, 10);                    // -1, -1
    auto *tab = place<THTab>(window, nullptr, "oTab1", 0, 0, 10, 10);        // -1, 4
    tab->setTabOrder(2);
    auto *page1 = place<THPage>(window, tab, "oPage1", 0, 0, 10, 10);        // 2 - 1, 0 + 2
    auto *page2 = place<THPage>(window, tab, "oPage2", 0, 0, 10, 10);        // 2 - 1, 1 + 2
    place<THCheckBox>(window, page2, "oChk1", 0, 0, 10, 10);                 // 1 + 2 - 1, 0 + 2
    place<THLabel>(window, page1, "oLbl2", 0, 0, 10, 10);                    // -1, -1
    add<TTFunctions>(window, "oFunctions1");                                // -1, -1
    place<THEdit>(window, nullptr, "oEdt2", 0, 0, 10, 10);                   // -1, 2
    // The edit on the frame shares the frame's key and ends up before it.
    QCOMPARE(orderedNames(window), QStringList({"oImg1", "oVars1", "oLbl2", "oFunctions1", "oLbl1", "oEdt2", "oEdt1",
                                                "oFram1", "oBtn1", "oTab1", "oPage1", "oPage2", "oChk1"}));
}

void TestOohgGenerationOrder::keysOfNestedControls()
{
    THWindow window;
    auto *tab = place<THTab>(window, nullptr, "oTab1", 0, 0, 10, 10);
    tab->setTabOrder(3);
    place<THPage>(window, tab, "oPage1", 0, 0, 10, 10);
    auto *page2 = place<THPage>(window, tab, "oPage2", 0, 0, 10, 10);
    auto *frame = place<THFrame>(window, page2, "oFram1", 0, 0, 10, 10);
    frame->setTabOrder(4);
    place<THEdit>(window, frame, "oEdt1", 0, 0, 10, 10)->setTabOrder(5);
    place<THImage>(window, frame, "oImg1", 0, 0, 10, 10);
    const QList<GenerationEntry> order = generationOrder(window);
    QCOMPARE(order.size(), 6);
    // The window itself counts -1, a page its place among the pages.
    const QList<QList<int>> expected = {{-1, -1, 6}, {-1, 5, 1}, {2, 2, 2}, {2, 3, 3}, {3, 6, 4}, {7, 7, 5}};
    for (qsizetype i = 0; i < order.size(); ++i)
        QCOMPARE((QList<int>{order[i].firstKey, order[i].secondKey, int(order[i].componentIndex)}), expected[i]);
}

QTEST_GUILESS_MAIN(TestOohgGenerationOrder)
#include "tst_oohg_generation_order.moc"
