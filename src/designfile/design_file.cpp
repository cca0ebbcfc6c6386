#include "designfile/design_file.h"

#include <QFile>
#include <QSaveFile>

#include "designfile/design_reader.h"
#include "designfile/design_writer.h"
#include "designfile/resource_header.h"
#include "designfile/stream_binary.h"
#include "designfile/stream_text.h"
#include "model/class_name.h"
#include "model/design_root.h"
#include "model/windows1252.h"

namespace dd::designfile {

stream::Result<stream::ObjectNode> parseDesignBytes(const QByteArray &bytes, Accept accept)
{
    const bool binary = !bytes.isEmpty() && quint8(bytes.front()) == 0xFF;
    if (binary || accept == Accept::BinaryOnly)
        return stream::readDesignFile(bytes);
    auto parsed = stream::readTextForm(fromWindows1252(bytes));
    if (!parsed.ok() && !bytes.trimmed().startsWith("object") && !bytes.trimmed().startsWith("inherited"))
        return stream::readDesignFile(bytes); // neither form: report it as a bad stream
    return parsed;
}

stream::Result<QByteArray> designFileBytes(const DesignRoot &root)
{
    return stream::writeDesignFile(writeDesign(root));
}

std::optional<stream::StreamError> loadDesignFile(DesignRoot &root, const QString &path,
                                                  const ClassRegistry &classes, Accept accept)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return stream::StreamError{QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()), -1};
    const QByteArray bytes = file.readAll();
    auto tree = parseDesignBytes(bytes, accept);
    if (!tree.ok())
        return tree.error;
    readDesign(root, *tree.value, classes);
    return std::nullopt;
}

std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString());
    return std::nullopt;
}

std::optional<stream::StreamError> saveDesignFile(const DesignRoot &root, const QString &path)
{
    auto bytes = designFileBytes(root);
    if (!bytes.ok())
        return bytes.error;
    if (auto error = writeFileAtomically(path, *bytes.value))
        return stream::StreamError{*error, -1};
    return std::nullopt;
}

} // namespace dd::designfile
