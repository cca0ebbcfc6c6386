#pragma once
// The object tree of a design file's component stream: what the binary and text forms both
// hold. Readers build it, writers turn it back into either form.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace dd::stream {

struct Property;
struct CollectionItem;

struct Value {
    enum class Kind : quint8 {
        Null, List, Integer, Extended, Single, Currency, Date, Text, Identifier,
        False, True, Binary, Set, Nil, Collection
    };

    Kind kind = Kind::Null;
    // Text only: read from a wide or UTF-8 tag, so the text form spells characters above 127 as #codes.
    bool unicode = false;
    // Integer and Currency (amount * 10000) hold qint64; Extended, Single and Date hold double;
    // Text and Identifier hold QString; Set holds its element names.
    std::variant<std::monostate, qint64, double, QString, QByteArray, QStringList, QList<Value>,
                 QList<CollectionItem>>
        data;

    static Value null() { return {}; }
    static Value boolean(bool on) { return {on ? Kind::True : Kind::False, false, {}}; }
    static Value nil() { return {Kind::Nil, false, {}}; }
    static Value integer(qint64 v) { return {Kind::Integer, false, v}; }
    static Value extended(double v) { return {Kind::Extended, false, v}; }
    // A single holds only float precision, so the tree keeps exactly what the stream can.
    static Value single(double v) { return {Kind::Single, false, double(float(v))}; }
    static Value currency(qint64 amountTimes10000) { return {Kind::Currency, false, amountTimes10000}; }
    static Value date(double v) { return {Kind::Date, false, v}; }
    static Value text(const QString &s, bool unicode = false) { return {Kind::Text, unicode, s}; }
    // True, False, nil and Null (any case) are values of their own in both forms.
    static Value identifier(const QString &name);
    static Value binary(const QByteArray &bytes) { return {Kind::Binary, false, bytes}; }
    static Value set(const QStringList &names) { return {Kind::Set, false, names}; }
    static Value list(const QList<Value> &values) { return {Kind::List, false, values}; }
    static Value collection(const QList<CollectionItem> &items);

    qint64 asInteger() const { return std::get<qint64>(data); }
    double asReal() const { return std::get<double>(data); }
    const QString &asText() const { return std::get<QString>(data); }
    const QByteArray &asBytes() const { return std::get<QByteArray>(data); }
    const QStringList &asNames() const { return std::get<QStringList>(data); }
    const QList<Value> &asList() const { return std::get<QList<Value>>(data); }
    const QList<CollectionItem> &asItems() const { return std::get<QList<CollectionItem>>(data); }

    bool operator==(const Value &) const = default;
};

struct Property {
    QString name; // may be a dotted path such as Font.Name
    Value value;
    bool operator==(const Property &) const = default;
};

struct CollectionItem {
    std::optional<qint32> index;
    QList<Property> properties;
    bool operator==(const CollectionItem &) const = default;
};

inline Value Value::collection(const QList<CollectionItem> &items) { return {Kind::Collection, false, items}; }

struct ObjectNode {
    enum Flag { Inherited = 1, ChildPosition = 2, Inline = 4 };

    int flags = 0; // ChildPosition mirrors childPosition; the writers go by childPosition
    std::optional<qint32> childPosition;
    QString className;
    QString name; // empty for an unnamed object
    QList<Property> properties;
    QList<ObjectNode> children;

    bool operator==(const ObjectNode &) const = default;
};

struct StreamError {
    QString message;
    qint64 offset = -1; // byte offset for binary input, line number for text
};

template <typename T>
struct Result {
    std::optional<T> value;
    StreamError error;

    bool ok() const { return value.has_value(); }
    static Result failure(const QString &message, qint64 offset) { return {std::nullopt, {message, offset}}; }
    static Result failure(const StreamError &error) { return {std::nullopt, error}; }
};

// Names, identifiers and set elements: 1 to 255 ASCII letters, digits, '_' and '.', not starting
// with a digit or '.'. Both readers refuse anything else, so every tree they give can be written as text.
bool isIdentifier(QStringView name);

} // namespace dd::stream
