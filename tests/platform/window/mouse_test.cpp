#include "platform/window/virtual_keys.h"
#include "window_fixture.h"

namespace plat::win::testing {

using Mouse = WindowTest;

TEST_F(Mouse, CapturedWindowGetsNegativeCoordinatesOutsideItself)
{
    HWND h = recordingWindow(0, gfx::Rect::fromSize(100, 100, 50, 50));
    session.mouseDown(110, 110);
    session.mouseMove(97, 90); // 3 px left and 10 px above the window
    const Seen* move = last(h, WM_MOUSEMOVE);
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(loWordSigned(move->lParam), -3);
    EXPECT_EQ(hiWordSigned(move->lParam), -10);
    EXPECT_EQ(move->wParam & MK_LBUTTON, WPARAM(MK_LBUTTON));
    session.mouseUp(97, 90);
    EXPECT_NE(last(h, WM_LBUTTONUP), nullptr);
    EXPECT_EQ(GetCapture(), 0u);
    // Released: moves outside go to whatever lies there, not to the window.
    size_t before = messagesOf(h, {WM_MOUSEMOVE}).size();
    session.mouseMove(90, 90);
    EXPECT_EQ(messagesOf(h, {WM_MOUSEMOVE}).size(), before);
}

TEST_F(Mouse, DoubleClickArrivesAsDownUpDblclkUp)
{
    HWND h = recordingWindow(0, gfx::Rect::fromSize(0, 0, 50, 50));
    session.click(10, 10);
    session.advance(100);
    session.click(11, 10);
    EXPECT_EQ(messagesOf(h, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
        (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
}

TEST_F(Mouse, ClicksTooSlowOrTooFarApartAreSingleClicks)
{
    struct Case {
        int64_t gapMs;
        int dx;
        bool isDouble;
    };
    for (Case c : {Case{100, 0, true}, Case{500, 0, true}, Case{501, 0, false}, Case{100, 2, true}, Case{100, 3, false}}) {
        seen.clear();
        HWND h = recordingWindow(0, gfx::Rect::fromSize(0, 0, 50, 50));
        session.click(20, 20);
        session.advance(c.gapMs);
        session.click(20 + c.dx, 20);
        bool gotDouble = !messagesOf(h, {WM_LBUTTONDBLCLK}).empty();
        EXPECT_EQ(gotDouble, c.isDouble) << "gap " << c.gapMs << " dx " << c.dx;
        DestroyWindow(h);
        session.advance(1000);
    }
}

TEST_F(Mouse, HoverOncePerArmingAndLeaveWhenThePointerGoes)
{
    HWND h = recordingWindow(0, gfx::Rect::fromSize(0, 0, 50, 50));
    recordingWindow(0, gfx::Rect::fromSize(60, 0, 50, 50));
    session.mouseMove(10, 10);
    TrackMouseEvent({16, TME_HOVER | TME_LEAVE, h, 1});
    session.advance(5);
    session.advance(50);
    EXPECT_EQ(messagesOf(h, {WM_MOUSEHOVER}).size(), 1u);
    // Re-armed: one more hover after the pointer rests again.
    TrackMouseEvent({16, TME_HOVER | TME_LEAVE, h, 1});
    session.mouseMove(12, 12);
    session.advance(5);
    EXPECT_EQ(messagesOf(h, {WM_MOUSEHOVER}).size(), 2u);
    EXPECT_TRUE(messagesOf(h, {WM_MOUSELEAVE}).empty());
    session.mouseMove(70, 10);
    EXPECT_EQ(messagesOf(h, {WM_MOUSELEAVE}).size(), 1u);
    session.mouseMove(80, 10);
    EXPECT_EQ(messagesOf(h, {WM_MOUSELEAVE}).size(), 1u);
}

TEST_F(Mouse, RegionClipsHitTesting)
{
    HWND back = recordingWindow(0, gfx::Rect::fromSize(0, 0, 100, 100));
    HWND round = recordingWindow(0, gfx::Rect::fromSize(0, 0, 100, 100));
    SetWindowRgn(round, gfx::Region::roundRect(0, 0, 101, 101, 40, 40));
    EXPECT_EQ(WindowFromPoint({1, 1}), back);   // the cut corner shows what is behind
    EXPECT_EQ(WindowFromPoint({50, 50}), round);
    SetWindowRgn(round, std::nullopt);
    EXPECT_EQ(WindowFromPoint({1, 1}), round);
}

TEST_F(Mouse, AWindowTransparentToTheMouseLetsClicksThrough)
{
    HWND back = recordingWindow(0, gfx::Rect::fromSize(0, 0, 100, 100));
    HWND line = recordingWindow(0, gfx::Rect::fromSize(0, 0, 100, 100));
    SetWindowTransparentToMouse(line, true);
    session.click(50, 50);
    EXPECT_EQ(messagesOf(back, {WM_LBUTTONDOWN}).size(), 1u);
    EXPECT_TRUE(messagesOf(line, {WM_LBUTTONDOWN}).empty());
}

TEST_F(Mouse, WheelDeltaIsSignedInTheHighWordAndModifiersInTheLow)
{
    HWND h = recordingWindow(0, gfx::Rect::fromSize(0, 0, 50, 50));
    session.keyDown(VK_SHIFT);
    session.wheel(10, 10, -120);
    const Seen* w = last(h, WM_MOUSEWHEEL);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(hiWordSigned(LPARAM(w->wParam)), -120);
    EXPECT_LT(int32_t(uint32_t(w->wParam)), 0);
    EXPECT_EQ(w->wParam & MK_SHIFT, WPARAM(MK_SHIFT));
}

TEST_F(Mouse, ModalLoopBlocksOtherTopLevelWindows)
{
    HWND owner = recordingWindow(0, gfx::Rect::fromSize(0, 0, 100, 100));
    HWND dialog = recordingWindow(0, gfx::Rect::fromSize(200, 200, 100, 100));
    bool done = false;
    int clicksOnOwner = -1;
    session.backend().setIdleHandler([&] {
        if (clicksOnOwner < 0) {
            session.windows().queueInput({InputEvent::Kind::ButtonDown, 10, 10, 1});
            session.windows().queueInput({InputEvent::Kind::ButtonUp, 10, 10, 1});
            clicksOnOwner = 0;
            return true;
        }
        clicksOnOwner = int(messagesOf(owner, {WM_LBUTTONDOWN}).size());
        done = true;
        return true;
    });
    RunModalLoop(dialog, [&] { return done; });
    EXPECT_EQ(clicksOnOwner, 0);
    session.backend().setIdleHandler(nullptr);
    session.click(10, 10);
    EXPECT_EQ(messagesOf(owner, {WM_LBUTTONDOWN}).size(), 1u);
}

} // namespace plat::win::testing
