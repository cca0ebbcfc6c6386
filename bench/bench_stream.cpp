// Design-file conversions on a dialog of N labels: binary file -> tree -> text (opening a file
// into the clipboard or converter form) and text -> tree -> binary file (pasting, converting back).
#include "designfile/resource_header.h"
#include "designfile/stream_text.h"

#include <benchmark/benchmark.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace dd::stream;
using namespace Qt::Literals::StringLiterals;

namespace {

ObjectNode label(int i)
{
    ObjectNode say;
    say.className = u"TTSay"_s;
    say.name = u"oSay"_s + QString::number(i + 1);
    say.properties = {
        {u"Left"_s, Value::integer(8 + i % 50 * 12)},
        {u"Top"_s, Value::integer(16 + i / 50 * 20)},
        {u"Width"_s, Value::integer(60)},
        {u"Height"_s, Value::integer(13)},
        {u"AutoSize"_s, Value::boolean(false)},
        {u"Caption"_s, Value::text(u"Nome "_s + QString::number(i))},
        {u"Color"_s, Value::identifier(u"clWhite"_s)},
        {u"Font.Style"_s, Value::set({})},
        {u"lReadOnly"_s, Value::boolean(false)},
        {u"nLength"_s, Value::integer(1)},
        {u"nClrText"_s, Value::identifier(u"CLR_BLACK"_s)},
        {u"nClrBack"_s, Value::identifier(u"CLR_WHITE"_s)},
        {u"tType"_s, Value::identifier(u"tgCaracter"_s)},
    };
    return say;
}

ObjectNode labelDialog(int labels)
{
    ObjectNode root;
    root.className = u"TTMSDialog"_s;
    root.name = u"oDlg1"_s;
    root.properties = {{u"Left"_s, Value::integer(200)}, {u"Caption"_s, Value::text(u"Teste"_s)}};
    root.children.reserve(labels);
    for (int i = 0; i < labels; ++i)
        root.children.append(label(i));
    return root;
}

void binaryToText(benchmark::State &state)
{
    const QByteArray file = *writeDesignFile(labelDialog(int(state.range(0)))).value;
    for (auto _ : state) {
        const Result<ObjectNode> tree = readDesignFile(file);
        QString text = writeTextForm(*tree.value);
        benchmark::DoNotOptimize(text);
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * file.size());
    state.counters["file_bytes"] = double(file.size());
}

void textToBinary(benchmark::State &state)
{
    const QString text = writeTextForm(labelDialog(int(state.range(0))));
    for (auto _ : state) {
        const Result<ObjectNode> tree = readTextForm(text);
        QByteArray file = *writeDesignFile(*tree.value).value;
        benchmark::DoNotOptimize(file);
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
    state.counters["text_chars"] = double(text.size());
}

} // namespace

// MinTime gives the large case more than the single warm-up iteration.
BENCHMARK(binaryToText)->Arg(10000)->Arg(100000)->MinTime(2)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(textToBinary)->Arg(10000)->Arg(100000)->MinTime(2)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

int main(int argc, char **argv)
{
#ifdef __GLIBC__
    // Keep freed memory in the process, as a running designer does. Otherwise the large case
    // maps fresh memory on every iteration and pays its first-touch page faults (about 12 us a
    // page on a VM) while the small case reuses its memory: that would compare the allocator.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
