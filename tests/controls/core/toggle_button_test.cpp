#include "controls_fixture.h"
#include "event_log.h"
#include "controls/core/gradient.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_toggle_button.h"

namespace qel::testing {
namespace {

using namespace plat::win;

// A toggle button at (100, 100), 100 × 30 pixels, after a push button in tab order; the
// mouse rests far away.
class ToggleButtonTest : public ControlsTest {
protected:
    qelCommand* other = nullptr;
    qelToggleButton* t = nullptr;
    EventLog log;

    void SetUp() override
    {
        ControlsTest::SetUp();
        other = &place<qelCommand>("other", 100, 40, 100, 30);
        t = &place<qelToggleButton>("closet", 100, 100, 100, 30);
        show();
        session.mouseMove(700, 500);
        session.settle();
        log.watchMouseButtons(*t);
        log.watchKeys(*t);
        log.watchClick(*t);
    }
    // A row of the face, away from the caption and the frames.
    Color face(int y = 10) { return imagePixel(t->hwnd(), 10, y); }
    static Color pushedFace(int y = 10) { return GradientStep(SplitColor(0xC8C8C8), SplitColor(0xEBEBEB), y, 30); }
    static Color plainFace(int y = 10) { return GradientStep(SplitColor(0xFBFBFB), SplitColor(0xDCDCDC), y, 30); }
    void press() { session.mouseDown(110, 110); }
    void release() { session.mouseUp(110, 110); }
};

TEST_F(ToggleButtonTest, EachPressNegatesValueAndTheFaceLatches)
{
    press();
    EXPECT_EQ(log.take(), (Log{"Click", "MouseDown 1"}));
    EXPECT_TRUE(t->Value());
    EXPECT_EQ(face(), pushedFace());
    release();
    EXPECT_EQ(log.take(), (Log{"MouseUp 1"})) << "no Click on release";
    EXPECT_TRUE(t->Value()) << "the release keeps it";
    EXPECT_EQ(face(), pushedFace()) << "and repaints nothing";
    EXPECT_EQ(imagePixel(t->hwnd(), 1, 10), 0x31B2FFu) << "only the hover frame is drawn";

    session.mouseMove(700, 500);
    session.advance(5);
    EXPECT_TRUE(t->Value()) << "leaving keeps it";
    EXPECT_EQ(face(), pushedFace());
    EXPECT_TRUE(log.take().empty());

    session.advance(600);
    session.click(110, 110);
    EXPECT_EQ(log.take(), (Log{"Click", "MouseDown 1", "MouseUp 1"}));
    EXPECT_FALSE(t->Value()) << "two single clicks end where they began";
    EXPECT_EQ(face(), plainFace());
}

TEST_F(ToggleButtonTest, ADoubleClickNegatesTwice)
{
    session.click(110, 110);
    session.click(110, 110);
    EXPECT_FALSE(t->Value());
    EXPECT_EQ(log.take(), (Log{"Click", "MouseDown 1", "MouseUp 1", "Click", "MouseDblClick 1", "MouseUp 1"}));
}

TEST_F(ToggleButtonTest, ADisabledButtonRaisesMouseEventsOnly)
{
    t->setValue(true);
    t->setEnabled(false);
    const Color disabledFace = face();
    EXPECT_EQ(disabledFace, 0xE7E7E7u);
    session.click(110, 110);
    EXPECT_EQ(log.take(), (Log{"MouseDown 1", "MouseUp 1"}));
    EXPECT_TRUE(t->Value());
    EXPECT_EQ(face(), disabledFace);
    t->setEnabled(true);
    EXPECT_TRUE(t->Value()) << "Value survives disabling";
    EXPECT_EQ(face(), pushedFace());
}

TEST_F(ToggleButtonTest, TheKeyboardDoesNotLatch)
{
    struct Case {
        const char* what;
        bool value;
        bool disableAfterFocus;
        Log onDown;
        bool valueAfterDown;
        Log onUp;
    } cases[] = {
        {"Space on a clear button", false, false, {"Click", "KeyDown 32"}, true, {"KeyUp 32"}},
        {"Space on a latched button", true, false, {"KeyDown 32"}, true, {"KeyUp 32"}},
        {"Space on a latched button disabled with the focus", true, true, {}, true, {"KeyUp 32"}},
    };
    for (const Case& c : cases) {
        t->setEnabled(true);
        t->setValue(c.value);
        t->setFocus();
        session.settle();
        ASSERT_EQ(GetFocus(), t->hwnd()) << c.what;
        if (c.disableAfterFocus)
            t->setEnabled(false);
        log.take();
        SendMessage(t->hwnd(), WM_KEYDOWN, VK_SPACE, 0);
        EXPECT_EQ(log.take(), c.onDown) << c.what;
        EXPECT_EQ(t->Value(), c.valueAfterDown) << c.what;
        SendMessage(t->hwnd(), WM_KEYUP, VK_SPACE, 0);
        EXPECT_EQ(log.take(), c.onUp) << c.what;
        EXPECT_FALSE(t->Value()) << c.what << ": key up lets go";
        if (!c.disableAfterFocus) {
            EXPECT_EQ(face(), plainFace()) << c.what << ": redrawn unpushed";
        }
        session.settle();
    }
}

TEST_F(ToggleButtonTest, EnterClicksWithoutChangingValueAndArrowsMoveTheFocus)
{
    t->setFocus();
    session.settle();
    session.keyDown(VK_RETURN);
    session.keyUp(VK_RETURN);
    EXPECT_EQ(log.take(), (Log{"Click", "KeyDown 13", "KeyPress 13", "KeyUp 13"}));
    EXPECT_FALSE(t->Value());
    session.keyDown(VK_UP);
    session.settle();
    EXPECT_EQ(GetFocus(), other->hwnd());
    EXPECT_EQ(log.take(), (Log{"KeyDown 38"}));
}

TEST_F(ToggleButtonTest, ValueLetRepaintsAtOnceAndRaisesNothing)
{
    t->setValue(true);
    EXPECT_EQ(face(), pushedFace());
    t->hDc().setPixel(10, 10, 0x0000FF);
    t->setValue(true);
    EXPECT_NE(t->Face().colorAt(10, 10), 0x0000FFu) << "setting the value it has still repaints";
    t->setEnabled(false);
    t->setValue(false);
    EXPECT_FALSE(t->Value()) << "whatever Enabled holds";
    EXPECT_TRUE(log.take().empty());
}

TEST_F(ToggleButtonTest, UnRefreshControlStopsTheDrawingButNotTheClicks)
{
    t->setUnRefreshControl(true);
    press();
    release();
    EXPECT_TRUE(t->Value());
    EXPECT_EQ(log.take(), (Log{"Click", "MouseDown 1", "MouseUp 1"}));
    EXPECT_EQ(face(), plainFace()) << "nothing drawn";
    t->setValue(false);
    t->setValue(true);
    EXPECT_TRUE(t->Value());
    EXPECT_EQ(face(), plainFace());
}

TEST_F(ToggleButtonTest, ValueIsStoredUnderItsOwnKey)
{
    PropertyBag latched;
    latched.writeProperty("Value", true, false);
    qelToggleButton& restored = place<qelToggleButton>("restored", 300, 100, 100, 30, latched);
    EXPECT_TRUE(restored.Value());
    EXPECT_EQ(imagePixel(restored.hwnd(), 10, 10), pushedFace()) << "drawn pushed";

    PropertyBag out;
    restored.setBackColor1(0x123456);
    restored.setDisabledBackColor(0xABCDEF);
    restored.setUnRefreshControl(true);
    restored.writeProperties(out);
    const std::vector<std::string> keys = out.keys();
    EXPECT_EQ(keys, (std::vector<std::string>{"backcolor1", "backcolorpushed1", "value", "disabledbackcolor",
                        "unrefreshcontrol"}))
        << "Value before DisabledBackColor, UnRefreshControl after it; the pushed colour, no longer the face's, is kept";

    PropertyBag clear;
    t->writeProperties(clear);
    EXPECT_FALSE(clear.contains("Value"));

    qelToggleButton& fresh = placeNew<qelToggleButton>("fresh", 300, 200, 100, 30);
    EXPECT_FALSE(fresh.Value());
    EXPECT_TRUE(fresh.ImageCurrent()) << "a new toggle button paints itself";
    EXPECT_EQ(imagePixel(fresh.hwnd(), 10, 10), plainFace());
}

} // namespace
} // namespace qel::testing
