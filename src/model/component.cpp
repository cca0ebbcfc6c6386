#include "model/component.h"

#include <QMetaClassInfo>

#include "model/design_root.h"

namespace dd {

Component::Component(DesignRoot *root) : QObject(root), m_root(root) {}

Component::~Component()
{
    if (m_registered && !m_root->isDestroying())
        m_root->unregister(this);
}

bool Component::setName(const QString &name)
{
    const QString old = objectName();
    if (old == name)
        return true;
    if (m_registered) {
        Component *other = name.isEmpty() ? nullptr : m_root->findComponent(name);
        if (other && other != this)
            return false;
        setObjectName(name);
        m_root->nameChanged(this, old, name);
    } else {
        setObjectName(name);
    }
    Q_EMIT propertyChanged("Name");
    return true;
}

QString Component::preName() const
{
    const int index = metaObject()->indexOfClassInfo("PreName");
    return index < 0 ? QString() : QString::fromLatin1(metaObject()->classInfo(index).value());
}

bool Component::hasPreName() const { return metaObject()->indexOfClassInfo("PreName") >= 0; }

bool Component::publishes(const char *property) const
{
    return metaObject()->indexOfProperty(property) >= 0;
}

void Component::setIconPosition(int left, int top)
{
    m_iconLeft = left;
    m_iconTop = top;
}

QVariant Component::declaredDefault(const char *) const { return {}; }

bool Component::isStored(const char *) const { return true; }

QString Component::validateWrite(const char *, const QVariant &) const { return {}; }

void Component::forgetReference(Component *) {}

void Component::warn(const QString &message) const
{
    if (m_root && m_root->messageSink())
        m_root->messageSink()->message(message);
}

} // namespace dd
