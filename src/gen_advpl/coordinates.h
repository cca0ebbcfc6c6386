#pragma once
// ADVPL control statements take half the design-surface pixels, zero-filled to three digits.
// Each offset is added after halving.
#include <QString>

namespace dd {

class Control;

// Halves toward zero: 7 gives 3, -7 gives -3.
int halved(int pixels);

// A control on a group is placed relative to the group's parent, so the group's position is
// added before halving.
QString controlTop(const Control &control, int offset = 0);
QString controlLeft(const Control &control, int offset = 0);
// Half the height, minus 2 for a one-line get, plus 3 for the dialog.
QString controlHeight(const Control &control);
QString controlWidth(const Control &control, int offset = 0);
QString controlBottom(const Control &control);
QString controlRight(const Control &control);

} // namespace dd
