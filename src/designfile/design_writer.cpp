#include "designfile/design_writer.h"

#include <QMetaProperty>

#include "designfile/property_kinds.h"
#include "model/class_name.h"
#include "model/collection.h"
#include "model/control.h"
#include "model/design_root.h"

namespace dd::designfile {
namespace {

using stream::CollectionItem;
using stream::ObjectNode;
using stream::Property;
using stream::Value;

// The stream's form of one value, or nothing when the value is not written.
std::optional<Value> encode(PropertyKind kind, const QMetaProperty &p, const QVariant &value,
                            const QVariant &declaredDefault);

void appendProperties(QList<Property> &out, const QString &prefix, const QMetaObject *meta,
                      const void *gadget, const QObject *object, const Component *owner);

std::optional<Value> encodeCollection(const ItemCollection *collection)
{
    QList<CollectionItem> items;
    items.reserve(collection->size());
    for (const dd::CollectionItem *item : collection->items()) {
        CollectionItem entry;
        appendProperties(entry.properties, QString(), item->metaObject(), nullptr, item, nullptr);
        items.append(entry);
    }
    return Value::collection(items);
}

std::optional<Value> encode(PropertyKind kind, const QMetaProperty &p, const QVariant &value,
                            const QVariant &declaredDefault)
{
    const bool isDefault = declaredDefault.isValid() && declaredDefault.toLongLong() == value.toLongLong();
    switch (kind) {
    case PropertyKind::Boolean:
        if (isDefault)
            return std::nullopt;
        return Value::boolean(value.toBool());
    case PropertyKind::Integer:
        if (isDefault)
            return std::nullopt;
        return Value::integer(value.toLongLong());
    case PropertyKind::Enumeration: {
        if (isDefault)
            return std::nullopt;
        const char *key = p.enumerator().valueToKey(value.toInt());
        if (!key)
            return Value::integer(value.toInt());
        return Value::identifier(QString::fromLatin1(key));
    }
    case PropertyKind::Set: {
        const QMetaEnum e = p.enumerator();
        const int bits = value.toInt();
        QStringList names;
        for (int i = 0; i < e.keyCount(); ++i)
            if (e.value(i) != 0 && (bits & e.value(i)) == e.value(i))
                names.append(QString::fromLatin1(e.key(i)));
        return Value::set(names);
    }
    case PropertyKind::Real:
        if (value.toDouble() == 0.0)
            return std::nullopt;
        return Value::extended(value.toDouble());
    case PropertyKind::Text:
        if (value.toString().isEmpty())
            return std::nullopt;
        return Value::text(value.toString());
    case PropertyKind::Color: {
        const qint32 v = value.value<dd::Color>().value;
        if (auto name = colorIdentifier(v))
            return Value::identifier(*name);
        return Value::integer(v);
    }
    case PropertyKind::Charset: {
        const qint32 v = value.value<dd::FontCharset>().value;
        if (auto name = charsetIdentifier(v))
            return Value::identifier(*name);
        return Value::integer(v);
    }
    case PropertyKind::Reference: {
        const auto *target = qobject_cast<const Component *>(value.value<QObject *>());
        if (!target || target->name().isEmpty())
            return std::nullopt;
        return Value::identifier(target->name());
    }
    case PropertyKind::Collection:
        return encodeCollection(qobject_cast<const ItemCollection *>(value.value<QObject *>()));
    case PropertyKind::Lines:
    case PropertyKind::SubObject:
    case PropertyKind::Unsupported:
        break;
    }
    return std::nullopt;
}

void appendLines(QList<Property> &out, const QString &name, const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    QList<Value> values;
    values.reserve(lines.size());
    for (const QString &line : lines)
        values.append(Value::text(line));
    out.append({name + QStringLiteral(".Strings"), Value::list(values)});
}

// Readable and writable published properties in declaration order, base classes first; held
// objects (fonts, string lists, collections) under their dotted paths.
void appendProperties(QList<Property> &out, const QString &prefix, const QMetaObject *meta,
                      const void *gadget, const QObject *object, const Component *owner)
{
    const int first = gadget ? 0 : 1; // objectName is the record's name, not a property
    for (int i = first; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        const PropertyKind kind = kindOf(p);
        const bool heldCollection = kind == PropertyKind::Collection;
        if (!p.isReadable() || (!p.isWritable() && !heldCollection) || !p.isStored())
            continue;
        if (owner && !owner->isStored(p.name()))
            continue;
        const QString name = prefix + QString::fromLatin1(p.name());
        const QVariant value = gadget ? p.readOnGadget(gadget) : p.read(object);
        if (kind == PropertyKind::Lines) {
            appendLines(out, name, value.toStringList());
            continue;
        }
        if (kind == PropertyKind::SubObject) {
            appendProperties(out, name + QLatin1Char('.'), subObjectMeta(p), value.constData(), nullptr, nullptr);
            continue;
        }
        const QVariant declared = owner ? owner->declaredDefault(p.name()) : QVariant();
        if (auto encoded = encode(kind, p, value, declared))
            out.append({name, *encoded});
    }
}

// The root's handlers of the design window's events, written so every root carries them.
void appendRootEvents(QList<Property> &out)
{
    static const char *const kEvents[][2] = {{"OnActivate", "FormActivate"},
                                             {"OnCloseQuery", "FormCloseQuery"},
                                             {"OnCreate", "FormCreate"},
                                             {"OnShow", "FormShow"}};
    for (const auto &event : kEvents)
        out.append({QString::fromLatin1(event[0]), Value::identifier(QString::fromLatin1(event[1]))});
}

ObjectNode objectRecord(const Component &component)
{
    ObjectNode node;
    node.className = componentClassName(&component);
    node.name = component.name();
    appendProperties(node.properties, QString(), component.metaObject(), nullptr, &component, &component);
    if (!component.isVisual()) {
        if (component.iconLeft() != 0)
            node.properties.append({QStringLiteral("Left"), Value::integer(component.iconLeft())});
        if (component.iconTop() != 0)
            node.properties.append({QStringLiteral("Top"), Value::integer(component.iconTop())});
    }
    if (const auto *control = qobject_cast<const Control *>(&component)) {
        for (const Control *child : control->childControls())
            if (child->root() && child->root()->indexOf(child) >= 0)
                node.children.append(objectRecord(*child));
    }
    return node;
}

} // namespace

ObjectNode writeComponent(const Component &component) { return objectRecord(component); }

ObjectNode writeDesign(const DesignRoot &root)
{
    ObjectNode node = objectRecord(root);
    // The root's extra values follow its declared properties.
    appendRootEvents(node.properties);
    node.properties.append({QStringLiteral("PixelsPerInch"), Value::integer(root.pixelsPerInch())});
    node.properties.append({QStringLiteral("TextHeight"), Value::integer(root.font().textHeight())});
    for (const Component *c : root.components())
        if (!c->isVisual() && c != static_cast<const Component *>(root.formDesigner()))
            node.children.append(objectRecord(*c));
    return node;
}

} // namespace dd::designfile
