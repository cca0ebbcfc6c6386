#pragma once
// Results of the readers of untrusted files (tables, indexes, dictionary files): a value, or
// the cause of the failure with the byte offset where it was found.
#include <QString>

#include <optional>
#include <utility>

namespace dd::dictionary {

struct ReadError {
    QString message;
    qint64 offset = -1; // byte offset in the file; -1 when the failure has no position
};

// "message (at byte N)", the form every reader failure is reported in.
QString describe(const ReadError &error);

template <typename T>
class Parsed {
public:
    Parsed(T value) : m_value(std::move(value)) {}
    Parsed(ReadError error) : m_error(std::move(error)) {}

    bool ok() const { return m_value.has_value(); }
    const T &value() const { return *m_value; }
    T &value() { return *m_value; }
    const ReadError &error() const { return m_error; }

private:
    std::optional<T> m_value;
    ReadError m_error;
};

} // namespace dd::dictionary
