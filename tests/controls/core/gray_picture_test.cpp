#include "controls/core/image_holder.h"
#include "controls/core/mdl_gray.h"
#include <gtest/gtest.h>

namespace qel {
namespace {

using plat::gfx::Picture;
using plat::gfx::rgb;
using plat::gfx::Surface;

Picture solid(int w, int h, uint32_t pixel) { return Picture(Surface(w, h, pixel)); }

TEST(GrayPicture, EachPixelBecomesTheAverageWithTheRemainderDropped)
{
    struct Case {
        uint32_t in;
        uint32_t out;
    } cases[] = {
        {0xFF000000u | rgb(31, 20, 10), 0xFF000000u | rgb(20, 20, 20)}, // 61 / 3 = 20
        {0xFFFFFFFFu, 0xFFFFFFFFu},                                      // white stays white
        {0xFF000000u | rgb(255, 0, 0), 0xFF000000u | rgb(85, 85, 85)},  // pure red
        {0x80000000u | rgb(0, 0, 2), 0x80000000u | rgb(0, 0, 0)},       // alpha (the reserved byte) kept
    };
    for (const Case& c : cases) {
        WorkPicture pctG;
        pctG.setPicture(solid(3, 2, c.in));
        pctG.Resize(3, 2);
        MakeGrayPicture(pctG);
        EXPECT_EQ(pctG.Image().pixel(0, 0), c.out) << std::hex << c.in;
        EXPECT_EQ(pctG.Image().pixel(2, 1), c.out) << std::hex << c.in;
        EXPECT_EQ(pctG.Picture().image().pixel(1, 1), c.out) << "the picture property is the gray image";
    }
}

TEST(GrayPicture, OnePixelPictureWorks)
{
    WorkPicture pctG;
    pctG.setPicture(solid(1, 1, 0xFF000000u | rgb(3, 6, 9)));
    pctG.Resize(1, 1);
    MakeGrayPicture(pctG);
    EXPECT_EQ(pctG.Image().colorAt(0, 0), rgb(6, 6, 6));
}

TEST(GrayPicture, AssigningAPictureMakesTheGrayCopyAndNoneClearsIt)
{
    Surface s(4, 2, 0xFF000000u | rgb(255, 0, 0));
    s.setPixel(3, 1, 0xFF000000u | rgb(0, 0, 255));
    GrayedPicture p;
    p.Assign(Picture(s));
    ASSERT_TRUE(p.HasPicture());
    EXPECT_EQ(p.PCTcolor.Width(), 60) << "twips";
    EXPECT_EQ(p.PCTcolor.Height(), 30);
    EXPECT_EQ(p.PCTcolor.Picture().image().colorAt(0, 0), rgb(255, 0, 0)) << "the colour picture is unchanged";
    ASSERT_EQ(p.PCTgray.Picture().width(), 4);
    EXPECT_EQ(p.PCTgray.Picture().image().colorAt(0, 0), rgb(85, 85, 85));
    EXPECT_EQ(p.PCTgray.Picture().image().colorAt(3, 1), rgb(85, 85, 85));

    p.Assign(Picture());
    EXPECT_FALSE(p.HasPicture());
    EXPECT_FALSE(p.PCTgray.HasPicture());
}

} // namespace
} // namespace qel
