#pragma once
// Floating values as design files keep them: 80-bit extended in the binary form, 16 significant
// decimal digits in the text form. Both writers round to those 16 digits, so what the text shows
// is what the stream stores.
#include <QtGlobal>

#include <array>
#include <optional>

namespace dd::stream {

using ExtendedBytes = std::array<quint8, 10>; // 64-bit mantissa, then sign and 15-bit exponent

// `value` rounded to 16 significant digits: 16 digits and the power of ten of the first.
struct Decimal16 {
    bool negative = false;
    std::array<char, 16> digits{}; // '0'..'9'; all '0' for zero
    int exponent = 0;              // value = d.ddddddddddddddd * 10^exponent
};

// Zero for non-finite values, which the readers never produce.
Decimal16 toDecimal16(double value);
double roundedTo16Digits(double value);

// The extended nearest to `value` rounded to 16 significant digits (not the exact double, which
// would show binary noise in the 17th and 18th digits to readers of the full extended).
ExtendedBytes toExtended(double value);
// The double nearest to the extended at `bytes`; nullopt for NaN, infinity and magnitudes beyond
// the range of a double.
std::optional<double> fromExtended(const quint8 *bytes);

} // namespace dd::stream
