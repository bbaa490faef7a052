#include "controls_fixture.h"
#include "recorder_control.h"
#include "controls/core/window_hook.h"
#include "platform/gfx/system_colors.h"
#include <algorithm>

namespace qel::testing {
namespace {

using namespace plat::win;
using plat::gfx::Color;

class FrameworkTest : public ControlsTest {
protected:
    // A recorder at (100, 100), 80 × 40 pixels.
    Recorder& placeRecorder()
    {
        Recorder& r = place<Recorder>("rec", 100, 100, 80, 40);
        show();
        r.log.clear();
        return r;
    }
    static bool has(const Recorder& r, const std::string& entry)
    {
        return std::find(r.log.begin(), r.log.end(), entry) != r.log.end();
    }
};

TEST_F(FrameworkTest, ReadingTheStoredPropertiesSubclassesInRunModeOnly)
{
    Recorder& stored = place<Recorder>("stored", 0, 0, 10, 10);
    Recorder& fresh = placeNew<Recorder>("fresh", 20, 0, 10, 10);
    EXPECT_TRUE(stored.Subclassed());
    EXPECT_FALSE(fresh.Subclassed()) << "a newly placed control only takes its defaults";

    form.setDesignMode(true);
    Recorder& designed = place<Recorder>("designed", 40, 0, 10, 10);
    EXPECT_FALSE(designed.Subclassed());
}

TEST_F(FrameworkTest, ADesignedControlRaisesNoMouseEvents)
{
    form.setDesignMode(true);
    Recorder& r = place<Recorder>("rec", 100, 100, 80, 40);
    show();
    session.mouseMove(120, 110);
    session.advance(5);
    session.mouseDown(120, 110);
    session.mouseUp(120, 110);
    session.wheel(120, 110, -120);
    session.mouseMove(300, 300);
    EXPECT_TRUE(r.without("previous").empty()) << r.log.front();
    EXPECT_TRUE(has(r, "previous " + std::to_string(WM_LBUTTONDOWN))) << "the window still gets its messages";
}

TEST_F(FrameworkTest, MouseEventArgumentsFromRealInput)
{
    Recorder& r = placeRecorder();
    struct Case {
        const char* what;
        std::function<void()> input;
        std::string expected;
    } cases[] = {
        {"Shift and Ctrl held during a move", [&] {
             session.keyDown(VK_SHIFT);
             session.keyDown(VK_CONTROL);
             session.mouseMove(102, 103);
             session.keyUp(VK_CONTROL);
             session.keyUp(VK_SHIFT);
         }, "MouseMove 0 1 1 30 45"},
        {"left and middle held during a move", [&] {
             session.mouseDown(110, 110, 1);
             session.mouseDown(110, 110, 3);
             session.mouseMove(111, 110);
             session.mouseUp(111, 110, 3);
             session.mouseUp(111, 110, 1);
         }, "MouseMove 4 0 0 165 150"},
        {"3 pixels left of the control while captured", [&] {
             session.mouseDown(110, 110, 1);
             session.mouseMove(97, 110);
             session.mouseUp(97, 110, 1);
         }, "MouseMove 1 0 0 -45 150"},
        {"left button down", [&] { session.mouseDown(104, 101, 1); session.mouseUp(104, 101, 1); }, "MouseDown 1 0 0 60 15"},
        {"right button up", [&] { session.mouseDown(105, 101, 2); session.mouseUp(105, 101, 2); }, "MouseUp 2 0 0 75 15"},
        {"middle button down with Shift", [&] {
             session.keyDown(VK_SHIFT);
             session.mouseDown(106, 101, 3);
             session.mouseUp(106, 101, 3);
             session.keyUp(VK_SHIFT);
         }, "MouseDown 4 1 0 90 15"},
        {"right double click", [&] {
             session.click(150, 120, 2);
             session.click(150, 120, 2);
         }, "MouseDblClick 2 0 0 750 300"},
        {"wheel toward the user", [&] { session.wheel(120, 110, -120); }, "MouseWheel 1"},
        {"wheel away from the user", [&] { session.wheel(120, 110, 120); }, "MouseWheel 0"},
    };
    for (const Case& c : cases) {
        r.log.clear();
        c.input();
        session.advance(600); // past the double-click time
        EXPECT_TRUE(has(r, c.expected)) << c.what << ": no \"" << c.expected << "\"";
        session.mouseMove(400, 400);
    }
}

TEST_F(FrameworkTest, HoverIsRaisedOnceUntilTheMouseLeaves)
{
    Recorder& r = placeRecorder();
    session.mouseMove(120, 110);
    session.advance(5);
    session.mouseMove(121, 110); // re-arms tracking: another hover notice follows
    session.advance(5);
    SendMessage(r.hwnd(), WM_MOUSEHOVER, 0, 0);
    EXPECT_EQ(r.without("previous").size(), 3u) << "two moves and one hover";
    EXPECT_EQ(std::count(r.log.begin(), r.log.end(), "MouseHover"), 1);
    EXPECT_GE(std::count(r.log.begin(), r.log.end(), "previous " + std::to_string(WM_MOUSEHOVER)), 2)
        << "every hover notice still reaches the previous procedure";
    EXPECT_TRUE(r.MouseInside());

    session.mouseMove(400, 400);
    EXPECT_EQ(std::count(r.log.begin(), r.log.end(), "MouseLeave"), 1);
    EXPECT_FALSE(r.MouseInside());
    session.mouseMove(120, 110);
    session.advance(5);
    EXPECT_EQ(std::count(r.log.begin(), r.log.end(), "MouseHover"), 2);
}

TEST_F(FrameworkTest, EveryMessageReachesThePreviousProcedureAfterItsEvent)
{
    Recorder& r = placeRecorder();
    EXPECT_EQ(SendMessage(r.hwnd(), Recorder::kAnswered, 1, 2), Recorder::kAnswer) << "the previous procedure's result is returned";
    session.mouseDown(120, 110);
    session.mouseUp(120, 110);
    const std::string down = "previous " + std::to_string(WM_LBUTTONDOWN);
    const std::string up = "previous " + std::to_string(WM_LBUTTONUP);
    auto at = [&](const std::string& s) { return std::find(r.log.begin(), r.log.end(), s) - r.log.begin(); };
    ASSERT_TRUE(has(r, "MouseDown 1 0 0 300 150"));
    ASSERT_TRUE(has(r, down));
    EXPECT_LT(at("MouseDown 1 0 0 300 150"), at(down)) << "the event is raised before the previous procedure sees the message";
    EXPECT_LT(at("MouseUp 1 0 0 300 150"), at(up));
}

TEST_F(FrameworkTest, KeyNotificationsRaiseTheKeyEvents)
{
    Recorder& r = placeRecorder();
    r.setFocus();
    session.keyDown(VK_SHIFT);
    session.keyDown('A');
    session.keyUp('A');
    session.keyUp(VK_SHIFT);
    session.type("a");
    EXPECT_TRUE(has(r, "KeyDown 65 1"));
    EXPECT_TRUE(has(r, "KeyUp 65 1"));
    EXPECT_TRUE(has(r, "KeyPress 97"));
}

TEST_F(FrameworkTest, TeardownPutsThePreviousProcedureBack)
{
    Recorder& r = placeRecorder();
    HWND h = r.hwnd();
    WndProc previous = r.PreviousWindowProc();
    ASSERT_TRUE(previous);
    EXPECT_NE(sys().get(h)->proc, previous);
    form.unload();
    EXPECT_FALSE(r.Subclassed()); // the object goes once the current message is done
}

TEST(WindowHook, InstallsInFrontAndRestores)
{
    std::vector<std::string> seen; // outlives the session, whose windows report while they close
    plat::backend::HeadlessSession session;
    WndProc original = makeWndProc([&](HWND, UINT m, WPARAM, LPARAM) -> LRESULT {
        seen.push_back("original " + std::to_string(m));
        return 7;
    });
    HWND h = CreateWindow("test", 0, {0, 0, 10, 10}, true, original);
    seen.clear();
    {
        WindowHook hook;
        ASSERT_TRUE(hook.Install(h, [&](HWND hw, UINT m, WPARAM w, LPARAM l) {
            seen.push_back("hook " + std::to_string(m));
            return hook.CallPrevious(hw, m, w, l);
        }));
        EXPECT_FALSE(hook.Install(h, nullptr)) << "installed once";
        EXPECT_EQ(hook.PreviousWindowProc(), original);
        EXPECT_EQ(SendMessage(h, WM_USER, 0, 0), 7);
        EXPECT_EQ(seen, (std::vector<std::string>{"hook 1024", "original 1024"}));
    }
    EXPECT_EQ(sys().get(h)->proc, original) << "restored on destruction";
    seen.clear();
    EXPECT_EQ(SendMessage(h, WM_USER, 0, 0), 7);
    EXPECT_EQ(seen, (std::vector<std::string>{"original 1024"}));
}

TEST(WindowHook, AHookUnderAnotherProcedureBecomesAPassThrough)
{
    std::vector<std::string> seen; // outlives the session, whose windows report while they close
    WndProc belowFront;
    plat::backend::HeadlessSession session;
    WndProc original = makeWndProc([&](HWND, UINT m, WPARAM, LPARAM) -> LRESULT {
        seen.push_back("original");
        return 7;
    });
    HWND h = CreateWindow("test", 0, {0, 0, 10, 10}, true, original);
    seen.clear();
    {
        WindowHook hook;
        hook.Install(h, [&](HWND hw, UINT m, WPARAM w, LPARAM l) {
            seen.push_back("hook");
            return hook.CallPrevious(hw, m, w, l);
        });
        belowFront = SetWindowProc(h, makeWndProc([&](HWND hw, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            seen.push_back("front");
            return CallWindowProc(belowFront, hw, m, w, l);
        }));
    }
    EXPECT_EQ(SendMessage(h, WM_USER, 0, 0), 7);
    EXPECT_EQ(seen, (std::vector<std::string>{"front", "original"}));
}

TEST_F(FrameworkTest, SettersRepaintUnlessLoadingCurrentOrUnRefreshed)
{
    Recorder& r = placeRecorder();
    EXPECT_EQ(r.redraws, 1) << "reading the stored properties draws once";
    EXPECT_TRUE(r.ImageCurrent());

    r.setColour(0x00FF00);
    EXPECT_EQ(r.redraws, 2);
    EXPECT_EQ(screenPixel(110, 110), 0x00FF00u);

    // A platform paint shows the kept image and does not redraw.
    InvalidateRect(r.hwnd());
    session.settle();
    EXPECT_EQ(r.redraws, 2);

    r.setUnRefreshControl(true);
    r.setColour(0x0000FF);
    EXPECT_EQ(r.Colour(), 0x0000FFu);
    EXPECT_EQ(r.redraws, 2);
    EXPECT_EQ(screenPixel(110, 110), 0x00FF00u) << "nothing changes on the screen";
    r.setUnRefreshControl(false);
    session.settle();
    EXPECT_EQ(r.redraws, 2) << "turning UnRefreshControl off does not repaint by itself";
    EXPECT_EQ(screenPixel(110, 110), 0x00FF00u);

    r.move(r.left(), r.top(), r.width() + 150, r.height());
    EXPECT_EQ(r.redraws, 3) << "a resize repaints";
    EXPECT_EQ(screenPixel(110, 110), 0x0000FFu);
}

TEST_F(FrameworkTest, ASystemColourIsWrittenBackAsItsValue)
{
    Recorder& r = placeRecorder();
    r.setColour(plat::gfx::systemColorCode(plat::gfx::ColorHighlight));
    EXPECT_EQ(r.Colour(), plat::gfx::systemColor(plat::gfx::ColorHighlight));
    uint32_t plain = 0x123456;
    EXPECT_EQ(DrawnControl::TranslateColor(plain), 0x123456u);
    EXPECT_EQ(plain, 0x123456u);
}

TEST_F(FrameworkTest, StoredValuesAreReadWithTheirDefaults)
{
    PropertyBag stored;
    stored.writeProperty("colour", uint32_t(0x00AA00), uint32_t(0));
    Recorder& a = place<Recorder>("a", 0, 0, 10, 10, stored);
    Recorder& b = place<Recorder>("b", 20, 0, 10, 10);
    EXPECT_EQ(a.Colour(), 0x00AA00u) << "keys match without regard to case";
    EXPECT_EQ(b.Colour(), 0xFFu);
    EXPECT_EQ(a.redraws, 1) << "the setters draw nothing while loading; Refresh runs once after";
}

} // namespace
} // namespace qel::testing

namespace qel::testing {
namespace {

TEST(WindowShape, RoundRectRegionStopsOnePixelShortAsWindowsDoes)
{
    // The platform's round rectangle covers its whole rectangle; the window shape the stored
    // looks were made for is one pixel short on the right and bottom.
    EXPECT_EQ(plat::gfx::Region::roundRect(0, 0, 100, 30, 7, 7).bounds(), (plat::gfx::Rect{0, 0, 100, 30}));
    const plat::gfx::Region shape = CreateRoundRectRgn(0, 0, 100, 30, 7, 7);
    EXPECT_EQ(shape.bounds(), (plat::gfx::Rect{0, 0, 99, 29}));
    EXPECT_FALSE(shape.contains(0, 0));
    EXPECT_TRUE(shape.contains(3, 0));
    EXPECT_TRUE(shape.contains(0, 3));
    EXPECT_FALSE(shape.contains(99, 15));
    EXPECT_EQ(CreateRectRgn(0, 0, 100, 30).bounds(), (plat::gfx::Rect{0, 0, 100, 30}));
}

} // namespace
} // namespace qel::testing
