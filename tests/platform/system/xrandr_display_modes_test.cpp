#include "platform/system/xrandr_display_modes.h"
#include "tests/support/xvfb_display.h"

#include <csignal>
#include <gtest/gtest.h>
// Xlib's macros (None, Bool, Status) clash with gtest's names: include it after gtest.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace plat::sys;

namespace {

using XvfbServer = test_support::XvfbDisplay;

// Adds a mode of the given size to the server's output. The mode lasts while `display` stays open.
bool addMode(Display* display, int width, int height)
{
    Window root = DefaultRootWindow(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (!resources || resources->noutput == 0)
        return false;
    std::string name = std::to_string(width) + "x" + std::to_string(height) + "_test";
    XRRModeInfo info {};
    info.width = unsigned(width);
    info.height = unsigned(height);
    info.dotClock = 60ul * unsigned(width + 160) * unsigned(height + 30);
    info.hSyncStart = unsigned(width + 40);
    info.hSyncEnd = unsigned(width + 120);
    info.hTotal = unsigned(width + 160);
    info.vSyncStart = unsigned(height + 3);
    info.vSyncEnd = unsigned(height + 10);
    info.vTotal = unsigned(height + 30);
    info.name = name.data();
    info.nameLength = unsigned(name.size());
    RRMode mode = XRRCreateMode(display, root, &info);
    XRRAddOutputMode(display, resources->outputs[0], mode);
    XSync(display, False);
    XRRFreeScreenResources(resources);
    return mode != 0;
}

DisplaySize rootSize(Display* display)
{
    XSync(display, False);
    Window root;
    int x, y;
    unsigned width = 0, height = 0, border, depth;
    XGetGeometry(display, DefaultRootWindow(display), &root, &x, &y, &width, &height, &border, &depth);
    return { int(width), int(height) };
}

} // namespace

TEST(XrandrDisplayModes, NoDisplayGivesNoObject)
{
    EXPECT_EQ(openXrandrDisplayModes(":999"), nullptr);
}

TEST(XrandrDisplayModes, ReportsTheScreenAndRefusesAModeItLacks)
{
    XvfbServer server("1280x1024x24");
    if (!server.running())
        GTEST_SKIP() << "Xvfb could not be started";
    auto display = openXrandrDisplayModes(server.name().c_str());
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->screenSize(), (DisplaySize { 1280, 1024 }));
    EXPECT_EQ(display->modes(), (std::vector<DisplaySize> { { 1280, 1024 } }));
    EXPECT_TRUE(display->changeMode({ 1280, 1024 })); // already so
    EXPECT_FALSE(display->changeMode({ 1024, 768 }));
    EXPECT_EQ(display->screenSize(), (DisplaySize { 1280, 1024 }));
}

TEST(XrandrDisplayModes, ChangesToAnOfferedModeAndBack)
{
    XvfbServer server("1280x1024x24");
    if (!server.running())
        GTEST_SKIP() << "Xvfb could not be started";
    Display* keeper = XOpenDisplay(server.name().c_str());
    ASSERT_NE(keeper, nullptr);
    ASSERT_TRUE(addMode(keeper, 1024, 768));

    auto display = openXrandrDisplayModes(server.name().c_str());
    ASSERT_NE(display, nullptr);
    auto modes = display->modes();
    EXPECT_NE(std::find(modes.begin(), modes.end(), DisplaySize { 1024, 768 }), modes.end());

    EXPECT_TRUE(display->changeMode({ 1024, 768 }));
    EXPECT_EQ(display->screenSize(), (DisplaySize { 1024, 768 }));
    EXPECT_EQ(rootSize(keeper), (DisplaySize { 1024, 768 }));

    EXPECT_TRUE(display->changeMode({ 1280, 1024 }));
    EXPECT_EQ(display->screenSize(), (DisplaySize { 1280, 1024 }));
    EXPECT_EQ(rootSize(keeper), (DisplaySize { 1280, 1024 }));
    display.reset();
    XCloseDisplay(keeper);
}
