#pragma once
#include "platform/gfx/surface.h"
#include <cstdint>
#include <optional>

namespace plat::gfx {

// Indices of the system colours (a colour value 0x80000000 | index names one).
enum SystemColorIndex : int {
    ColorScrollBar = 0,
    ColorBackground = 1,
    ColorActiveCaption = 2,
    ColorInactiveCaption = 3,
    ColorMenu = 4,
    ColorWindow = 5,
    ColorWindowFrame = 6,
    ColorMenuText = 7,
    ColorWindowText = 8,
    ColorCaptionText = 9,
    ColorActiveBorder = 10,
    ColorInactiveBorder = 11,
    ColorAppWorkspace = 12,
    ColorHighlight = 13,
    ColorHighlightText = 14,
    ColorBtnFace = 15,
    ColorBtnShadow = 16,
    ColorGrayText = 17,
    ColorBtnText = 18,
    ColorInactiveCaptionText = 19,
    ColorBtnHighlight = 20,
    Color3DDkShadow = 21,
    Color3DLight = 22,
    ColorInfoText = 23,
    ColorInfoBk = 24,
    ColorHotLight = 26,
    ColorGradientActiveCaption = 27,
    ColorGradientInactiveCaption = 28,
    ColorMenuHilight = 29,
    ColorMenuBar = 30,
};
constexpr int kSystemColorCount = 31;
constexpr uint32_t kSystemColorFlag = 0x80000000u;

constexpr uint32_t systemColorCode(int index) { return kSystemColorFlag | uint32_t(index); }
constexpr bool isSystemColorCode(uint32_t value) { return (value & 0xFF000000u) == kSystemColorFlag; }

// The RGB value of a system colour index; an index outside the table gives black.
Color systemColor(int index);
// Changes a system colour (a theme, or a test); indices outside the table are ignored.
void setSystemColor(int index, Color value);
void resetSystemColors();

// OleTranslateColor: a plain colour passes unchanged, a system colour code becomes its RGB value,
// a palette-relative colour loses its flag byte. Anything else (an unknown system index or flag
// byte) is refused with nullopt.
std::optional<Color> translateColor(uint32_t value);
// translateColor for callers that ignore failure: a refused value keeps its low 24 bits.
Color toRgb(uint32_t value);

} // namespace plat::gfx
