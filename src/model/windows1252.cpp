#include "model/windows1252.h"

#include <array>

namespace dd {
namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined,
// which map to the C1 control of the same value as Windows itself does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

int byteFor(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        const char16_t mapped = kHighControls[i] ? kHighControls[i] : char16_t(0x80 + i);
        if (mapped == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString fromWindows1252(const char *data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        if (b >= 0x80 && b < 0xA0 && kHighControls[b - 0x80])
            dst[i] = QChar(kHighControls[b - 0x80]);
        else
            dst[i] = QChar(b);
    }
    return out;
}

QByteArray toWindows1252(QStringView text, qsizetype *unmappable)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    qsizetype bad = 0;
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        // A surrogate pair is one character outside the code page: one '?'.
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        const int b = byteFor(c);
        if (b < 0) {
            ++bad;
            out[n++] = '?';
        } else {
            out[n++] = char(b);
        }
    }
    out.truncate(n);
    if (unmappable)
        *unmappable = bad;
    return out;
}

bool fitsWindows1252(QStringView text)
{
    for (QChar c : text)
        if (byteFor(c.unicode()) < 0)
            return false;
    return true;
}

} // namespace dd
