#include "designfile/resource_header.h"

#include "designfile/stream_binary.h"
#include "model/windows1252.h"

#include <QtEndian>

#include <cstring>

namespace dd::stream {
namespace {

constexpr qsizetype kMaxClassNameLength = 69;
constexpr char kResourceType[] = {'\x0A', '\x00'};
constexpr char kMemoryFlags[] = {'\x30', '\x10'};

QString nameTooLong(QStringView name)
{
    return u"Component name '" % name % u"' exceeds 64 character limit";
}

} // namespace

Result<QByteArray> withResourceHeader(const QByteArray &stream, QStringView rootClassName)
{
    if (rootClassName.size() > kMaxClassNameLength)
        return Result<QByteArray>::failure(nameTooLong(rootClassName), -1);
    QByteArray out;
    out.reserve(rootClassName.size() + 10 + stream.size());
    out.append('\xFF');
    out.append(kResourceType, 2);
    out.append(toWindows1252(rootClassName.toString().toUpper()));
    out.append('\0');
    out.append(kMemoryFlags, 2);
    char size[4];
    qToLittleEndian(quint32(stream.size()), size);
    out.append(size, 4);
    out.append(stream);
    return {out, {}};
}

Result<qsizetype> streamOffsetAfterHeader(const char *data, qsizetype size)
{
    const QString invalid = QStringLiteral("Invalid stream format");
    if (size < 1 || data[0] != '\xFF')
        return Result<qsizetype>::failure(invalid, 0);
    if (size < 3 || std::memcmp(data + 1, kResourceType, 2) != 0)
        return Result<qsizetype>::failure(invalid, 1);
    const void *terminator = std::memchr(data + 3, 0, size_t(size - 3));
    if (!terminator)
        return Result<qsizetype>::failure(invalid, size);
    const qsizetype nameLength = static_cast<const char *>(terminator) - (data + 3);
    if (nameLength > kMaxClassNameLength)
        return Result<qsizetype>::failure(nameTooLong(fromWindows1252(data + 3, nameLength)), 3);
    // Memory flags and stream size are not checked: the stream itself says where it ends.
    const qsizetype streamOffset = nameLength + 10;
    if (streamOffset > size)
        return Result<qsizetype>::failure(invalid, nameLength + 4);
    return {streamOffset, {}};
}

Result<ObjectNode> readDesignFile(const QByteArray &fileBytes)
{
    const Result<qsizetype> header = streamOffsetAfterHeader(fileBytes.constData(), fileBytes.size());
    if (!header.ok())
        return Result<ObjectNode>::failure(header.error);
    const qsizetype offset = *header.value;
    Result<ObjectNode> root = readBinaryStream(fileBytes.constData() + offset, fileBytes.size() - offset);
    if (!root.ok())
        root.error.offset += offset;
    return root;
}

Result<QByteArray> writeDesignFile(const ObjectNode &root)
{
    return withResourceHeader(writeBinaryStream(root), root.className);
}

} // namespace dd::stream
