#include "gen_oohg/resolved_color.h"

#include <array>

namespace dd {
namespace {

// The default colours of Windows 10 by system colour index; the one table the generator uses
// for clBtnFace, clWindowText and the rest. Index 25 has no toolkit name but is a valid index.
constexpr std::array<Rgb, 31> kSystemColors = {{
    {200, 200, 200}, // 0 clScrollBar
    {0, 0, 0},       // 1 clBackground
    {153, 180, 209}, // 2 clActiveCaption
    {191, 205, 219}, // 3 clInactiveCaption
    {240, 240, 240}, // 4 clMenu
    {255, 255, 255}, // 5 clWindow
    {100, 100, 100}, // 6 clWindowFrame
    {0, 0, 0},       // 7 clMenuText
    {0, 0, 0},       // 8 clWindowText
    {0, 0, 0},       // 9 clCaptionText
    {180, 180, 180}, // 10 clActiveBorder
    {244, 247, 252}, // 11 clInactiveBorder
    {171, 171, 171}, // 12 clAppWorkSpace
    {0, 120, 215},   // 13 clHighlight
    {255, 255, 255}, // 14 clHighlightText
    {240, 240, 240}, // 15 clBtnFace
    {160, 160, 160}, // 16 clBtnShadow
    {109, 109, 109}, // 17 clGrayText
    {0, 0, 0},       // 18 clBtnText
    {0, 0, 0},       // 19 clInactiveCaptionText
    {255, 255, 255}, // 20 clBtnHighlight
    {105, 105, 105}, // 21 cl3DDkShadow
    {227, 227, 227}, // 22 cl3DLight
    {0, 0, 0},       // 23 clInfoText
    {255, 255, 225}, // 24 clInfoBk
    {0, 0, 0},       // 25 alternate button face
    {0, 102, 204},   // 26 clHotLight
    {185, 209, 234}, // 27 clGradientActiveCaption
    {215, 228, 242}, // 28 clGradientInactiveCaption
    {0, 120, 215},   // 29 clMenuHighlight
    {240, 240, 240}, // 30 clMenuBar
}};

} // namespace

Rgb resolvedRgb(Color color)
{
    if (color.value < 0) {
        // Windows answers black for an index it does not know.
        const auto index = std::size_t(color.value & 0xFF);
        return index < kSystemColors.size() ? kSystemColors[index] : Rgb{};
    }
    return {color.value & 0xFF, (color.value >> 8) & 0xFF, (color.value >> 16) & 0xFF};
}

} // namespace dd
