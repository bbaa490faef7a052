// What windows hear of physical keys: one key down per press with the generic code for either
// Shift, Ctrl or Alt, and the repeats and release of a key only where its press went.
#include "platform/window/virtual_keys.h"
#include "window_fixture.h"

namespace plat::win::testing {

namespace {

// A key message as the focused window gets it, with what GetKeyState says of both sides then.
struct Heard {
    UINT msg;
    WPARAM code;
    bool wasDown; // lParam bit 30
    bool left, right;
    bool operator==(const Heard&) const = default;
};

std::string describe(const Heard& h)
{
    const char* name = h.msg == WM_KEYDOWN ? "down" : h.msg == WM_KEYUP ? "up" : "char";
    return std::string(name) + " " + std::to_string(h.code) + (h.wasDown ? " again" : "") + (h.left ? " L" : "")
        + (h.right ? " R" : "");
}

class KeyPresses : public WindowTest {
protected:
    // Records the key messages of a focused window, asking for the sides of `sides` (a left code).
    HWND focusedRecorder(int sides)
    {
        HWND w = CreateWindow("keys", 0, gfx::Rect::fromSize(0, 0, 200, 200), true, makeWndProc([this, sides](HWND h, UINT m, WPARAM wp, LPARAM lp) {
            if (m == WM_KEYDOWN || m == WM_KEYUP || m == WM_CHAR)
                heard.push_back({m, wp, m != WM_CHAR && (uint32_t(lp) & (1u << 30)) && m == WM_KEYDOWN, GetKeyState(sides) < 0,
                    GetKeyState(sides + 1) < 0});
            return DefWindowProc(h, m, wp, lp);
        }));
        SetFocus(w);
        return w;
    }
    std::vector<Heard> heard;
};

struct PressCase {
    const char* name;
    int side; // the left code of the modifier asked about
    std::vector<std::pair<int, bool>> keys; // physical key, down
    std::vector<Heard> expected;
};

} // namespace

TEST_F(KeyPresses, LeftAndRightModifiersArriveAsOneGenericPress)
{
    const PressCase cases[] = {
        {"left shift with a letter", VK_LSHIFT, {{VK_LSHIFT, true}, {'A', true}, {'A', false}, {VK_LSHIFT, false}},
            {{WM_KEYDOWN, VK_SHIFT, false, true, false}, {WM_KEYDOWN, 'A', false, true, false}, {WM_KEYUP, 'A', false, true, false},
                {WM_KEYUP, VK_SHIFT, false, false, false}}},
        {"right shift", VK_LSHIFT, {{VK_RSHIFT, true}, {VK_RSHIFT, false}},
            {{WM_KEYDOWN, VK_SHIFT, false, false, true}, {WM_KEYUP, VK_SHIFT, false, false, false}}},
        {"left and right ctrl overlapping", VK_LCONTROL,
            {{VK_LCONTROL, true}, {VK_RCONTROL, true}, {VK_LCONTROL, false}, {VK_RCONTROL, false}},
            {{WM_KEYDOWN, VK_CONTROL, false, true, false}, {WM_KEYDOWN, VK_CONTROL, false, true, true},
                {WM_KEYUP, VK_CONTROL, false, false, true}, {WM_KEYUP, VK_CONTROL, false, false, false}}},
        {"held right alt repeats", VK_LMENU, {{VK_RMENU, true}, {VK_RMENU, true}, {VK_RMENU, false}},
            {{WM_KEYDOWN, VK_MENU, false, false, true}, {WM_KEYDOWN, VK_MENU, true, false, true}, {WM_KEYUP, VK_MENU, false, false, false}}},
        {"ctrl and enter bring no character", VK_LCONTROL, {{VK_LCONTROL, true}, {VK_RETURN, true}, {VK_RETURN, false}, {VK_LCONTROL, false}},
            {{WM_KEYDOWN, VK_CONTROL, false, true, false}, {WM_KEYDOWN, VK_RETURN, false, true, false},
                {WM_KEYUP, VK_RETURN, false, true, false}, {WM_KEYUP, VK_CONTROL, false, false, false}}},
    };
    for (const PressCase& c : cases) {
        SCOPED_TRACE(c.name);
        heard.clear();
        HWND w = focusedRecorder(c.side);
        for (auto [key, down] : c.keys)
            down ? session.keyDown(key) : session.keyUp(key);
        std::vector<std::string> got, want;
        for (const Heard& h : heard)
            got.push_back(describe(h));
        for (const Heard& h : c.expected)
            want.push_back(describe(h));
        EXPECT_EQ(got, want);
        DestroyWindow(w);
    }
}

// Enter held on a dialog's button that closes the dialog on its press: the window below gets
// neither the repeats nor the release; the next press is its own.
TEST_F(KeyPresses, AKeyPressedInAWindowThatClosedDoesNotGoOnToTheNext)
{
    HWND below = recordingWindow(0, gfx::Rect::fromSize(0, 0, 400, 400));
    HWND dialog = CreateWindow("dialog", 0, gfx::Rect::fromSize(50, 50, 100, 100), true, makeWndProc([&](HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_KEYDOWN && w == VK_RETURN) {
            DestroyWindow(h);
            SetFocus(below);
            return LRESULT(0);
        }
        return DefWindowProc(h, m, w, l);
    }));
    SetFocus(dialog);
    session.keyDown(VK_RETURN);
    ASSERT_FALSE(IsWindow(dialog));
    session.keyDown(VK_RETURN, true);
    session.keyDown(VK_RETURN, true);
    session.keyUp(VK_RETURN);
    EXPECT_TRUE(messagesOf(below, {WM_KEYDOWN, WM_KEYUP, WM_CHAR}).empty());
    // A key held since before stays the dialog's; a new press is the window's own.
    session.keyDown('1');
    session.keyDown(VK_RETURN);
    session.keyUp(VK_RETURN);
    session.keyUp('1');
    EXPECT_EQ(messagesOf(below, {WM_KEYDOWN, WM_KEYUP}), (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN, WM_KEYUP, WM_KEYUP}));
}

// A window that holds the mouse and opens a modal window from its button's release: the first
// click in the modal window is the modal window's.
TEST_F(KeyPresses, AModalWindowOpenedFromAClickTakesItsFirstClick)
{
    HWND modal = 0;
    bool opened = false;
    HWND owner = CreateWindow("owner", 0, gfx::Rect::fromSize(0, 0, 400, 400), true, makeWndProc([&](HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_LBUTTONUP && !opened) {
            opened = true;
            modal = recordingWindow(0, gfx::Rect::fromSize(100, 100, 100, 100));
            // The operator's next click, then the end of the modal loop.
            sys().queueInput({InputEvent::Kind::ButtonDown, 150, 150, 1});
            sys().queueInput({InputEvent::Kind::ButtonUp, 150, 150, 1});
            bool handled = false;
            sys().postTask([&] { handled = true; });
            sys().runModal(modal, [&] { return handled; });
        }
        return DefWindowProc(h, m, w, l);
    }));
    (void)owner;
    session.click(20, 20);
    ASSERT_TRUE(modal);
    EXPECT_EQ(messagesOf(modal, {WM_LBUTTONDOWN, WM_LBUTTONUP}), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

} // namespace plat::win::testing
