#include "launcher_fixture.h"

#include "platform/forms/message_box.h"
#include "tests/support/drawn_area.h"

namespace launcher::test {
namespace {

// What config.ini holds after a run that finds the display at `screen`, the file as `before` and
// the mark of an earlier switch that was never put back, or not.
struct RecordCase {
    DisplaySize screen;
    std::optional<std::string> before;
    bool marked;
    std::string after;
};

TEST_F(LauncherTest, ASwitchedDisplayKeepsAValidRecordedSize)
{
    const std::vector<RecordCase> cases {
        // The display stands at 1024 x 768 from an earlier run whose switch was never put back
        // (its board still runs, was killed, or has not taken the data folder yet): the size to go
        // back to stays.
        { { 1024, 768 }, "1280\r\n1024\r\n", true, "1280\r\n1024\r\n" },
        { { 1024, 768 }, " 1920 , 1080\r\n", true, " 1920 , 1080\r\n" },
        // The earlier run's switch was put back: the file is left from before and the display set
        // to 1024 x 768 by hand since, so the size in force is written.
        { { 1024, 768 }, "1280\r\n1024\r\n", false, "1024\r\n768\r\n" },
        // Nothing valid to keep: the size in force is written, as on every first run.
        { { 1024, 768 }, std::nullopt, true, "1024\r\n768\r\n" },
        { { 1024, 768 }, "1024\r\n768\r\n", true, "1024\r\n768\r\n" },
        { { 1024, 768 }, "800\r\n600\r\n", true, "1024\r\n768\r\n" },   // smaller than the board
        { { 1024, 768 }, "4000\r\n3000\r\n", true, "1024\r\n768\r\n" }, // not a mode of this display
        { { 1024, 768 }, "wide\r\nhigh\r\n", true, "1024\r\n768\r\n" },
        { { 1024, 768 }, "1280\r\n", true, "1024\r\n768\r\n" },
        // A display at another size is measured afresh whatever the file says.
        { { 1280, 1024 }, "1920\r\n1080\r\n", true, "1280\r\n1024\r\n" },
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.screen.width) + " x " + std::to_string(c.screen.height) + " with "
            + c.before.value_or("no file") + (c.marked ? ", an unrestored switch" : ""));
        fs::remove_all(folder());
        fs::create_directory(folder());
        writeBytes(path("ball"), "stand-in");
        if (c.before)
            writeBytes(path("config.ini"), *c.before);
        if (c.marked)
            writeBytes(path("display-switched"), "");
        newSession();
        setScreen(c.screen.width, c.screen.height);
        started.clear();

        EXPECT_FALSE(start());
        EXPECT_EQ(readBytes(path("config.ini")), c.after);
        EXPECT_EQ(display->changeRequests(), (std::vector<DisplaySize> { { 1024, 768 } })) << "every run switches";
        EXPECT_TRUE(fs::is_regular_file(path("display-switched"))) << "and marks its switch";
        EXPECT_EQ(started.size(), 1u);
    }
}

struct Placement {
    plat::gfx::Size screen;
    plat::gfx::Rect area;
};

void expectCentred(const Placement& seen, plat::gfx::Size display)
{
    SCOPED_TRACE("on " + std::to_string(display.width) + " x " + std::to_string(display.height));
    EXPECT_EQ(seen.screen, display);
    ASSERT_FALSE(seen.area.isEmpty());
    EXPECT_GE(seen.area.left, 0);
    EXPECT_GE(seen.area.top, 0);
    EXPECT_LE(seen.area.right, display.width);
    EXPECT_LE(seen.area.bottom, display.height);
    EXPECT_NEAR(seen.area.left, display.width - seen.area.right, 1) << "centred across";
    EXPECT_NEAR(seen.area.top, display.height - seen.area.bottom, 1) << "centred down";
}

// The launcher with each box photographed on the screen as it comes up, then answered.
class LauncherScreenTest : public LauncherTest {
protected:
    void SetUp() override
    {
        LauncherTest::SetUp();
        session->backend().setIdleHandler([this] { return photographBox(); });
    }
    void fresh(int width, int height)
    {
        newSession();
        session->backend().setIdleHandler([this] { return photographBox(); });
        setScreen(width, height);
        boxes.clear();
    }
    bool photographBox()
    {
        plat::forms::MessageBoxForm* box = plat::forms::MessageBoxForm::current();
        if (!box)
            return false;
        const auto& windows = session->windows();
        boxes.push_back({ windows.screenSize(), test_support::drawnArea(windows.screen()) });
        box->choose(plat::forms::vbOK);
        return true;
    }
    std::vector<Placement> boxes;
};

TEST_F(LauncherScreenTest, TheTooSmallMessageIsCentredOnTheScreenFound)
{
    for (plat::gfx::Size size : { plat::gfx::Size { 640, 480 }, plat::gfx::Size { 800, 600 }, plat::gfx::Size { 1024, 600 } }) {
        fresh(size.width, size.height);
        EXPECT_FALSE(start());
        ASSERT_EQ(boxes.size(), 1u);
        expectCentred(boxes[0], size);
    }
}

TEST_F(LauncherScreenTest, TheMissingScoreboardMessageAndForm1AreCentredOnTheDisplayAsItStands)
{
    struct Case {
        DisplaySize screen;
        bool offers1024;
        plat::gfx::Size shownOn; // the display is put back before the box, or was never switched
    };
    const Case cases[] {
        { { 1280, 1024 }, false, { 1280, 1024 } },
        { { 1920, 1080 }, false, { 1920, 1080 } },
        { { 1920, 1080 }, true, { 1920, 1080 } },
    };
    for (const Case& c : cases) {
        fresh(c.screen.width, c.screen.height);
        if (!c.offers1024)
            display->recorded().setModes({ c.screen, { 800, 600 } });
        ASSERT_TRUE(start()) << "the window waits without the scoreboard";
        ASSERT_EQ(boxes.size(), 1u);
        expectCentred(boxes[0], c.shownOn);

        session->settle();
        const plat::gfx::Rect form = session->windows().screenRect(form1().hwnd());
        EXPECT_EQ(session->windows().screenSize(), c.shownOn);
        EXPECT_NEAR(form.left, c.shownOn.width - form.right, 1);
        EXPECT_NEAR(form.top, c.shownOn.height - form.bottom, 1);
        expectCentred({ session->windows().screenSize(), test_support::drawnArea(session->windows().screen()) }, c.shownOn);
        form1().unload();
        session->settle();
    }
}

} // namespace
} // namespace launcher::test
