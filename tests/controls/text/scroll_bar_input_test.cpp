// The public bars driven through real messages: arrows, paging, drags, the wheel, hover and
// leave, keys, and the auto-repeat on the virtual clock.
#include "controls/text/qel_h_scroll.h"
#include "controls/text/qel_v_scroll.h"
#include "scroll_bar_helpers.h"

namespace qel::testing {
namespace {

using namespace plat::win;

// A horizontal bar 2010 × 255 twips at screen pixel (100, 100): the Min arrow is screen x 100 to
// 117, the Max arrow 216 to 233, the thumb (Value 50) 162 to 172.
class ScrollBarInputTest : public TextControlsTest {
protected:
    static constexpr int kY = 108;
    static constexpr int kMinArrow = 105;
    static constexpr int kMaxArrow = 225;
    static constexpr int kMinPage = 130;
    static constexpr int kMaxPage = 200;
    static constexpr int kThumb = 167;

    qelHScroll* bar = nullptr;
    EventLog log;

    void SetUp() override
    {
        TextControlsTest::SetUp();
        bar = &place<qelHScroll>("bar", 100, 100, 134, 17);
        watch(*bar, log);
    }
    void press(int x)
    {
        session.mouseMove(x, kY);
        session.mouseDown(x, kY);
    }
};

TEST_F(ScrollBarInputTest, ArrowPressStepsThenRepeatsEveryIntervalUntilRelease)
{
    press(kMinArrow);
    EXPECT_EQ(log.take(), (Log{"Change 49", "MouseDown 1"}));
    EXPECT_EQ(bar->MinArrowState(), ArrowPressed);
    session.advance(99);
    EXPECT_EQ(log.take(), Log{}) << "no repeat before one interval";
    session.advance(1);
    EXPECT_EQ(log.take(), Log{"Change 48"});
    session.advance(200);
    EXPECT_EQ(log.take(), (Log{"Change 47", "Change 46"}));
    session.mouseUp(kMinArrow, kY);
    EXPECT_EQ(log.take(), Log{"MouseUp 1"});
    EXPECT_EQ(bar->MinArrowState(), ArrowHover);
    EXPECT_FALSE(bar->Timer1().Enabled());
    session.advance(500);
    EXPECT_EQ(log.take(), Log{});
    EXPECT_EQ(bar->Value(), Whole(46));
}

TEST_F(ScrollBarInputTest, MaxArrowAtMaxStillRaisesChange)
{
    bar->setValue(Whole(100));
    log.take();
    press(kMaxArrow);
    EXPECT_EQ(log.take(), (Log{"Change 100", "MouseDown 1"}));
    EXPECT_EQ(bar->Value(), Whole(100));
    session.mouseUp(kMaxArrow, kY);
}

TEST_F(ScrollBarInputTest, MovingOffAHeldArrowStopsItsRepeatForGood)
{
    press(kMaxArrow);
    session.advance(100);
    EXPECT_EQ(log.take(), (Log{"Change 51", "MouseDown 1", "Change 52"}));
    session.mouseMove(kMaxPage, kY); // off the arrow, button still held
    EXPECT_EQ(bar->MaxArrowState(), ArrowNormal);
    log.take(); // the move's own Change
    session.advance(300);
    EXPECT_EQ(log.take(), Log{}) << "the ticks do nothing";
    session.mouseMove(kMaxArrow, kY);
    EXPECT_EQ(bar->MaxArrowState(), ArrowHover) << "back on it: hover, not pressed";
    log.take();
    session.advance(300);
    EXPECT_EQ(log.take(), Log{}) << "the repeat does not resume";
    session.mouseUp(kMaxArrow, kY);
}

TEST_F(ScrollBarInputTest, HoldingThePageAreaPagesPastThePointerToTheEnd)
{
    press(kMaxPage);
    EXPECT_EQ(log.take(), (Log{"Change 60", "MouseDown 1"}));
    EXPECT_EQ(bar->PageDirection(), 1);
    EXPECT_TRUE(bar->Timer2().Enabled());
    session.advance(100);
    EXPECT_EQ(log.take(), Log{"Change 70"});
    session.advance(300);
    EXPECT_EQ(log.take(), (Log{"Change 80", "Change 90", "Change 100"}));
    EXPECT_FALSE(bar->Timer2().Enabled()) << "Value reached Max";
    session.advance(300);
    EXPECT_EQ(log.take(), Log{});
    session.mouseUp(kMaxPage, kY);
    EXPECT_EQ(bar->PageDirection(), 0);
}

TEST_F(ScrollBarInputTest, ReleaseEndsPaging)
{
    press(kMinPage);
    EXPECT_EQ(log.take(), (Log{"Change 40", "MouseDown 1"}));
    EXPECT_EQ(bar->PageDirection(), -1);
    session.mouseUp(kMinPage, kY);
    EXPECT_EQ(bar->PageDirection(), 0);
    EXPECT_FALSE(bar->Timer2().Enabled());
    log.take();
    session.advance(500);
    EXPECT_EQ(log.take(), Log{});
}

TEST_F(ScrollBarInputTest, AReleaseAwayFromThePageAreaLeavesTheTimerIdle)
{
    press(kMinPage);
    session.mouseMove(kThumb + 40, kY);
    session.mouseUp(kThumb + 40, kY); // over the other page area, which the thumb has left
    log.take();
    EXPECT_EQ(bar->PageDirection(), 0);
    session.advance(500);
    EXPECT_EQ(log.take(), Log{}) << "ticks with PageDirection 0 do nothing";
}

TEST_F(ScrollBarInputTest, DoubleClickOnAnArrowStepsTwiceWithoutRepeat)
{
    session.mouseMove(kMinArrow, kY);
    session.click(kMinArrow, kY);
    session.mouseDown(kMinArrow, kY);
    EXPECT_EQ(log.take(), (Log{"Change 49", "MouseDown 1", "MouseUp 1", "Change 48", "MouseDblClick 1"}));
    session.advance(400);
    EXPECT_EQ(log.take(), Log{});
    session.mouseUp(kMinArrow, kY);
    EXPECT_EQ(bar->MinArrowState(), ArrowHover);
}

TEST_F(ScrollBarInputTest, DoubleClickInThePageAreaPagesTwice)
{
    session.mouseMove(kMaxPage, kY);
    session.click(kMaxPage, kY);
    session.mouseDown(kMaxPage, kY);
    EXPECT_EQ(log.take(), (Log{"Change 60", "MouseDown 1", "MouseUp 1", "Change 70", "MouseDblClick 1"}));
    session.mouseUp(kMaxPage, kY);
    EXPECT_EQ(bar->PageDirection(), 0);
}

TEST_F(ScrollBarInputTest, DraggingTheThumbSetsValueFromItsPlace)
{
    session.mouseMove(kThumb, kY);
    session.mouseDown(kThumb, kY);
    log.take();
    session.mouseMove(kThumb + 10, kY); // 150 twips on: thumb at 1080
    // Value = Int((1080 - 255) × 100 / 1350) = 61.
    EXPECT_EQ(log.take(), (Log{"Scroll", "Change 61"}));
    EXPECT_EQ(bar->ThumbPos(), 1080);
    session.mouseMove(kThumb + 100, kY); // past the end: the thumb stops at 1575
    EXPECT_EQ(log.take(), (Log{"Scroll", "Change 100"}));
    EXPECT_EQ(bar->ThumbPos(), 1575);
    session.mouseMove(kThumb - 200, kY); // far before the start: 270, Min
    EXPECT_EQ(log.take(), Log{"Change 100"}) << "the previous position was off the thumb: no drag";
    session.mouseUp(kThumb - 200, kY);
}

TEST_F(ScrollBarInputTest, DragBackToTheStartGivesMin)
{
    session.mouseMove(kThumb, kY);
    session.mouseDown(kThumb, kY);
    session.mouseMove(kThumb - 4, kY);
    session.mouseMove(kThumb - 50, kY);
    EXPECT_EQ(bar->ThumbPos(), 270);
    EXPECT_EQ(bar->Value(), Whole(0));
    session.mouseUp(kThumb - 50, kY);
}

TEST_F(ScrollBarInputTest, EveryMoveWithTheLeftButtonRaisesChange)
{
    press(kMaxPage);
    log.take();
    session.mouseMove(kMaxPage, kY + 1);
    session.mouseMove(kMaxPage, kY + 2);
    EXPECT_EQ(log.take(), (Log{"Change 60", "Change 60"}));
    session.mouseUp(kMaxPage, kY + 2);
    session.mouseMove(kMaxPage, kY);
    EXPECT_EQ(log.take(), Log{"MouseUp 1"}) << "no Change without the button";
}

TEST_F(ScrollBarInputTest, ADragBeginsWhereverTheButtonWentDown)
{
    // Down in the page area just before the thumb, then moves that reach the thumb drag it.
    bar->setLargeChange(Whole(0));
    session.mouseMove(kThumb - 6, kY);
    session.mouseDown(kThumb - 6, kY);
    log.take();
    session.mouseMove(kThumb - 5, kY); // onto the thumb's first pixel (930)
    EXPECT_EQ(log.take(), Log{"Change 50"}) << "the previous position was not on the thumb yet";
    session.mouseMove(kThumb - 3, kY); // 30 twips on: Int((960 - 255) × 100 / 1350) = 52
    EXPECT_EQ(log.take(), (Log{"Scroll", "Change 52"}));
    session.mouseUp(kThumb - 3, kY);
}

TEST_F(ScrollBarInputTest, WheelStepsThroughTheValueLetAndAlwaysRaisesChange)
{
    session.wheel(150, kY, -120);
    EXPECT_EQ(log.take(), (Log{"MouseWheel 1", "Change 50", "Change 53"}));
    session.wheel(150, kY, 120);
    EXPECT_EQ(log.take(), (Log{"MouseWheel 0", "Change 53", "Change 50"}));
    bar->setEnableWheel(false);
    session.wheel(150, kY, -120);
    EXPECT_EQ(log.take(), (Log{"MouseWheel 1", "Change 50"}));
}

TEST_F(ScrollBarInputTest, HoverComesOncePerStay)
{
    watch(*bar, log, true);
    session.mouseMove(kMinArrow, kY);
    session.advance(5);
    session.mouseMove(kMinArrow + 1, kY);
    session.advance(5);
    EXPECT_EQ(log.take(), (Log{"MouseMove 0", "MouseHover", "MouseMove 0"}));
    EXPECT_TRUE(bar->Hovered());
    session.mouseMove(500, 500);
    EXPECT_EQ(log.take(), Log{"MouseLeave"});
    EXPECT_FALSE(bar->Hovered());
    session.mouseMove(kMinArrow, kY);
    session.advance(5);
    EXPECT_EQ(log.take(), (Log{"MouseMove 0", "MouseHover"}));
}

TEST_F(ScrollBarInputTest, TheFirstLeaveOfABarsLifeOnlyTakesNote)
{
    // The bar above was subclassed with the pointer elsewhere: its first leave came at once.
    EXPECT_TRUE(bar->LeaveSeen());
    // One placed under the pointer has its first leave still to come.
    session.mouseMove(305, 108);
    qelHScroll& under = place<qelHScroll>("under", 300, 100, 134, 17);
    EXPECT_FALSE(under.LeaveSeen());
    session.mouseMove(306, 108);
    ASSERT_EQ(under.MinArrowState(), ArrowHover);
    const Color hoverFrame = imagePixel(under.hwnd(), 1, 5); // the hover line at x = 15
    EXPECT_EQ(hoverFrame, 0xFFFFFFu);
    session.mouseMove(500, 500);
    EXPECT_EQ(under.MinArrowState(), ArrowNormal);
    EXPECT_TRUE(under.LeaveSeen());
    EXPECT_EQ(imagePixel(under.hwnd(), 1, 5), hoverFrame) << "the first leave does not redraw";
    session.mouseMove(305, 108);
    session.mouseMove(500, 500);
    EXPECT_EQ(imagePixel(under.hwnd(), 1, 5), 0xF0D0BFu) << "later leaves redraw: the plain face";
}

TEST_F(ScrollBarInputTest, KeysStepValue)
{
    struct Case {
        int key;
        int64_t after;
    };
    const Case cases[] = {
        {VK_LEFT, 49}, {VK_UP, 49}, {VK_RIGHT, 51}, {VK_DOWN, 51}, {VK_PRIOR, 40}, {VK_NEXT, 60}, {VK_END, 100}, {VK_HOME, 0},
    };
    bar->setFocus();
    session.settle();
    for (const Case& c : cases) {
        bar->Change = nullptr;
        bar->setValue(Whole(50));
        watch(*bar, log);
        session.key(c.key);
        EXPECT_EQ(log.take(), (Log{"Change " + std::to_string(c.after), "KeyDown " + std::to_string(c.key), "KeyUp " + std::to_string(c.key)}))
            << c.key;
    }
    session.key(VK_SPACE);
    EXPECT_EQ(log.take(), (Log{"KeyDown 32", "KeyUp 32"})) << "other keys: only the events";
    session.type("a");
    EXPECT_EQ(log.take(), Log{"KeyPress 97"});
}

TEST_F(ScrollBarInputTest, ADisabledBarTakesArrowsDragsAndTheWheelOnly)
{
    bar->setEnabled(false);
    bar->setFocus();
    session.settle();
    log.take();
    press(kMinArrow);
    EXPECT_EQ(log.take(), (Log{"Change 49", "MouseDown 1"}));
    session.advance(300);
    EXPECT_EQ(log.take(), Log{}) << "no repeat";
    session.mouseUp(kMinArrow, kY);
    press(kMaxPage);
    EXPECT_EQ(log.take(), (Log{"MouseUp 1", "MouseDown 1"})) << "no paging";
    session.mouseUp(kMaxPage, kY);
    log.take();
    session.key(VK_END);
    EXPECT_EQ(log.take(), Log{"KeyUp 35"}) << "keys do nothing, not even KeyDown";
    session.wheel(150, kY, -120);
    EXPECT_EQ(log.take(), (Log{"MouseWheel 1", "Change 49", "Change 52"}));
    // The thumb is not drawn, but a drag over its place still moves it.
    const int thumb = 100 + bar->ThumbPos() / 15 + 2;
    session.mouseMove(thumb, kY);
    session.mouseDown(thumb, kY);
    session.mouseMove(thumb + 10, kY);
    EXPECT_GT(bar->Value(), Whole(52));
    session.mouseUp(thumb + 10, kY);
}

TEST_F(ScrollBarInputTest, UnRefreshControlStopsDrawingButNotTheState)
{
    const plat::gfx::Surface before = WindowImage(bar->hwnd());
    bar->setUnRefreshControl(true);
    press(kMinArrow);
    EXPECT_EQ(bar->MinArrowState(), ArrowPressed);
    EXPECT_EQ(bar->Value(), Whole(49));
    EXPECT_TRUE(WindowImage(bar->hwnd()).pixels() == before.pixels()) << "nothing drawn";
    session.mouseUp(kMinArrow, kY);
    bar->setUnRefreshControl(false);
    EXPECT_TRUE(WindowImage(bar->hwnd()).pixels() == before.pixels()) << "turning it off does not draw by itself";
    bar->Refresh();
    EXPECT_FALSE(WindowImage(bar->hwnd()).pixels() == before.pixels());
}

TEST_F(ScrollBarInputTest, AFullLengthThumbCannotBeDraggedToAnotherValue)
{
    bar->setScrollWidth(100);
    bar->setValue(Whole(30));
    const int thumb = 100 + bar->ThumbPos() / 15 + 5;
    session.mouseMove(thumb, kY);
    session.mouseDown(thumb, kY);
    session.mouseMove(thumb + 3, kY);
    EXPECT_EQ(bar->Value(), Whole(30)) << "no room to drag in: Value stays";
    session.mouseUp(thumb + 3, kY);
}

TEST_F(ScrollBarInputTest, RightAndMiddleButtonsOnlyRaiseTheirEvents)
{
    session.mouseMove(kMinArrow, kY);
    session.click(kMinArrow, kY, 3);
    session.click(kMaxPage, kY, 2);
    EXPECT_EQ(log.take(), (Log{"MouseDown 4", "MouseUp 4", "MouseDown 2", "MouseUp 2"}));
    EXPECT_EQ(bar->Value(), Whole(50));
}

// The vertical bar: the same rules along y.
TEST_F(TextControlsTest, VerticalBarStepsAlongItsHeight)
{
    EventLog log;
    qelVScroll& v = place<qelVScroll>("v", 300, 100, 17, 134);
    watch(v, log);
    session.mouseMove(308, 105);
    session.mouseDown(308, 105);
    EXPECT_EQ(v.MinArrowState(), ArrowPressed);
    session.mouseUp(308, 105);
    session.mouseMove(308, 225);
    session.mouseDown(308, 225);
    session.mouseUp(308, 225);
    session.mouseMove(308, 200);
    session.mouseDown(308, 200);
    session.mouseUp(308, 200);
    EXPECT_EQ(log.take(), (Log{"Change 49", "MouseDown 1", "MouseUp 1", "Change 50", "MouseDown 1", "MouseUp 1", "Change 60",
                              "MouseDown 1", "MouseUp 1"}));
    v.setFocus();
    session.settle();
    session.key(VK_DOWN);
    EXPECT_EQ(v.Value(), Whole(61));
}

} // namespace
} // namespace qel::testing
