#include "designfile/extended_float.h"
#include "designfile/stream_binary.h"
#include "designfile/stream_property_gatherer.h"
#include "model/windows1252.h"

#include <QHash>
#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstring>

namespace dd::stream {
namespace {

const QString kInvalidFormat = QStringLiteral("Invalid stream format");

// Every read checks the remaining bytes first; the first error stops the whole read.
class BinaryReader {
public:
    BinaryReader(const char *data, qsizetype size) : data_(reinterpret_cast<const uchar *>(data)), size_(size) {}

    Result<ObjectNode> readStream()
    {
        if (size_ < 4 || std::memcmp(data_, "TPF0", 4) != 0)
            return Result<ObjectNode>::failure(kInvalidFormat, 0);
        pos_ = 4;
        ObjectNode root;
        if (!readObject(root))
            return Result<ObjectNode>::failure(error_);
        return {std::move(root), {}};
    }

private:
    bool fail(const QString &message, qsizetype at)
    {
        error_ = {message, at};
        return false;
    }

    bool invalid(const QString &detail, qsizetype at) { return fail(kInvalidFormat % u": " % detail, at); }

    bool need(qsizetype count)
    {
        return count <= size_ - pos_ || fail(QStringLiteral("Stream read error"), pos_);
    }

    bool enter(qsizetype at)
    {
        return ++depth_ <= kMaxNesting
            || invalid(QStringLiteral("nesting deeper than %1 levels").arg(kMaxNesting), at);
    }

    bool readByte(quint8 &out)
    {
        if (!need(1))
            return false;
        out = data_[pos_++];
        return true;
    }

    template <typename T>
    bool readLittleEndian(T &out)
    {
        if (!need(sizeof(T)))
            return false;
        out = qFromLittleEndian<T>(data_ + pos_);
        pos_ += sizeof(T);
        return true;
    }

    bool readLength(qsizetype &out, int unitSize)
    {
        quint32 count = 0;
        if (!readLittleEndian(count))
            return false;
        out = qsizetype(count);
        return need(out * unitSize);
    }

    bool readShortString(QString &out)
    {
        quint8 length = 0;
        if (!readByte(length) || !need(length))
            return false;
        out = fromWindows1252(reinterpret_cast<const char *>(data_ + pos_), length);
        pos_ += length;
        return true;
    }

    // Object names may be empty, and being unique they are not worth sharing.
    bool readName(QString &out, bool objectName = false)
    {
        const qsizetype at = pos_;
        quint8 length = 0;
        if (!readByte(length) || !need(length))
            return false;
        if (length == 0) {
            out.clear();
            return objectName || invalid(QStringLiteral("bad name ''"), at);
        }
        const QByteArrayView raw(data_ + pos_, length);
        pos_ += length;
        auto known = names_.constFind(raw);
        if (known == names_.cend()) {
            const QString name = fromWindows1252(raw.data(), raw.size());
            if (!isIdentifier(name))
                return invalid(u"bad name '" % name % u'\'', at);
            if (objectName) {
                out = name;
                return true;
            }
            known = names_.insert(raw, name);
        }
        out = *known;
        return true;
    }

    // An integer value limited to 32 bits: child positions and collection indexes.
    bool readSmallInteger(qint32 &out)
    {
        const qsizetype at = pos_;
        quint8 tag = 0;
        if (!readByte(tag))
            return false;
        switch (Tag(tag)) {
        case Tag::Int8: return readWidened<qint8>(out);
        case Tag::Int16: return readWidened<qint16>(out);
        case Tag::Int32: return readLittleEndian(out);
        default: return invalid(QStringLiteral("integer expected"), at);
        }
    }

    template <typename Narrow, typename Wide>
    bool readWidened(Wide &out)
    {
        Narrow v = 0;
        if (!readLittleEndian(v))
            return false;
        out = v;
        return true;
    }

    bool readObject(ObjectNode &node)
    {
        if (!enter(pos_) || !need(1))
            return false;
        if ((data_[pos_] & 0xF0) == 0xF0) {
            // An inline object's text form cannot say inherited too; the inline word covers both.
            node.flags = data_[pos_++] & (ObjectNode::Inherited | ObjectNode::ChildPosition | ObjectNode::Inline);
            if (node.flags & ObjectNode::Inline)
                node.flags &= ~ObjectNode::Inherited;
            if (node.flags & ObjectNode::ChildPosition) {
                qint32 position = 0;
                if (!readSmallInteger(position))
                    return false;
                node.childPosition = position;
            }
        }
        if (!readName(node.className) || !readName(node.name, true))
            return false;
        if (!readProperties(node.properties))
            return false;
        for (;;) {
            if (!need(1))
                return false;
            if (data_[pos_] == 0)
                break;
            if (!readObject(node.children.emplace_back()))
                return false;
        }
        ++pos_;
        --depth_;
        return true;
    }

    bool readProperties(QList<Property> &out)
    {
        std::vector<Property> &gathered = properties_.start(depth_);
        for (;;) {
            if (!need(1))
                return false;
            if (data_[pos_] == 0)
                break;
            Property &property = gathered.emplace_back();
            if (!readName(property.name) || !readValue(property.value))
                return false;
        }
        ++pos_;
        out = PropertyGatherer::take(gathered);
        return true;
    }

    bool readValue(Value &out)
    {
        const qsizetype at = pos_;
        quint8 tag = 0;
        if (!readByte(tag))
            return false;
        switch (Tag(tag)) {
        case Tag::Null: out = Value::null(); return true;
        case Tag::List: return readList(out, at);
        case Tag::Int8: return readInteger<qint8>(out);
        case Tag::Int16: return readInteger<qint16>(out);
        case Tag::Int32: return readInteger<qint32>(out);
        case Tag::Int64: return readInteger<qint64>(out);
        case Tag::Extended: {
            if (!need(10))
                return false;
            const std::optional<double> v = fromExtended(data_ + pos_);
            if (!v)
                return invalid(QStringLiteral("floating value out of range"), at);
            pos_ += 10;
            out = Value::extended(*v);
            return true;
        }
        case Tag::Single: {
            quint32 bits = 0;
            if (!readLittleEndian(bits))
                return false;
            return finiteReal(Value::Kind::Single, std::bit_cast<float>(bits), out, at);
        }
        case Tag::Date: {
            quint64 bits = 0;
            if (!readLittleEndian(bits))
                return false;
            return finiteReal(Value::Kind::Date, std::bit_cast<double>(bits), out, at);
        }
        case Tag::Currency: {
            qint64 raw = 0;
            if (!readLittleEndian(raw))
                return false;
            out = Value::currency(raw);
            return true;
        }
        case Tag::ShortText: {
            QString text;
            if (!readShortString(text))
                return false;
            out = Value::text(text);
            return true;
        }
        case Tag::LongText: {
            qsizetype length = 0;
            if (!readLength(length, 1))
                return false;
            out = Value::text(fromWindows1252(reinterpret_cast<const char *>(data_ + pos_), length));
            pos_ += length;
            return true;
        }
        case Tag::WideText: {
            qsizetype count = 0;
            if (!readLength(count, 2))
                return false;
            QString text(count, Qt::Uninitialized);
            QChar *units = text.data();
            for (qsizetype i = 0; i < count; ++i)
                units[i] = QChar(qFromLittleEndian<quint16>(data_ + pos_ + 2 * i));
            pos_ += 2 * count;
            out = Value::text(text, true);
            return true;
        }
        case Tag::Utf8Text: {
            qsizetype length = 0;
            if (!readLength(length, 1))
                return false;
            out = Value::text(QString::fromUtf8(reinterpret_cast<const char *>(data_ + pos_), length), true);
            pos_ += length;
            return true;
        }
        case Tag::Identifier: {
            QString name;
            if (!readName(name))
                return false;
            out = Value::identifier(name);
            return true;
        }
        case Tag::False: out = Value::boolean(false); return true;
        case Tag::True: out = Value::boolean(true); return true;
        case Tag::Nil: out = Value::nil(); return true;
        case Tag::Binary: {
            qsizetype length = 0;
            if (!readLength(length, 1))
                return false;
            out = Value::binary(QByteArray(reinterpret_cast<const char *>(data_ + pos_), length));
            pos_ += length;
            return true;
        }
        case Tag::Set: return readSet(out);
        case Tag::Collection: return readCollection(out, at);
        }
        return invalid(QStringLiteral("unknown value tag %1").arg(tag), at);
    }

    template <typename T>
    bool readInteger(Value &out)
    {
        qint64 v = 0;
        if (!readWidened<T>(v))
            return false;
        out = Value::integer(v);
        return true;
    }

    bool finiteReal(Value::Kind kind, double v, Value &out, qsizetype at)
    {
        if (!std::isfinite(v))
            return invalid(QStringLiteral("floating value out of range"), at);
        out = kind == Value::Kind::Single ? Value::single(v) : Value::date(v);
        return true;
    }

    bool readList(Value &out, qsizetype at)
    {
        if (!enter(at))
            return false;
        QList<Value> values;
        for (;;) {
            if (!need(1))
                return false;
            if (data_[pos_] == 0)
                break;
            if (!readValue(values.emplace_back()))
                return false;
        }
        ++pos_;
        --depth_;
        out = Value::list(values);
        return true;
    }

    bool readSet(Value &out)
    {
        QStringList names;
        for (;;) {
            if (!need(1))
                return false;
            if (data_[pos_] == 0)
                break;
            if (!readName(names.emplace_back()))
                return false;
        }
        ++pos_;
        out = Value::set(names);
        return true;
    }

    bool readCollection(Value &out, qsizetype at)
    {
        if (!enter(at))
            return false;
        QList<CollectionItem> items;
        for (;;) {
            if (!need(1))
                return false;
            if (data_[pos_] == 0)
                break;
            CollectionItem &item = items.emplace_back();
            if (data_[pos_] != quint8(Tag::List)) {
                qint32 index = 0;
                if (!readSmallInteger(index))
                    return false;
                item.index = index;
            }
            const qsizetype markAt = pos_;
            quint8 mark = 0;
            if (!readByte(mark))
                return false;
            if (mark != quint8(Tag::List))
                return invalid(QStringLiteral("collection item expected"), markAt);
            if (!readProperties(item.properties))
                return false;
        }
        ++pos_;
        --depth_;
        out = Value::collection(items);
        return true;
    }

    const uchar *data_;
    qsizetype size_;
    qsizetype pos_ = 0;
    int depth_ = 0;
    StreamError error_;
    // Names repeat all over a design (properties, classes, colours): one shared QString per
    // distinct name saves an allocation per property and most of the tree's memory.
    QHash<QByteArrayView, QString> names_;
    PropertyGatherer properties_;
};

} // namespace

Result<ObjectNode> readBinaryStream(const char *data, qsizetype size)
{
    return BinaryReader(data, size).readStream();
}

} // namespace dd::stream
