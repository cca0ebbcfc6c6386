#pragma once
// Plain value types of the model: colours, fonts, scroll bars and tree nodes.
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <optional>

#include "model/enums.h"

namespace dd {

// A toolkit colour: red + 256 * green + 65536 * blue for basic colours, 0xFF000000 + index for
// system colours, or one of the special values.
struct Color {
    Q_GADGET
public:
    qint32 value = 0;

    static constexpr qint32 clBlack = 0x000000;
    static constexpr qint32 clWhite = 0xFFFFFF;
    static constexpr qint32 clWindowText = qint32(0xFF000008);
    static constexpr qint32 clBtnFace = qint32(0xFF00000F);

    static Color rgb(int red, int green, int blue) { return {red | (green << 8) | (blue << 16)}; }
    friend bool operator==(Color a, Color b) { return a.value == b.value; }
};

// The design-time colour of a palette enumerator.
Color paletteColor(TColorA color);

// Named values of colours and character sets as design files write them.
std::optional<QString> colorIdentifier(qint32 value);
std::optional<qint32> colorFromIdentifier(QStringView name);

struct FontCharset {
    Q_GADGET
public:
    qint32 value = 1; // DEFAULT_CHARSET
    friend bool operator==(FontCharset a, FontCharset b) { return a.value == b.value; }
};

std::optional<QString> charsetIdentifier(qint32 value);
std::optional<qint32> charsetFromIdentifier(QStringView name);

// A font as the toolkit describes it; Height < 0 is the character height in pixels.
struct Font {
    Q_GADGET
    Q_PROPERTY(dd::FontCharset Charset MEMBER charset)
    Q_PROPERTY(dd::Color Color MEMBER color)
    Q_PROPERTY(int Height MEMBER height)
    Q_PROPERTY(QString Name MEMBER name)
    Q_PROPERTY(dd::TFontStyles Style MEMBER style)
public:
    FontCharset charset;
    dd::Color color{Color::clWindowText};
    int height = -11;
    QString name = QStringLiteral("Tahoma");
    TFontStyles style;

    bool bold() const { return style.testFlag(TFontStyle::fsBold); }
    bool italic() const { return style.testFlag(TFontStyle::fsItalic); }
    bool underline() const { return style.testFlag(TFontStyle::fsUnderline); }
    int weight() const { return bold() ? 700 : 400; }
    // Pixel height of a line of text, the core's stand-in for font metrics.
    int textHeight() const;
    // Size in points at the given pixels per inch, rounded as the toolkit does.
    int pointSize(int pixelsPerInch) const;

    friend bool operator==(const Font &, const Font &) = default;
};

struct ScrollBar {
    Q_GADGET
    Q_PROPERTY(bool Visible MEMBER visible)
public:
    bool visible = true;
    friend bool operator==(ScrollBar, ScrollBar) = default;
};

// A node of a tree control: its text, whether it is expanded, its children.
struct TreeNode {
    QString text;
    bool expanded = false;
    QList<TreeNode> children;
    // Defined out of line: QList's equality check needs the declaration of a recursive type.
    friend bool operator==(const TreeNode &a, const TreeNode &b);
};

} // namespace dd
