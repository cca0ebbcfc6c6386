// Generating the program of a large design must grow linearly with its controls.
#include <benchmark/benchmark.h>

#include "gen_advpl/advpl_program.h"
#include "label_design.h"

namespace {

void BM_GenerateLabels(benchmark::State &state)
{
    dd::TTMSDialog root;
    fillWithLabels(root, int(state.range(0)));
    for (auto _ : state) {
        QStringList lines = dd::advplProgramLines(root, nullptr);
        benchmark::DoNotOptimize(lines);
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_GenerateLabels)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
