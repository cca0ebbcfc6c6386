#pragma once
// A design file is a resource header naming the root class, then the component stream.
#include "designfile/stream_value.h"

namespace dd::stream {

// Refuses a root class name of 70 or more characters.
Result<QByteArray> withResourceHeader(const QByteArray &stream, QStringView rootClassName);

// Checks the header at `data` and returns the offset of the stream after it.
Result<qsizetype> streamOffsetAfterHeader(const char *data, qsizetype size);

// Header and stream together; error offsets count from the start of the file.
Result<ObjectNode> readDesignFile(const QByteArray &fileBytes);
Result<QByteArray> writeDesignFile(const ObjectNode &root);

} // namespace dd::stream
