#pragma once
// The bytes of a file for the readers: mapped into memory when the system allows it (the
// import walks a large table in index order, and copying it first would cost more than the
// walk), read whole otherwise. A file cut short by another program while mapped would
// fault; dictionary tables are only ever appended to.
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <memory>
#include <optional>

namespace dd::dictionary {

class FileBytes {
public:
    // Nothing, with the reason in `error`, when the file cannot be opened or read.
    static std::optional<FileBytes> open(const QString &path, QString *error);

    const char *data() const { return m_data; }
    qsizetype size() const { return m_size; }

private:
    FileBytes() = default;

    std::unique_ptr<QFile> m_file; // keeps the mapping; moving the object keeps the address
    QByteArray m_copy;
    const char *m_data = nullptr;
    qsizetype m_size = 0;
};

} // namespace dd::dictionary
