#include "platform/window/held_keys.h"
#include "platform/window/virtual_keys.h"
#include "window_fixture.h"

namespace plat::win::testing {

// Keys typed at a window that keeps them, then typed again at the window that has the focus.
class HeldKeysTest : public WindowTest {
protected:
    HWND keepingWindow()
    {
        return CreateWindow("splash", 0, gfx::Rect::fromSize(0, 0, 200, 100), true, makeWndProc([this](HWND h, UINT m, WPARAM w, LPARAM l) {
            if (m == WM_KEYDOWN || m == WM_KEYUP || m == WM_CHAR) {
                held.hold(m, w);
                return LRESULT(0);
            }
            return DefWindowProc(h, m, w, l);
        }));
    }

    struct Key {
        UINT msg;
        WPARAM code;
        bool wasDown;  // bit 30
        bool released; // bit 31
        bool operator==(const Key&) const = default;
    };
    std::vector<Key> keysOf(HWND h) const
    {
        std::vector<Key> out;
        for (const Seen& s : seen)
            if (s.hwnd == h && (s.msg == WM_KEYDOWN || s.msg == WM_KEYUP || s.msg == WM_CHAR))
                out.push_back({s.msg, s.wParam, (uint32_t(s.lParam) & (1u << 30)) != 0, (uint32_t(s.lParam) & (1u << 31)) != 0});
        return out;
    }

    HeldKeys held;
};

TEST_F(HeldKeysTest, TheFocusAfterwardsGetsTheKeysInOrderAsIfTypedNow)
{
    HWND splash = keepingWindow();
    SetFocus(splash);
    session.keyUp('X');           // went down before anything was kept: its release is not passed on
    session.key(VK_RETURN);       // brings its character 13 once
    session.keyDown('A');
    session.type("a");
    session.keyDown('A', true);   // auto-repeat
    session.keyUp('A');
    session.type("篮");
    session.keyDown(VK_F5);       // still held when the keys are handed on
    EXPECT_FALSE(held.empty());

    HWND board = recordingWindow(0, gfx::Rect::fromSize(0, 0, 300, 200));
    SetFocus(board);
    held.deliver(session.windows());
    EXPECT_TRUE(held.empty());
    EXPECT_TRUE(keysOf(board).empty()) << "they come as input, from the loop";
    session.settle();
    EXPECT_EQ(keysOf(board), (std::vector<Key>{
                                 {WM_KEYDOWN, VK_RETURN, false, false},
                                 {WM_CHAR, 13, false, false},
                                 {WM_KEYUP, VK_RETURN, true, true},
                                 {WM_KEYDOWN, 'A', false, false},
                                 {WM_CHAR, 'a', false, false},
                                 {WM_KEYDOWN, 'A', true, false},
                                 {WM_KEYUP, 'A', true, true},
                                 {WM_CHAR, 0x7BEE, false, false},
                                 {WM_KEYDOWN, VK_F5, false, false},
                             }));
    EXPECT_LT(GetKeyState(VK_F5), 0) << "F5 is still down";
    EXPECT_GE(GetKeyState('A'), 0);
    session.keyUp(VK_F5);
    EXPECT_EQ(keysOf(board).back(), (Key{WM_KEYUP, VK_F5, true, true}));
}

TEST_F(HeldKeysTest, AKeyHandedOnWhileAWindowIsBlockedGoesWhereTypingWould)
{
    HWND splash = keepingWindow();
    SetFocus(splash);
    session.key('1');
    HWND board = recordingWindow(0, gfx::Rect::fromSize(0, 0, 300, 200));
    SetFocus(board);
    EnableWindow(board, false);
    held.deliver(session.windows());
    session.settle();
    EXPECT_TRUE(keysOf(board).empty());
    EXPECT_GE(GetKeyState('1'), 0);
}

} // namespace plat::win::testing
