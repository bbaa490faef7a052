#include "platform/gfx/device_context.h"
#include "platform/gfx/fixed_face.h"
#include "platform/gfx/text_layout.h"
#include "platform/gfx/text_render.h"

#include <gtest/gtest.h>

using namespace plat::gfx;

namespace {

constexpr Color kPaper = 0xFFFFFF;
constexpr Color kInk = rgb(0, 0, 200);

Rect inkBounds(const Surface& s, Color paper = kPaper)
{
    Rect r;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.colorAt(x, y) != paper)
                r = r.unite({x, y, x + 1, y + 1});
    return r;
}

struct Canvas {
    Surface surface;
    DeviceContext dc;
    Canvas(int w, int h, Font font = fixedFont({8, 10, 3}))
        : surface(w, h, opaque(kPaper))
        , dc(surface)
    {
        dc.setFont(font);
        dc.setTextColor(kInk);
        dc.setBackMode(BackMode::Transparent);
    }
};

} // namespace

TEST(TextDraw, GlyphCellsAndMnemonicUnderline)
{
    Canvas c(40, 16);
    Rect r{0, 0, 40, 16};
    EXPECT_EQ(c.dc.drawText("&ab", r, DT_LEFT), 13);
    EXPECT_EQ(c.surface.colorAt(0, 1), kInk);  // first box starts one row down
    EXPECT_EQ(c.surface.colorAt(6, 9), kInk);  // and ends above the baseline
    EXPECT_EQ(c.surface.colorAt(7, 5), kPaper); // the gap column between boxes
    EXPECT_EQ(c.surface.colorAt(0, 0), kPaper);
    EXPECT_EQ(c.surface.colorAt(0, 11), kInk); // the underline, one row under the baseline
    EXPECT_EQ(c.surface.colorAt(7, 11), kInk);
    EXPECT_EQ(c.surface.colorAt(8, 11), kPaper); // "b" has none
    EXPECT_EQ(inkBounds(c.surface), (Rect{0, 1, 15, 12}));
}

TEST(TextDraw, ClippedToTheRectangle)
{
    Canvas c(60, 30);
    Rect r{2, 2, 22, 15};
    c.dc.drawText("abcdef\r\nsecond", r, DT_LEFT);
    EXPECT_EQ(inkBounds(c.surface), (Rect{2, 3, 22, 12})); // no second line, nothing right of 22
    Canvas n(60, 30);
    n.dc.drawText("abcdef", r, DT_LEFT | DT_NOCLIP);
    EXPECT_EQ(inkBounds(n.surface).right, 2 + 47);
}

TEST(TextDraw, CalcRectDrawsNothing)
{
    Canvas c(60, 30);
    Rect r{0, 0, 10, 10};
    EXPECT_EQ(c.dc.drawText("abc", r, DT_CALCRECT), 13);
    EXPECT_EQ(r, (Rect{0, 0, 24, 13}));
    EXPECT_TRUE(inkBounds(c.surface).isEmpty());
}

TEST(TextDraw, OpaqueModeFillsOnlyTheTextCell)
{
    Canvas c(60, 20);
    c.dc.setBackMode(BackMode::Opaque);
    c.dc.setBackColor(rgb(1, 2, 3));
    Rect r{0, 0, 60, 20};
    c.dc.drawText(" a", r, DT_CENTER);
    EXPECT_EQ(c.surface.colorAt(22, 0), rgb(1, 2, 3)); // cell is x 22..38, rows 0..13
    EXPECT_EQ(c.surface.colorAt(37, 12), rgb(1, 2, 3));
    EXPECT_EQ(c.surface.colorAt(21, 0), kPaper);
    EXPECT_EQ(c.surface.colorAt(22, 13), kPaper);
    EXPECT_EQ(c.surface.colorAt(30, 5), kInk);
}

TEST(TextDraw, UnderlineAndStrikeoutFonts)
{
    FontRequest style;
    style.underline = true;
    style.strikeout = true;
    Canvas c(30, 16, fixedFont({8, 10, 3}, style));
    c.dc.textOut(0, 0, "a b");
    for (int x = 0; x < 24; ++x)
        EXPECT_EQ(c.surface.colorAt(x, 11), kInk) << x; // underline across the spaces too
    EXPECT_EQ(c.surface.colorAt(24, 11), kPaper);
    EXPECT_EQ(c.surface.colorAt(10, 5), kInk); // strike-through row (5 above the baseline)
    EXPECT_EQ(c.surface.colorAt(10, 4), kPaper);
}

TEST(TextDraw, EscapementNineHundredReadsBottomToTop)
{
    const Font turned = fixedFont({8, 10, 3}).withEscapement(900);
    Canvas c(60, 60, turned);
    c.dc.textOut(20, 50, "abc");
    const Rect cell = textLineRect(turned, {20, 50}, 24);
    EXPECT_EQ(cell, (Rect{20, 26, 33, 50}));
    Rect ink = inkBounds(c.surface);
    EXPECT_EQ(ink, (Rect{21, 27, 30, 50}));
    EXPECT_EQ(c.surface.colorAt(21, 49), kInk);   // first letter at the bottom
    EXPECT_EQ(c.surface.colorAt(21, 42), kPaper); // gap between the first and second letter
    EXPECT_EQ(c.surface.colorAt(21, 41), kInk);
}

TEST(TextDraw, OtherQuarterTurns)
{
    EXPECT_EQ(quarterTurns(0), 0);
    EXPECT_EQ(quarterTurns(900), 1);
    EXPECT_EQ(quarterTurns(1800), 2);
    EXPECT_EQ(quarterTurns(-900), 3);
    EXPECT_EQ(quarterTurns(3600), 0);
    const Font down = fixedFont({8, 10, 3}).withEscapement(2700);
    EXPECT_EQ(textLineRect(down, {20, 10}, 24), (Rect{7, 10, 20, 34}));
    Canvas c(60, 60, down);
    c.dc.textOut(20, 10, "abc");
    EXPECT_EQ(inkBounds(c.surface), (Rect{10, 10, 19, 33}));
}

TEST(TextDraw, OriginAndClipRegionApply)
{
    Canvas c(40, 20);
    c.dc.setOrigin({5, 3});
    c.dc.setClipRegion(Region::fromRect({0, 0, 9, 20}));
    c.dc.textOut(0, 0, "ab");
    EXPECT_EQ(inkBounds(c.surface), (Rect{5, 4, 9, 13}));
}
