#include "model/values.h"

#include <array>
#include <cmath>

namespace dd {
namespace {

struct Named {
    const char *name;
    qint32 value;
};

constexpr qint32 sys(int index) { return qint32(0xFF000000u + unsigned(index)); }
constexpr qint32 rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

constexpr Named kColors[] = {
    {"clBlack", rgb(0, 0, 0)}, {"clMaroon", rgb(128, 0, 0)}, {"clGreen", rgb(0, 128, 0)},
    {"clOlive", rgb(128, 128, 0)}, {"clNavy", rgb(0, 0, 128)}, {"clPurple", rgb(128, 0, 128)},
    {"clTeal", rgb(0, 128, 128)}, {"clGray", rgb(128, 128, 128)}, {"clSilver", rgb(192, 192, 192)},
    {"clRed", rgb(255, 0, 0)}, {"clLime", rgb(0, 255, 0)}, {"clYellow", rgb(255, 255, 0)},
    {"clBlue", rgb(0, 0, 255)}, {"clFuchsia", rgb(255, 0, 255)}, {"clAqua", rgb(0, 255, 255)},
    {"clWhite", rgb(255, 255, 255)}, {"clMoneyGreen", rgb(192, 220, 192)},
    {"clSkyBlue", rgb(166, 202, 240)}, {"clCream", rgb(255, 251, 240)},
    {"clMedGray", rgb(160, 160, 164)},
    {"clScrollBar", sys(0)}, {"clBackground", sys(1)}, {"clActiveCaption", sys(2)},
    {"clInactiveCaption", sys(3)}, {"clMenu", sys(4)}, {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)}, {"clMenuText", sys(7)}, {"clWindowText", sys(8)},
    {"clCaptionText", sys(9)}, {"clActiveBorder", sys(10)}, {"clInactiveBorder", sys(11)},
    {"clAppWorkSpace", sys(12)}, {"clHighlight", sys(13)}, {"clHighlightText", sys(14)},
    {"clBtnFace", sys(15)}, {"clBtnShadow", sys(16)}, {"clGrayText", sys(17)},
    {"clBtnText", sys(18)}, {"clInactiveCaptionText", sys(19)}, {"clBtnHighlight", sys(20)},
    {"cl3DDkShadow", sys(21)}, {"cl3DLight", sys(22)}, {"clInfoText", sys(23)},
    {"clInfoBk", sys(24)}, {"clHotLight", sys(26)}, {"clGradientActiveCaption", sys(27)},
    {"clGradientInactiveCaption", sys(28)}, {"clMenuHighlight", sys(29)}, {"clMenuBar", sys(30)},
    {"clNone", 536870911}, {"clDefault", 536870912},
};

constexpr Named kCharsets[] = {
    {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129}, {"JOHAB_CHARSET", 130},
    {"GB2312_CHARSET", 134}, {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161},
    {"TURKISH_CHARSET", 162}, {"HEBREW_CHARSET", 177}, {"ARABIC_CHARSET", 178},
    {"BALTIC_CHARSET", 186}, {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},
    {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
};

template <std::size_t N>
std::optional<QString> nameOf(const Named (&table)[N], qint32 value)
{
    for (const Named &n : table)
        if (n.value == value)
            return QString::fromLatin1(n.name);
    return std::nullopt;
}

template <std::size_t N>
std::optional<qint32> valueOf(const Named (&table)[N], QStringView name)
{
    for (const Named &n : table)
        if (name.compare(QLatin1StringView(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    return std::nullopt;
}

} // namespace

Color paletteColor(TColorA color)
{
    static constexpr std::array<qint32, 17> kPalette = {
        rgb(0, 0, 0), rgb(0, 0, 128), rgb(0, 128, 0), rgb(0, 128, 128), rgb(128, 0, 0),
        rgb(128, 0, 128), rgb(128, 128, 0), rgb(0, 255, 255), rgb(255, 0, 0), rgb(255, 0, 255),
        rgb(0, 255, 0), rgb(192, 192, 192), rgb(128, 128, 128), rgb(0, 0, 255), rgb(255, 255, 0),
        rgb(192, 192, 192), rgb(255, 255, 255)};
    return {kPalette[std::size_t(color)]};
}

std::optional<QString> colorIdentifier(qint32 value) { return nameOf(kColors, value); }
std::optional<qint32> colorFromIdentifier(QStringView name) { return valueOf(kColors, name); }
std::optional<QString> charsetIdentifier(qint32 value) { return nameOf(kCharsets, value); }
std::optional<qint32> charsetFromIdentifier(QStringView name) { return valueOf(kCharsets, name); }

bool operator==(const TreeNode &a, const TreeNode &b)
{
    return a.text == b.text && a.expanded == b.expanded && a.children == b.children;
}

int Font::textHeight() const
{
    // Typical faces are about 1.18 times their character height from ascent to descent:
    // 8-point Tahoma (-11) gives 13.
    return height < 0 ? (-height * 118 + 50) / 100 : height;
}

int Font::pointSize(int pixelsPerInch) const
{
    const int pixels = height < 0 ? -height : height;
    return int(std::lround(pixels * 72.0 / pixelsPerInch));
}

} // namespace dd
