#include "designfile/extended_float.h"
#include "designfile/stream_binary.h"
#include "model/windows1252.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <limits>

namespace dd::stream {
namespace {

struct TextForms {
    bool ascii = true;
    bool utf8Valid = true; // false when an unpaired surrogate has no UTF-8 form
    qsizetype utf8Bytes = 0;
};

TextForms measure(QStringView text)
{
    TextForms forms;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80) {
            ++forms.utf8Bytes;
            continue;
        }
        forms.ascii = false;
        if (c.unicode() < 0x800) {
            forms.utf8Bytes += 2;
        } else if (!c.isSurrogate()) {
            forms.utf8Bytes += 3;
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            forms.utf8Bytes += 4;
            ++i;
        } else {
            forms.utf8Valid = false;
        }
    }
    return forms;
}

class BinaryWriter {
public:
    QByteArray take() { return std::move(out_); }

    void writeSignature() { out_.append("TPF0", 4); }

    void writeObject(const ObjectNode &node)
    {
        int prefix = node.flags & (ObjectNode::Inherited | ObjectNode::Inline);
        if (node.childPosition)
            prefix |= ObjectNode::ChildPosition;
        // A class name of 240 or more bytes would pass for a prefix byte, so it gets one.
        if (prefix || node.className.size() >= 0xF0)
            writeByte(0xF0 | prefix);
        if (node.childPosition)
            writeInteger(*node.childPosition);
        writeShortString(node.className);
        writeShortString(node.name);
        writeProperties(node.properties);
        for (const ObjectNode &child : node.children)
            writeObject(child);
        writeByte(0);
    }

private:
    void writeByte(int b) { out_.append(char(b)); }

    void writeTag(Tag tag) { writeByte(int(tag)); }

    template <typename T>
    void writeLittleEndian(T v)
    {
        char bytes[sizeof(T)];
        qToLittleEndian(v, bytes);
        out_.append(bytes, sizeof(T));
    }

    void writeShortString(QStringView s)
    {
        const qsizetype length = std::min<qsizetype>(s.size(), 255);
        if (std::all_of(s.begin(), s.begin() + length, [](QChar c) { return c.unicode() < 0x80; })) {
            // Names are ASCII: copy them straight in, without a temporary.
            const qsizetype at = out_.size();
            out_.resize(at + 1 + length);
            out_[at] = char(length);
            std::transform(s.begin(), s.begin() + length, out_.data() + at + 1, [](QChar c) { return char(c.unicode()); });
            return;
        }
        const QByteArray bytes = toWindows1252(s).left(255);
        writeByte(int(bytes.size()));
        out_.append(bytes);
    }

    void writeProperties(const QList<Property> &properties)
    {
        for (const Property &p : properties) {
            writeShortString(p.name);
            writeValue(p.value);
        }
        writeByte(0);
    }

    void writeInteger(qint64 v)
    {
        if (v >= std::numeric_limits<qint8>::min() && v <= std::numeric_limits<qint8>::max()) {
            writeTag(Tag::Int8);
            writeLittleEndian(qint8(v));
        } else if (v >= std::numeric_limits<qint16>::min() && v <= std::numeric_limits<qint16>::max()) {
            writeTag(Tag::Int16);
            writeLittleEndian(qint16(v));
        } else if (v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max()) {
            writeTag(Tag::Int32);
            writeLittleEndian(qint32(v));
        } else {
            writeTag(Tag::Int64);
            writeLittleEndian(v);
        }
    }

    void writeLength(qsizetype n) { writeLittleEndian(quint32(n)); }

    void writeText(const QString &text)
    {
        const TextForms forms = measure(text);
        if (text.isEmpty() || !forms.ascii) {
            if (!text.isEmpty() && forms.utf8Valid && forms.utf8Bytes < 2 * text.size()) {
                writeTag(Tag::Utf8Text);
                const QByteArray utf8 = text.toUtf8();
                writeLength(utf8.size());
                out_.append(utf8);
            } else {
                writeTag(Tag::WideText);
                writeLength(text.size());
                for (QChar c : text)
                    writeLittleEndian(quint16(c.unicode()));
            }
            return;
        }
        if (text.size() < 256) {
            writeTag(Tag::ShortText);
            writeByte(int(text.size()));
        } else {
            writeTag(Tag::LongText);
            writeLength(text.size());
        }
        out_.append(text.toLatin1());
    }

    void writeValue(const Value &v)
    {
        using Kind = Value::Kind;
        switch (v.kind) {
        case Kind::Null: writeTag(Tag::Null); return;
        case Kind::False: writeTag(Tag::False); return;
        case Kind::True: writeTag(Tag::True); return;
        case Kind::Nil: writeTag(Tag::Nil); return;
        case Kind::Integer: writeInteger(v.asInteger()); return;
        case Kind::Extended: {
            writeTag(Tag::Extended);
            const ExtendedBytes bytes = toExtended(v.asReal());
            out_.append(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
            return;
        }
        case Kind::Single:
            writeTag(Tag::Single);
            writeLittleEndian(std::bit_cast<quint32>(float(v.asReal())));
            return;
        case Kind::Currency:
            writeTag(Tag::Currency);
            writeLittleEndian(v.asInteger());
            return;
        case Kind::Date:
            writeTag(Tag::Date);
            writeLittleEndian(std::bit_cast<quint64>(roundedTo16Digits(v.asReal())));
            return;
        case Kind::Text: writeText(v.asText()); return;
        case Kind::Identifier:
            writeTag(Tag::Identifier);
            writeShortString(v.asText());
            return;
        case Kind::Binary:
            writeTag(Tag::Binary);
            writeLength(v.asBytes().size());
            out_.append(v.asBytes());
            return;
        case Kind::Set:
            writeTag(Tag::Set);
            for (const QString &name : v.asNames())
                writeShortString(name);
            writeByte(0);
            return;
        case Kind::List:
            writeTag(Tag::List);
            for (const Value &item : v.asList())
                writeValue(item);
            writeByte(0);
            return;
        case Kind::Collection:
            writeTag(Tag::Collection);
            for (const CollectionItem &item : v.asItems()) {
                if (item.index)
                    writeInteger(*item.index);
                writeTag(Tag::List);
                writeProperties(item.properties);
            }
            writeByte(0);
            return;
        }
    }

    QByteArray out_;
};

} // namespace

QByteArray writeBinaryStream(const ObjectNode &root)
{
    BinaryWriter writer;
    writer.writeSignature();
    writer.writeObject(root);
    return writer.take();
}

} // namespace dd::stream
