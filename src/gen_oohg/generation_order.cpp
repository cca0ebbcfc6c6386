#include "gen_oohg/generation_order.h"

#include "gen_advpl/formatting.h"
#include "gen_oohg/containers.h"
#include "gen_oohg/middle_pivot_sort.h"
#include "model/design_root.h"

namespace dd {
namespace {

constexpr int kKeyWidth = 11;

struct KeyedEntry {
    QString key;
    GenerationEntry entry;
};

// A page takes its place among its tab's pages as tab order, as the toolkit's tab sheets do;
// the window has none, which counts as -1.
int tabOrderOf(const Control &control)
{
    const Control *parent = control.parentControl();
    if (!parent)
        return -1;
    if (qobject_cast<const THPage *>(&control))
        return int(parent->stackingOrder().indexOf(const_cast<Control *>(&control)));
    return control.tabOrder();
}

GenerationEntry entryOf(const Component &component, qsizetype index)
{
    const auto *control = qobject_cast<const Control *>(&component);
    if (!control || !control->isWindowed())
        return {-1, -1, index};
    int ancestors = 0;
    for (const Control *up = control->parentControl(); up; up = up->parentControl())
        ancestors += tabOrderOf(*up);
    return {ancestors, tabOrderOf(*control) + 2, index};
}

} // namespace

QString sortKeyText(int firstKey, int secondKey)
{
    return zeroFilled(firstKey, kKeyWidth) + zeroFilled(secondKey, kKeyWidth);
}

QList<GenerationEntry> generationOrder(const DesignRoot &window)
{
    const QList<Component *> &components = window.components();
    QList<KeyedEntry> keyed;
    keyed.reserve(components.size());
    for (qsizetype i = 0; i < components.size(); ++i) {
        if (components.at(i) == window.formDesigner())
            continue;
        const GenerationEntry entry = entryOf(*components.at(i), i);
        keyed.append({sortKeyText(entry.firstKey, entry.secondKey), entry});
    }
    middlePivotQuicksort(keyed, [](const KeyedEntry &a, const KeyedEntry &b) { return a.key < b.key; });
    QList<GenerationEntry> order;
    order.reserve(keyed.size());
    for (const KeyedEntry &k : std::as_const(keyed))
        order.append(k.entry);
    return order;
}

} // namespace dd
