#include "platform/backend/letterbox.h"

#include <gtest/gtest.h>

namespace plat::backend {
namespace {

using gfx::Point;
using gfx::Rect;
using gfx::Size;

TEST(Letterbox, ViewportKeepsTheAspectAndCentres)
{
    struct Case {
        Size window;
        Rect viewport;
    };
    const Case cases[] = {
        { { 1024, 768 }, { 0, 0, 1024, 768 } },
        { { 1280, 1024 }, { 0, 32, 1280, 992 } },   // width-bound: bars above and below
        { { 1920, 1080 }, { 240, 0, 1680, 1080 } }, // height-bound: bars left and right
        { { 2048, 1536 }, { 0, 0, 2048, 1536 } },
        { { 800, 600 }, { 0, 0, 800, 600 } },
    };
    for (const Case& c : cases) {
        Letterbox box({ 1024, 768 }, c.window);
        EXPECT_EQ(box.viewport(), c.viewport) << c.window.width << "x" << c.window.height;
    }
    EXPECT_TRUE(Letterbox({ 1024, 768 }, { 1024, 768 }).isIdentity());
    EXPECT_FALSE(Letterbox({ 1024, 768 }, { 1280, 1024 }).isIdentity());
}

// A part drawn alone lands on exactly the window pixels it takes in a whole-screen draw.
TEST(Letterbox, PartsScaleLikeTheWholeScreen)
{
    gfx::Surface screen(1024, 768);
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            screen.setPixel(x, y, uint32_t(x * 7 + y * 13));
    for (Size window : { Size { 1280, 1024 }, Size { 1920, 1080 }, Size { 800, 600 } }) {
        Letterbox box({ 1024, 768 }, window);
        std::vector<uint32_t> whole;
        const Rect all = box.toWindow(screen.rect());
        ASSERT_EQ(all, box.viewport());
        box.scale(screen, all, whole);
        for (Rect part : { Rect { 0, 0, 1, 1 }, Rect { 333, 101, 517, 402 }, Rect { 1000, 700, 1024, 768 } }) {
            const Rect target = box.toWindow(part);
            ASSERT_FALSE(target.isEmpty());
            std::vector<uint32_t> pixels;
            box.scale(screen, target, pixels);
            for (int y = target.top; y < target.bottom; ++y)
                for (int x = target.left; x < target.right; ++x) {
                    const uint32_t expected = whole[size_t(y - all.top) * size_t(all.width()) + size_t(x - all.left)];
                    ASSERT_EQ(pixels[size_t(y - target.top) * size_t(target.width()) + size_t(x - target.left)], expected);
                }
            // Neighbouring parts meet without a gap or an overlap.
            const Rect right = box.toWindow({ part.right, part.top, part.right + 1, part.bottom });
            if (!right.isEmpty()) {
                EXPECT_EQ(right.left, target.right);
            }
        }
    }
}

TEST(Letterbox, WindowPointsMapToTheScreenPixelTheyShow)
{
    Letterbox box({ 1024, 768 }, { 1280, 1024 });
    EXPECT_EQ(box.toLogical({ 0, 32 }), (Point { 0, 0 }));
    EXPECT_EQ(box.toLogical({ 1279, 1023 - 32 }), (Point { 1023, 767 }));
    EXPECT_EQ(box.toLogical({ 640, 512 }), (Point { 512, 384 }));
    EXPECT_LT(box.toLogical({ 10, 5 }).y, 0); // on the bar above the screen
    Letterbox same({ 1024, 768 }, { 1024, 768 });
    EXPECT_EQ(same.toLogical({ 17, 400 }), (Point { 17, 400 }));
}

} // namespace
} // namespace plat::backend
