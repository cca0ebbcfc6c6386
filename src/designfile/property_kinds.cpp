#include "designfile/property_kinds.h"

#include <QStringList>

#include "model/collection.h"
#include "model/component.h"
#include "model/values.h"

namespace dd::designfile {

PropertyKind kindOf(const QMetaProperty &property)
{
    const QMetaType type = property.metaType();
    if (property.isFlagType())
        return PropertyKind::Set;
    if (property.isEnumType())
        return PropertyKind::Enumeration;
    switch (type.id()) {
    case QMetaType::Bool:
        return PropertyKind::Boolean;
    case QMetaType::Int:
    case QMetaType::LongLong:
        return PropertyKind::Integer;
    case QMetaType::Double:
        return PropertyKind::Real;
    case QMetaType::QString:
        return PropertyKind::Text;
    case QMetaType::QStringList:
        return PropertyKind::Lines;
    default:
        break;
    }
    if (type == QMetaType::fromType<dd::Color>())
        return PropertyKind::Color;
    if (type == QMetaType::fromType<dd::FontCharset>())
        return PropertyKind::Charset;
    if (type.flags() & QMetaType::PointerToQObject) {
        const QMetaObject *meta = type.metaObject();
        if (meta && meta->inherits(&ItemCollection::staticMetaObject))
            return PropertyKind::Collection;
        if (meta && meta->inherits(&Component::staticMetaObject))
            return PropertyKind::Reference;
        return PropertyKind::Unsupported;
    }
    if ((type.flags() & QMetaType::IsGadget) && type.metaObject())
        return PropertyKind::SubObject;
    return PropertyKind::Unsupported;
}

const QMetaObject *subObjectMeta(const QMetaProperty &property) { return property.metaType().metaObject(); }

} // namespace dd::designfile
