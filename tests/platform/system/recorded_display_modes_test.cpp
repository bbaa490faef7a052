#include "platform/system/display_modes_service.h"
#include "platform/system/recorded_display_modes.h"

#include <gtest/gtest.h>

using namespace plat::sys;

using Sizes = std::vector<DisplaySize>;

TEST(RecordedDisplayModes, TestsSetTheScreenSize)
{
    RecordedDisplayModes display;
    EXPECT_EQ(display.screenSize(), (DisplaySize { 1024, 768 }));
    display.setScreenSize({ 1280, 720 });
    EXPECT_EQ(display.screenSize(), (DisplaySize { 1280, 720 }));
    display.setScreenSize({ 1500, 1000 });
    auto modes = display.modes();
    EXPECT_NE(std::find(modes.begin(), modes.end(), DisplaySize { 1500, 1000 }), modes.end());
}

TEST(RecordedDisplayModes, OfferedChangeSucceedsAndIsRecorded)
{
    RecordedDisplayModes display({ 1920, 1080 });
    EXPECT_TRUE(display.changeMode({ 1024, 768 }));
    EXPECT_EQ(display.screenSize(), (DisplaySize { 1024, 768 }));
    EXPECT_TRUE(display.changeMode({ 1920, 1080 }));
    EXPECT_EQ(display.changeRequests(), (Sizes { { 1024, 768 }, { 1920, 1080 } }));
}

TEST(RecordedDisplayModes, FailedChangeIsReportedAndLeavesTheScreen)
{
    RecordedDisplayModes display({ 1280, 720 }, { { 1280, 720 }, { 800, 600 } });
    EXPECT_FALSE(display.changeMode({ 1024, 768 }));
    EXPECT_EQ(display.screenSize(), (DisplaySize { 1280, 720 }));

    display.setRefuseChanges(true);
    EXPECT_FALSE(display.changeMode({ 800, 600 }));
    EXPECT_EQ(display.screenSize(), (DisplaySize { 1280, 720 }));
    EXPECT_EQ(display.changeRequests(), (Sizes { { 1024, 768 }, { 800, 600 } }));
    display.clearChangeRequests();
    EXPECT_TRUE(display.changeRequests().empty());
}

TEST(DisplayModesService, EmptyUntilOneIsInstalled)
{
    installDisplayModes(nullptr);
    EXPECT_EQ(displayModes().screenSize(), (DisplaySize { 0, 0 }));
    EXPECT_FALSE(displayModes().changeMode({ 1024, 768 }));

    auto recorded = std::make_unique<RecordedDisplayModes>(DisplaySize { 1280, 1024 });
    RecordedDisplayModes* seen = recorded.get();
    installDisplayModes(std::move(recorded));
    EXPECT_EQ(displayModes().screenSize(), (DisplaySize { 1280, 1024 }));
    EXPECT_TRUE(displayModes().changeMode({ 1024, 768 }));
    EXPECT_EQ(seen->changeRequests(), (Sizes { { 1024, 768 } }));
    installDisplayModes(nullptr);
}
