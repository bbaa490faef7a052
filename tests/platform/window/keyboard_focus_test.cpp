#include "platform/window/virtual_keys.h"
#include "window_fixture.h"

namespace plat::win::testing {

using KeyboardFocus = WindowTest;

TEST_F(KeyboardFocus, KeysGoToTheFocusWithWindowsPacking)
{
    HWND form = recordingWindow(0, gfx::Rect::fromSize(0, 0, 200, 200));
    HWND edit = recordingWindow(form, gfx::Rect::fromSize(0, 0, 50, 20));
    SetFocus(edit);
    session.keyDown(VK_RETURN);
    session.keyDown(VK_RETURN, true); // auto-repeat
    session.keyUp(VK_RETURN);
    EXPECT_EQ(messagesOf(edit, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    const Seen* up = last(edit, WM_KEYUP);
    EXPECT_EQ(up->wParam, WPARAM(VK_RETURN));
    EXPECT_NE(uint32_t(up->lParam) & (1u << 31), 0u);
    EXPECT_EQ(last(edit, WM_CHAR)->wParam, 13u);
    EXPECT_TRUE(messagesOf(form, {WM_KEYDOWN}).empty());
}

TEST_F(KeyboardFocus, TheCharacterOfAKeyWhoseHandlerDestroyedItsWindowIsDropped)
{
    HWND form = recordingWindow(0, gfx::Rect::fromSize(0, 0, 200, 200));
    HWND box = CreateWindow("box", form, gfx::Rect::fromSize(0, 0, 50, 20), true, makeWndProc([&](HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_KEYDOWN && w == VK_RETURN)
            DestroyWindow(h);
        return DefWindowProc(h, m, w, l);
    }));
    SetFocus(box);
    session.keyDown(VK_RETURN);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_TRUE(messagesOf(form, {WM_CHAR}).empty());
}

TEST_F(KeyboardFocus, TypedTextArrivesAsCharactersIncludingChinese)
{
    HWND edit = recordingWindow(0, gfx::Rect::fromSize(0, 0, 50, 20));
    SetFocus(edit);
    session.type("a篮");
    std::vector<WPARAM> chars;
    for (const auto& s : seen)
        if (s.msg == WM_CHAR)
            chars.push_back(s.wParam);
    EXPECT_EQ(chars, (std::vector<WPARAM>{'a', 0x7BEE}));
}

TEST_F(KeyboardFocus, SetFocusSendsKillFocusThenSetFocus)
{
    HWND a = recordingWindow(0, gfx::Rect::fromSize(0, 0, 50, 20));
    HWND b = recordingWindow(0, gfx::Rect::fromSize(0, 30, 50, 20));
    SetFocus(a);
    seen.clear();
    SetFocus(b);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].hwnd, a);
    EXPECT_EQ(seen[0].msg, UINT(WM_KILLFOCUS));
    EXPECT_EQ(seen[0].wParam, WPARAM(b));
    EXPECT_EQ(seen[1].hwnd, b);
    EXPECT_EQ(seen[1].msg, UINT(WM_SETFOCUS));
    EXPECT_EQ(seen[1].wParam, WPARAM(a));
}

TEST_F(KeyboardFocus, TabOrderSkipsDisabledHiddenAndRefusingWindowsAndStopsAfterOneCycle)
{
    HWND form = recordingWindow(0, gfx::Rect::fromSize(0, 0, 300, 300));
    HWND c[5];
    for (int i = 0; i < 5; ++i) {
        c[i] = recordingWindow(form, gfx::Rect::fromSize(0, i * 30, 50, 20));
        SetTabStop(c[i], true, 4 - i); // tab order runs opposite to creation
    }
    // Tab order: c4 c3 c2 c1 c0
    EnableWindow(c[3], false);
    ShowWindow(c[2], false);
    SetFocusable(c[1], false);
    SetFocus(c[4]);
    MoveFocus(true);
    session.settle();
    EXPECT_EQ(GetFocus(), c[0]);
    MoveFocus(true);
    session.settle();
    EXPECT_EQ(GetFocus(), c[4]); // wraps round
    MoveFocus(false);
    session.settle();
    EXPECT_EQ(GetFocus(), c[0]);

    // Nothing else can take it: the focus stays where it is.
    SetFocusable(c[4], false);
    MoveFocus(true);
    session.settle();
    EXPECT_EQ(GetFocus(), c[0]);
    SetFocusable(c[0], false);
    MoveFocus(true);
    session.settle();
    EXPECT_EQ(GetFocus(), c[0]);
}

} // namespace plat::win::testing
