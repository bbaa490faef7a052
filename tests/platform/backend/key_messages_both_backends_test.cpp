// The same physical keys typed on a real X keyboard (xdotool, SDL's x11 driver) and injected into
// the headless session give a window the same key messages: with and without modifiers, left and
// right modifiers, a held key's repeats.
#include "platform/backend/session.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"
#include "tests/support/sdl_desktop.h"

#include <gtest/gtest.h>

namespace plat::backend {
namespace {

using namespace plat::win;

// A physical key: how xdotool names it and its own virtual key (a side's code for a modifier).
// The modifiers go by their key codes on the X server's keyboard: by name xdotool presses the
// modifier's first key (the left one) along with the right one.
struct PhysicalKey {
    const char* x;
    int vk;
};
constexpr PhysicalKey kLeftShift{"50", VK_LSHIFT}, kRightShift{"62", VK_RSHIFT}, kLeftCtrl{"37", VK_LCONTROL},
    kRightCtrl{"105", VK_RCONTROL}, kLeftAlt{"64", VK_LMENU}, kRightAlt{"108", VK_RMENU}, kA{"a", 'A'}, kOne{"1", '1'},
    kF1{"F1", VK_F1}, kEnter{"Return", VK_RETURN}, kB{"b", 'B'}, kEnd{"F12", VK_F12};

struct Press {
    PhysicalKey key;
    bool down;
};

// What the focused window hears: the message, its code, whether the key was down before, and
// which sides of the modifiers GetKeyState reports down.
std::string heard(UINT msg, WPARAM code, LPARAM lp)
{
    std::string text = msg == WM_KEYDOWN ? "down " : msg == WM_KEYUP ? "up " : "char ";
    text += std::to_string(code);
    if (msg == WM_KEYDOWN && (uint32_t(lp) & (1u << 30)))
        text += " again";
    for (int side : {VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU})
        if (GetKeyState(side) < 0)
            text += " +" + std::to_string(side);
    return text;
}

HWND recorder(std::vector<std::string>& into)
{
    HWND w = CreateWindow("keys", 0, gfx::Rect::fromSize(0, 0, 1024, 768), true, makeWndProc([&into](HWND h, UINT m, WPARAM wp, LPARAM lp) {
        if (m == WM_KEYDOWN || m == WM_KEYUP || m == WM_CHAR)
            into.push_back(heard(m, wp, lp));
        return DefWindowProc(h, m, wp, lp);
    }));
    SetFocus(w);
    return w;
}

std::vector<std::string> xdotoolArguments(const std::vector<Press>& presses)
{
    std::vector<std::string> argv{"/usr/bin/xdotool"};
    for (const Press& p : presses) {
        argv.push_back(p.down ? "keydown" : "keyup");
        argv.push_back(p.key.x);
    }
    return argv;
}

const std::string kEndSeen = "up " + std::to_string(VK_F12);

TEST(KeyMessagesOnBothBackends, TheSamePhysicalKeysGiveTheSameMessages)
{
    const std::vector<Press> presses = {
        {kA, true}, {kA, false},                                                   // a bare key
        {kLeftShift, true}, {kA, true}, {kA, false}, {kLeftShift, false},          // Shift+A, left
        {kRightShift, true}, {kOne, true}, {kOne, false}, {kRightShift, false},    // Shift+1, right
        {kLeftCtrl, true}, {kRightCtrl, true}, {kLeftCtrl, false}, {kRightCtrl, false}, // both Ctrl
        {kLeftAlt, true}, {kF1, true}, {kF1, false}, {kLeftAlt, false},            // Alt+F1
        {kRightAlt, true}, {kRightAlt, false},                                     // Alt on its own
        {kLeftCtrl, true}, {kEnter, true}, {kEnter, false}, {kLeftCtrl, false},    // Ctrl+Enter
        {kEnter, true}, {kEnter, false},                                           // Enter and its character
        {kEnd, true}, {kEnd, false},
    };

    std::vector<std::string> real;
    int repeats = 0;
    {
        test_support::SdlDesktop desktop;
        if (!desktop.missing().empty())
            GTEST_SKIP() << desktop.missing();
        ASSERT_TRUE(desktop.open()) << "no SDL window on a private Xvfb";
        recorder(real);
        ASSERT_TRUE(desktop.waitForWindow());
        ASSERT_EQ(desktop.run(xdotoolArguments(presses)), 0);
        ASSERT_TRUE(desktop.pumpUntil([&] { return !real.empty() && real.back() == kEndSeen; })) << ::testing::PrintToString(real);
        // A held key: down until the keyboard has repeated it twice, then up.
        ASSERT_EQ(desktop.run({"/usr/bin/xdotool", "keydown", kB.x}), 0);
        const std::string again = "down " + std::to_string('B') + " again";
        ASSERT_TRUE(desktop.pumpUntil([&] { return std::count(real.begin(), real.end(), again) >= 2; }));
        ASSERT_EQ(desktop.run(xdotoolArguments({{kB, false}, {kEnd, true}, {kEnd, false}})), 0);
        ASSERT_TRUE(desktop.pumpUntil([&] { return real.back() == kEndSeen && std::count(real.begin(), real.end(), kEndSeen) == 2; }));
        repeats = int(std::count(real.begin(), real.end(), again));
    }

    std::vector<std::string> injected;
    HeadlessSession session;
    recorder(injected);
    for (const Press& p : presses)
        p.down ? session.keyDown(p.key.vk) : session.keyUp(p.key.vk);
    session.keyDown(kB.vk);
    for (int i = 0; i < repeats; ++i)
        session.keyDown(kB.vk, true);
    session.keyUp(kB.vk);
    session.key(kEnd.vk);

    EXPECT_EQ(real, injected);
    // One key down per press, with the generic code for either side.
    EXPECT_EQ(std::count(real.begin(), real.end(), "down 16 +160"), 1);
    EXPECT_EQ(std::count(real.begin(), real.end(), "down 16 +161"), 1);
    EXPECT_EQ(std::count(real.begin(), real.end(), "down 18 +165"), 1);
    for (const std::string& message : real)
        for (int side : {VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU})
            EXPECT_NE(message.rfind("down " + std::to_string(side), 0), 0u) << message;
}

} // namespace
} // namespace plat::backend
