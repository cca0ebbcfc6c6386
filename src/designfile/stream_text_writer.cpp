#include "designfile/extended_float.h"
#include "designfile/stream_text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace dd::stream {
namespace {

constexpr qsizetype kTextPieceLength = 64;
constexpr qsizetype kBinaryBytesPerLine = 32;

// Fixed notation with 18 decimals when all 16 digits fit in it, else an exponent.
QString formatReal(double value, QChar suffix)
{
    const Decimal16 d = toDecimal16(value);
    char buffer[64];
    char *p = buffer;
    if (d.negative)
        *p++ = '-';
    if (d.exponent >= -3 && d.exponent <= 17) {
        const int integerDigits = std::max(d.exponent + 1, 1);
        char *const point = p + integerDigits;
        std::fill(p, point + 19, '0');
        *point = '.';
        for (int i = 0; i < 16; ++i) {
            const int position = d.exponent - i; // power of ten of digit i
            *(position >= 0 ? point - 1 - position : point - position) = d.digits[size_t(i)];
        }
        p = point + 19;
    } else {
        *p++ = d.digits[0];
        *p++ = '.';
        p = std::copy(d.digits.begin() + 1, d.digits.end(), p);
        p += std::snprintf(p, 12, "000E%c%04d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    }
    QString out = QString::fromLatin1(buffer, p - buffer);
    if (!suffix.isNull())
        out += suffix;
    return out;
}

QString formatCurrency(qint64 amountTimes10000)
{
    const quint64 magnitude = amountTimes10000 < 0 ? 0 - quint64(amountTimes10000) : quint64(amountTimes10000);
    return (amountTimes10000 < 0 ? QStringLiteral("-") : QString()) % QString::number(magnitude / 10000) % u'.'
        % QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QChar(u'0')) % u"00000000000000c";
}

class TextWriter {
public:
    QString take() { return std::move(out_); }

    void writeObject(const ObjectNode &node, int level)
    {
        indent(level);
        if (node.flags & ObjectNode::Inline)
            out_ += u"inline ";
        else if (node.flags & ObjectNode::Inherited)
            out_ += u"inherited ";
        else
            out_ += u"object ";
        if (!node.name.isEmpty())
            out_ += node.name % u": ";
        out_ += node.className;
        if (node.childPosition)
            out_ += u" [" % QString::number(*node.childPosition) % u']';
        newline();
        writeProperties(node.properties, level + 1);
        for (const ObjectNode &child : node.children)
            writeObject(child, level + 1);
        indent(level);
        out_ += u"end";
        newline();
    }

private:
    void newline() { out_ += u"\r\n"; }

    void indent(int level)
    {
        static const QString spaces(2 * 64, u' ');
        for (int n = 2 * level; n > 0; n -= int(spaces.size()))
            out_ += QStringView(spaces).left(n);
    }

    void writeProperties(const QList<Property> &properties, int level)
    {
        for (const Property &p : properties) {
            indent(level);
            out_ += p.name;
            if (p.value.kind == Value::Kind::Text && p.value.asText().size() > kTextPieceLength) {
                // A long text starts below its name, all pieces aligned.
                out_ += u" =";
                newline();
                indent(level + 1);
                writeText(p.value.asText(), p.value.unicode, level + 1);
            } else {
                out_ += u" = ";
                writeValue(p.value, level);
            }
            newline();
        }
    }

    // Continues the current line; lines inside the value are one level deeper than `level`.
    void writeValue(const Value &v, int level)
    {
        using Kind = Value::Kind;
        switch (v.kind) {
        case Kind::Null: out_ += u"Null"; return;
        case Kind::False: out_ += u"False"; return;
        case Kind::True: out_ += u"True"; return;
        case Kind::Nil: out_ += u"nil"; return;
        case Kind::Integer: out_ += QString::number(v.asInteger()); return;
        case Kind::Extended: out_ += formatReal(v.asReal(), QChar()); return;
        case Kind::Single: out_ += formatReal(v.asReal(), u's'); return;
        case Kind::Date: out_ += formatReal(v.asReal(), u'd'); return;
        case Kind::Currency: out_ += formatCurrency(v.asInteger()); return;
        case Kind::Identifier: out_ += v.asText(); return;
        case Kind::Text: writeText(v.asText(), v.unicode, level); return;
        case Kind::Set: out_ += u'[' % v.asNames().join(u", ") % u']'; return;
        case Kind::Binary: writeBinary(v.asBytes(), level); return;
        case Kind::List:
            out_ += u'(';
            for (const Value &item : v.asList()) {
                newline();
                indent(level + 1);
                writeValue(item, level + 1);
            }
            out_ += u')';
            return;
        case Kind::Collection:
            out_ += u'<';
            for (const CollectionItem &item : v.asItems()) {
                newline();
                indent(level + 1);
                out_ += u"item";
                if (item.index)
                    out_ += u" [" % QString::number(*item.index) % u']';
                newline();
                writeProperties(item.properties, level + 2);
                indent(level + 1);
                out_ += u"end";
            }
            out_ += u'>';
            return;
        }
    }

    void writeBinary(const QByteArray &bytes, int level)
    {
        out_ += u'{';
        for (qsizetype at = 0; at < bytes.size(); at += kBinaryBytesPerLine) {
            newline();
            indent(level + 1);
            out_ += QString::fromLatin1(bytes.mid(at, kBinaryBytesPerLine).toHex().toUpper());
        }
        out_ += u'}';
    }

    // Pieces of at most 64 characters joined by " +", each further piece on its own line at `level`.
    void writeText(const QString &text, bool unicode, int level)
    {
        qsizetype start = 0;
        do {
            qsizetype end = std::min(start + kTextPieceLength, text.size());
            if (end < text.size() && text[end - 1].isHighSurrogate() && text[end].isLowSurrogate())
                --end; // never split a surrogate pair
            if (start > 0) {
                out_ += u" +";
                newline();
                indent(level);
            }
            writeQuoted(QStringView(text).mid(start, end - start), unicode);
            start = end;
        } while (start < text.size());
    }

    void writeQuoted(QStringView piece, bool unicode)
    {
        if (piece.isEmpty()) {
            out_ += u"''";
            return;
        }
        bool quoted = false;
        for (qsizetype i = 0; i < piece.size(); ++i) {
            const QChar c = piece[i];
            const bool pair = c.isHighSurrogate() && i + 1 < piece.size() && piece[i + 1].isLowSurrogate();
            const char32_t code = pair ? QChar::surrogateToUcs4(c, piece[i + 1]) : c.unicode();
            const bool asCode = code < 32 || (unicode && code > 127);
            if (asCode == quoted) { // entering or leaving the quotes
                out_ += u'\'';
                quoted = !quoted;
            }
            if (asCode)
                out_ += u'#' % QString::number(code);
            else if (c == u'\'')
                out_ += u"''";
            else
                out_ += piece.mid(i, pair ? 2 : 1);
            i += pair;
        }
        if (quoted)
            out_ += u'\'';
    }

    QString out_;
};

} // namespace

QString writeTextForm(const ObjectNode &root)
{
    return writeTextObjects({root});
}

QString writeTextObjects(const QList<ObjectNode> &objects)
{
    TextWriter writer;
    for (const ObjectNode &object : objects)
        writer.writeObject(object, 0);
    return writer.take();
}

} // namespace dd::stream
