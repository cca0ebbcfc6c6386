#pragma once
// The pieces OOHG creation statements are made of: coordinates and colours as the library
// takes them, font texts, and the positional argument list of a constructor call.
#include <QString>
#include <QStringList>

#include "model/values.h"

namespace dd {

class Component;
class Control;

// Design-surface pixels, unhalved, zero-filled to three digits: 5 gives "005", -5 "0-5".
QString coordinateText(int pixels);

// "{red,green,blue}" of the resolved colour.
QString colorTriple(Color color);

// The logical text of the negation: a visible control writes ".F." for "not Visible".
QString notText(bool value);

// {"A","B"} like the ADVPL item array, but "{}" for no items.
QString itemsText(const QStringList &items);

// The parent control's name, unquoted: the variable its statement assigns.
QString parentName(const Control &control);

// The texts of the font a control shows, its size in points at the design's pixels per inch.
struct FontTexts {
    QString face;
    QString size;
    QString bold;
    QString italic;
    QString underline;
    QString strikeout;
    QString color;
};
FontTexts fontTexts(const Control &control);
FontTexts fontTexts(const Font &font, int pixelsPerInch);

// A constructor's arguments by position, counted from 1 as the library documents them;
// positions never set stay empty, which shows as consecutive commas.
class StatementArguments {
public:
    explicit StatementArguments(int count);
    void set(int position, const QString &text);
    // paddedName(name, 10) + opening + the arguments joined by single commas + ")".
    QString statement(const Component &component, const QString &opening) const;

private:
    QStringList m_texts;
};

} // namespace dd
