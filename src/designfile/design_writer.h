#pragma once
// Turns a design into the object tree of its component stream.
#include "designfile/stream_value.h"

namespace dd {
class Component;
class DesignRoot;
}

namespace dd::designfile {

// The root with every component it owns, as Save writes it.
stream::ObjectNode writeDesign(const DesignRoot &root);
// One component with its children, as Copy puts it on the clipboard.
stream::ObjectNode writeComponent(const Component &component);

} // namespace dd::designfile
