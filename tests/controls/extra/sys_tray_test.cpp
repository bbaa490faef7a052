#include "controls/extra/mdl_sys_tray_callback.h"
#include "controls/extra/qel_sys_tray.h"
#include "controls/extra/register_extra_controls.h"
#include "extra_fixture.h"

namespace qel::testing {
namespace {

using namespace plat::win;

plat::gfx::Picture icon() { return plat::gfx::Picture(plat::gfx::Surface(16, 16, plat::gfx::opaque(0x00C0FF))); }

class SysTrayTest : public ExtraTest {
protected:
    std::vector<std::string> log;

    void SetUp() override
    {
        mdlSysTrayCallBack::ResetHost();
        setTrayShell(&shell);
        ExtraTest::SetUp();
    }
    void TearDown() override
    {
        form.unload();
        setTrayShell(nullptr);
        mdlSysTrayCallBack::ResetHost();
    }
    qelSysTray& tray(const std::string& name, bool preventFromCrash = true)
    {
        PropertyBag stored;
        stored.writeProperty("BalloonTipString", std::string("比分 Score"), "");
        stored.writeProperty("PreventFromCrash", preventFromCrash, true);
        qelSysTray& t = place<qelSysTray>(name, 0, 0, 30, 30, stored);
        auto ev = [this](const char* n) {
            return [this, n](int& Button, int& ID) { log.push_back(std::string(n) + " " + std::to_string(Button) + " " + std::to_string(ID)); };
        };
        t.MouseDown = ev("MouseDown");
        t.MouseUp = ev("MouseUp");
        t.MouseDblClick = ev("MouseDblClick");
        t.MouseMove = ev("MouseMove");
        return t;
    }
    TrayShell shell;
};

TEST_F(SysTrayTest, AnIconWithItsTipAndItsMouseEvents)
{
    qelSysTray& t = tray("t");
    t.setIcon(icon());
    t.AddToTray(0);
    ASSERT_TRUE(shell.IsShown(t.hwnd(), 0));
    const NotifyIconRecord& r = shell.Shown().begin()->second;
    EXPECT_EQ(r.szTip, "比分 Score");
    EXPECT_EQ(r.uFlags, 7u);
    EXPECT_EQ(r.uCallbackMessage, unsigned(WM_MOUSEMOVE));
    EXPECT_TRUE(t.IsInTray(0));
    EXPECT_EQ(mdlSysTrayCallBack::RegisteredKeys(), (std::vector<std::string>{"_" + std::to_string(t.hwnd()) + "_0"}));
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MOUSEMOVE, WM_MOUSEWHEEL})
        shell.Act(t.hwnd(), 0, m);
    EXPECT_EQ(joined(log), "MouseDown 1 0, MouseUp 1 0, MouseDblClick 1 0, MouseUp 2 0, MouseDown 4 0, MouseMove 0 0");
}

TEST_F(SysTrayTest, ALongTipIsCutBetweenCharactersAtTheFieldsSizeInTheCodePage)
{
    auto times = [](int n, const std::string& s) {
        std::string r;
        for (int i = 0; i < n; ++i)
            r += s;
        return r;
    };
    const struct {
        std::string tip;
        std::string shown;
    } cases[] = {
        {times(70, "比"), times(63, "比")}, // 126 bytes: a 64th would not fit in 127
        {"A" + times(70, "比"), "A" + times(63, "比")},
        {times(200, "a"), times(127, "a")},
        {"比分 Score", "比分 Score"},
    };
    qelSysTray& t = tray("t");
    t.setIcon(icon());
    for (const auto& c : cases) {
        t.setBalloonTipString(c.tip);
        t.AddToTray(0);
        ASSERT_EQ(shell.Shown().size(), 1u);
        EXPECT_EQ(shell.Shown().begin()->second.szTip, c.shown) << c.tip;
        t.RemoveFromTray(0);
    }
}

TEST_F(SysTrayTest, IndexesGrowAndShrinkTheArrays)
{
    qelSysTray& t = tray("t");
    t.setIcon(icon());
    t.AddToTray(3);
    EXPECT_EQ(t.UpperIndex(), 3);
    EXPECT_FALSE(t.IsInTray(1));
    EXPECT_TRUE(t.IsInTray(3));
    EXPECT_FALSE(t.IsInTray(7));
    t.RemoveFromTray(3);
    EXPECT_EQ(t.UpperIndex(), 2);
    EXPECT_FALSE(shell.IsShown(t.hwnd(), 3));
    t.AddToTray(-1);
    t.RemoveFromTray(-1);
    t.RemoveFromTray(9);
    EXPECT_EQ(t.UpperIndex(), 2);
}

TEST_F(SysTrayTest, RemovingTheOnlyIndexKeepsTheArrays)
{
    qelSysTray& t = tray("t");
    t.setIcon(icon());
    t.AddToTray(0);
    t.RemoveFromTray(0);
    EXPECT_EQ(t.UpperIndex(), 0);
    EXPECT_FALSE(t.IsInTray(0));
    EXPECT_TRUE(shell.Shown().empty());
    EXPECT_TRUE(mdlSysTrayCallBack::RegisteredKeys().empty());
}

TEST_F(SysTrayTest, WithoutAnIconTheIndexIsOnlyMarked)
{
    qelSysTray& t = tray("t");
    t.AddToTray(0);
    EXPECT_TRUE(t.IsInTray(0));
    EXPECT_TRUE(shell.Shown().empty());
}

TEST_F(SysTrayTest, AfterAShellRestartTheIconsComeBack)
{
    qelSysTray& a = tray("a");
    qelSysTray& b = tray("b", false);
    a.setIcon(icon());
    b.setIcon(icon());
    a.AddToTray(0);
    a.AddToTray(2);
    b.AddToTray(1);
    EXPECT_TRUE(mdlSysTrayCallBack::HostSubclassed());
    shell.RestartShell();
    session.settle();
    EXPECT_TRUE(shell.IsShown(a.hwnd(), 0));
    EXPECT_TRUE(shell.IsShown(a.hwnd(), 2));
    EXPECT_TRUE(shell.IsShown(b.hwnd(), 1)); // the same form's tray controls all re-add
    EXPECT_EQ(shell.Shown().size(), 3u);
}

TEST_F(SysTrayTest, WithoutPreventFromCrashTheIconsStayAway)
{
    qelSysTray& a = tray("a", false);
    a.setIcon(icon());
    a.AddToTray(0);
    EXPECT_FALSE(mdlSysTrayCallBack::HostSubclassed());
    shell.RestartShell();
    session.settle();
    EXPECT_TRUE(shell.Shown().empty());
}

TEST_F(SysTrayTest, ADestroyedControlLeavesNoEntry)
{
    qelSysTray& a = tray("a");
    a.setIcon(icon());
    a.AddToTray(0);
    a.AddToTray(1);
    form.unload();
    EXPECT_TRUE(mdlSysTrayCallBack::RegisteredKeys().empty());
    EXPECT_TRUE(shell.Shown().empty());
}

TEST_F(SysTrayTest, TheControlKeepsItsSizeAndItsStoredProperties)
{
    qelSysTray& t = tray("t");
    t.move(0, 0, 2000, 2000);
    EXPECT_EQ(t.width(), 450);
    EXPECT_EQ(t.height(), 450);
    PropertyBag bag;
    bag.setKeepDefaults(true);
    t.writeProperties(bag);
    const std::vector<std::string> keys = bag.keys();
    EXPECT_EQ(joined(keys), "balloontipstring, icon, preventfromcrash");
}

TEST_F(SysTrayTest, KeysOfDifferentWindowsAndIndexesNeverCollide)
{
    // Without a separator window 257 icon 10 and window 2571 icon 0 would share a key, and the
    // second registration would be dropped.
    qelSysTray& a = tray("a");
    qelSysTray& b = tray("b");
    const std::pair<HWND, int32_t> icons[] = {{257, 10}, {2571, 0}, {25, 710}, {2, 5710}};
    for (const auto& [hwnd, index] : icons)
        mdlSysTrayCallBack::RegisterTrayIcon(&index == &icons[0].second ? &a : &b, mdlSysTrayCallBack::TrayKey(hwnd, index));
    EXPECT_EQ(mdlSysTrayCallBack::RegisteredKeys(), (std::vector<std::string>{"_257_10", "_2571_0", "_25_710", "_2_5710"}));
    for (const auto& [hwnd, index] : icons)
        mdlSysTrayCallBack::UnregisterTrayIcon(mdlSysTrayCallBack::TrayKey(hwnd, index));
    EXPECT_TRUE(mdlSysTrayCallBack::RegisteredKeys().empty());
}

TEST(RegistrationTest, TheClassesAreKnownToStoredLayouts)
{
    plat::forms::ControlRegistry registry;
    registerExtraControls(registry);
    for (const char* name : {"qelTimer", "qelMouseKeyEvents", "qelBar", "qelUpDown", "qelListBox", "qelSysTray"}) {
        auto c = registry.create(name);
        ASSERT_TRUE(c) << name;
        EXPECT_EQ(c->className(), name);
    }
}

} // namespace
} // namespace qel::testing
