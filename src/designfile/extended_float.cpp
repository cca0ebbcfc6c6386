#include "designfile/extended_float.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace dd::stream {
namespace {

// Just enough unsigned big-integer arithmetic to divide M * 10^k exactly; the operands stay
// below ~1200 bits for any double.
class BigUint {
public:
    explicit BigUint(quint64 v) : words_{quint32(v), quint32(v >> 32)} { trim(); }

    void multiplySmall(quint32 factor)
    {
        quint64 carry = 0;
        for (quint32 &w : words_) {
            const quint64 product = quint64(w) * factor + carry;
            w = quint32(product);
            carry = product >> 32;
        }
        if (carry)
            words_.push_back(quint32(carry));
    }

    void multiplyByPowerOfTen(int exponent)
    {
        for (; exponent >= 9; exponent -= 9)
            multiplySmall(1000000000u);
        for (; exponent > 0; --exponent)
            multiplySmall(10u);
    }

    void shiftLeft(int bits)
    {
        const int wordShift = bits / 32;
        const int bitShift = bits % 32;
        words_.insert(words_.begin(), size_t(wordShift), 0u);
        if (bitShift) {
            quint32 carry = 0;
            for (size_t i = size_t(wordShift); i < words_.size(); ++i) {
                const quint32 w = words_[i];
                words_[i] = (w << bitShift) | carry;
                carry = w >> (32 - bitShift);
            }
            if (carry)
                words_.push_back(carry);
        }
    }

    int bitLength() const
    {
        return words_.empty() ? 0 : int(words_.size() - 1) * 32 + 32 - std::countl_zero(words_.back());
    }

    bool isZero() const { return words_.empty(); }

    int compare(const BigUint &other) const
    {
        if (words_.size() != other.words_.size())
            return words_.size() < other.words_.size() ? -1 : 1;
        for (size_t i = words_.size(); i-- > 0;)
            if (words_[i] != other.words_[i])
                return words_[i] < other.words_[i] ? -1 : 1;
        return 0;
    }

    // Requires *this >= other.
    void subtract(const BigUint &other)
    {
        qint64 borrow = 0;
        for (size_t i = 0; i < words_.size(); ++i) {
            qint64 d = qint64(words_[i]) - borrow - (i < other.words_.size() ? qint64(other.words_[i]) : 0);
            borrow = d < 0;
            words_[i] = quint32(d + (borrow << 32));
        }
        trim();
    }

private:
    void trim()
    {
        while (!words_.empty() && words_.back() == 0)
            words_.pop_back();
    }

    std::vector<quint32> words_;
};

struct Quotient {
    unsigned __int128 bits = 0;
    bool remainderNonZero = false;
};

// numerator / denominator by shift-and-subtract; the quotient must fit in 128 bits.
Quotient divide(BigUint numerator, const BigUint &denominator)
{
    Quotient q;
    for (int shift = numerator.bitLength() - denominator.bitLength(); shift >= 0; --shift) {
        BigUint shifted = denominator;
        shifted.shiftLeft(shift);
        if (numerator.compare(shifted) >= 0) {
            numerator.subtract(shifted);
            q.bits |= static_cast<unsigned __int128>(1) << shift;
        }
    }
    q.remainderNonZero = !numerator.isZero();
    return q;
}

ExtendedBytes pack(bool negative, int biasedExponent, quint64 mantissa)
{
    ExtendedBytes out{};
    for (int i = 0; i < 8; ++i)
        out[size_t(i)] = quint8(mantissa >> (8 * i));
    const quint16 top = quint16((negative ? 0x8000 : 0) | biasedExponent);
    out[8] = quint8(top);
    out[9] = quint8(top >> 8);
    return out;
}

constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;

} // namespace

Decimal16 toDecimal16(double value)
{
    if (!std::isfinite(value))
        return {}; // no decimal form; the readers never produce such values
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 15).ptr;
    // "-d.ddddddddddddddde+XX"
    const char *p = buffer;
    Decimal16 d;
    d.negative = *p == '-';
    p += d.negative;
    d.digits[0] = *p;
    std::memcpy(d.digits.data() + 1, p + 2, 15);
    std::from_chars(p + 18 + (p[18] == '+'), end, d.exponent);
    // The largest doubles round up past the double range; the 16-digit value just below stays in it.
    static constexpr char kLargest[] = "1797693134862315";
    if (d.exponent == 308 && std::memcmp(d.digits.data(), kLargest, 16) > 0)
        std::memcpy(d.digits.data(), kLargest, 16);
    return d;
}

double roundedTo16Digits(double value)
{
    if (!std::isfinite(value))
        return value;
    const Decimal16 d = toDecimal16(value);
    char buffer[32];
    char *p = buffer;
    if (d.negative)
        *p++ = '-';
    std::memcpy(p, d.digits.data(), 16);
    p += 16;
    *p++ = 'e';
    p = std::to_chars(p, buffer + sizeof buffer, d.exponent - 15).ptr;
    double rounded = 0;
    std::from_chars(buffer, p, rounded);
    return rounded;
}

ExtendedBytes toExtended(double value)
{
    if (value == 0)
        return pack(std::signbit(value), 0, 0);
    if (!std::isfinite(value)) // the x87 encodings of infinity and the default NaN
        return pack(std::signbit(value), 0x7FFF, std::isnan(value) ? 0xC000000000000000u : 0x8000000000000000u);
    const Decimal16 d = toDecimal16(value);
    quint64 digits = 0;
    for (char c : d.digits)
        digits = digits * 10 + quint64(c - '0');
    const int powerOfTen = d.exponent - 15;

    BigUint numerator(digits);
    BigUint denominator(1);
    if (powerOfTen > 0)
        numerator.multiplyByPowerOfTen(powerOfTen);
    else
        denominator.multiplyByPowerOfTen(-powerOfTen);

    // Scale so that the quotient has 65 or 66 bits: 64 for the mantissa, the rest for rounding.
    int scale = 65 - (numerator.bitLength() - denominator.bitLength());
    if (scale > 0)
        numerator.shiftLeft(scale);
    else
        denominator.shiftLeft(-scale);
    Quotient q = divide(numerator, denominator);
    bool sticky = q.remainderNonZero;
    while (q.bits >> 65) {
        sticky |= bool(q.bits & 1);
        q.bits >>= 1;
        --scale;
    }
    // value ~= bits * 2^-scale; keep 64 bits, rounding half to even.
    const bool roundBit = bool(q.bits & 1);
    quint64 mantissa = quint64(q.bits >> 1);
    if (roundBit && (sticky || (mantissa & 1))) {
        if (++mantissa == 0) {
            mantissa = quint64(1) << 63;
            --scale;
        }
    }
    // mantissa * 2^(1 - scale) = mantissa * 2^(exponent - bias - 63)
    return pack(d.negative, kExtendedBias + 64 - scale, mantissa);
}

std::optional<double> fromExtended(const quint8 *bytes)
{
    quint64 mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[i];
    const int top = bytes[8] | (bytes[9] << 8);
    const bool negative = top & 0x8000;
    const int biased = top & 0x7FFF;
    if (biased == 0x7FFF)
        return std::nullopt; // infinity or NaN
    if (mantissa == 0)
        return negative ? -0.0 : 0.0;

    // value = mantissa * 2^(exponent - 63), with the mantissa normalised to bit 63 set.
    const int leadingZeros = std::countl_zero(mantissa);
    mantissa <<= leadingZeros;
    int exponent = (biased == 0 ? 1 : biased) - kExtendedBias - leadingZeros;

    // A double keeps 53 bits; subnormals keep fewer.
    const int dropped = 11 + (exponent < 1 - kDoubleBias ? 1 - kDoubleBias - exponent : 0);
    quint64 kept = 0;
    bool roundUp = false;
    if (dropped < 64) {
        kept = mantissa >> dropped;
        const quint64 rest = mantissa & ((quint64(1) << dropped) - 1);
        const quint64 half = quint64(1) << (dropped - 1);
        roundUp = rest > half || (rest == half && (kept & 1));
    } else if (dropped == 64) {
        roundUp = mantissa > (quint64(1) << 63); // exactly half rounds to the even zero
    }
    kept += roundUp;

    quint64 bits = 0;
    if (dropped == 11) {
        if (kept >> 53) { // rounding carried into a new bit
            kept >>= 1;
            ++exponent;
        }
        if (exponent > kDoubleBias)
            return std::nullopt;
        bits = (quint64(exponent + kDoubleBias) << 52) | (kept & ((quint64(1) << 52) - 1));
    } else {
        bits = kept; // subnormal, or the smallest normal when rounding carried into bit 52
    }
    if (negative)
        bits |= quint64(1) << 63;
    return std::bit_cast<double>(bits);
}

} // namespace dd::stream
