#pragma once
// How the design-file layer sees a published property: which kind of value it holds.
#include <QMetaProperty>

namespace dd::designfile {

enum class PropertyKind {
    Boolean, Integer, Real, Text, Lines, Enumeration, Set, Color, Charset, Reference, Collection,
    SubObject, Unsupported
};

PropertyKind kindOf(const QMetaProperty &property);
// For values of gadget types (fonts, scroll bars): their own meta-object.
const QMetaObject *subObjectMeta(const QMetaProperty &property);

} // namespace dd::designfile
