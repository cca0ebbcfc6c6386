#include "dictionary/file_bytes.h"

#include <QDir>

namespace dd::dictionary {

std::optional<FileBytes> FileBytes::open(const QString &path, QString *error)
{
    FileBytes bytes;
    bytes.m_file = std::make_unique<QFile>(path);
    QFile &file = *bytes.m_file;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot open \"%1\": %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    bytes.m_size = file.size();
    if (const uchar *mapped = bytes.m_size > 0 ? file.map(0, bytes.m_size) : nullptr) {
        bytes.m_data = reinterpret_cast<const char *>(mapped);
        return bytes;
    }
    bytes.m_copy = file.readAll();
    if (bytes.m_copy.size() != bytes.m_size) {
        *error = QStringLiteral("Cannot read \"%1\": %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return std::nullopt;
    }
    bytes.m_data = bytes.m_copy.constData();
    return bytes;
}

} // namespace dd::dictionary
