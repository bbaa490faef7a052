#include "launcher_fixture.h"

namespace launcher::test {
namespace {

using plat::forms::MessageIcon;

const std::vector<std::string> kOk{ "确定" };

TEST_F(LauncherTest, ScreenSizes)
{
    struct Case {
        int width, height;
        bool passes;
    };
    const std::vector<Case> cases{
        { 1024, 768, true },
        { 1920, 1080, true },
        { 1280, 1024, true },
        { 1024, 600, false },
        { 800, 600, false },
        { 1023, 768, false },
        { 1280, 720, false },
        { 1920, 767, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        fs::remove_all(folder());
        fs::create_directory(folder());
        writeBytes(path("ball"), "stand-in");
        newSession();
        setScreen(c.width, c.height);
        seenBoxes.clear();
        started.clear();

        EXPECT_FALSE(start()) << "the launcher never waits with its window on either road";
        EXPECT_TRUE(session->windows().quitRequested());
        EXPECT_FALSE(form1().isLoaded());
        if (c.passes) {
            const std::string config = std::to_string(c.width) + "\r\n" + std::to_string(c.height) + "\r\n";
            EXPECT_TRUE(seenBoxes.empty());
            EXPECT_EQ(readBytes(path("config.ini")), config);
            EXPECT_EQ(display->changeRequests(), (std::vector<DisplaySize>{ { 1024, 768 } }));
            EXPECT_EQ(display->screenSize(), (DisplaySize{ 1024, 768 }));
            EXPECT_EQ(display->configAtChanges(), (std::vector<std::optional<std::string>>{ config }))
                << "config.ini holds the size from before the switch, and is written first";
            EXPECT_EQ(tree(), (std::vector<std::string>{ "ball", "config.ini", "date/", "display-switched" }))
                << "the switch is marked until the board puts the display back";
            EXPECT_EQ(started, (std::vector<fs::path>{ path("ball") }));
        } else {
            ASSERT_EQ(seenBoxes.size(), 1u);
            EXPECT_EQ(seenBoxes[0].text, kTooSmallText);
            EXPECT_EQ(seenBoxes[0].title, kTooSmallTitle);
            EXPECT_EQ(seenBoxes[0].icon, MessageIcon::Stop);
            EXPECT_EQ(seenBoxes[0].buttons, kOk);
            EXPECT_EQ(tree(), (std::vector<std::string>{ "ball" })) << "nothing is written";
            EXPECT_TRUE(display->changeRequests().empty());
            EXPECT_EQ(display->screenSize(), (DisplaySize{ c.width, c.height }));
            EXPECT_TRUE(started.empty());
            EXPECT_TRUE(treeOf(fontFolder()).empty());
        }
    }
}

TEST_F(LauncherTest, NormalRoadRunsEveryStepInOrderAndNeverShowsTheWindow)
{
    setScreen(1920, 1080);
    writeBytes(path("ball"), "stand-in");
    writeBytes(path("DS-DIGIB.ttf"), "clock font bytes");
    watchFontChanges();
    EXPECT_FALSE(start());
    EXPECT_EQ(events, (std::vector<std::string>{ "font registered", "font change 0 0", "started" }));
    EXPECT_EQ(readBytes(path("config.ini")), "1920\r\n1080\r\n");
    EXPECT_EQ(display->changeRequests(), (std::vector<DisplaySize>{ { 1024, 768 } }));
    EXPECT_EQ(readBytes(installedFont()), "clock font bytes");
    EXPECT_EQ(fontRegistrations, (std::vector<fs::path>{ installedFont() }));
    EXPECT_TRUE(fs::is_directory(path("date")));
    EXPECT_EQ(started, (std::vector<fs::path>{ path("ball") }));
    EXPECT_FALSE(form1().isLoaded());
    EXPECT_TRUE(session->windows().quitRequested());
    EXPECT_EQ(form1().caption(), "Form1");
}

// A board that holds the data folder, whoever started it (an earlier launcher, `ball` itself, a
// headless one): a launcher's own board could not run beside it, so the launcher leaves the
// display, config.ini and the mark as it finds them and starts nothing.
TEST_F(LauncherTest, ARunWhileABoardRunsLeavesEverythingAsItIs)
{
    setScreen(1920, 1080);
    writeBytes(path("ball"), "stand-in");
    EXPECT_FALSE(start());
    EXPECT_EQ(readBytes(path("config.ini")), "1920\r\n1080\r\n");
    plat::sys::SingleInstanceLock board = plat::sys::acquireProgramLock("ball");
    ASSERT_TRUE(board.acquired());
    const std::vector<std::string> afterFirst = tree();
    newSession();
    EXPECT_FALSE(start());
    EXPECT_EQ(tree(), afterFirst);
    EXPECT_EQ(readBytes(path("config.ini")), "1920\r\n1080\r\n");
    EXPECT_EQ(display->changeRequests(), (std::vector<DisplaySize>{ { 1024, 768 } })) << "only the first run switched";
    EXPECT_EQ(started.size(), 1u);
    EXPECT_TRUE(session->windows().quitRequested());

    // A board started directly on the larger display: nothing recorded, nothing switched.
    fs::remove_all(folder());
    fs::create_directory(folder());
    writeBytes(path("ball"), "stand-in");
    board = plat::sys::acquireProgramLock("ball");
    ASSERT_TRUE(board.acquired());
    newSession();
    setScreen(1920, 1080);
    started.clear();
    EXPECT_FALSE(start());
    EXPECT_EQ(tree(), (std::vector<std::string>{ "ball", "ball.lock" }));
    EXPECT_TRUE(display->changeRequests().empty());
    EXPECT_TRUE(started.empty());
}

TEST_F(LauncherTest, AConfigLeftFromARunWhoseSwitchWasPutBackIsReplaced)
{
    struct Case {
        int width, height;
        const char* before;
        const char* after;
    };
    const std::vector<Case> cases{
        // The earlier run's board put the display back and the display was set by hand since:
        // the exit must not switch to 1280 x 1024 now.
        { 1024, 768, "1280\r\n1024\r\n", "1024\r\n768\r\n" },
        { 1024, 768, "1920\r\n1080\r\n", "1024\r\n768\r\n" },
        { 1280, 1024, "1920\r\n1080\r\n", "1280\r\n1024\r\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        writeBytes(path("ball"), "stand-in");
        writeBytes(path("config.ini"), c.before);
        fs::remove(path("display-switched"));
        newSession();
        setScreen(c.width, c.height);
        EXPECT_FALSE(start());
        EXPECT_EQ(readBytes(path("config.ini")), c.after);
    }
}

TEST_F(LauncherTest, AnOlderConfigIsReplacedWhole)
{
    setScreen(1280, 1024);
    writeBytes(path("ball"), "stand-in");
    writeBytes(path("config.ini"), "1920\r\n1080\r\nsomething left over from before\r\n");
    EXPECT_FALSE(start());
    EXPECT_EQ(readBytes(path("config.ini")), "1280\r\n1024\r\n");
}

TEST_F(LauncherTest, AConfigThatCannotBeWrittenIsSkipped)
{
    setScreen(1920, 1080);
    writeBytes(path("ball"), "stand-in");
    writeBytes(path("config.ini/in the way"), "x"); // a folder of that name cannot be replaced by a file
    EXPECT_FALSE(start());
    EXPECT_TRUE(seenBoxes.empty());
    EXPECT_TRUE(fs::is_directory(path("config.ini")));
    EXPECT_EQ(display->changeRequests(), (std::vector<DisplaySize>{ { 1024, 768 } })) << "switched all the same";
    EXPECT_EQ(tree(), (std::vector<std::string>{ "ball", "config.ini/", "config.ini/in the way", "date/", "display-switched" }));
    EXPECT_EQ(started, (std::vector<fs::path>{ path("ball") }));
}

TEST_F(LauncherTest, ARefusedDisplayChangeIsNotLookedAt)
{
    setScreen(1280, 1024);
    display->recorded().setRefuseChanges(true);
    writeBytes(path("ball"), "stand-in");
    EXPECT_FALSE(start());
    EXPECT_TRUE(seenBoxes.empty());
    EXPECT_EQ(display->changeRequests(), (std::vector<DisplaySize>{ { 1024, 768 } }));
    EXPECT_EQ(display->screenSize(), (DisplaySize{ 1280, 1024 }));
    EXPECT_FALSE(fs::exists(path("display-switched"))) << "nothing was switched, nothing is to be put back";
    EXPECT_EQ(started, (std::vector<fs::path>{ path("ball") }));
}

TEST_F(LauncherTest, SecondCopyEndsSilently)
{
    plat::sys::SingleInstanceLock first = plat::sys::acquireProgramLock("main");
    ASSERT_TRUE(first.acquired());
    setScreen(800, 600); // would bring up a message if the run got that far
    writeBytes(path("DS-DIGIB.ttf"), "clock font bytes");
    EXPECT_FALSE(start());
    EXPECT_TRUE(seenBoxes.empty());
    EXPECT_EQ(tree(), (std::vector<std::string>{ "DS-DIGIB.ttf" }));
    EXPECT_TRUE(display->changeRequests().empty());
    EXPECT_TRUE(treeOf(fontFolder()).empty());
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(session->windows().quitRequested());
    EXPECT_FALSE(form1().isLoaded());
}

TEST_F(LauncherTest, TheLockLiesInTheDataFolderAndIsFreedAtTheEnd)
{
    writeBytes(path("ball"), "stand-in");
    EXPECT_FALSE(start());
    EXPECT_EQ(plat::sys::programLockPath("main"), path("main.lock"));
    EXPECT_TRUE(fs::is_regular_file(path("main.lock")));
    program.reset();
    EXPECT_TRUE(plat::sys::acquireProgramLock("main").acquired());
}

// What ships is taken from the program folder only: a `ball` and a clock font in the data folder
// are never run nor installed, and no copy of the font is made when its family is known already.
TEST_F(LauncherTest, TheShippedFilesComeFromTheProgramFolderNeverTheDataFolder)
{
    const fs::path programFolder = folder() / "program";
    writeBytes(programFolder / "ball", "the shipped scoreboard");
    writeBytes(path("ball"), "a program left in the data folder");
    writeBytes(path("DS-DIGIB.ttf"), "a font left in the data folder");
    LauncherServices own = services();
    own.programFolder = programFolder;
    program = std::make_unique<LauncherProgram>(std::move(own));
    EXPECT_FALSE(program->start());
    EXPECT_EQ(started, (std::vector<fs::path>{ programFolder / "ball" }));
    EXPECT_TRUE(treeOf(fontFolder()).empty()) << "no font ships in the program folder";

    for (bool known : { false, true }) {
        SCOPED_TRACE(known ? "the font package is installed" : "the font is not known");
        fs::remove_all(fontFolder());
        writeBytes(programFolder / "DS-DIGIB.ttf", "the shipped font");
        newSession();
        LauncherServices withFont = services();
        withFont.programFolder = programFolder;
        withFont.clockFontKnown = [known] { return known; };
        program = std::make_unique<LauncherProgram>(std::move(withFont));
        EXPECT_FALSE(program->start());
        EXPECT_EQ(treeOf(fontFolder()), known ? std::vector<std::string>{} : std::vector<std::string>{ "DS-DIGIB.ttf" });
    }
}

TEST_F(LauncherTest, ClockFont)
{
    struct Case {
        const char* name;
        bool shipped;             // DS-DIGIB.ttf in the program folder
        const char* installed;    // what the font folder holds already, if anything
        std::vector<std::string> fontFolderAfter;
        const char* installedBytes;
        bool registeredAndBroadcast;
    };
    const std::vector<Case> cases{
        { "missing from the font folder", true, nullptr, { "DS-DIGIB.ttf" }, "shipped font", true },
        { "present in the font folder", true, "older font", { "DS-DIGIB.ttf" }, "older font", false },
        { "present, nothing shipped", false, "older font", { "DS-DIGIB.ttf" }, "older font", false },
        // The copy fails and is skipped; the statements after it still run.
        { "not shipped", false, nullptr, {}, nullptr, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder());
        fs::create_directory(folder());
        fs::remove_all(fontFolder());
        writeBytes(path("ball"), "stand-in");
        if (c.shipped)
            writeBytes(path("DS-DIGIB.ttf"), "shipped font");
        if (c.installed)
            writeBytes(installedFont(), c.installed);
        newSession();
        events.clear();
        fontRegistrations.clear();
        watchFontChanges();

        EXPECT_FALSE(start());
        EXPECT_EQ(treeOf(fontFolder()), c.fontFolderAfter);
        if (c.installedBytes) {
            EXPECT_EQ(readBytes(installedFont()), c.installedBytes);
        }
        if (c.registeredAndBroadcast) {
            EXPECT_EQ(fontRegistrations, (std::vector<fs::path>{ installedFont() }));
            EXPECT_EQ(events, (std::vector<std::string>{ "font registered", "font change 0 0", "started" }));
        } else {
            EXPECT_TRUE(fontRegistrations.empty());
            EXPECT_EQ(events, (std::vector<std::string>{ "started" })) << "no copy, no registration, no broadcast";
        }
        if (c.shipped) {
            EXPECT_EQ(readBytes(path("DS-DIGIB.ttf")), "shipped font");
        }
    }
}

TEST_F(LauncherTest, TheFontChangeReachesEveryTopLevelWindow)
{
    writeBytes(path("ball"), "stand-in");
    writeBytes(path("DS-DIGIB.ttf"), "shipped font");
    watchFontChanges();
    watchFontChanges();
    EXPECT_FALSE(start());
    EXPECT_EQ(std::count(events.begin(), events.end(), "font change 0 0"), 2);
}

TEST_F(LauncherTest, DataFolder)
{
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::vector<std::string> treeAfter;
    };
    const std::vector<Case> cases{
        { "missing", [] {}, { "ball", "config.ini", "date/", "display-switched" } },
        { "a folder with files", [this] { writeBytes(path("date/config.db"), "allname=Cup\r\n"); },
            { "ball", "config.ini", "date/", "date/config.db", "display-switched" } },
        { "a file of that name", [this] { writeBytes(path("date"), "not a folder"); },
            { "ball", "config.ini", "date", "display-switched" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder());
        fs::create_directory(folder());
        writeBytes(path("ball"), "stand-in");
        c.arrange();
        newSession();
        started.clear();
        EXPECT_FALSE(start());
        EXPECT_EQ(tree(), c.treeAfter);
        EXPECT_EQ(started.size(), 1u);
    }
    EXPECT_EQ(readBytes(path("date")), "not a folder");
}

TEST_F(LauncherTest, AScoreboardThatWillNotStartIsToldAndTheDisplayGoesBack)
{
    setScreen(1920, 1080);
    startResult = false;
    writeBytes(path("ball"), "not a program");
    EXPECT_TRUE(start()) << "the window waits, as without the program";
    ASSERT_EQ(seenBoxes.size(), 1u);
    EXPECT_EQ(seenBoxes[0].text, kBallMissingText);
    EXPECT_EQ(seenBoxes[0].title, kBallMissingTitle);
    EXPECT_EQ(seenBoxes[0].icon, MessageIcon::Stop);
    EXPECT_EQ(seenBoxes[0].buttons, kOk);
    EXPECT_EQ(seenBoxes[0].changesSoFar, (std::vector<DisplaySize>{ { 1024, 768 }, { 1920, 1080 } }))
        << "the display is back before the box";
    EXPECT_EQ(display->screenSize(), (DisplaySize{ 1920, 1080 }));
    EXPECT_FALSE(fs::exists(path("display-switched"))) << "the display is back: nothing is left to put back";
    EXPECT_EQ(started.size(), 1u);
    EXPECT_TRUE(form1().visible());
    EXPECT_FALSE(session->windows().quitRequested());
}

// A run that finds the display still switched by an earlier one (its board killed) and whose own
// board cannot start leaves the display switched and the earlier switch marked, so that the next
// run still keeps the size to go back to.
TEST_F(LauncherTest, AScoreboardThatWillNotStartAfterAnUnrestoredSwitchKeepsItMarked)
{
    setScreen(1024, 768);
    writeBytes(path("config.ini"), "1920\r\n1080\r\n");
    writeBytes(path("display-switched"), "");
    writeBytes(path("ball"), "not a program");
    startResult = false;
    EXPECT_TRUE(start());
    ASSERT_EQ(seenBoxes.size(), 1u);
    EXPECT_EQ(display->screenSize(), (DisplaySize{ 1024, 768 }));
    EXPECT_EQ(readBytes(path("config.ini")), "1920\r\n1080\r\n");
    EXPECT_TRUE(fs::is_regular_file(path("display-switched")));
}

// Without the scoreboard program the second message comes after all earlier steps, and the empty
// window then waits for a double click.
class ScoreboardMissingTest : public LauncherTest {
protected:
    void SetUp() override
    {
        LauncherTest::SetUp();
        setScreen(1920, 1080);
        writeBytes(path("DS-DIGIB.ttf"), "shipped font");
    }

    plat::gfx::Point formPoint()
    {
        plat::gfx::Rect r = plat::win::GetScreenRect(form1().hwnd());
        return { r.left + r.width() / 2, r.top + r.height() / 2 };
    }
};

TEST_F(ScoreboardMissingTest, TheMessageComesAfterEveryEarlierStep)
{
    watchFontChanges();
    EXPECT_TRUE(start());
    ASSERT_EQ(seenBoxes.size(), 1u);
    const SeenBox& box = seenBoxes[0];
    EXPECT_EQ(box.text, kBallMissingText);
    EXPECT_EQ(box.title, kBallMissingTitle);
    EXPECT_EQ(box.icon, MessageIcon::Stop);
    EXPECT_EQ(box.buttons, kOk);
    EXPECT_EQ(box.tree, (std::vector<std::string>{ "DS-DIGIB.ttf", "config.ini", "date/" }));
    EXPECT_EQ(box.changesSoFar, (std::vector<DisplaySize>{ { 1024, 768 }, { 1920, 1080 } }))
        << "no board will put the display back: it is back before the box";
    EXPECT_EQ(box.fontFolder, (std::vector<std::string>{ "DS-DIGIB.ttf" }));
    EXPECT_EQ(events, (std::vector<std::string>{ "font registered", "font change 0 0", "message" }));
    EXPECT_EQ(readBytes(path("config.ini")), "1920\r\n1080\r\n");
    EXPECT_TRUE(started.empty());
}

TEST_F(ScoreboardMissingTest, TheEmptyWindowStaysUntilDoubleClicked)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(form1().visible());
    EXPECT_EQ(form1().caption(), "Form1");
    session->settle();
    EXPECT_EQ(session->backend().title(), "Form1") << "the title the desktop shows";
    EXPECT_TRUE(form1().controls().empty());
    EXPECT_FALSE(session->windows().quitRequested());

    session->advance(60000);
    const plat::gfx::Point p = formPoint();
    session->click(p.x, p.y);
    session->advance(1000);
    EXPECT_TRUE(form1().visible()) << "a single click does not close it";
    EXPECT_FALSE(session->windows().quitRequested());

    session->click(p.x, p.y);
    session->click(p.x, p.y);
    EXPECT_FALSE(form1().isLoaded());
    EXPECT_TRUE(session->windows().quitRequested());
    EXPECT_EQ(seenBoxes.size(), 1u);
}

TEST_F(ScoreboardMissingTest, ClosingTheWindowEndsTheLauncherToo)
{
    ASSERT_TRUE(start());
    form1().close();
    EXPECT_FALSE(form1().isLoaded());
    EXPECT_TRUE(session->windows().quitRequested());
}

TEST_F(ScoreboardMissingTest, ASecondCopyEndsSilentlyWhileTheWindowWaits)
{
    ASSERT_TRUE(start());
    const std::vector<std::string> before = tree();
    fs::remove(path("config.ini"));

    std::unique_ptr<LauncherProgram> second = std::make_unique<LauncherProgram>(services());
    EXPECT_FALSE(second->start());
    EXPECT_EQ(seenBoxes.size(), 1u) << "only the first copy's message";
    EXPECT_FALSE(fs::exists(path("config.ini"))) << "the second copy wrote nothing";
    EXPECT_EQ(display->changeRequests().size(), 2u) << "the first copy's switch and its way back";
    EXPECT_FALSE(second->form().isLoaded());
    second.reset();

    EXPECT_TRUE(form1().visible()) << "the first copy still waits";
    EXPECT_TRUE(plat::sys::acquireProgramLock("main").heldByAnother());
}

} // namespace
} // namespace launcher::test
