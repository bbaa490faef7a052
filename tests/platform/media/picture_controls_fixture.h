#pragma once
#include "media_test_support.h"
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include "platform/gfx/surface.h"
#include "platform/media/media_controls.h"
#include "tests/support/source_resources.h"
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace picture_test {

using namespace plat;

// The form's background: the colour the pictures are blended over.
constexpr gfx::Color kBackground = gfx::rgb(0, 160, 0);
constexpr uint32_t kBackgroundPixel = gfx::opaque(kBackground);
constexpr uint32_t kRedPixel = 0xFF0000FFu;
constexpr uint32_t kLimePixel = 0xFF00FF00u;
constexpr uint32_t kBluePixel = 0xFFFF0000u;

// `over` with alpha `a` blended on the opaque `under`, as the screen composes it.
inline uint32_t blended(uint32_t over, int a, uint32_t under)
{
    auto channel = [&](int shift) {
        int s = int((over >> shift) & 255), d = int((under >> shift) & 255);
        return uint32_t((s * a + d * (255 - a)) / 255) << shift;
    };
    return 0xFF000000u | channel(0) | channel(8) | channel(16);
}

// Each colour channel within `tolerance`.
inline ::testing::AssertionResult pixelNear(uint32_t actual, uint32_t expected, int tolerance = 1)
{
    for (int shift = 0; shift < 32; shift += 8) {
        int a = int((actual >> shift) & 255), e = int((expected >> shift) & 255);
        if (std::abs(a - e) > tolerance) {
            char text[80];
            std::snprintf(text, sizeof text, "pixel %08X, expected %08X", actual, expected);
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}

class PictureControlsTest : public ::testing::Test {
protected:
    PictureControlsTest()
    {
        media::registerMediaControls();
        form.setBackColor(kBackground);
        form.show();
        session.settle();
    }

    // The control's top-left pixel on the screen when placed at (left, top) twips.
    static constexpr int kLeftPx = 100, kTopPx = 50;
    static constexpr double kLeft = kLeftPx * 15.0, kTop = kTopPx * 15.0;

    uint32_t screenAt(int x, int y) { return session.windows().screen().pixel(x, y); }

    // A form of its own stored layout: `controls` is the JSON array of its controls.
    std::filesystem::path writeLayout(const std::string& controls)
    {
        std::string text = R"({ "form": "layout", "properties": { "BackColor": "&H0000A000&" }, "controls": )" + controls + " }";
        scratch.write("layout.json", text);
        return scratch.file("layout.json");
    }

    test_support::SourceResources resources;
    backend::HeadlessSession session{{1024, 768}};
    media_test::ScratchDir scratch;
    forms::Form form{"pictures", std::filesystem::path()};
};

inline void le16(std::vector<uint8_t>& b, int v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

// A GIF frame of 2 x 2 pixels: four colour indices (0 red, 1 blue, 2 lime, 3 white) in rows,
// its delay in hundredths of a second and the index it makes see-through (-1 for none).
struct GifFrame {
    int pixels[4];
    int delay;
    int transparent = -1;
};

// A 2 x 2 GIF with a four-colour palette. Each pixel's code follows a clear code, so every code
// stays 3 bits wide.
inline std::string tinyGif(const std::vector<GifFrame>& frames)
{
    std::vector<uint8_t> b = {'G', 'I', 'F', '8', '9', 'a'};
    le16(b, 2);
    le16(b, 2);
    b.insert(b.end(), {0x81, 0, 0});
    b.insert(b.end(), {255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 255});
    for (const GifFrame& f : frames) {
        const uint8_t packed = uint8_t((1 << 2) | (f.transparent >= 0 ? 1 : 0)); // keep the frame, transparency flag
        b.insert(b.end(), {0x21, 0xF9, 4, packed});
        le16(b, f.delay);
        b.push_back(uint8_t(f.transparent >= 0 ? f.transparent : 0));
        b.push_back(0);
        b.push_back(0x2C);
        le16(b, 0);
        le16(b, 0);
        le16(b, 2);
        le16(b, 2);
        b.push_back(0);
        b.push_back(2); // minimum code size: clear code 4, end code 5
        std::vector<int> codes;
        for (int p : f.pixels) {
            codes.push_back(4);
            codes.push_back(p);
        }
        codes.push_back(5);
        uint32_t bits = 0;
        int count = 0;
        std::vector<uint8_t> data;
        for (int c : codes) {
            bits |= uint32_t(c) << count;
            count += 3;
            while (count >= 8) {
                data.push_back(uint8_t(bits));
                bits >>= 8;
                count -= 8;
            }
        }
        if (count > 0)
            data.push_back(uint8_t(bits));
        b.push_back(uint8_t(data.size()));
        b.insert(b.end(), data.begin(), data.end());
        b.push_back(0);
    }
    b.push_back(0x3B);
    return std::string(b.begin(), b.end());
}

} // namespace picture_test
