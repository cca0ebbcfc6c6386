#include "model/field_lines.h"

namespace dd {
namespace {

FieldLineSource &source()
{
    static FieldLineSource installed;
    return installed;
}

// Lines come decoded from Windows-1252, whose bytes from 0xA0 up keep their code points.
bool bytesAt(const QString &line, qsizetype at, char16_t first, char16_t second)
{
    return line.size() > at + 1 && line[at].unicode() == first && line[at + 1].unicode() == second;
}

} // namespace

void setFieldLineSource(FieldLineSource s) { source() = std::move(s); }

QStringList tableFieldLines(const QString &table)
{
    return source() ? source()(table) : QStringList();
}

bool isUsedField(const QString &line)
{
    // Characters 14 and 15 of the use flags, or characters 5 and 6.
    constexpr qsizetype kFlags = 12;
    return bytesAt(line, kFlags + 13, 0xC7, 0xE1) || bytesAt(line, kFlags + 13, 0xC7, 0xA6)
        || bytesAt(line, kFlags + 13, 0xE2, 0xC7) || bytesAt(line, kFlags + 4, 0xEB, u'+');
}

QString fieldTitle(const QString &line) { return line.left(12).trimmed(); }

} // namespace dd
