#include "gen_advpl/fragment_lines.h"

namespace dd {

void appendFragment(QStringList &block, const QString &fragment)
{
    const QChar *const begin = fragment.constData();
    const QChar *const end = begin + fragment.size();
    const QChar *start = begin;
    while (start < end) {
        const QChar *stop = start;
        while (stop < end && *stop != QLatin1Char('\r') && *stop != QLatin1Char('\n'))
            ++stop;
        block.append(QString(start, stop - start));
        if (stop + 1 < end && *stop == QLatin1Char('\r') && stop[1] == QLatin1Char('\n'))
            ++stop;
        start = stop + 1;
    }
}

} // namespace dd
