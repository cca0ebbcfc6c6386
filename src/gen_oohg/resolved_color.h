#pragma once
// Colours as red, green and blue, resolved without asking the running system, so that a design
// gives the same program on every machine.
#include "model/values.h"

namespace dd {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// A basic colour by its own value; a system colour (a negative value, its index in the low
// byte) by the Windows 10 default of that index; the special values by their low three bytes,
// as the toolkit's conversion does.
Rgb resolvedRgb(Color color);

} // namespace dd
