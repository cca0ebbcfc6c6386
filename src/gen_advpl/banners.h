#pragma once
// The box comments of generated programs. They are drawn with Windows-1252 box characters
// and must come out byte for byte, so they are built from the byte values.
#include <QString>
#include <QStringList>

namespace dd {

// The 24-line header box (77 bytes a line) written after the includes.
const QStringList &headerBox();

// Three lines of 77 bytes around a section title.
QStringList sectionBanner(const QString &title);

// The three lines written before every function of the program.
QStringList functionBanner(const QString &title);

} // namespace dd
