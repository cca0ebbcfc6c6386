#pragma once
// An owned, ordered list of items of one class, such as the variables of a variable list.
#include <QList>
#include <QObject>

#include <functional>

namespace dd {

class ItemCollection;

class CollectionItem : public QObject {
    Q_OBJECT
public:
    explicit CollectionItem(ItemCollection *collection);
    ItemCollection *collection() const;
    // Position in the collection, from 0.
    qsizetype index() const;

Q_SIGNALS:
    void propertyChanged(const char *property);

protected:
    template <typename T>
    bool assign(T &field, const T &value, const char *property)
    {
        if (field == value)
            return false;
        field = value;
        Q_EMIT propertyChanged(property);
        return true;
    }
};

class ItemCollection : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<CollectionItem *(ItemCollection *)>;
    ItemCollection(QObject *owner, Factory factory);

    const QList<CollectionItem *> &items() const { return m_items; }
    qsizetype size() const { return m_items.size(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    CollectionItem *at(qsizetype i) const { return m_items.at(i); }
    template <typename T>
    T *itemAt(qsizetype i) const { return static_cast<T *>(m_items.at(i)); }

    CollectionItem *add();
    void remove(CollectionItem *item);
    void clear();
    void move(qsizetype from, qsizetype to);

Q_SIGNALS:
    void changed();

private:
    Factory m_factory;
    QList<CollectionItem *> m_items;
};

} // namespace dd
