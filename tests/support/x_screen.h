#pragma once
// What a real X display shows, read back as pixels, and what of the scoreboard a test looks for in
// it (so that it waits for what the operator would see instead of for a time).
#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

// A picture of the whole screen: 0x00RRGGBB pixels, row by row; empty when the display could not
// be read.
struct ScreenPicture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;

    uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    // How many pixels of the rectangle [left, right) x [top, bottom) pass `test`.
    template<typename Test> int count(int left, int top, int right, int bottom, Test test) const
    {
        int n = 0;
        for (int y = top; y < bottom && y < height; ++y)
            for (int x = left; x < right && x < width; ++x)
                n += test(at(x, y)) ? 1 : 0;
        return n;
    }
    template<typename Test> int count(Test test) const { return count(0, 0, width, height, test); }
};

// A pixel's channels.
struct Rgb {
    int r, g, b;
};
inline Rgb channels(uint32_t rgb) { return { int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF }; }

// The root window of `display` (":N") as the server shows it.
ScreenPicture screenPicture(const std::string& display);

// The board's score digits are amber, whatever the clock shows (its digits turn from green to red
// in the last minute): enough of it means the board is on the screen, past the start-up screen,
// whose title has a little of it.
bool isScoreAmber(uint32_t rgb);
bool boardShown(const ScreenPicture& picture);

// A dialog or a message box is up: the title bar of the active window, drawn in the caption
// colour that nothing on the board or the start-up screen has.
int captionPixels(const ScreenPicture& picture);
bool boxShown(const ScreenPicture& picture);

} // namespace test_support
