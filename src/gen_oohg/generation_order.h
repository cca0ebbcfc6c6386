#pragma once
// The order in which the OOHG program visits a window's components: by the tab orders of
// each windowed control's ancestors and its own, everything else first.
#include <QList>
#include <QString>

namespace dd {

class DesignRoot;

struct GenerationEntry {
    int firstKey;
    int secondKey;
    // The component's position in the window's list of owned components.
    qsizetype componentIndex;
};

// The two keys as the text the entries are compared by: each key zero-filled to 11
// characters, a minus sign behind the zeros (-1 gives "000000000-1").
QString sortKeyText(int firstKey, int secondKey);

// One entry per owned component but the form designer, sorted by their key texts compared
// byte by byte, with the middle-pivot quicksort starting from component order.
QList<GenerationEntry> generationOrder(const DesignRoot &window);

} // namespace dd
