// Generating the program of a large OOHG window must grow no faster than n log n: the
// generation order is a sort, everything else is one pass.
#include <benchmark/benchmark.h>

#include "gen_oohg/button_controls.h"
#include "gen_oohg/containers.h"
#include "gen_oohg/oohg_program.h"
#include "gen_oohg/text_controls.h"
#include "gen_oohg/view_controls.h"
#include "gen_oohg/window.h"
#include "model/class_name.h"
#include "model/class_registry.h"

namespace {

template <typename T>
T *placed(dd::THWindow &window, dd::Control *parent, int tabOrder)
{
    const dd::ComponentClass &cls = *dd::oohgClasses().find(dd::componentClassName(&T::staticMetaObject));
    auto *control = static_cast<T *>(dd::createComponent(&window, cls, parent, nullptr));
    window.assignComponentName(control, control->hasPreName() ? control->preName() : QStringLiteral("Define"));
    control->setBounds(8 + tabOrder % 40 * 16, 8 + tabOrder / 40 % 500, 60, 21);
    control->setTabOrder(tabOrder);
    return control;
}

// About `count` controls: labels, images, edits and buttons on the window, frames and tab
// pages holding some of them, so that many entries share a key, as labels do.
void fillMixedWindow(dd::THWindow &window, int count)
{
    window.setName(QStringLiteral("oDlg1"));
    window.setBounds(0, 0, 800, 600);
    dd::Control *frame = nullptr;
    dd::Control *page = nullptr;
    for (int i = 0; i < count; ++i) {
        switch (i % 10) {
        case 0:
            frame = placed<dd::THFrame>(window, &window, i);
            break;
        case 1:
        case 2:
            placed<dd::THEdit>(window, frame, i % 10);
            break;
        case 3:
            placed<dd::THLabel>(window, frame, 0)->setCaption(QStringLiteral("Campo %1").arg(i));
            break;
        case 4: {
            auto *tab = placed<dd::THTab>(window, &window, i);
            page = placed<dd::THPage>(window, tab, 0);
            break;
        }
        case 5:
            placed<dd::THCheckBox>(window, page, 0);
            break;
        case 6:
            placed<dd::THImage>(window, page, 0);
            break;
        case 7:
            placed<dd::THLabel>(window, &window, 0);
            break;
        default:
            placed<dd::THButton>(window, &window, i)->setCaption(QStringLiteral("OK"));
            break;
        }
    }
}

void BM_GenerateMixedWindow(benchmark::State &state)
{
    dd::THWindow window;
    fillMixedWindow(window, int(state.range(0)));
    for (auto _ : state) {
        QStringList lines = dd::oohgProgramLines(window, nullptr);
        benchmark::DoNotOptimize(lines);
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_GenerateMixedWindow)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

BENCHMARK_MAIN();
