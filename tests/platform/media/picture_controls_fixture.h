#pragma once
#include "media_test_support.h"
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include "platform/gfx/surface.h"
#include "platform/media/media_controls.h"
#include "tests/support/gif_writer.h"
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

using test_support::GifFrame;
using test_support::tinyGif;

} // namespace picture_test
