#include "designfile/design_reader.h"

#include <QHash>
#include <QMetaProperty>

#include "designfile/property_kinds.h"
#include "model/class_registry.h"
#include "model/collection.h"
#include "model/control.h"
#include "model/design_root.h"

namespace dd::designfile {
namespace {

using stream::ObjectNode;
using stream::Property;
using stream::Value;
using Kind = stream::Value::Kind;

struct PendingReference {
    QObject *object;
    QMetaProperty property;
    QString target;
};

// One reading run: creates components, applies properties, remembers references.
class Reader {
public:
    Reader(DesignRoot &root, const ClassRegistry &classes) : m_root(root), m_classes(classes) {}

    void applyRoot(const ObjectNode &node);
    Component *readChild(const ObjectNode &node, Control *parent);
    void finish();

private:
    void applyProperties(QObject *object, Component *owner, const QList<Property> &properties);
    void apply(QObject *object, Component *owner, const Property &property);
    bool applyExtra(Component *owner, const Property &property);
    std::optional<QVariant> decode(const QMetaProperty &p, PropertyKind kind, const Value &value);
    bool applyToSubObject(QObject *object, const QMetaProperty &p, QStringView subName, const Value &value);
    bool applyCollection(ItemCollection *collection, const Value &value);
    int propertyIndex(const QMetaObject *meta, QStringView name);

    DesignRoot &m_root;
    const ClassRegistry &m_classes;
    QList<PendingReference> m_references;
    QList<Component *> m_read;
    QHash<const QMetaObject *, QHash<QString, int>> m_indexes;
};

int Reader::propertyIndex(const QMetaObject *meta, QStringView name)
{
    auto it = m_indexes.find(meta);
    if (it == m_indexes.end()) {
        QHash<QString, int> byName;
        for (int i = 1; i < meta->propertyCount(); ++i)
            byName.insert(QString::fromLatin1(meta->property(i).name()).toLower(), i);
        it = m_indexes.insert(meta, byName);
    }
    return it->value(name.toString().toLower(), -1);
}

std::optional<qint64> integerOf(const Value &value)
{
    if (value.kind != Kind::Integer)
        return std::nullopt;
    return value.asInteger();
}

std::optional<int> enumeratorOf(const QMetaEnum &e, QStringView name)
{
    for (int i = 0; i < e.keyCount(); ++i)
        if (name.compare(QLatin1StringView(e.key(i)), Qt::CaseInsensitive) == 0)
            return e.value(i);
    return std::nullopt;
}

std::optional<QVariant> Reader::decode(const QMetaProperty &p, PropertyKind kind, const Value &value)
{
    switch (kind) {
    case PropertyKind::Boolean:
        if (value.kind == Kind::True || value.kind == Kind::False)
            return QVariant(value.kind == Kind::True);
        return std::nullopt;
    case PropertyKind::Integer:
        if (auto v = integerOf(value); v && *v >= INT32_MIN && *v <= INT32_MAX)
            return QVariant(int(*v));
        return std::nullopt;
    case PropertyKind::Real:
        if (value.kind == Kind::Extended || value.kind == Kind::Single || value.kind == Kind::Date)
            return QVariant(value.asReal());
        if (auto v = integerOf(value))
            return QVariant(double(*v));
        return std::nullopt;
    case PropertyKind::Text:
        if (value.kind == Kind::Text)
            return QVariant(value.asText());
        return std::nullopt;
    case PropertyKind::Enumeration: {
        if (value.kind != Kind::Identifier)
            return std::nullopt;
        auto v = enumeratorOf(p.enumerator(), value.asText());
        if (!v)
            return std::nullopt;
        QVariant out(p.metaType(), nullptr);
        *static_cast<int *>(out.data()) = *v;
        return out;
    }
    case PropertyKind::Set: {
        if (value.kind != Kind::Set)
            return std::nullopt;
        int bits = 0;
        for (const QString &name : value.asNames()) {
            auto v = enumeratorOf(p.enumerator(), name);
            if (!v)
                return std::nullopt;
            bits |= *v;
        }
        QVariant out(p.metaType(), nullptr);
        *static_cast<int *>(out.data()) = bits;
        return out;
    }
    case PropertyKind::Color: {
        std::optional<qint64> v = value.kind == Kind::Identifier
            ? std::optional<qint64>(colorFromIdentifier(value.asText())) : integerOf(value);
        if (!v || *v < INT32_MIN || *v > UINT32_MAX)
            return std::nullopt;
        return QVariant::fromValue(dd::Color{qint32(quint32(*v))});
    }
    case PropertyKind::Charset: {
        std::optional<qint64> v = value.kind == Kind::Identifier
            ? std::optional<qint64>(charsetFromIdentifier(value.asText())) : integerOf(value);
        if (!v || *v < 0 || *v > 255)
            return std::nullopt;
        return QVariant::fromValue(dd::FontCharset{qint32(*v)});
    }
    default:
        return std::nullopt;
    }
}

bool Reader::applyToSubObject(QObject *object, const QMetaProperty &p, QStringView subName, const Value &value)
{
    const QMetaObject *meta = subObjectMeta(p);
    const int index = meta->indexOfProperty(subName.toLatin1().constData());
    if (index < 0)
        return false;
    const QMetaProperty sub = meta->property(index);
    auto decoded = decode(sub, kindOf(sub), value);
    if (!decoded)
        return false;
    QVariant whole = p.read(object);
    sub.writeOnGadget(whole.data(), *decoded);
    return p.write(object, whole);
}

bool Reader::applyCollection(ItemCollection *collection, const Value &value)
{
    if (value.kind != Kind::Collection)
        return false;
    collection->clear();
    for (const stream::CollectionItem &entry : value.asItems()) {
        dd::CollectionItem *item = collection->add();
        applyProperties(item, nullptr, entry.properties);
    }
    return true;
}

std::optional<QStringList> linesOf(const Value &value)
{
    if (value.kind != Kind::List)
        return std::nullopt;
    QStringList lines;
    for (const Value &v : value.asList()) {
        if (v.kind != Kind::Text)
            return std::nullopt;
        lines.append(v.asText());
    }
    return lines;
}

void Reader::apply(QObject *object, Component *owner, const Property &property)
{
    const QStringView name = property.name;
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    const QStringView head = dot < 0 ? name : name.left(dot);
    const QStringView sub = dot < 0 ? QStringView() : name.mid(dot + 1);
    const int index = propertyIndex(object->metaObject(), head);
    if (index < 0) {
        if (owner && sub.isEmpty())
            applyExtra(owner, property);
        return;
    }
    const QMetaProperty p = object->metaObject()->property(index);
    const PropertyKind kind = kindOf(p);
    if (kind == PropertyKind::Lines) {
        if (sub.compare(QLatin1String("Strings"), Qt::CaseInsensitive) == 0)
            if (auto lines = linesOf(property.value))
                p.write(object, *lines);
        return;
    }
    if (kind == PropertyKind::SubObject) {
        if (!sub.isEmpty())
            applyToSubObject(object, p, sub, property.value);
        return;
    }
    if (!sub.isEmpty())
        return;
    if (kind == PropertyKind::Collection) {
        applyCollection(qobject_cast<ItemCollection *>(p.read(object).value<QObject *>()), property.value);
        return;
    }
    if (kind == PropertyKind::Reference) {
        if (property.value.kind == Kind::Identifier)
            m_references.append({object, p, property.value.asText()});
        return;
    }
    if (!p.isWritable())
        return;
    auto decoded = decode(p, kind, property.value);
    if (!decoded)
        return;
    if (owner && !owner->validateWrite(p.name(), *decoded).isEmpty())
        return;
    p.write(object, *decoded);
}

// Values a component stores besides its published properties.
bool Reader::applyExtra(Component *owner, const Property &property)
{
    auto v = integerOf(property.value);
    if (!v)
        return false;
    if (owner == &m_root) {
        if (property.name.compare(QLatin1String("PixelsPerInch"), Qt::CaseInsensitive) == 0 && *v > 0 && *v < 10000) {
            m_root.setPixelsPerInch(int(*v));
            return true;
        }
        return false;
    }
    if (owner->isVisual() || *v < INT32_MIN || *v > INT32_MAX)
        return false;
    if (property.name.compare(QLatin1String("Left"), Qt::CaseInsensitive) == 0) {
        owner->setIconPosition(int(*v), owner->iconTop());
        return true;
    }
    if (property.name.compare(QLatin1String("Top"), Qt::CaseInsensitive) == 0) {
        owner->setIconPosition(owner->iconLeft(), int(*v));
        return true;
    }
    return false;
}

void Reader::applyProperties(QObject *object, Component *owner, const QList<Property> &properties)
{
    for (const Property &property : properties)
        apply(object, owner, property);
}

void Reader::applyRoot(const ObjectNode &node)
{
    m_root.setName(node.name);
    applyProperties(&m_root, &m_root, node.properties);
    for (const ObjectNode &child : node.children)
        readChild(child, &m_root);
}

Component *Reader::readChild(const ObjectNode &node, Control *parent)
{
    const ComponentClass *cls = m_classes.find(node.className);
    if (!cls)
        return nullptr; // skipped with its properties and children
    Component *component = createComponent(&m_root, *cls, parent, nullptr);
    if (!component)
        return nullptr;
    m_read.append(component);
    m_root.renameOnLoad(component, node.name);
    applyProperties(component, component, node.properties);
    if (auto *container = qobject_cast<Control *>(component))
        for (const ObjectNode &child : node.children)
            readChild(child, container);
    return component;
}

void Reader::finish()
{
    for (const PendingReference &ref : std::as_const(m_references)) {
        Component *target = m_root.findComponent(ref.target);
        if (!target)
            continue;
        const QMetaObject *wanted = ref.property.metaType().metaObject();
        if (wanted && !target->metaObject()->inherits(wanted))
            continue;
        ref.property.write(ref.object, QVariant::fromValue<QObject *>(target));
    }
    for (Component *c : std::as_const(m_read))
        c->finishLoading();
}

// Keeps the loading flag up for the whole run, also if a setter throws.
struct LoadingScope {
    explicit LoadingScope(DesignRoot &root) : root(root) { root.setLoading(true); }
    ~LoadingScope() { root.setLoading(false); }
    DesignRoot &root;
};

} // namespace

void readDesign(DesignRoot &root, const ObjectNode &tree, const ClassRegistry &classes)
{
    root.clearComponents();
    LoadingScope loading(root);
    root.setName(QString());
    Reader reader(root, classes);
    reader.applyRoot(tree);
    reader.finish();
    root.finishLoading();
}

QList<Component *> readComponents(DesignRoot &root, const QList<ObjectNode> &objects, Control *parent,
                                  const ClassRegistry &classes)
{
    LoadingScope loading(root);
    Reader reader(root, classes);
    QList<Component *> created;
    for (const ObjectNode &node : objects)
        if (Component *c = reader.readChild(node, parent))
            created.append(c);
    reader.finish();
    return created;
}

} // namespace dd::designfile
