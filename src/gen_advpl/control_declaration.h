#pragma once
// The Private declaration of the variable an entry control is bound to.
#include <QString>

namespace dd {

class Component;

// "Private " + the padded cVariable + the initial value of the class; empty when the
// component declares nothing (no entry control, a blank cVariable, a type without default).
QString controlDeclaration(const Component &component);

} // namespace dd
