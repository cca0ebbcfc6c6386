// Loading, saving and converting large designs; each must scale linearly with the design.
#include <benchmark/benchmark.h>

#include <QHash>

#include "designfile/design_reader.h"
#include "designfile/resource_header.h"
#include "designfile/stream_text.h"
#include "label_design.h"

namespace {

const QByteArray &designOf(int count)
{
    static QHash<int, QByteArray> cache;
    auto it = cache.find(count);
    if (it == cache.end())
        it = cache.insert(count, labelDesignBytes(count));
    return *it;
}

void loadDesign(benchmark::State &state)
{
    const QByteArray &bytes = designOf(int(state.range(0)));
    for (auto _ : state) {
        dd::TTMSDialog root;
        auto tree = dd::designfile::parseDesignBytes(bytes, dd::designfile::Accept::BinaryOnly);
        dd::designfile::readDesign(root, *tree.value, dd::advplClasses());
        benchmark::DoNotOptimize(root.components().size());
    }
    state.SetComplexityN(state.range(0));
}

void saveDesign(benchmark::State &state)
{
    dd::TTMSDialog root;
    fillWithLabels(root, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(dd::designfile::designFileBytes(root).value->size());
    state.SetComplexityN(state.range(0));
}

void designToText(benchmark::State &state)
{
    const QByteArray &bytes = designOf(int(state.range(0)));
    for (auto _ : state) {
        auto tree = dd::stream::readDesignFile(bytes);
        benchmark::DoNotOptimize(dd::stream::writeTextForm(*tree.value).size());
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(loadDesign)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(saveDesign)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(designToText)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_MAIN();
