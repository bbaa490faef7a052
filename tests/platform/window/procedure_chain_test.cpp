#include "window_fixture.h"

namespace plat::win::testing {

using ProcedureChain = WindowTest;

TEST_F(ProcedureChain, InstalledProceduresSeeTheMessageInOrderAndTheOriginalResultComesBack)
{
    std::vector<std::string> order;
    HWND h = CreateWindow("test", 0, gfx::Rect::fromSize(0, 0, 10, 10), true, makeWndProc([&](HWND, UINT m, WPARAM, LPARAM) -> LRESULT {
        order.push_back("original");
        return m == WM_USER ? 42 : 0;
    }));

    WndProc first;
    first = SetWindowProc(h, makeWndProc([&](HWND hw, UINT m, WPARAM w, LPARAM l) {
        order.push_back("first");
        return CallWindowProc(first, hw, m, w, l);
    }));
    WndProc second;
    second = SetWindowProc(h, makeWndProc([&](HWND hw, UINT m, WPARAM w, LPARAM l) {
        order.push_back("second");
        return CallWindowProc(second, hw, m, w, l);
    }));

    order.clear(); // WM_CREATE went to the original alone
    EXPECT_EQ(SendMessage(h, WM_USER, 0, 0), 42);
    EXPECT_EQ(order, (std::vector<std::string>{"second", "first", "original"}));

    // Removing the outer one restores the chain beneath it.
    SetWindowProc(h, second);
    order.clear();
    EXPECT_EQ(SendMessage(h, WM_USER, 0, 0), 42);
    EXPECT_EQ(order, (std::vector<std::string>{"first", "original"}));
    DestroyWindow(h); // while the procedures' captures still live
}

TEST_F(ProcedureChain, PostedMessagesArriveFromTheLoopInOrder)
{
    HWND h = recordingWindow(0, gfx::Rect::fromSize(0, 0, 10, 10));
    seen.clear();
    PostMessage(h, WM_USER + 1, 1, 0);
    PostMessage(h, WM_USER + 2, 2, 0);
    EXPECT_TRUE(messagesOf(h, {WM_USER + 1, WM_USER + 2}).empty());
    session.settle();
    EXPECT_EQ(messagesOf(h, {WM_USER + 1, WM_USER + 2}), (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
}

TEST_F(ProcedureChain, DestroyingAWindowDestroysItsChildrenAndForgetsThem)
{
    HWND parent = recordingWindow(0, gfx::Rect::fromSize(0, 0, 100, 100));
    HWND child = recordingWindow(parent, gfx::Rect::fromSize(10, 10, 20, 20));
    SetFocus(child);
    DestroyWindow(parent);
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(GetFocus(), 0u);
    EXPECT_EQ(messagesOf(child, {WM_DESTROY}).size(), 1u);
}

} // namespace plat::win::testing
