#pragma once
// The binary component stream: "TPF0" followed by one object record, the root.
#include "designfile/stream_value.h"

namespace dd::stream {

// Value tags of the binary form.
enum class Tag : quint8 {
    Null = 0, List, Int8, Int16, Int32, Extended, ShortText, Identifier, False, True, Binary,
    Set, LongText, Nil, Collection, Single, Currency, Date, WideText, Int64, Utf8Text
};

// Objects, lists and collections nested deeper than this make a stream or text invalid.
constexpr int kMaxNesting = 256;

// `data` starts at the signature; bytes after the root record are ignored. Error offsets are
// relative to `data`.
Result<ObjectNode> readBinaryStream(const char *data, qsizetype size);

// Always the normalized encoding: smallest integer tags, texts by their shortest form. Names are
// written as short strings and cut at 255 bytes (the readers never give longer ones).
QByteArray writeBinaryStream(const ObjectNode &root);

} // namespace dd::stream
