#pragma once
// Windows-1252 is the code page of design texts and generated programs; it exists only at
// file boundaries, everything inside is QString.
#include <QByteArray>
#include <QString>

namespace dd {

QString fromWindows1252(const char *data, qsizetype size);
inline QString fromWindows1252(const QByteArray &bytes) { return fromWindows1252(bytes.constData(), bytes.size()); }

// Characters the code page cannot hold become '?'; `unmappable` (when given) receives their count.
QByteArray toWindows1252(QStringView text, qsizetype *unmappable = nullptr);

// True when every character of `text` has a Windows-1252 byte.
bool fitsWindows1252(QStringView text);

} // namespace dd
