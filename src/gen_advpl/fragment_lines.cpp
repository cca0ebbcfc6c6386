#include "gen_advpl/fragment_lines.h"

namespace dd {
namespace {

bool isBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// Length of the break at `at`: 2 for CR LF, 1 for CR or LF alone.
qsizetype breakLength(const QString &text, qsizetype at)
{
    return text[at] == QLatin1Char('\r') && at + 1 < text.size() && text[at + 1] == QLatin1Char('\n') ? 2 : 1;
}

} // namespace

void appendFragment(QStringList &block, QString fragment)
{
    const QString &text = fragment; // reading through a const view never detaches
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype stop = start;
        while (stop < text.size() && !isBreak(text[stop]))
            ++stop;
        const qsizetype next = stop < text.size() ? stop + breakLength(text, stop) : stop;
        if (start == 0 && next == text.size()) {
            // Most fragments are one statement: keep its text instead of copying it.
            fragment.truncate(stop);
            block.append(std::move(fragment));
            return;
        }
        block.append(text.sliced(start, stop - start));
        start = next;
    }
}

} // namespace dd
