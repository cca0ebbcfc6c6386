#pragma once
// Design files on disk: the binary form with its resource header, read and written whole.
#include <QByteArray>
#include <QString>

#include <optional>

#include "designfile/stream_value.h"

namespace dd {
class ClassRegistry;
class DesignRoot;
}

namespace dd::designfile {

enum class Accept { BinaryOnly, BinaryOrText };

// The object tree of a design file's bytes. With BinaryOrText a text form (told apart from the
// binary form by its first byte) is accepted too.
stream::Result<stream::ObjectNode> parseDesignBytes(const QByteArray &bytes, Accept accept);

// The bytes Save writes for the root: resource header and component stream.
stream::Result<QByteArray> designFileBytes(const DesignRoot &root);

// Reads a design file into `root`; on failure the message names the cause (and the byte offset).
std::optional<stream::StreamError> loadDesignFile(DesignRoot &root, const QString &path,
                                                  const ClassRegistry &classes, Accept accept);

// Writes the file through a temporary file in the same folder, renamed over the target only
// when complete, so a failed save never leaves a truncated design and the old file stays.
std::optional<stream::StreamError> saveDesignFile(const DesignRoot &root, const QString &path);

// Writes `bytes` to `path` the same safe way.
std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace dd::designfile
