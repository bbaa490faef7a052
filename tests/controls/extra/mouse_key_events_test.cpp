#include "controls/extra/qel_mouse_key_events.h"
#include "extra_fixture.h"

namespace qel::testing {
namespace {

using namespace plat::win;

// A plain window on the form that records the messages its own procedure receives.
class MouseKeyEventsTest : public ExtraTest {
protected:
    HWND watched = 0;
    HWND other = 0;
    std::vector<UINT> seen;
    std::vector<std::string> events;
    qelMouseKeyEvents* mk = nullptr;

    void SetUp() override
    {
        ExtraTest::SetUp();
        auto recorder = [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m >= WM_KEYDOWN && m <= WM_CHAR)
                seen.push_back(m);
            if (m >= WM_MOUSEMOVE && m <= WM_MOUSEWHEEL && m != WM_MOUSEMOVE)
                seen.push_back(m);
            if (m == WM_KEYDOWN)
                lastKey = int(w);
            return DefWindowProc(h, m, w, l);
        };
        watched = CreateWindow("watched", form.hwnd(), {100, 100, 300, 200}, true, makeWndProc(recorder));
        other = CreateWindow("other", form.hwnd(), {400, 100, 500, 200}, true, makeWndProc(recorder));
        mk = &placeNew<qelMouseKeyEvents>("mk", 10, 10, 44, 39);
        auto mouse = [this](const char* name) {
            return [this, name](int& Button, int& Shift, int& Control, int& x, int& y) {
                events.push_back(std::string(name) + " " + std::to_string(Button) + " " + std::to_string(Shift) + " "
                    + std::to_string(Control) + " " + std::to_string(x) + " " + std::to_string(y));
            };
        };
        mk->MouseDown = mouse("MouseDown");
        mk->MouseUp = mouse("MouseUp");
        mk->MouseDblClick = mouse("MouseDblClick");
        mk->MouseMove = mouse("MouseMove");
        mk->MouseHover = [this] { events.push_back("MouseHover"); };
        mk->MouseLeave = [this] { events.push_back("MouseLeave"); };
        mk->MouseWheel = [this](int& Sens) { events.push_back("MouseWheel " + std::to_string(Sens)); };
        mk->KeyDown = [this](int& KeyCode, int& Shift) { events.push_back("KeyDown " + std::to_string(KeyCode) + " " + std::to_string(Shift)); };
        mk->KeyUp = [this](int& KeyCode, int& Shift) { events.push_back("KeyUp " + std::to_string(KeyCode) + " " + std::to_string(Shift)); };
        mk->KeyPress = [this](int& KeyAscii) { events.push_back("KeyPress " + std::to_string(KeyAscii)); };
        show();
    }
    void launch(HWND h)
    {
        mk->setControlHwnd(h);
        mk->LaunchKeyMouseEvents();
    }
    std::vector<std::string> withoutMoves() const
    {
        std::vector<std::string> out;
        for (const auto& e : events)
            if (e.rfind("MouseMove", 0) != 0)
                out.push_back(e);
        return out;
    }
    int lastKey = -1;
};

TEST_F(MouseKeyEventsTest, NothingIsRaisedBeforeLaunch)
{
    mk->setControlHwnd(watched);
    session.mouseMove(150, 150);
    session.click(150, 150);
    session.settle();
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(mk->Watching());
}

TEST_F(MouseKeyEventsTest, ADoubleClickRaisesItsEventsInOrderAndTheWindowSeesEveryMessage)
{
    launch(watched);
    session.mouseMove(150, 150);
    session.click(150, 150);
    session.click(150, 150);
    session.settle();
    std::vector<std::string> buttons;
    for (const auto& e : withoutMoves())
        if (e.rfind("Mouse", 0) == 0 && e != "MouseHover" && e != "MouseLeave")
            buttons.push_back(e.substr(0, e.find(' ', 6) == std::string::npos ? e.size() : e.find(' ') + 2));
    EXPECT_EQ(joined(buttons), "MouseDown 1, MouseUp 1, MouseDblClick 1, MouseUp 1");
    EXPECT_EQ(seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
}

TEST_F(MouseKeyEventsTest, MouseValuesAreInTwipsWithShiftAndControlFlags)
{
    launch(watched);
    session.keyDown(VK_SHIFT);
    session.keyDown(VK_CONTROL);
    session.mouseMove(110, 103);
    session.mouseDown(110, 103, 2);
    session.settle();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(withoutMoves().back(), "MouseDown 2 1 1 150 45");
}

TEST_F(MouseKeyEventsTest, MoveButtonRulesAndWheelSense)
{
    launch(watched);
    session.mouseMove(150, 150);
    session.mouseDown(150, 150, 1);
    session.mouseDown(150, 150, 2);
    session.mouseMove(151, 150);
    session.settle();
    EXPECT_EQ(events.back().substr(0, 11), "MouseMove 2");
    session.mouseUp(151, 150, 2);
    session.mouseUp(151, 150, 1);
    session.mouseMove(152, 150);
    session.settle();
    EXPECT_EQ(events.back().substr(0, 11), "MouseMove 0");
    events.clear();
    session.wheel(152, 150, -120);
    session.wheel(152, 150, 120);
    session.settle();
    EXPECT_EQ(joined(withoutMoves()), "MouseWheel 1, MouseWheel 0");
}

TEST_F(MouseKeyEventsTest, KeysReportTheShiftStateAndNeverAKeyPress)
{
    launch(watched);
    SetFocus(watched);
    session.keyDown(VK_CONTROL);
    session.keyDown(VK_MENU);
    session.keyDown('A');
    session.keyUp('A');
    session.keyUp(VK_MENU);
    session.keyUp(VK_CONTROL);
    session.type("b");
    session.settle();
    bool found = false;
    for (const auto& e : events) {
        EXPECT_EQ(e.rfind("KeyPress", 0), std::string::npos);
        if (e == "KeyDown 65 6")
            found = true;
    }
    EXPECT_TRUE(found) << joined(events);
}

TEST_F(MouseKeyEventsTest, AHandlerThatClearsTheKeyCodeDoesNotStopTheKey)
{
    launch(watched);
    SetFocus(watched);
    mk->KeyDown = [](int& KeyCode, int&) { KeyCode = 0; };
    session.keyDown('Q');
    session.settle();
    EXPECT_EQ(lastKey, 'Q');
}

TEST_F(MouseKeyEventsTest, HoverOncePerStayLeaveAndHoverAgain)
{
    launch(watched);
    // Asking for the leave notice while the pointer is elsewhere brings one at once.
    session.settle();
    EXPECT_EQ(joined(events), "MouseLeave");
    events.clear();
    session.mouseMove(150, 150);
    session.advance(50);
    session.mouseMove(151, 150);
    session.advance(50);
    session.mouseMove(600, 400);
    session.advance(5);
    session.mouseMove(150, 150);
    session.advance(50);
    EXPECT_EQ(joined(withoutMoves()), "MouseHover, MouseLeave, MouseHover");
}

TEST_F(MouseKeyEventsTest, AnotherWindowStopsTheOldOneAndWaitsForLaunch)
{
    launch(watched);
    ASSERT_TRUE(mk->Watching());
    mk->setControlHwnd(other);
    EXPECT_FALSE(mk->Watching());
    session.mouseMove(150, 150);
    session.click(150, 150);
    session.mouseMove(450, 150);
    session.click(450, 150);
    session.settle();
    EXPECT_TRUE(withoutMoves().empty()) << joined(events);
    mk->LaunchKeyMouseEvents();
    session.click(450, 150);
    session.settle();
    EXPECT_FALSE(withoutMoves().empty());
}

TEST_F(MouseKeyEventsTest, LaunchingTwiceInstallsOnce)
{
    launch(watched);
    mk->LaunchKeyMouseEvents();
    session.mouseMove(150, 150);
    session.click(150, 150);
    session.settle();
    EXPECT_EQ(seen.size(), 2u);
    int downs = 0;
    for (const auto& e : events)
        downs += e.rfind("MouseDown", 0) == 0;
    EXPECT_EQ(downs, 1);
}

TEST_F(MouseKeyEventsTest, TearDownGivesTheWindowItsProcedureBack)
{
    launch(watched);
    form.unload();
    events.clear();
    EXPECT_FALSE(IsWindow(watched)); // the form's child windows go with it
}

TEST_F(MouseKeyEventsTest, WithoutAWindowOrInTheDesignerLaunchDoesNothing)
{
    mk->LaunchKeyMouseEvents();
    EXPECT_FALSE(mk->Watching());
}

TEST_F(MouseKeyEventsTest, ResizingSnapsBackToItsFace)
{
    mk->move(0, 0, 3000, 3000);
    EXPECT_EQ(mk->width(), 660);
    EXPECT_EQ(mk->height(), 585);
}

} // namespace
} // namespace qel::testing
