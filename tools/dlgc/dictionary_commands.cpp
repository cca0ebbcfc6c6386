// dlgc import-dictionary and dlgc fields: the dictionary import and reader on the command line.
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

#include "cli.h"
#include "dictionary/data_folder.h"
#include "dictionary/dictionary_import.h"
#include "dictionary/table_fields.h"
#include "model/progress_reporter.h"
#include "model/windows1252.h"

namespace dlgc {
namespace {

// A bar on standard error, drawn again only when the percentage changes.
class TerminalProgress : public dd::ProgressReporter {
public:
    void openProgress(int, const QString &message) override { reset(message, 1); }
    void resetProgress(const QString &message, int maximum) override { reset(message, maximum); }
    void stepProgress(const QString &) override
    {
        ++m_position;
        draw();
    }
    void closeProgress() override { std::fputc('\n', stderr); }

private:
    void reset(const QString &message, int maximum)
    {
        m_message = message.toLocal8Bit();
        m_maximum = std::max(1, maximum);
        m_position = 0;
        m_shown = -1;
        draw();
    }
    void draw()
    {
        const int percent = int(qint64(std::min(m_position, m_maximum)) * 100 / m_maximum);
        if (percent == m_shown)
            return;
        m_shown = percent;
        constexpr int kWidth = 40;
        const QByteArray bar = QByteArray(percent * kWidth / 100, '#').leftJustified(kWidth, '.');
        std::fprintf(stderr, "\r%s [%s] %3d%%", m_message.constData(), bar.constData(), percent);
        std::fflush(stderr);
    }

    QByteArray m_message;
    int m_maximum = 1;
    int m_position = 0;
    int m_shown = -1;
};

// Flags the command does not know are wrong arguments, not something to ignore.
bool onlyFlags(const Arguments &args, const QStringList &known)
{
    for (const QString &flag : args.flags) {
        if (!known.contains(flag)) {
            std::fprintf(stderr, "dlgc: unknown option --%s\n", qPrintable(flag));
            return false;
        }
    }
    return true;
}

void useDataDirOption(const Arguments &args)
{
    const QString folder = args.options.value(QStringLiteral("data-dir"));
    if (!folder.isEmpty())
        dd::setDataFolder(folder);
}

// Field completion upper-cases the alias the user typed, ASCII letters only.
QString upperAlias(QString alias)
{
    for (QChar &c : alias)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return alias;
}

} // namespace

int importDictionary(const Arguments &args)
{
    if (!onlyFlags(args, {}))
        return Usage;
    useDataDirOption(args);
    const QString target = args.output.isEmpty() ? dd::dictionaryFilePath() : args.output;
    TerminalProgress bar;
    const bool terminal = isatty(fileno(stderr));
    if (auto error = dd::dictionary::importDictionary(args.positional.front(), target, terminal ? &bar : nullptr)) {
        printError(*error);
        return BadInput;
    }
    return Ok;
}

int fields(const Arguments &args)
{
    if (!onlyFlags(args, {QStringLiteral("completion")}))
        return Usage;
    useDataDirOption(args);
    const QString dictionary = args.options.value(QStringLiteral("dictionary"), dd::dictionaryFilePath());
    if (!QFileInfo(dictionary).isFile()) {
        printError(QStringLiteral("no dictionary file \"%1\"").arg(dictionary));
        return BadInput;
    }
    const QString alias = upperAlias(args.positional.front());
    QStringList lines;
    dd::dictionary::TableFieldsOutcome outcome;
    if (args.flags.contains(QLatin1String("completion"))) {
        dd::dictionary::CompletionLists items;
        outcome = dd::dictionary::loadTableFields(dictionary, alias, &items, nullptr);
        for (qsizetype i = 0; i < items.insertList.size(); ++i)
            lines.append(items.insertList[i] + QLatin1Char('\t') + items.itemList[i]);
    } else {
        outcome = dd::dictionary::loadTableFields(dictionary, alias, nullptr, &lines);
    }
    if (!outcome.error.isEmpty()) {
        printError(outcome.error);
        return BadInput;
    }
    QByteArray bytes;
    qsizetype unmappable = 0;
    for (const QString &line : std::as_const(lines)) {
        qsizetype bad = 0;
        bytes += dd::toWindows1252(line, &bad) + '\n';
        unmappable += bad;
    }
    if (unmappable > 0)
        printWarning(QStringLiteral("%1 characters have no Windows-1252 byte and were written as '?'").arg(unmappable));
    if (!writeOutput(args.output, bytes))
        return BadInput;
    if (outcome.outOfDate) {
        printError(QString::fromLatin1(dd::dictionary::kUpdateDataDictionary));
        return BadInput;
    }
    return Ok;
}

} // namespace dlgc
