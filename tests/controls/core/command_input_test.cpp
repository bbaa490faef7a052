#include "controls_fixture.h"
#include "controls/core/qel_command.h"
#include <algorithm>

namespace qel::testing {
namespace {

using namespace plat::win;

// A button that logs its events.
class LoggedCommand : public qelCommand {
public:
    std::vector<std::string> log;
    LoggedCommand()
    {
        Click = [this] { log.push_back("Click"); };
        auto mouse = [this](const char* name) {
            return [this, name](int& Button, int&, int&, int&, int&) { log.push_back(std::string(name) + " " + std::to_string(Button)); };
        };
        MouseDown = mouse("MouseDown");
        MouseUp = mouse("MouseUp");
        MouseDblClick = mouse("MouseDblClick");
        KeyDown = [this](int& KeyCode, int&) { log.push_back("KeyDown " + std::to_string(KeyCode)); };
        KeyUp = [this](int& KeyCode, int&) { log.push_back("KeyUp " + std::to_string(KeyCode)); };
        KeyPress = [this](int& KeyAscii) { log.push_back("KeyPress " + std::to_string(KeyAscii)); };
    }
    int count(const std::string& entry) const { return int(std::count(log.begin(), log.end(), entry)); }
};

class CommandInputTest : public ControlsTest {
protected:
    LoggedCommand* a = nullptr;
    LoggedCommand* b = nullptr;
    LoggedCommand* c = nullptr;

    void SetUp() override
    {
        ControlsTest::SetUp();
        a = &place<LoggedCommand>("a", 20, 20, 100, 30);
        b = &place<LoggedCommand>("b", 140, 20, 100, 30);
        c = &place<LoggedCommand>("c", 260, 20, 100, 30);
        show();
    }
    // A point inside a button, away from its caption and frames.
    plat::gfx::Point inside(const LoggedCommand& k) { return {GetScreenRect(k.hwnd()).left + 10, GetScreenRect(k.hwnd()).top + 10}; }
    Color faceRow(const LoggedCommand& k, int y) { return imagePixel(k.hwnd(), 10, y); }
};

TEST_F(CommandInputTest, ALeftClickRaisesClickOnThePressThenMouseDownAndLaterMouseUp)
{
    const auto p = inside(*b);
    session.mouseMove(p.x, p.y);
    session.advance(5);
    session.mouseDown(p.x, p.y);
    EXPECT_EQ(b->log, (std::vector<std::string>{"Click", "MouseDown 1"}));
    EXPECT_TRUE(b->Pushed());
    EXPECT_EQ(faceRow(*b, 10), GradientStep(SplitColor(0xC8C8C8), SplitColor(0xEBEBEB), 10, 30)) << "pushed face";
    session.mouseUp(p.x, p.y);
    EXPECT_EQ(b->log, (std::vector<std::string>{"Click", "MouseDown 1", "MouseUp 1"}));
    EXPECT_FALSE(b->Pushed());
    EXPECT_EQ(faceRow(*b, 10), GradientStep(SplitColor(0xFBFBFB), SplitColor(0xDCDCDC), 10, 30));
    EXPECT_EQ(imagePixel(b->hwnd(), 1, 10), 0x31B2FFu) << "the release draws the hover frame";
}

TEST_F(CommandInputTest, ADoubleClickRaisesClickTwiceAndMouseDblClickOnce)
{
    const auto p = inside(*a);
    session.click(p.x, p.y);
    session.click(p.x, p.y);
    EXPECT_EQ(a->count("Click"), 2);
    EXPECT_EQ(a->count("MouseDown 1"), 1);
    EXPECT_EQ(a->count("MouseDblClick 1"), 1);
    EXPECT_EQ(a->count("MouseUp 1"), 2);
}

TEST_F(CommandInputTest, ADisabledButtonRaisesMouseDownButNoClickAndKeepsItsFace)
{
    a->setEnabled(false);
    const Color before = faceRow(*a, 10);
    EXPECT_EQ(before, 0xE7E7E7u) << "DisabledBackColor";
    const auto p = inside(*a);
    session.mouseDown(p.x, p.y);
    EXPECT_EQ(faceRow(*a, 10), before);
    session.mouseUp(p.x, p.y);
    EXPECT_EQ(a->log, (std::vector<std::string>{"MouseDown 1", "MouseUp 1"}));
}

TEST_F(CommandInputTest, SpaceClicksOncePerHoldEnterOncePerRepeat)
{
    a->setFocus();
    session.settle();
    session.keyDown(VK_SPACE);
    EXPECT_TRUE(a->Pushed());
    session.keyDown(VK_SPACE, true);
    session.keyDown(VK_SPACE, true);
    EXPECT_EQ(a->count("Click"), 1);
    EXPECT_EQ(a->count("KeyDown 32"), 3);
    session.keyUp(VK_SPACE);
    EXPECT_FALSE(a->Pushed());
    EXPECT_EQ(imagePixel(a->hwnd(), 1, 10), 0x31B2FFu) << "Space release draws the hover frame even with the mouse elsewhere";

    a->log.clear();
    session.keyDown(VK_RETURN);
    session.keyDown(VK_RETURN, true);
    session.keyDown(VK_RETURN, true);
    session.keyUp(VK_RETURN);
    EXPECT_EQ(a->count("Click"), 3);
    EXPECT_EQ(a->count("KeyDown 13"), 3);
}

TEST_F(CommandInputTest, WithoutEnterRepeatsAHeldEnterClicksOncePerPress)
{
    a->setEnterRepeats(false);
    a->setFocus();
    session.settle();
    for (int press = 0; press < 2; ++press) {
        session.keyDown(VK_RETURN);
        session.keyDown(VK_RETURN, true);
        session.keyDown(VK_RETURN, true);
        session.keyUp(VK_RETURN);
    }
    EXPECT_EQ(a->count("Click"), 2);
    EXPECT_EQ(a->count("KeyDown 13"), 6) << "the host still sees every key-down";
}

TEST_F(CommandInputTest, ArrowKeysMoveTheFocusAndStillRaiseKeyDown)
{
    struct Case {
        int vk;
        LoggedCommand* expected;
    } cases[] = {{VK_DOWN, c}, {VK_RIGHT, c}, {VK_UP, a}, {VK_LEFT, a}};
    for (const Case& k : cases) {
        b->setFocus();
        session.settle();
        b->log.clear();
        session.keyDown(k.vk);
        session.keyUp(k.vk);
        EXPECT_EQ(GetFocus(), k.expected->hwnd()) << k.vk;
        EXPECT_EQ(b->count("KeyDown " + std::to_string(k.vk)), 1);
    }
}

TEST_F(CommandInputTest, ADisabledButtonRaisesNoKeyDownButKeyPressAndKeyUp)
{
    a->setFocus();
    session.settle();
    a->setEnabled(false);
    a->log.clear();
    // The focus has moved on; a key sent to the disabled button itself still follows the rules.
    SendMessage(a->hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessage(a->hwnd(), WM_CHAR, ' ', 0);
    SendMessage(a->hwnd(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(a->log, (std::vector<std::string>{"KeyPress 32", "KeyUp 32"}));
}

TEST_F(CommandInputTest, GivingTheFocusToADisabledButtonMovesItToTheNextControl)
{
    b->setEnabled(false);
    a->setFocus();
    session.settle();
    SetFocus(b->hwnd());
    session.settle();
    EXPECT_EQ(GetFocus(), c->hwnd());
    EXPECT_FALSE(b->HasFocus());
}

TEST_F(CommandInputTest, DisablingTheFocusedButtonMovesTheFocusOn)
{
    b->setFocus();
    session.settle();
    EXPECT_TRUE(b->HasFocus());
    b->setEnabled(false); // its repaint runs Refresh(True)
    session.settle();
    EXPECT_EQ(GetFocus(), c->hwnd());
}

TEST_F(CommandInputTest, WithNoEnabledControlLeftTheFocusStopsInsteadOfCircling)
{
    a->setFocus();
    session.settle();
    b->setEnabled(false);
    c->setEnabled(false);
    a->setEnabled(false);
    session.settle(); // returns: no endless chain of focus moves
    EXPECT_FALSE(session.windows().hasPendingWork());
    SetFocus(b->hwnd());
    session.settle();
    EXPECT_FALSE(session.windows().hasPendingWork());
    EXPECT_EQ(GetFocus(), b->hwnd()) << "nothing else can take it";
    a->setEnabled(true);
    SetFocus(c->hwnd());
    session.settle();
    EXPECT_EQ(GetFocus(), a->hwnd()) << "the one enabled button is found";
}

TEST_F(CommandInputTest, LeavingTakesTheHoverFrameAwayAndClearsMouseInside)
{
    const auto p = inside(*a);
    session.mouseMove(p.x, p.y);
    session.advance(5);
    EXPECT_TRUE(a->MouseInside());
    EXPECT_EQ(imagePixel(a->hwnd(), 1, 10), 0x31B2FFu) << "hover frame";
    session.mouseMove(500, 300);
    EXPECT_FALSE(a->MouseInside());
    EXPECT_EQ(faceRow(*a, 10), GradientStep(SplitColor(0xFBFBFB), SplitColor(0xDCDCDC), 10, 30));
    EXPECT_NE(imagePixel(a->hwnd(), 1, 10), 0x31B2FFu) << "the hover frame is gone";
}

} // namespace
} // namespace qel::testing
