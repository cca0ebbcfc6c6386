#pragma once
// The text form of a component stream: the same tree as readable blocks of
// "object name: Class", property lines and "end". Used on the clipboard and by the converter.
#include "designfile/stream_value.h"

namespace dd::stream {

// Lines end with CR LF.
QString writeTextForm(const ObjectNode &root);
QString writeTextObjects(const QList<ObjectNode> &objects);

// Exactly one object block. Accepts LF or CR LF line ends. Error offsets are line numbers; the
// message also names the column.
Result<ObjectNode> readTextForm(QStringView text);
// Any number of object blocks one after the other, as the clipboard holds them.
Result<QList<ObjectNode>> readTextObjects(QStringView text);

} // namespace dd::stream
