#pragma once
// Static functions written for components that publish no StaticScript of their own.
#include <QString>

namespace dd {

class Component;

// The static function of a temporary table (TTCriaTrab) or a question group (TTPergunte);
// empty for every other component.
QString staticFunctionOf(const Component *component);

} // namespace dd
