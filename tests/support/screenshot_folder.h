#pragma once
#include "platform/gfx/picture.h"
#include "platform/gfx/surface.h"
#include "tests/support/temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <unistd.h>

namespace test_support {

// Where one screenshot test writes its pictures: a fresh temporary folder of its own, removed when
// the test ends, so that tests running side by side never write the same file. With
// SCREENSHOT_DIR set (scripts/screenshots.sh sets it) the pictures go into that folder and stay
// there to be looked at.
class ScreenshotFolder {
public:
    ScreenshotFolder()
    {
        const char* keep = std::getenv("SCREENSHOT_DIR");
        if (keep && *keep) {
            m_folder = keep;
            std::filesystem::create_directories(m_folder);
            return;
        }
        m_folder = makeTempFolder("screenshot-XXXXXX");
        m_temporary = true;
    }
    ~ScreenshotFolder()
    {
        std::error_code ignored;
        if (m_temporary && !m_folder.empty())
            std::filesystem::remove_all(m_folder, ignored);
    }
    ScreenshotFolder(const ScreenshotFolder&) = delete;
    ScreenshotFolder& operator=(const ScreenshotFolder&) = delete;

    std::filesystem::path path(const std::string& name) const { return m_folder / name; }

    // Writes the picture as a PNG file and reads the file back, so that what a test asserts is
    // what the file holds. An empty surface comes back when writing or reading failed.
    plat::gfx::Surface save(const plat::gfx::Surface& picture, const std::string& name) const
    {
        if (m_folder.empty() || !plat::gfx::savePng(picture, path(name).string()))
            return {};
        plat::gfx::Picture read;
        if (!read.load(path(name).string()))
            return {};
        return read.image();
    }

private:
    std::filesystem::path m_folder;
    bool m_temporary = false;
};

// A part of a picture enlarged by a whole factor, so that single pixels can be seen.
inline plat::gfx::Surface zoomed(const plat::gfx::Surface& picture, plat::gfx::Rect part, int factor)
{
    plat::gfx::Surface out(part.width() * factor, part.height() * factor);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, picture.pixel(part.left + x / factor, part.top + y / factor));
    return out;
}

// How many pixels of a part of a picture have the colour (alpha not looked at).
inline int pixelsOfColor(const plat::gfx::Surface& picture, plat::gfx::Rect part, plat::gfx::Color color)
{
    int n = 0;
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            n += picture.colorAt(x, y) == (color & 0x00FFFFFFu);
    return n;
}

// Whether at least half of a part of a picture shows the colour: a highlighted row, whatever its
// text covers.
inline bool mostlyOfColor(const plat::gfx::Surface& picture, plat::gfx::Rect part, plat::gfx::Color color)
{
    return 2 * pixelsOfColor(picture, part, color) > part.width() * part.height();
}

// The largest difference between two colours in one of red, green and blue: a gradient's ends come
// within a step or two of the colours it was given.
inline int colorDistance(plat::gfx::Color a, plat::gfx::Color b)
{
    return std::max({std::abs(plat::gfx::redOf(a) - plat::gfx::redOf(b)), std::abs(plat::gfx::greenOf(a) - plat::gfx::greenOf(b)),
        std::abs(plat::gfx::blueOf(a) - plat::gfx::blueOf(b))});
}

// Whether two pictures show the same pixels in a part of them.
inline bool samePixels(const plat::gfx::Surface& a, const plat::gfx::Surface& b, plat::gfx::Rect part)
{
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            if (a.colorAt(x, y) != b.colorAt(x, y))
                return false;
    return true;
}

// How many lines of text a part of a picture holds: bands of rows with a pixel other than the
// background, separated by rows of background only.
inline int textLines(const plat::gfx::Surface& picture, plat::gfx::Rect part, plat::gfx::Color background)
{
    int lines = 0;
    bool inLine = false;
    for (int y = part.top; y < part.bottom; ++y) {
        bool ink = false;
        for (int x = part.left; x < part.right && !ink; ++x)
            ink = picture.colorAt(x, y) != (background & 0x00FFFFFFu);
        lines += ink && !inLine;
        inLine = ink;
    }
    return lines;
}

// How many different colours a part of a picture shows.
inline size_t colorsIn(const plat::gfx::Surface& picture, plat::gfx::Rect part)
{
    std::set<plat::gfx::Color> seen;
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            seen.insert(picture.colorAt(x, y));
    return seen.size();
}

} // namespace test_support
