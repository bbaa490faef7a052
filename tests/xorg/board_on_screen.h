#pragma once
// What the tests on the real X server look for on the screen and in the data folder.
#include "x_session.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace xorg_test {

inline std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The running clock's digits and the stopped clock's are the board's green (and the score's
// orange is not): enough of it means the board is on the screen.
inline bool isClockGreen(uint32_t rgb)
{
    const int r = int(rgb >> 16) & 0xFF, g = int(rgb >> 8) & 0xFF, b = int(rgb) & 0xFF;
    return g > 180 && r < 100 && b < 100;
}

// The clock's red: the digits of a clock that has run out.
inline bool isClockRed(uint32_t rgb)
{
    const int r = int(rgb >> 16) & 0xFF, g = int(rgb >> 8) & 0xFF, b = int(rgb) & 0xFF;
    return r > 180 && g < 100 && b < 100;
}

inline int clockGreen(const Picture& picture)
{
    return picture.count(0, 0, picture.size.width, picture.size.height, isClockGreen);
}

inline bool boardShown(const XSession& session) { return clockGreen(session.picture()) > 5000; }

inline int lit(const Picture& picture)
{
    return picture.count(0, 0, picture.size.width, picture.size.height, [](uint32_t p) { return p != 0; });
}

// The question of a close or of the exit command on the 1024 x 768 board: its face in the middle.
inline bool questionShown(const Picture& picture)
{
    return picture.count(312, 284, 712, 484, [](uint32_t rgb) { return rgb == 0xF0F0F0u; }) > 3000;
}

} // namespace xorg_test
