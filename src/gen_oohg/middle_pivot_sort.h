#pragma once
// The classic recursive quicksort with the middle element as pivot. Elements that compare
// equal end up in the order this exact procedure leaves them in, and generated programs
// depend on that order, so no other sort may stand in for it.
#include <QList>

#include <utility>

namespace dd {

// Sorts items[lo..hi] (both included) by `less`.
template <typename T, typename Less>
void middlePivotQuicksort(T *items, qsizetype lo, qsizetype hi, Less less)
{
    while (lo < hi) {
        // The pivot is the element itself, not its place: swaps may move it.
        const T pivot = items[(lo + hi) / 2];
        qsizetype i = lo;
        qsizetype j = hi;
        do {
            while (less(items[i], pivot))
                ++i;
            while (less(pivot, items[j]))
                --j;
            if (i <= j) {
                std::swap(items[i], items[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        // The two sides are sorted independently, so the order of doing them changes nothing;
        // recursing into the smaller one bounds the stack.
        if (j - lo < hi - i) {
            if (lo < j)
                middlePivotQuicksort(items, lo, j, less);
            lo = i;
        } else {
            if (i < hi)
                middlePivotQuicksort(items, i, hi, less);
            hi = j;
        }
    }
}

template <typename T, typename Less>
void middlePivotQuicksort(QList<T> &items, Less less)
{
    if (items.size() > 1)
        middlePivotQuicksort(items.data(), 0, items.size() - 1, less);
}

} // namespace dd
