#include "gen_advpl/line_sort.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace dd {
namespace {

// The line with every character case-folded on its own; ASCII, nearly all of a program,
// takes the short way.
QString foldedKey(const QString &line)
{
    QString key(line.size(), Qt::Uninitialized);
    QChar *out = key.data();
    for (const QChar c : line) {
        const char16_t u = c.unicode();
        *out++ = u < 0x80 ? QChar(u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u) : c.toCaseFolded();
    }
    return key;
}

} // namespace

// Each line is folded once, so a comparison is a plain one and large designs sort quickly.
void sortLinesIgnoringCase(QStringList &lines)
{
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(lines.size());
    for (QString &line : lines) {
        QString key = foldedKey(line);
        keyed.emplace_back(std::move(key), std::move(line));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (qsizetype i = 0; i < lines.size(); ++i)
        lines[i] = std::move(keyed[std::size_t(i)].second);
}

} // namespace dd
