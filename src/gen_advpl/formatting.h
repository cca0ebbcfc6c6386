#pragma once
// The small text routines every ADVPL creation statement is built from.
#include <QString>
#include <QStringList>

namespace dd {

class Control;
class TToFont;

// True when the text holds nothing but blanks (or nothing).
bool isBlank(const QString &text);

// The text in a field of exactly `width` characters: filled with spaces or cut.
QString paddedName(const QString &text, int width);

// The number with "0" in front up to `width` characters; never cut, and a sign stays behind
// the zeros (-5 in width 3 gives "0-5").
QString zeroFilled(int number, int width);

QString logicalText(bool value);

// Between single quotes, each single quote inside doubled.
QString quotedText(const QString &text);

// Between double quotes, verbatim: ADVPL statements do not escape these.
QString doubleQuoted(const QString &text);

// {"a","b"} for the lines, empty for no lines; double quotes inside are not escaped.
QString itemArray(const QStringList &lines);

// The font component's name, or empty without a font.
QString fontReference(const TToFont *font);

// The object a control is created on: its parent's name, or the folder page expression.
QString parentReference(const Control &control);

} // namespace dd
