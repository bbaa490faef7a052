// The value model, the thumb's geometry, the size limits and the properties of the public bars.
#include "controls/text/qel_h_scroll.h"
#include "controls/text/qel_v_scroll.h"
#include "scroll_bar_helpers.h"

namespace qel::testing {
namespace {

using ScrollBarModelTest = TextControlsTest;

TEST_F(ScrollBarModelTest, ANewBarRunsFromZeroToHundredAtFifty)
{
    EventLog log;
    qelHScroll& bar = placeNew<qelHScroll>("bar", 10, 10, 134, 17);
    EXPECT_EQ(bar.Min(), Whole(0));
    EXPECT_EQ(bar.Max(), Whole(100));
    EXPECT_EQ(bar.Value(), Whole(50));
    EXPECT_EQ(bar.SmallChange(), Whole(1));
    EXPECT_EQ(bar.LargeChange(), Whole(10));
    EXPECT_EQ(bar.WheelChange(), Whole(3));
    EXPECT_EQ(bar.ScrollWidth(), 10);
    EXPECT_EQ(bar.ThumbLength(), 150) << "10 % of the 1500-twip track";
    EXPECT_EQ(bar.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(bar.BorderColor(), 0xFF8080u);
    EXPECT_EQ(bar.ArrowColor(), 0xFFFFFFu);
    EXPECT_EQ(bar.FrontColor(), 0xF0D0BFu);
    EXPECT_EQ(bar.DownColor(), 0xBE9E8Du);
    EXPECT_EQ(bar.MouseHoverColor(), 0xFFFFFFu);
    EXPECT_EQ(bar.LargeChangeColor(), 0xBE9E8Du);
    EXPECT_EQ(bar.MouseInterval(), 100);
    EXPECT_TRUE(bar.Enabled());
    EXPECT_TRUE(bar.EnableWheel());
    EXPECT_FALSE(bar.UnRefreshControl());
    EXPECT_FALSE(bar.Subclassed()) << "a newly placed bar is not subclassed";
    EXPECT_TRUE(bar.Timer1().Enabled());
    EXPECT_TRUE(bar.Timer2().Enabled());
}

TEST_F(ScrollBarModelTest, ValueLetRaisesChangeWithTheOldValueThenClamps)
{
    struct Case {
        int64_t start, assigned;
        Log events;
        int64_t after;
    };
    const Case cases[] = {
        {50, 150, {"Change 50"}, 100},
        {100, 100, {}, 100},
        {100, 120, {"Change 100"}, 100},
        {50, -5, {"Change 50"}, 0},
        {50, 20, {"Change 50"}, 20},
    };
    qelHScroll& bar = place<qelHScroll>("bar", 10, 10, 134, 17);
    EventLog log;
    for (const Case& c : cases) {
        bar.Change = nullptr;
        bar.setValue(Whole(c.start));
        watch(bar, log);
        bar.setValue(Whole(c.assigned));
        EXPECT_EQ(log.take(), c.events) << c.start << " -> " << c.assigned;
        EXPECT_EQ(bar.Value(), Whole(c.after)) << c.start << " -> " << c.assigned;
    }
}

TEST_F(ScrollBarModelTest, ChangeHandlerAssigningItsArgumentChangesValue)
{
    qelHScroll& bar = place<qelHScroll>("bar", 10, 10, 134, 17);
    // The handler runs before the new value is stored, so its assignment is overwritten there...
    bar.Change = [](Fixed& Value) { Value = Whole(7); };
    bar.setValue(Whole(60));
    EXPECT_EQ(bar.Value(), Whole(60));
    // ...but after a step it is what the bar keeps.
    session.mouseMove(15, 18);
    session.mouseDown(15, 18);
    EXPECT_EQ(bar.Value(), Whole(7));
    session.mouseUp(15, 18);
}

TEST_F(ScrollBarModelTest, BoundsRefusedOnlyAfterMinWentAboveMax)
{
    {
        qelHScroll& bar = place<qelHScroll>("a", 10, 10, 134, 17);
        bar.setMin(Whole(200));
        bar.setMax(Whole(300));
        EXPECT_EQ(bar.Min(), Whole(200));
        EXPECT_EQ(bar.Max(), Whole(100)) << "Value (200) above Max: the Max Let is ignored";
        EXPECT_EQ(bar.Value(), Whole(200));
        bar.setMin(Whole(50));
        bar.setMax(Whole(300));
        EXPECT_EQ(bar.Max(), Whole(300)) << "Min back at or below Max: Max is taken again";
    }
    {
        qelHScroll& bar = place<qelHScroll>("b", 10, 40, 134, 17);
        bar.setMax(Whole(300));
        bar.setMin(Whole(200));
        EXPECT_EQ(bar.Min(), Whole(200));
        EXPECT_EQ(bar.Max(), Whole(300));
        EXPECT_EQ(bar.Value(), Whole(200));
    }
}

TEST_F(ScrollBarModelTest, EqualBoundsHoldValueAndLeaveTheThumb)
{
    qelHScroll& bar = place<qelHScroll>("bar", 10, 10, 134, 17);
    bar.setValue(Whole(80));
    const int32_t before = bar.ThumbPos();
    bar.setMin(Whole(100));
    EXPECT_EQ(bar.Value(), Whole(100));
    EXPECT_EQ(bar.ThumbPos(), before) << "Max = Min: the thumb keeps its last position";
}

TEST_F(ScrollBarModelTest, ThumbPositionFollowsValue)
{
    // W = 2010 twips, thumb 150: the track from 270 to W - 285 - 150 = 1575.
    struct Case {
        int64_t value;
        int32_t thumbPos;
    };
    const Case cases[] = {{50, 930}, {0, 270}, {100, 1575}, {1, 270}, {99, 1575}, {25, 600}};
    qelHScroll& bar = place<qelHScroll>("bar", 10, 10, 134, 17);
    ASSERT_EQ(bar.ThumbLength(), 150);
    for (const Case& c : cases) {
        bar.setValue(Whole(c.value));
        EXPECT_EQ(bar.ThumbPos(), c.thumbPos) << "Value " << c.value;
    }
}

TEST_F(ScrollBarModelTest, RoundUpToPixelTakesTheNextMultipleOf15)
{
    const std::pair<int64_t, int64_t> cases[] = {{255, 255}, {256, 270}, {269, 270}, {270, 270}, {0, 0}, {1, 15}, {-1, 0}, {-16, -15}};
    for (auto [in, out] : cases)
        EXPECT_EQ(ScrollBarBase::RoundUpToPixel(Whole(in)), Whole(out)) << in;
}

TEST_F(ScrollBarModelTest, ScrollWidthChangesTheLengthAtOnceAndThePlaceLater)
{
    qelHScroll& bar = place<qelHScroll>("bar", 10, 10, 134, 17);
    const int32_t pos = bar.ThumbPos();
    bar.setScrollWidth(50);
    EXPECT_EQ(bar.ThumbLength(), 750);
    EXPECT_EQ(bar.ThumbPos(), pos);
    bar.setValue(Whole(51));
    // Int(|(2010 - 510 - 750) × 51 / 100|) + 255 = 637, up to 645.
    EXPECT_EQ(bar.ThumbPos(), 645);
}

TEST_F(ScrollBarModelTest, BarsKeepTheirMinimumSize)
{
    qelHScroll& h = place<qelHScroll>("h", 10, 10, 200, 40);
    h.move(h.left(), h.top(), 600, 200);
    session.settle();
    EXPECT_EQ(h.width(), 800);
    EXPECT_EQ(h.height(), 255);
    qelVScroll& v = place<qelVScroll>("v", 300, 10, 40, 200);
    v.move(v.left(), v.top(), 200, 600);
    session.settle();
    EXPECT_EQ(v.width(), 255);
    EXPECT_EQ(v.height(), 800);
    // Placed too small, a bar grows when it is sited.
    qelHScroll& small = place<qelHScroll>("small", 10, 100, 20, 5);
    EXPECT_EQ(small.width(), 800);
    EXPECT_EQ(small.height(), 255);
    EXPECT_EQ(plat::win::GetWindowRect(small.hwnd()).width(), 53);
}

TEST_F(ScrollBarModelTest, ResizeSetsTheThumbAgain)
{
    qelHScroll& bar = place<qelHScroll>("bar", 10, 10, 134, 17);
    bar.move(bar.left(), bar.top(), 3015, 255);
    session.settle();
    EXPECT_EQ(bar.ThumbLength(), 250);
    // Int(|(3015 - 510 - 250) × 50 / 100|) + 255 = 1382, up to 1395.
    EXPECT_EQ(bar.ThumbPos(), 1395);
}

TEST_F(ScrollBarModelTest, MouseIntervalSetsBothTimersWithoutRepainting)
{
    qelHScroll& bar = place<qelHScroll>("bar", 10, 10, 134, 17);
    ASSERT_TRUE(bar.SkipRepaint());
    bar.setMouseInterval(40);
    EXPECT_EQ(bar.Timer1().Interval(), 40);
    EXPECT_EQ(bar.Timer2().Interval(), 40);
    EXPECT_TRUE(bar.SkipRepaint()) << "no repaint";
    bar.setSmallChange(Whole(2));
    EXPECT_TRUE(bar.SkipRepaint()) << "a repainting Let draws and sets the flag again";
}

TEST_F(ScrollBarModelTest, VerticalBarUsesItsHeight)
{
    qelVScroll& bar = place<qelVScroll>("bar", 10, 10, 17, 134);
    EXPECT_EQ(bar.ScrollHeight(), 10);
    EXPECT_EQ(bar.ThumbLength(), 150);
    EXPECT_EQ(bar.ThumbPos(), 930);
    bar.setScrollHeight(20);
    EXPECT_EQ(bar.ThumbLength(), 300);
}

TEST_F(ScrollBarModelTest, StepsSaturateAtTheEndsOfTheRange)
{
    qelHScroll& bar = place<qelHScroll>("bar", 10, 10, 134, 17);
    const Fixed huge = Fixed::fromScaled(std::numeric_limits<int64_t>::max());
    bar.setMax(huge);
    bar.setLargeChange(huge);
    bar.setValue(huge);
    bar.setFocus();
    session.settle();
    session.key(plat::win::VK_NEXT);
    EXPECT_EQ(bar.Value(), huge) << "a step past the largest number stops there";
}

} // namespace
} // namespace qel::testing
