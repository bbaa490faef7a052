#include "controls/core/mdl_declarations.h"
#include "controls/core/mouse_event_args.h"
#include "platform/window/types.h"
#include <gtest/gtest.h>

namespace qel {
namespace {

using namespace plat::win;

TEST(Declarations, LoWordAndHiWordAreSignedHalves)
{
    struct Case {
        int64_t value;
        int32_t lo, hi;
    } cases[] = {
        {0x00000000, 0, 0},
        {0x00050003, 3, 5},
        {0x0000FFFD, -3, 0},      // bit 15 set: sign-extended
        {int32_t(0xFFFF0007), 7, -1},
        {int32_t(0x80007FFF), 32767, -32768},
        {makeLParam(-45, -2), -45, -2},
        {int64_t(0x1234567800000010LL), 16, 0}, // only the low 32 bits count
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoWord(c.value), c.lo) << std::hex << c.value;
        EXPECT_EQ(HiWord(c.value), c.hi) << std::hex << c.value;
    }
}

TEST(Declarations, SplitRGBAndSplitColorGiveTheChannels)
{
    struct Case {
        int32_t colour;
        RGBRecord rgb;
    } cases[] = {
        {0x00733C00, {0x00, 0x3C, 0x73}},
        {0x00FBFBFB, {0xFB, 0xFB, 0xFB}},
        {0x000000FF, {255, 0, 0}},
        {0x00FF0000, {0, 0, 255}},
        // A system colour before translation: the signed divisions truncate toward zero.
        {int32_t(0x8000000F), {0x0F, 1, -32767}},
    };
    for (const Case& c : cases) {
        int32_t r = -1, g = -1, b = -1;
        SplitRGB(c.colour, r, g, b);
        EXPECT_EQ((RGBRecord{r, g, b}), c.rgb) << std::hex << c.colour;
        EXPECT_EQ(SplitColor(c.colour), c.rgb) << std::hex << c.colour;
    }
}

TEST(MouseEventArgs, ShiftControlAndTwipsFromTheMessage)
{
    struct Case {
        WPARAM wParam;
        LPARAM lParam;
        int shift, control, x, y;
    } cases[] = {
        {0, makeLParam(0, 0), 0, 0, 0, 0},
        {MK_SHIFT, makeLParam(1, 2), 1, 0, 15, 30},
        {MK_CONTROL, makeLParam(10, 0), 0, 1, 150, 0},
        {MK_SHIFT | MK_CONTROL | MK_LBUTTON, makeLParam(-3, -1), 1, 1, -45, -15},
    };
    for (const Case& c : cases) {
        MouseEventArgs a = mouseEventArgs(c.wParam, c.lParam);
        EXPECT_EQ(a.Shift, c.shift);
        EXPECT_EQ(a.Control, c.control);
        EXPECT_EQ(a.x, c.x);
        EXPECT_EQ(a.y, c.y);
    }
}

TEST(MouseEventArgs, ButtonRulesAndWheelSens)
{
    EXPECT_EQ(moveButton(0), 0);
    EXPECT_EQ(moveButton(MK_LBUTTON), 1);
    EXPECT_EQ(moveButton(MK_RBUTTON), 2);
    EXPECT_EQ(moveButton(MK_MBUTTON), 4);
    EXPECT_EQ(moveButton(MK_LBUTTON | MK_RBUTTON), 2);
    EXPECT_EQ(moveButton(MK_LBUTTON | MK_MBUTTON), 4); // the last true test wins
    EXPECT_EQ(moveButton(MK_SHIFT), 0);
    EXPECT_EQ(messageButton(WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(messageButton(WM_RBUTTONUP), 2);
    EXPECT_EQ(messageButton(WM_MBUTTONDOWN), 4);
    EXPECT_EQ(messageButton(WM_MOUSEMOVE), 0);
    EXPECT_EQ(wheelSens(makeWParam(0, -120)), 1);
    EXPECT_EQ(wheelSens(makeWParam(0, 120)), 0);
    EXPECT_EQ(wheelSens(makeWParam(MK_SHIFT, 240)), 0);
}

} // namespace
} // namespace qel
