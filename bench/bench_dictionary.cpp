// The dictionary import of the large ERP table, against a plain C converter of dBASE tables to
// SQL text (pgdbf) on the same table, and the field lookup the completion pop-up makes every
// time it opens. Both need ../shared/fixtures/sx3/large beside the repository and skip without it.
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "dictionary/dictionary_import.h"
#include "dictionary/table_fields.h"

namespace {

QString largeTable()
{
    const QString repository = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral(".."));
    const QString table = QDir(repository).filePath(QStringLiteral("../shared/fixtures/sx3/large/SX3010.DBF"));
    return QFileInfo(table).isFile() ? QDir::cleanPath(table) : QString();
}

// A memory-backed folder when there is one: the measure is the import's work, not the disk's
// (the import syncs the file to disk before it replaces the old one).
QTemporaryDir &outputFolder()
{
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm/dd-bench-XXXXXX")
                                                                                 : QDir::tempPath() + QStringLiteral("/dd-bench-XXXXXX"));
    return dir;
}

// The dictionary of the large table, imported once, and the alias of its last table element.
struct LargeDictionary {
    QString path;
    QString lastAlias;
};

const LargeDictionary &largeDictionary()
{
    static const LargeDictionary dictionary = [] {
        const QString path = outputFolder().filePath(QStringLiteral("lookup.dic"));
        if (largeTable().isEmpty() || dd::dictionary::importDictionary(largeTable(), path, nullptr))
            return LargeDictionary{};
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        const qsizetype at = bytes.lastIndexOf("<table file=\"") + 13;
        return LargeDictionary{path, QString::fromUtf8(bytes.mid(at, bytes.indexOf('"', at) - at))};
    }();
    return dictionary;
}

void importLargeTable(benchmark::State &state)
{
    if (largeTable().isEmpty()) {
        state.SkipWithError("no ../shared/fixtures/sx3/large");
        return;
    }
    const QString target = outputFolder().filePath(QStringLiteral("QUORVEX.dic"));
    for (auto _ : state) {
        if (auto error = dd::dictionary::importDictionary(largeTable(), target, nullptr)) {
            state.SkipWithError(qPrintable(*error));
            return;
        }
    }
    state.SetLabel(qPrintable(QFileInfo(target).absolutePath()));
}

void pgdbfLargeTable(benchmark::State &state)
{
    const QString pgdbf = QStandardPaths::findExecutable(QStringLiteral("pgdbf"));
    if (largeTable().isEmpty() || pgdbf.isEmpty()) {
        state.SkipWithError("no ../shared/fixtures/sx3/large or no pgdbf");
        return;
    }
    for (auto _ : state) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(pgdbf, {largeTable()});
        p.waitForFinished(-1);
    }
}

void loadFieldsOfLastAlias(benchmark::State &state)
{
    const LargeDictionary &dictionary = largeDictionary();
    if (dictionary.path.isEmpty()) {
        state.SkipWithError("no ../shared/fixtures/sx3/large");
        return;
    }
    const bool completion = state.range(0) == 1;
    for (auto _ : state) {
        QStringList lines;
        dd::dictionary::CompletionLists items;
        dd::dictionary::loadTableFields(dictionary.path, dictionary.lastAlias, completion ? &items : nullptr, completion ? nullptr : &lines);
        benchmark::DoNotOptimize(lines.size() + items.itemList.size());
    }
    state.SetLabel(completion ? "completion items" : "list lines");
}

// The first lookup after an import reads the whole file once to find the table elements.
void loadFieldsAfterNewImport(benchmark::State &state)
{
    const LargeDictionary &dictionary = largeDictionary();
    if (dictionary.path.isEmpty()) {
        state.SkipWithError("no ../shared/fixtures/sx3/large");
        return;
    }
    QFile file(dictionary.path);
    file.open(QIODevice::ReadWrite);
    QDateTime modified = QDateTime::currentDateTime();
    for (auto _ : state) {
        state.PauseTiming();
        modified = modified.addSecs(1);
        file.setFileTime(modified, QFileDevice::FileModificationTime);
        state.ResumeTiming();
        QStringList lines;
        dd::dictionary::loadTableFields(dictionary.path, dictionary.lastAlias, nullptr, &lines);
        benchmark::DoNotOptimize(lines.size());
    }
}

} // namespace

BENCHMARK(importLargeTable)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(pgdbfLargeTable)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(loadFieldsOfLastAlias)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(loadFieldsAfterNewImport)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
