#pragma once
// Applies the object tree of a component stream to a design.
#include <QList>

#include "designfile/stream_value.h"

namespace dd {
class ClassRegistry;
class Component;
class Control;
class DesignRoot;
}

namespace dd::designfile {

// Replaces the content of `root` by the tree: every component the root owns, except its form
// designer, is destroyed first. Unknown classes, unknown properties and values that do not fit
// are skipped; references are resolved by name after the whole tree.
void readDesign(DesignRoot &root, const stream::ObjectNode &tree, const ClassRegistry &classes);

// Adds the components of `objects` (clipboard blocks) to `root`, placed on `parent`, renamed
// where their names are taken. Returns the components created at the top level.
QList<Component *> readComponents(DesignRoot &root, const QList<stream::ObjectNode> &objects,
                                  Control *parent, const ClassRegistry &classes);

} // namespace dd::designfile
