#include "model/collection.h"

namespace dd {

CollectionItem::CollectionItem(ItemCollection *collection) : QObject(collection) {}

ItemCollection *CollectionItem::collection() const { return static_cast<ItemCollection *>(parent()); }

qsizetype CollectionItem::index() const { return collection()->items().indexOf(const_cast<CollectionItem *>(this)); }

ItemCollection::ItemCollection(QObject *owner, Factory factory) : QObject(owner), m_factory(std::move(factory)) {}

CollectionItem *ItemCollection::add()
{
    CollectionItem *item = m_factory(this);
    m_items.append(item);
    Q_EMIT changed();
    return item;
}

void ItemCollection::remove(CollectionItem *item)
{
    if (m_items.removeOne(item)) {
        delete item;
        Q_EMIT changed();
    }
}

void ItemCollection::clear()
{
    if (m_items.isEmpty())
        return;
    qDeleteAll(m_items);
    m_items.clear();
    Q_EMIT changed();
}

void ItemCollection::move(qsizetype from, qsizetype to)
{
    m_items.move(from, to);
    Q_EMIT changed();
}

} // namespace dd
