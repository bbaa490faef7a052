#include "controls/extra/qel_up_down.h"
#include "extra_fixture.h"
#include "platform/gfx/system_colors.h"
#include <limits>

namespace qel::testing {
namespace {

using namespace plat::win;
using plat::forms::Currency;

Currency C(int64_t v) { return Currency::fromInteger(v); }

// A stacked spin control 17 x 34 pixels (255 x 510 twips): the midpoint is row 17.
class UpDownTest : public ExtraTest {
protected:
    std::vector<std::string> log;
    qelUpDown* ud = nullptr;

    void SetUp() override
    {
        ExtraTest::SetUp();
        ud = &place<qelUpDown>("ud", 100, 100, 17, 34);
        ud->Change = [this](Currency& Value) { log.push_back("Change " + Value.toString()); };
        ud->KeyDown = [this](int& KeyCode, int&) { log.push_back("KeyDown " + std::to_string(KeyCode)); };
        ud->MouseWheel = [this](int& Sens) { log.push_back("MouseWheel " + std::to_string(Sens)); };
        ud->MouseMove = [this](int& Button, int&, int&, int&, int&) { lastMoveButton = Button; };
        show();
    }
    void moveTo(int x, int y)
    {
        session.mouseMove(100 + x, 100 + y);
        session.settle();
    }
    std::vector<std::string> take() { return std::exchange(log, {}); }
    Color pixel(int x, int y) { return imagePixel(ud->hwnd(), x, y); }
    int lastMoveButton = -1;
};

TEST_F(UpDownTest, ANewControlHasItsDefaults)
{
    qelUpDown& n = placeNew<qelUpDown>("n", 300, 100, 17, 34);
    EXPECT_EQ(n.Min(), C(0));
    EXPECT_EQ(n.Max(), C(100));
    EXPECT_EQ(n.Value(), C(50));
    EXPECT_EQ(n.SmallChange(), C(1));
    EXPECT_EQ(n.Direction(), 1);
    EXPECT_EQ(n.MouseInterval(), 100);
    EXPECT_TRUE(n.Timer1().Enabled());
    EXPECT_FALSE(n.Subclassed());
    EXPECT_TRUE(ud->Subclassed());
}

TEST_F(UpDownTest, ValueSetterRules)
{
    take();
    ud->setValue(C(50));
    EXPECT_TRUE(take().empty());
    ud->setValue(C(200));
    EXPECT_EQ(joined(take()), "Change 50");
    EXPECT_EQ(ud->Value(), C(100));
    ud->setValue(C(50));
    take();
    ud->setMin(C(150));
    EXPECT_EQ(ud->Value(), C(150));
    ud->setMax(C(200)); // the current Max is below Value: ignored
    EXPECT_EQ(ud->Max(), C(100));
    ud->setMin(C(50)); // lowering Min clamps Value to Max again
    EXPECT_EQ(ud->Min(), C(50));
    EXPECT_EQ(ud->Value(), C(100));
    ud->setMax(C(200));
    EXPECT_EQ(ud->Max(), C(200));
}

TEST_F(UpDownTest, KeysStepAndReportOnlyWhileEnabled)
{
    ud->setFocus();
    take();
    struct Case {
        int vk;
        const char* events;
        int64_t value;
    } cases[] = {
        {VK_UP, "Change 49, KeyDown 38", 49}, {VK_LEFT, "Change 48, KeyDown 37", 48}, {VK_DOWN, "Change 49, KeyDown 40", 49},
        {VK_RIGHT, "Change 50, KeyDown 39", 50}, {VK_END, "Change 100, KeyDown 35", 100}, {VK_END, "Change 100, KeyDown 35", 100},
        {VK_HOME, "Change 0, KeyDown 36", 0}, {VK_HOME, "Change 0, KeyDown 36", 0}, {'A', "KeyDown 65", 0},
    };
    for (const auto& c : cases) {
        session.key(c.vk);
        session.settle();
        EXPECT_EQ(joined(take()), c.events) << c.vk;
        EXPECT_EQ(ud->Value(), C(c.value));
    }
    ud->setEnabled(false);
    session.key(VK_END);
    session.settle();
    EXPECT_TRUE(take().empty());
}

TEST_F(UpDownTest, HoverFollowsTheHalvesAndTheMidpointLightsBoth)
{
    moveTo(8, 5);
    EXPECT_EQ(ud->MinArrowState(), qelUpDown::ArrowHover);
    EXPECT_EQ(ud->MaxArrowState(), qelUpDown::ArrowNormal);
    moveTo(8, 17);
    EXPECT_EQ(ud->MinArrowState(), qelUpDown::ArrowHover);
    EXPECT_EQ(ud->MaxArrowState(), qelUpDown::ArrowHover);
    moveTo(8, 30);
    EXPECT_EQ(ud->MinArrowState(), qelUpDown::ArrowNormal);
    EXPECT_EQ(ud->MaxArrowState(), qelUpDown::ArrowHover);
}

TEST_F(UpDownTest, AStepBeyondTheFixedPointRangeStopsAtTheEndItRunsInto)
{
    // Bounds at the ends of the range and a step as large as the range: no step wraps round.
    const Currency top = Currency::fromScaled(std::numeric_limits<int64_t>::max());
    const Currency bottom = Currency::fromScaled(std::numeric_limits<int64_t>::min());
    ud->setMax(top);
    ud->setMin(bottom);
    ud->setSmallChange(top);
    struct Case {
        int y; // the row clicked: 5 the decrease button, 30 the increase button
        Currency value;
    } cases[] = {
        {30, top}, {30, top}, {5, Currency::fromScaled(0)}, {5, Currency::fromScaled(-top.scaled)}, {5, bottom}, {5, bottom},
    };
    for (const auto& c : cases) {
        moveTo(8, c.y);
        session.click(108, 100 + c.y);
        session.settle();
        EXPECT_EQ(ud->Value(), c.value) << c.y;
    }
}

TEST_F(UpDownTest, APressAtTheMidpointStepsDownThenUp)
{
    moveTo(8, 17);
    take();
    session.mouseDown(108, 117);
    session.mouseUp(108, 117);
    session.settle();
    EXPECT_EQ(joined(take()), "Change 49, Change 50");
}

TEST_F(UpDownTest, HoldingAButtonRepeatsUntilReleaseOrUntilThePointerLeavesItsHalf)
{
    moveTo(8, 5);
    take();
    session.mouseDown(108, 105);
    session.settle();
    EXPECT_EQ(joined(take()), "Change 49");
    session.advance(350);
    EXPECT_EQ(joined(take()), "Change 48, Change 47, Change 46");
    session.mouseUp(108, 105);
    session.advance(500);
    EXPECT_TRUE(take().empty());
    EXPECT_EQ(ud->MinArrowState(), qelUpDown::ArrowHover);

    session.mouseDown(108, 105);
    session.advance(100);
    EXPECT_EQ(joined(take()), "Change 45, Change 44");
    moveTo(8, 30); // into the other half: the pressed button goes back to normal
    session.advance(500);
    EXPECT_TRUE(take().empty());
    EXPECT_TRUE(ud->Timer1().Enabled()); // the release over the other half leaves the timer on
    session.mouseUp(108, 130);
    session.settle();
    EXPECT_TRUE(ud->Timer1().Enabled());
}

TEST_F(UpDownTest, ADoubleClickStepsTwiceWithOneChangeForItsSecondPress)
{
    moveTo(8, 30);
    take();
    session.click(108, 130);
    session.click(108, 130);
    session.settle();
    EXPECT_EQ(joined(take()), "Change 51, Change 52");
    EXPECT_EQ(ud->Value(), C(52));
}

TEST_F(UpDownTest, ADisabledControlStepsOncePerPressWithoutRepeatOrLooks)
{
    ud->setEnabled(false);
    moveTo(8, 5);
    take();
    session.mouseDown(108, 105);
    session.advance(500);
    EXPECT_EQ(joined(take()), "Change 49");
    EXPECT_EQ(pixel(8, 7), 0x99A8ACu);    // grey arrow
    EXPECT_EQ(pixel(2, 3), 0xF0D0BFu);    // no pressed look
    session.mouseUp(108, 105);
}

TEST_F(UpDownTest, TheWheelOnlyReportsAndMoveReportsTheButtons)
{
    moveTo(8, 5);
    take();
    session.wheel(108, 105, -120);
    session.wheel(108, 105, 120);
    session.settle();
    EXPECT_EQ(joined(take()), "MouseWheel 1, MouseWheel 0");
    EXPECT_EQ(ud->Value(), C(50));
    EXPECT_EQ(lastMoveButton, 0);
    session.mouseDown(108, 105, 1);
    session.mouseDown(108, 105, 2);
    moveTo(9, 5);
    EXPECT_EQ(lastMoveButton, 2);
    session.mouseUp(109, 105, 2);
    session.mouseUp(109, 105, 1);
}

TEST_F(UpDownTest, DrawingOfTheStackedControl)
{
    EXPECT_EQ(pixel(0, 0), 0xFF8080u);  // the frame
    EXPECT_EQ(pixel(16, 33), 0xFF8080u);
    EXPECT_EQ(pixel(5, 16), 0xFF8080u); // the separator at (H - 15) / 2
    EXPECT_EQ(pixel(2, 3), 0xF0D0BFu);  // a button face
    // The up arrow: rows of 1, 3, 5 and 7 pixels, tip at the top; the down arrow mirrored.
    EXPECT_EQ(pixel(8, 7), 0xFFFFFFu);
    EXPECT_EQ(pixel(7, 7), 0xF0D0BFu);
    EXPECT_EQ(pixel(5, 10), 0xFFFFFFu);
    EXPECT_EQ(pixel(11, 10), 0xFFFFFFu);
    EXPECT_EQ(pixel(4, 10), 0xF0D0BFu);
    EXPECT_EQ(pixel(8, 26), 0xFFFFFFu);
    EXPECT_EQ(pixel(5, 23), 0xFFFFFFu);
    moveTo(8, 5);
    session.mouseDown(108, 105);
    session.settle();
    EXPECT_EQ(pixel(2, 3), 0xBE9E8Du); // the pressed look
    session.mouseUp(108, 105);
    session.settle();
    EXPECT_EQ(pixel(1, 1), 0xFFFFFFu); // the hover frame
    EXPECT_EQ(pixel(2, 3), 0xF0D0BFu);
}

TEST_F(UpDownTest, SideBySideDecreasesOnTheLeft)
{
    qelUpDown& h = place<qelUpDown>("h", 300, 100, 34, 17);
    h.setDirection(2);
    session.settle();
    EXPECT_EQ(imagePixel(h.hwnd(), 16, 5), 0xFF8080u); // the separator
    EXPECT_EQ(imagePixel(h.hwnd(), 7, 8), 0xFFFFFFu);  // the left arrow's tip
    std::vector<std::string> changes;
    h.Change = [&](Currency& v) { changes.push_back(v.toString()); };
    session.mouseMove(305, 108);
    session.click(305, 108);
    session.mouseMove(330, 108);
    session.advance(600);
    session.click(330, 108);
    session.settle();
    EXPECT_EQ(joined(changes), "49, 50");
}

TEST_F(UpDownTest, ResizingKeepsAtLeast255Twips)
{
    ud->move(ud->left(), ud->top(), 100, 60);
    EXPECT_EQ(ud->width(), 255);
    EXPECT_EQ(ud->height(), 255);
}

TEST_F(UpDownTest, UnRefreshControlStopsDrawingAndColoursAreTranslatedInPlace)
{
    ud->setUnRefreshControl(true);
    ud->setFrontColor(0x00FF00);
    EXPECT_EQ(pixel(2, 3), 0xF0D0BFu);
    ud->Refresh();
    EXPECT_EQ(pixel(2, 3), 0xF0D0BFu);
    ud->setUnRefreshControl(false);
    ud->setArrowColor(0x80000000u | plat::gfx::ColorWindow);
    EXPECT_EQ(ud->ArrowColor(), plat::gfx::systemColor(plat::gfx::ColorWindow));
    EXPECT_EQ(pixel(2, 3), 0x00FF00u);
}

TEST_F(UpDownTest, StoredPropertiesAndTheirOrder)
{
    PropertyBag stored;
    stored.writeProperty("Max", C(10), C(100));
    stored.writeProperty("Min", C(5), C(0));
    stored.writeProperty("Value", C(7), C(50));
    stored.writeProperty("SmallChange", Currency::fromScaled(5000), C(1));
    qelUpDown& s = place<qelUpDown>("s", 300, 300, 17, 34, stored);
    EXPECT_EQ(s.Max(), C(10));
    EXPECT_EQ(s.Min(), C(5));
    EXPECT_EQ(s.Value(), C(7));
    PropertyBag bag;
    bag.setKeepDefaults(true);
    s.writeProperties(bag);
    const std::vector<std::string> keys = bag.keys();
    EXPECT_EQ(joined(keys), "arrowcolor, bordercolor, enabled, frontcolor, max, min, smallchange, value, mousehovercolor, downcolor, "
                            "mouseinterval, direction, unrefreshcontrol");
}

} // namespace
} // namespace qel::testing
