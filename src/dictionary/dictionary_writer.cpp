#include "dictionary/dictionary_writer.h"

#include <charconv>
#include <cstring>

namespace dd::dictionary {
namespace {

constexpr qsizetype kChunk = 1 << 16;
// The longest form of one UTF-16 unit: an escape such as "&quot;", or three UTF-8 bytes.
constexpr qsizetype kMaxBytesPerUnit = 6;

// Writes `value` escaped for a double-quoted attribute and returns the end. Line breaks and
// tabs become character references so that readers keep them; other control characters,
// which XML 1.0 cannot carry at all, become blanks and keep the text's character positions.
char *putEscaped(char *p, QStringView value)
{
    auto put = [&p](const char *text) {
        while (*text)
            *p++ = *text++;
    };
    for (qsizetype i = 0; i < value.size(); ++i) {
        char32_t c = value[i].unicode();
        if (c < 0x80) {
            switch (c) {
            case '&': put("&amp;"); break;
            case '<': put("&lt;"); break;
            case '>': put("&gt;"); break;
            case '"': put("&quot;"); break;
            case '\t': put("&#9;"); break;
            case '\n': put("&#10;"); break;
            case '\r': put("&#13;"); break;
            default: *p++ = c < 0x20 ? ' ' : char(c);
            }
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < value.size() && value[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), value[++i].unicode());
        else if (QChar::isSurrogate(c) || c == 0xFFFE || c == 0xFFFF)
            c = 0xFFFD; // not a character XML can hold
        if (c < 0x800) {
            *p++ = char(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            *p++ = char(0xE0 | (c >> 12));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
        } else {
            *p++ = char(0xF0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3F));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
        }
        *p++ = char(0x80 | (c & 0x3F));
    }
    return p;
}

} // namespace

DictionaryWriter::DictionaryWriter(QIODevice &device, const QString &application)
    : m_device(device), m_buffer(kChunk, Qt::Uninitialized)
{
    literal("<dicdados");
    attribute("app", application);
    literal(">\n");
}

char *DictionaryWriter::room(qsizetype bytes)
{
    if (m_used + bytes > m_buffer.size()) {
        if (m_device.write(m_buffer.constData(), m_used) != m_used)
            m_failed = true;
        m_used = 0;
        if (bytes > m_buffer.size())
            m_buffer.resize(bytes);
    }
    return m_buffer.data() + m_used;
}

void DictionaryWriter::literal(QByteArrayView text)
{
    std::memcpy(room(text.size()), text.data(), size_t(text.size()));
    m_used += text.size();
}

void DictionaryWriter::attribute(QByteArrayView name, QStringView value)
{
    char *start = room(name.size() + 4 + value.size() * kMaxBytesPerUnit);
    char *p = start;
    *p++ = ' ';
    std::memcpy(p, name.data(), size_t(name.size()));
    p += name.size();
    *p++ = '=';
    *p++ = '"';
    p = putEscaped(p, value);
    *p++ = '"';
    m_used += p - start;
}

// X3_TAMANHO as the file keeps it: at least three digits, zero-filled (6 gives 006).
void DictionaryWriter::sizeAttribute(qint64 size)
{
    char digits[24];
    const qsizetype length = std::to_chars(digits, digits + sizeof digits, size).ptr - digits;
    literal(" size=\"");
    if (size >= 0 && length < 3)
        literal(QByteArrayView("00", 3 - length));
    literal(QByteArrayView(digits, length));
    literal("\"");
}

void DictionaryWriter::startTable(const QString &alias)
{
    literal("  <table");
    attribute("file", alias);
    literal(">\n");
}

void DictionaryWriter::writeField(const Sx3Record &record)
{
    literal("    <fields");
    attribute("order", record.order);
    attribute("field", record.field);
    attribute("type", record.type);
    attribute("help", record.help);
    attribute("title", record.title);
    attribute("use", record.use);
    sizeAttribute(record.size);
    literal("/>\n");
}

void DictionaryWriter::endTable() { literal("  </table>\n"); }

bool DictionaryWriter::finish()
{
    literal("</dicdados>\n");
    if (m_device.write(m_buffer.constData(), m_used) != m_used)
        m_failed = true;
    m_used = 0;
    return !m_failed;
}

} // namespace dd::dictionary
