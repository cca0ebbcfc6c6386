#pragma once
// TTPopupMenu: a context menu of the design, and its menu items.
#include <QList>
#include <QObject>

#include "model/component.h"

namespace dd {

// One entry of a popup menu. Items belong to their menu, not to the design's component list;
// design files store them as child objects of the menu, nested as in the menu.
class TMenuItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QString Hint READ hint WRITE setHint)
public:
    explicit TMenuItem(QObject *owner);

    QString caption() const { return m_caption; }
    void setCaption(const QString &v) { assign(m_caption, v, "Caption"); }
    // The code block run when the item is chosen.
    QString hint() const { return m_hint; }
    void setHint(const QString &v) { assign(m_hint, v, "Hint"); }

    const QList<TMenuItem *> &subItems() const { return m_subItems; }
    TMenuItem *addSubItem();
    // Deletes `item` with its own sub-items; ignored when it is not a sub-item of this one.
    void removeSubItem(TMenuItem *item);

Q_SIGNALS:
    void propertyChanged(const char *property);
    void subItemsChanged();

private:
    bool assign(QString &field, const QString &value, const char *property);
    QString m_caption;
    QString m_hint;
    QList<TMenuItem *> m_subItems;
};

class TTPopupMenu : public Component {
    Q_OBJECT
    Q_CLASSINFO("PreName", "PpMenu")
    Q_PROPERTY(dd::TMenuItem *Items READ items CONSTANT)
    Q_PROPERTY(QString VarScript READ varScript)
    Q_PROPERTY(QString StaticScript READ staticScript)
    Q_PROPERTY(QString PreName READ preName)
    Q_PROPERTY(QString Script READ script)
public:
    explicit TTPopupMenu(DesignRoot *root);

    // The menu's invisible top item; its sub-items are the menu's first level.
    TMenuItem *items() const { return m_items; }

    QString script() const;
    QString varScript() const;
    QString staticScript() const;

    bool isReferenceTarget() const override { return true; }

private:
    TMenuItem *m_items;
};

} // namespace dd
