#pragma once
#include <QObject>
#include <QString>

#include <cstring>

namespace dd {

// The class name as designs and files spell it: without the C++ namespace.
inline QString componentClassName(const QMetaObject *meta)
{
    const char *name = meta->className();
    const char *tail = std::strrchr(name, ':');
    return QString::fromLatin1(tail ? tail + 1 : name);
}

inline QString componentClassName(const QObject *object) { return componentClassName(object->metaObject()); }

} // namespace dd
