#include "controls/core/gradient.h"
#include <gtest/gtest.h>

namespace qel {
namespace {

using plat::gfx::Color;
using plat::gfx::DeviceContext;
using plat::gfx::Surface;

TEST(Gradient, StepsMoveEachChannelFromTheFirstColourToTheSecond)
{
    const RGBRecord red = SplitColor(0x0000FF), blue = SplitColor(0xFF0000);
    EXPECT_EQ(GradientStep(red, blue, 0, 10), 0x0000FFu);
    EXPECT_EQ(GradientStep(red, blue, 10, 10), 0xFF0000u);
    // Half way: red falls while blue rises, through purple (127.5 rounds to the even 128).
    EXPECT_EQ(GradientStep(red, blue, 5, 10), 0x800080u);
    EXPECT_EQ(GradientStep(SplitColor(0xFBFBFB), SplitColor(0xDCDCDC), 1, 2), 0xEC'EC'ECu) << "235.5 rounds to 236";
    EXPECT_EQ(GradientStep(red, blue, 3, 0), 0x0000FFu) << "no steps: the first colour, no division by zero";
}

TEST(Gradient, RowsPainterDrawsOneLinePerRowFromTheFirstRow)
{
    Surface s(10, 5, 0xFF000000u);
    DeviceContext dc(s);
    const RGBRecord c1 = SplitColor(0xFBFBFB), c2 = SplitColor(0xDCDCDC);
    PaintGradientRows(dc, c1, c2, 150, 75, 0);
    for (int y = 0; y < 5; ++y) {
        const Color expected = GradientStep(c1, c2, y, 5);
        EXPECT_EQ(s.colorAt(0, y), expected) << y;
        EXPECT_EQ(s.colorAt(9, y), expected) << y;
    }
    EXPECT_EQ(s.colorAt(0, 0), 0xFBFBFBu);
    EXPECT_NE(s.colorAt(0, 4), 0xDCDCDCu) << "the last step lies just below the surface";

    Surface t(4, 5, 0xFF000000u);
    DeviceContext dt(t);
    PaintGradientRows(dt, c1, c2, 60, 75, 2);
    EXPECT_EQ(t.colorAt(0, 1), 0u) << "rows above the first row are left alone";
    EXPECT_EQ(t.colorAt(0, 2), GradientStep(c1, c2, 2, 5)) << "each row keeps its own step";
}

TEST(Gradient, ColumnsPainterStartsEveryColumnAtTheFirstRow)
{
    Surface s(5, 6, 0xFF000000u);
    DeviceContext dc(s);
    const RGBRecord c1 = SplitColor(0xC85A21), c2 = SplitColor(0xE4C6B5);
    PaintGradientColumns(dc, c1, c2, 75, 90, 2);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(s.colorAt(x, 1), 0u) << x;
        EXPECT_EQ(s.colorAt(x, 2), GradientStep(c1, c2, x, 5)) << x;
        EXPECT_EQ(s.colorAt(x, 5), GradientStep(c1, c2, x, 5)) << x;
    }
    EXPECT_EQ(s.colorAt(0, 3), 0xC85A21u);
}

TEST(Gradient, TextBoxPaintersCoverTheirArea)
{
    Surface s(6, 4, 0xFF000000u);
    DeviceContext dc(s);
    const RGBRecord a = SplitColor(0x000000), b = SplitColor(0x0000FF);
    DrawGradientLeftRight(dc, a, b, 60, 60, 1);
    EXPECT_EQ(s.colorAt(0, 0), 0u) << "columns before Start are left alone";
    EXPECT_EQ(s.colorAt(2, 3), GradientStep(a, b, 2, 4));
    EXPECT_EQ(s.colorAt(4, 0), 0x0000FFu) << "column n (4) has the second colour";

    Surface t(6, 4, 0xFF000000u);
    DeviceContext dt(t);
    DrawGradientTopBottom(dt, a, b, 3, 60, 0);
    EXPECT_EQ(t.colorAt(2, 2), GradientStep(a, b, 2, 4));
    EXPECT_EQ(t.colorAt(3, 2), 0u) << "rows end before column Right";
}

} // namespace
} // namespace qel
