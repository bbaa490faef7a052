#include "platform/gfx/system_colors.h"

#include <array>

namespace plat::gfx {

namespace {

constexpr std::array<Color, kSystemColorCount> kDefaults = {
    rgb(200, 200, 200), // scroll bar
    rgb(0, 0, 0),       // desktop
    rgb(153, 180, 209), // active caption
    rgb(191, 205, 219), // inactive caption
    rgb(240, 240, 240), // menu
    rgb(255, 255, 255), // window
    rgb(100, 100, 100), // window frame
    rgb(0, 0, 0),       // menu text
    rgb(0, 0, 0),       // window text
    rgb(0, 0, 0),       // caption text
    rgb(180, 180, 180), // active border
    rgb(244, 247, 252), // inactive border
    rgb(171, 171, 171), // application workspace
    rgb(51, 153, 255),  // highlight
    rgb(255, 255, 255), // highlight text
    rgb(240, 240, 240), // button face
    rgb(160, 160, 160), // button shadow
    rgb(109, 109, 109), // gray text
    rgb(0, 0, 0),       // button text
    rgb(67, 78, 84),    // inactive caption text
    rgb(255, 255, 255), // button highlight
    rgb(105, 105, 105), // 3D dark shadow
    rgb(227, 227, 227), // 3D light
    rgb(0, 0, 0),       // tooltip text
    rgb(255, 255, 225), // tooltip background
    rgb(0, 0, 0),       // (unused index 25)
    rgb(0, 102, 204),   // hot-tracked item
    rgb(185, 209, 234), // active caption gradient
    rgb(215, 228, 242), // inactive caption gradient
    rgb(51, 153, 255),  // menu highlight
    rgb(240, 240, 240), // menu bar
};

std::array<Color, kSystemColorCount>& table()
{
    static std::array<Color, kSystemColorCount> colors = kDefaults;
    return colors;
}

} // namespace

Color systemColor(int index)
{
    if (index < 0 || index >= kSystemColorCount)
        return 0;
    return table()[size_t(index)];
}

void setSystemColor(int index, Color value)
{
    if (index < 0 || index >= kSystemColorCount)
        return;
    table()[size_t(index)] = value & 0x00FFFFFFu;
}

void resetSystemColors()
{
    table() = kDefaults;
}

std::optional<Color> translateColor(uint32_t value)
{
    switch (value >> 24) {
    case 0x00:
        return value;
    case 0x02: // palette-relative RGB
        return value & 0x00FFFFFFu;
    case 0x80: {
        uint32_t index = value & 0x00FFFFFFu;
        if (index >= uint32_t(kSystemColorCount))
            return std::nullopt;
        return systemColor(int(index));
    }
    default:
        return std::nullopt;
    }
}

Color toRgb(uint32_t value)
{
    return translateColor(value).value_or(value & 0x00FFFFFFu);
}

} // namespace plat::gfx
