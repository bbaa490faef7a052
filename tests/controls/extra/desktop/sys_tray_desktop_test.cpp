// The tray icon on a real desktop: a private Xvfb display with trayer as the tray host. The icon
// window must be docked in trayer's panel, show the picture, report the operator's clicks and
// come back when the tray host restarts.
#include "controls/extra/mdl_sys_tray_callback.h"
#include "controls/extra/qel_sys_tray.h"
#include "platform/backend/session.h"
#include "platform/forms/form.h"
#include "platform/forms/property_bag.h"
#include "platform/gfx/system_colors.h"
#include "platform/system/x11_notification_area.h"
#include "x_desktop.h"
#include <gtest/gtest.h>
#include <poll.h>

namespace qel::testing {
namespace {

using plat::forms::PropertyBag;
using plat::sys::X11NotificationArea;

constexpr plat::gfx::Color kLeft = 0x2040E0, kRight = 0xE08020; // 0x00BBGGRR

// Left half one colour, right half another, so scaling and mirroring both show.
plat::gfx::Picture twoColourIcon()
{
    plat::gfx::Surface s(16, 16);
    s.fillRect({0, 0, 8, 16}, plat::gfx::opaque(kLeft));
    s.fillRect({8, 0, 16, 16}, plat::gfx::opaque(kRight));
    return plat::gfx::Picture(s);
}

class DesktopTrayTest : public ::testing::Test {
protected:
    XDesktop desktop;
    plat::backend::HeadlessSession session{{1024, 768}};
    X11NotificationArea* area = nullptr;
    TrayShell shell;
    std::vector<std::unique_ptr<plat::forms::Form>> forms;
    std::vector<std::string> log;

    void SetUp() override
    {
        if (!desktop.failure().empty())
            GTEST_SKIP() << "no private X display: " << desktop.failure();
        if (!desktop.startTray())
            GTEST_SKIP() << "no tray host: " << desktop.failure();
        std::string error;
        auto opened = X11NotificationArea::open(desktop.name().c_str(), "traytest", error);
        ASSERT_TRUE(opened) << error;
        area = opened.get();
        plat::sys::installNotificationArea(std::move(opened));
        mdlSysTrayCallBack::ResetHost();
        setTrayShell(&shell);
    }

    void TearDown() override
    {
        for (auto& f : forms)
            f->unload();
        forms.clear();
        session.settle();
        setTrayShell(nullptr);
        mdlSysTrayCallBack::ResetHost();
        plat::sys::installNotificationArea(nullptr);
    }

    plat::forms::Form& newForm()
    {
        forms.push_back(std::make_unique<plat::forms::Form>("tray" + std::to_string(forms.size()), ""));
        plat::forms::Form& f = *forms.back();
        f.move(0, 0, 300 * 15, 200 * 15);
        f.load();
        f.show();
        session.settle();
        return f;
    }

    qelSysTray& tray(plat::forms::Form& f, const std::string& name, bool preventFromCrash = true)
    {
        PropertyBag stored, extender;
        stored.writeProperty("BalloonTipString", std::string("比分 Score"), "");
        stored.writeProperty("PreventFromCrash", preventFromCrash, true);
        extender.writeProperty("Left", 0.0, -1.0);
        extender.writeProperty("Top", 0.0, -1.0);
        auto& t = dynamic_cast<qelSysTray&>(f.addControl(std::make_unique<qelSysTray>(), name, -1, nullptr, &stored, &extender));
        auto ev = [this](const char* n) {
            return [this, n](int& Button, int& ID) { log.push_back(std::string(n) + " " + std::to_string(Button) + " " + std::to_string(ID)); };
        };
        t.MouseDown = ev("MouseDown");
        t.MouseUp = ev("MouseUp");
        t.MouseDblClick = ev("MouseDblClick");
        t.MouseMove = ev("MouseMove");
        t.setIcon(twoColourIcon());
        session.settle();
        return t;
    }

    // One round of the program's loop (which pumps the desktop's reports), then a short real
    // wait for the desktop's processes.
    void step()
    {
        session.advance(area->pumpIntervalMs());
        pollfd p{area->connectionNumber(), POLLIN, 0};
        ::poll(&p, 1, 10);
    }
    bool eventually(const std::function<bool()>& done) { return waitUntil(done, [this] { step(); }); }

    XWindow iconOf(const qelSysTray& t, uint32_t index) const { return area->iconWindow((uint64_t(t.hwnd()) << 32) | index); }
    // Docked: inside a window of the tray host's panel, and shown.
    bool docked(XWindow icon) const
    {
        if (!icon || desktop.topLevelOf(icon) == icon)
            return false;
        return desktop.classOf(desktop.topLevelOf(icon)) == "trayer" && desktop.isViewable(icon);
    }
    std::vector<std::string> withoutMoves() const
    {
        std::vector<std::string> out;
        for (const auto& e : log)
            if (e.rfind("MouseMove", 0) != 0)
                out.push_back(e);
        return out;
    }
};

TEST_F(DesktopTrayTest, TheIconIsDockedInTheTrayWithItsPictureAndTip)
{
    qelSysTray& t = tray(newForm(), "t");
    t.AddToTray(0);
    const XWindow icon = iconOf(t, 0);
    ASSERT_NE(icon, 0u) << "the tray host took the icon";
    ASSERT_TRUE(eventually([&] { return docked(icon); })) << "docked in trayer's panel";
    EXPECT_NE(desktop.parentOf(icon), desktop.root());
    EXPECT_EQ(desktop.nameOf(icon), "比分 Score");
    EXPECT_EQ(desktop.classOf(icon), "Traytest") << "the class named after the program that opened the area";

    int x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(eventually([&] { return desktop.geometry(icon, x, y, w, h) && w >= 8 && h >= 8; })) << "sized by the tray: " << w << " x " << h;
    // The picture scaled into the icon's square: its left and right quarters.
    EXPECT_TRUE(eventually([&] { return desktop.pixel(icon, w / 2 - w / 4, h / 2) == kLeft; }))
        << std::hex << desktop.pixel(icon, w / 2 - w / 4, h / 2);
    EXPECT_EQ(desktop.pixel(icon, w / 2 + w / 4, h / 2), kRight);

    t.RemoveFromTray(0);
    EXPECT_EQ(iconOf(t, 0), 0u);
}

TEST_F(DesktopTrayTest, TheOperatorsClicksRaiseTheEventsWithButtonAndIndex)
{
    qelSysTray& t = tray(newForm(), "t");
    t.AddToTray(3);
    const XWindow icon = iconOf(t, 3);
    ASSERT_TRUE(eventually([&] { return docked(icon); }));
    int x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(eventually([&] { return desktop.geometry(icon, x, y, w, h) && w >= 8 && h >= 8; }));
    desktop.movePointer(x + w / 2, y + h / 2);
    EXPECT_TRUE(eventually([&] { return !log.empty(); }));
    EXPECT_EQ(log.front(), "MouseMove 0 3");

    desktop.click(1);
    desktop.click(1); // at once: a double click
    desktop.click(3);
    desktop.click(2);
    const std::vector<std::string> expected{"MouseDown 1 3", "MouseUp 1 3", "MouseDblClick 1 3", "MouseUp 1 3", "MouseDown 2 3",
        "MouseUp 2 3", "MouseDown 4 3", "MouseUp 4 3"};
    EXPECT_TRUE(eventually([&] { return withoutMoves().size() >= expected.size(); }));
    EXPECT_EQ(withoutMoves(), expected);
}

TEST_F(DesktopTrayTest, TheTipShowsWhileThePointerRestsOnTheIcon)
{
    qelSysTray& t = tray(newForm(), "t");
    t.AddToTray(0);
    const XWindow icon = iconOf(t, 0);
    ASSERT_TRUE(eventually([&] { return docked(icon); }));
    int x = 0, y = 0, w = 0, h = 0;
    ASSERT_TRUE(eventually([&] { return desktop.geometry(icon, x, y, w, h) && w >= 8 && h >= 8; }));
    EXPECT_EQ(area->tipWindow(), 0u);
    desktop.movePointer(x + w / 2, y + h / 2);
    ASSERT_TRUE(eventually([&] { return area->tipWindow() != 0 && desktop.isViewable(area->tipWindow()); }));
    const XWindow tip = area->tipWindow();
    EXPECT_EQ(desktop.nameOf(tip), "比分 Score");
    int tx = 0, ty = 0, tw = 0, th = 0;
    ASSERT_TRUE(desktop.geometry(tip, tx, ty, tw, th));
    const plat::gfx::Surface drawn = TrayShell::TipPicture("比分 Score");
    EXPECT_EQ(tw, drawn.width());
    EXPECT_EQ(th, drawn.height());
    EXPECT_TRUE(eventually([&] { return desktop.pixel(tip, 0, 0) == plat::gfx::systemColor(plat::gfx::ColorInfoText); }));
    EXPECT_EQ(desktop.pixel(tip, 2, th / 2), plat::gfx::systemColor(plat::gfx::ColorInfoBk)) << "the tip's background";
    int textPixels = 0;
    for (int px = 3; px < tw - 3; ++px)
        textPixels += desktop.pixel(tip, px, th / 2) != plat::gfx::systemColor(plat::gfx::ColorInfoBk);
    EXPECT_GT(textPixels, 4) << "the tip's text";

    desktop.click(1);
    EXPECT_TRUE(eventually([&] { return area->tipWindow() == 0; })) << "a press hides the tip";
}

// Whether the icons come back is decided by the program's first tray control: it watches its
// host window for "TaskbarCreated", and every registered control then adds its icons again.
TEST_F(DesktopTrayTest, ARestartedTrayHostGetsTheIconsBackWhenPreventFromCrashIsSet)
{
    for (bool preventFromCrash : {true, false}) {
        SCOPED_TRACE(preventFromCrash ? "PreventFromCrash" : "without PreventFromCrash");
        mdlSysTrayCallBack::ResetHost();
        qelSysTray& a = tray(newForm(), "a", preventFromCrash);
        a.AddToTray(0);
        a.AddToTray(2);
        qelSysTray& b = tray(newForm(), "b", false);
        b.AddToTray(1);
        ASSERT_TRUE(eventually([&] { return docked(iconOf(a, 0)) && docked(iconOf(a, 2)) && docked(iconOf(b, 1)); }));

        desktop.stopTray();
        EXPECT_TRUE(eventually([&] { return !area->hasHost(); }));
        EXPECT_EQ(iconOf(a, 0), 0u) << "the icons went with the tray";
        EXPECT_EQ(iconOf(b, 1), 0u);

        ASSERT_TRUE(desktop.startTray()) << desktop.failure();
        if (preventFromCrash) {
            EXPECT_TRUE(eventually([&] { return docked(iconOf(a, 0)) && docked(iconOf(a, 2)) && docked(iconOf(b, 1)); }))
                << "re-added on TaskbarCreated";
        } else {
            for (int i = 0; i < 20; ++i)
                step();
            EXPECT_EQ(iconOf(a, 0), 0u);
            EXPECT_EQ(iconOf(b, 1), 0u);
        }
        EXPECT_TRUE(a.IsInTray(0));
        EXPECT_TRUE(b.IsInTray(1));
        for (auto& f : forms)
            f->unload();
        forms.clear();
        session.settle();
        log.clear();
    }
}

TEST_F(DesktopTrayTest, AnIconAddedWhileNoTrayRunsAppearsWhenOneStarts)
{
    desktop.stopTray();
    qelSysTray& t = tray(newForm(), "t");
    t.AddToTray(0);
    EXPECT_TRUE(eventually([&] { return !area->hasHost(); }));
    EXPECT_EQ(iconOf(t, 0), 0u) << "nowhere to show it";
    EXPECT_TRUE(t.IsInTray(0));
    ASSERT_TRUE(desktop.startTray()) << desktop.failure();
    EXPECT_TRUE(eventually([&] { return docked(iconOf(t, 0)); }));
}

} // namespace
} // namespace qel::testing
