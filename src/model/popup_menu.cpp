#include "model/popup_menu.h"

namespace dd {

TMenuItem::TMenuItem(QObject *owner) : QObject(owner) {}

bool TMenuItem::assign(QString &field, const QString &value, const char *property)
{
    if (field == value)
        return false;
    field = value;
    Q_EMIT propertyChanged(property);
    return true;
}

TMenuItem *TMenuItem::addSubItem()
{
    auto *item = new TMenuItem(this);
    m_subItems.append(item);
    Q_EMIT subItemsChanged();
    return item;
}

void TMenuItem::removeSubItem(TMenuItem *item)
{
    if (!m_subItems.removeOne(item))
        return;
    delete item;
    Q_EMIT subItemsChanged();
}

TTPopupMenu::TTPopupMenu(DesignRoot *root) : Component(root), m_items(new TMenuItem(this)) {}

} // namespace dd
