// The delivered program as a user meets it: the build's program folder, an install into a
// temporary prefix, and the Debian package. These run the real programs on the real clock.
#include "delivery_fixture.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace delivery {
namespace {

const fs::path kProgramFolder = BALL_PROGRAM_FOLDER;

const std::vector<std::string> kSounds = { "sound/2.wav", "sound/bell.wav", "sound/comm.wav", "sound/nbaa.wav",
    "sound/nbaf.wav", "sound/nbai.wav", "sound/timer.wav", "sound/yes.wav" };

bool displayToolsPresent() { return ::access("/usr/bin/Xvfb", X_OK) == 0 && ::access("/usr/bin/xdotool", X_OK) == 0; }

#define REQUIRE_DISPLAY_TOOLS()                                                                    \
    if (!displayToolsPresent())                                                                    \
    GTEST_SKIP() << "Xvfb and xdotool are needed (scripts/setup.sh installs them)"

// What the build lays out: the programs with everything they read.
TEST_F(DeliveryTest, TheBuildLaysOutOneCompleteProgramFolder)
{
    for (const char* file : { "ball", "main", "own-data-folder", "DS-DIGIB.ttf", "DS-DIGIB-LICENSE.txt", "resources/forms/main.json",
             "resources/forms/m1.json", "resources/forms/m6.json", "resources/img/court.png", "resources/img/bounce.gif",
             "resources/img/logo.png" })
        EXPECT_TRUE(fs::is_regular_file(kProgramFolder / file)) << file;
    for (const std::string& sound : kSounds)
        EXPECT_TRUE(fs::is_regular_file(kProgramFolder / sound)) << sound;
}

// A stored layout damaged in the program folder ends the built ball with its name, as a failure.
TEST_F(DeliveryTest, ADamagedLayoutEndsTheBuiltBallNamingTheFileWithAFailure)
{
    const fs::path resources = scratch("resources");
    fs::copy(kProgramFolder / "resources", resources, fs::copy_options::recursive);
    writeFile(resources / "forms/m3.json", "{ \"form\": ");
    Environment env = userEnvironment();
    env.set("BALL_HOME", scratch("home").string()).set("BALL_RESOURCES", resources.string()).set("BALL_BACKEND", "headless");
    ChildProcess ball({ (kProgramFolder / "ball").string() }, env, scratch("ball.err").string());
    ASSERT_TRUE(ball.started());
    EXPECT_EQ(ball.waitFor(kGenerousDeadline), std::optional<int>(1));
    const std::string said = readFile(scratch("ball.err"));
    EXPECT_NE(said.find((resources / "forms/m3.json").string()), std::string::npos) << said;
}

// Started where there is no display, the built ball says so and runs on without one (SDL alone
// would take its offscreen driver and show nothing, silently).
TEST_F(DeliveryTest, TheBuiltBallWithoutADisplaySaysItRunsWithoutOne)
{
    Environment env = userEnvironment();
    env.remove("SDL_VIDEODRIVER").remove("WAYLAND_DISPLAY").set("SDL_AUDIODRIVER", "dummy").set("BALL_HOME", scratch("home").string());
    ChildProcess ball({ (kProgramFolder / "ball").string() }, env, scratch("ball.err").string());
    ASSERT_TRUE(ball.started());
    const std::string told = "ball: running without a display (DISPLAY is not set)\n";
    EXPECT_TRUE(eventually("the message without a display",
        [&] { return !ball.running() || readFile(scratch("ball.err")).find(told) != std::string::npos; }));
    EXPECT_NE(readFile(scratch("ball.err")).find(told), std::string::npos) << readFile(scratch("ball.err"));
    EXPECT_TRUE(ball.running()) << "it runs on, without a display";
    ball.stop();
}

// What an operator must hear: F5's attack signal and the bell at the end of a period.
void expectF5AndTheBellHeard(const Heard& heard)
{
    EXPECT_GT(heard.f5.seconds, 1.0) << "the attack signal of F5 lasts about 1.5 s";
    EXPECT_GT(heard.f5.level.rms, 1000) << "F5 is heard, not a murmur";
    EXPECT_GT(heard.horn.seconds, 1.2) << "the bell at 0.0 lasts about 1.5 s";
    EXPECT_GT(heard.horn.level.rms, 1000) << "the bell is heard, not a murmur";
}

TEST_F(DeliveryTest, TheBuiltBallOnAFreshHomeGetsItsSoundsAndPlaysF5AndTheBell)
{
    REQUIRE_DISPLAY_TOOLS();
    const fs::path home = scratch("home");
    writeShortPeriodSettings(home);
    expectF5AndTheBellHeard(playOnTheBoard({ (kProgramFolder / "ball").string() }, userEnvironment().set("BALL_HOME", home.string()), true));
    for (const std::string& sound : kSounds)
        EXPECT_EQ(readFile(home / sound), readFile(kProgramFolder / sound)) << sound;
    EXPECT_EQ(readFile(scratch("ball.err")).find("missing"), std::string::npos) << readFile(scratch("ball.err"));
}

TEST_F(DeliveryTest, TheBuiltBallInItsOwnFolderPlaysF5AndTheBell)
{
    REQUIRE_DISPLAY_TOOLS();
    // The short period goes into the build's own settings for this run only.
    const KeptFiles kept({ kProgramFolder / "date/config.db", kProgramFolder / "date/system.db" });
    writeShortPeriodSettings(kProgramFolder);
    expectF5AndTheBellHeard(playOnTheBoard({ (kProgramFolder / "ball").string() }, userEnvironment(), true));
    EXPECT_TRUE(fs::is_regular_file(kProgramFolder / "date/keyconfig.db")) << "the program folder is its own";
    EXPECT_FALSE(fs::exists(scratch("data/scoreboard"))) << "a folder the user may write is not moved";
}

// An install into a prefix of the test's own, run from there with nothing pointing back: no
// variable names the build's resources or the source tree, and (where the machine allows it) both
// trees are out of its reach.
class InstalledProgramTest : public DeliveryTest {
protected:
    void SetUp() override
    {
        DeliveryTest::SetUp();
        prefix = scratch("prefix");
        // cmake --install writes its manifest into the build tree: one install at a time, and the
        // manifest read before the next one overwrites it.
        const int installing = ::open((fs::path(BALL_BUILD_DIR) / "install-test.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(installing, 0);
        ::flock(installing, LOCK_EX);
        const int installStatus = runToEnd({ "/usr/bin/cmake", "--install", BALL_BUILD_DIR, "--prefix", prefix.string(), "--strip" });
        manifest = readFile(fs::path(BALL_BUILD_DIR) / "install_manifest.txt");
        ::close(installing);
        ASSERT_EQ(installStatus, 0);
        folder = prefix / BALL_INSTALL_DIR;
        ball = installed({ (folder / "ball").string() });
    }
    // `command`, with the source and build trees out of its reach where the machine allows it.
    static std::vector<std::string> installed(const std::vector<std::string>& command)
    {
        if (treesCanBeHidden())
            return outOfReachOfTheTrees(command);
        std::printf("the source and build trees stay within reach: this machine cannot hide them\n");
        return command;
    }
    fs::path prefix, folder;
    std::string manifest; // the manifest of this install
    std::vector<std::string> ball; // the installed ball
};

#define REQUIRE_TREES_OUT_OF_REACH()                                                               \
    if (!treesCanBeHidden())                                                                       \
    GTEST_SKIP() << "the trees cannot be hidden here (unshare needs root or user namespaces)"

TEST_F(InstalledProgramTest, LaysOutTheSameProgramFolderWithCommandsAndADesktopEntry)
{
    std::vector<std::string> built = filesBelow(kProgramFolder);
    std::erase_if(built, [](const std::string& name) {
        // What the build's own runs left there, the test driver and the mark of a build's own
        // data folder, which are not installed.
        return name == "ball-drive" || name == "own-data-folder" || name.rfind("date/", 0) == 0 || name.rfind("binlist/", 0) == 0 || name == "config.ini"
            || name == "display-switched"
            || name.rfind("music/", 0) == 0 || name.rfind("img/", 0) == 0 || name.ends_with(".lock");
    });
    EXPECT_EQ(filesBelow(folder), built);
    EXPECT_FALSE(fs::exists(folder / "own-data-folder")) << "an installed program folder keeps no data";
    EXPECT_EQ(fs::read_symlink(prefix / "bin/ball"), fs::path("../" BALL_INSTALL_DIR "/ball"));
    EXPECT_TRUE(fs::is_regular_file(prefix / "bin/scoreboard")) << "the launcher's command";
    const std::string desktop = readFile(prefix / "share/applications/scoreboard.desktop");
    EXPECT_NE(desktop.find("Exec=scoreboard\n"), std::string::npos) << "the launcher's command: " << desktop;
    EXPECT_NE(desktop.find("Icon=scoreboard\n"), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(prefix / "share/icons/hicolor/32x32/apps/scoreboard.png"));
    // The manual pages name the program folder where this install put it.
    for (const char* page : { "share/man/man1/ball.1", "share/man/man1/scoreboard.1" }) {
        const std::string text = readFile(prefix / page);
        EXPECT_NE(text.find(".I " + folder.string()), std::string::npos) << page << ":\n" << text;
        EXPECT_EQ(text.find('@'), std::string::npos) << page << " keeps a placeholder";
    }
    // Everything installed is in the install's manifest, the commands and the desktop entry too.
    for (const char* file : { "bin/ball", "bin/scoreboard", "share/applications/scoreboard.desktop", "share/man/man1/ball.1" })
        EXPECT_NE(manifest.find((prefix / file).string() + "\n"), std::string::npos) << file << "\n" << manifest;
    // Nothing in what was installed knows where the source tree or the build tree is.
    for (const std::string& name : filesBelow(prefix)) {
        const std::string bytes = readFile(prefix / name);
        EXPECT_EQ(bytes.find(BALL_SOURCE_DIR "/"), std::string::npos) << name;
        EXPECT_EQ(bytes.find(BALL_BUILD_DIR "/"), std::string::npos) << name;
    }
}

// Installed into a folder this user may write (as root installs it): the data go to the user's
// data home all the same, and nothing is written into the installed folder.
TEST_F(InstalledProgramTest, ComesUpWithTheTreesOutOfReachAndKeepsItsDataInTheUsersDataHome)
{
    REQUIRE_TREES_OUT_OF_REACH();
    ASSERT_EQ(::access(folder.c_str(), W_OK), 0);
    Environment env = userEnvironment();
    env.set("BALL_BACKEND", "headless").set("SDL_VIDEODRIVER", "dummy");
    ChildProcess program(ball, env, scratch("ball.err").string());
    ASSERT_TRUE(program.started());
    const fs::path data = scratch("data/scoreboard");
    EXPECT_TRUE(eventually("the data folder made", [&] { return !program.running() || fs::is_directory(data / "music"); }));
    EXPECT_TRUE(program.running()) << readFile(scratch("ball.err"));
    program.stop();
    for (const char* file : { "date/config.db", "date/keyconfig.db", "date/system.db", "sound/yes.wav", "ball.lock" })
        EXPECT_TRUE(fs::is_regular_file(data / file)) << file;
    EXPECT_TRUE(fs::is_directory(data / "binlist"));
    for (const char* file : { "date", "binlist", "img", "music", "ball.lock" })
        EXPECT_FALSE(fs::exists(folder / file)) << file << ": nothing is written into the installed folder";
    EXPECT_EQ(readFile(scratch("ball.err")).find("layout"), std::string::npos) << readFile(scratch("ball.err"));
}

TEST_F(InstalledProgramTest, PlaysF5AndTheBell)
{
    REQUIRE_DISPLAY_TOOLS();
    writeShortPeriodSettings(scratch("data/scoreboard"));
    expectF5AndTheBellHeard(playOnTheBoard(ball, userEnvironment(), true));
    EXPECT_EQ(readFile(scratch("ball.err")).find("missing"), std::string::npos) << readFile(scratch("ball.err"));
}

// Installed for every user of the machine: the folder belongs to root, and another user runs it.
class InstalledForEveryUserTest : public InstalledProgramTest {
protected:
    static constexpr uid_t kNobody = 65534;

    void SetUp() override
    {
        InstalledProgramTest::SetUp();
        if (::geteuid() != 0)
            GTEST_SKIP() << "running the programs as another user needs root";
    }

    fs::path user() const { return scratch("user"); }
    fs::path userData() const { return user() / "data/scoreboard"; }

    // The session of nobody, with a home, a runtime folder and a sound output of its own; what
    // the test has put below user() so far becomes nobody's.
    Environment userSession()
    {
        fs::create_directories(user() / "run");
        ::chmod(scratch(".").c_str(), 0755);
        ::chmod((user() / "run").c_str(), 0700);
        writeFile(audioFile(), "");
        for (const auto& entry : fs::recursive_directory_iterator(user()))
            EXPECT_EQ(::chown(entry.path().c_str(), kNobody, kNobody), 0);
        EXPECT_EQ(::chown(user().c_str(), kNobody, kNobody), 0);
        EXPECT_EQ(::chown(audioFile().c_str(), kNobody, kNobody), 0);
        Environment env = userEnvironment();
        env.set("HOME", user().string())
            .set("XDG_DATA_HOME", (user() / "data").string())
            .set("XDG_RUNTIME_DIR", (user() / "run").string());
        return env;
    }

    // `program` of the installed folder run by nobody, the trees out of reach.
    std::vector<std::string> asTheUser(const char* program) const
    {
        return installed({ "/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--",
            (folder / program).string() });
    }
};

// The user's data folders and sounds go to the user's data home, and the board sounds there.
TEST_F(InstalledForEveryUserTest, KeepsTheDataInTheUsersDataHomeAndPlaysF5AndTheBell)
{
    REQUIRE_DISPLAY_TOOLS();
    writeShortPeriodSettings(userData());
    const Environment env = userSession();
    expectF5AndTheBellHeard(playOnTheBoard(asTheUser("ball"), env, true));
    for (const char* file : { "date/config.db", "date/keyconfig.db", "date/system.db" })
        EXPECT_TRUE(fs::is_regular_file(userData() / file)) << file;
    for (const std::string& sound : kSounds)
        EXPECT_EQ(readFile(userData() / sound), readFile(folder / sound)) << sound;
    EXPECT_FALSE(fs::exists(folder / "date")) << "nothing is written into the installed folder";
    EXPECT_EQ(readFile(scratch("ball.err")).find("layout"), std::string::npos) << readFile(scratch("ball.err"));
}

// Whether fontconfig knows the clock font's family here (fonts-dseg is installed).
bool clockFontKnown() { return runToEnd({ "/bin/sh", "-c", "fc-list 'DSEG7 Classic' | grep -q ." }) == 0; }

// The pid of a running process whose program is `executable`, or 0.
pid_t runningProgram(const fs::path& executable)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        if (fs::read_symlink(entry.path() / "exe", error) == executable)
            return pid_t(std::stoi(name));
    }
    return 0;
}

// The desktop entry's command: the launcher records the screen in the user's data home, installs
// the clock font for the user when no font package gives it, and starts the installed ball, then
// ends.
TEST_F(InstalledForEveryUserTest, TheLauncherStartsTheInstalledBall)
{
    REQUIRE_DISPLAY_TOOLS();
    XvfbDisplay display;
    ASSERT_TRUE(display.running());
    Environment env = userSession();
    env.set("DISPLAY", display.name()).set("SDL_VIDEODRIVER", "x11");
    ChildProcess launcher(asTheUser("main"), env, scratch("main.err").string());
    ASSERT_TRUE(launcher.started());
    EXPECT_EQ(launcher.waitFor(kGenerousDeadline), std::optional<int>(0)) << readFile(scratch("main.err"));
    pid_t ball = 0;
    EXPECT_TRUE(eventually("the installed ball running", [&] { return (ball = runningProgram(folder / "ball")) != 0; }))
        << readFile(scratch("main.err"));
    // The board is loaded, the settings with it, once the files of the program folder are there.
    EXPECT_TRUE(eventually("the settings written", [&] { return fs::is_regular_file(userData() / "date/system.db"); }));
    EXPECT_TRUE(fs::is_regular_file(userData() / "config.ini"));
    if (clockFontKnown())
        EXPECT_FALSE(fs::exists(user() / "data/fonts/DS-DIGIB.ttf")) << "the font package gives the clock font";
    else
        EXPECT_TRUE(fs::is_regular_file(user() / "data/fonts/DS-DIGIB.ttf")) << "the clock font, for this user";
    EXPECT_FALSE(fs::exists(folder / "config.ini")) << "nothing is written into the installed folder";
    if (ball) {
        ::kill(ball, SIGTERM);
        if (!test_support::waitUntil([&] { return runningProgram(folder / "ball") != ball; }))
            ::kill(ball, SIGKILL);
    }
}

TEST_F(InstalledProgramTest, OnARelativeBallHomeTheDataStaysWhereItWasNamed)
{
    Environment env = userEnvironment();
    env.set("BALL_BACKEND", "headless").set("SDL_VIDEODRIVER", "dummy").set("BALL_HOME", "home");
    fs::create_directories(scratch("work/home"));
    const fs::path before = fs::current_path();
    fs::current_path(scratch("work"));
    ChildProcess program(ball, env, scratch("ball.err").string());
    fs::current_path(before);
    ASSERT_TRUE(program.started());
    const auto written = [&] {
        return fs::is_regular_file(scratch("work/home/date/config.db")) && fs::is_regular_file(scratch("work/home/sound/yes.wav"));
    };
    EXPECT_TRUE(eventually("the settings and the sounds written", [&] { return !program.running() || written(); }));
    program.stop();
    EXPECT_TRUE(fs::is_regular_file(scratch("work/home/date/config.db")));
    EXPECT_TRUE(fs::is_regular_file(scratch("work/home/sound/yes.wav")));
}

// The Debian package: what it holds and what it needs, made from a build tree it may only read,
// and what lintian says of it.
TEST_F(DeliveryTest, ThePackageHoldsTheProgramFolderItsCommandsAndItsDesktopEntry)
{
    if (::access("/usr/bin/dpkg-deb", X_OK) != 0)
        GTEST_SKIP() << "dpkg-deb is not there";
    Environment env;
    env.set("BUILD_DIR", BALL_BUILD_DIR).set("OUT_DIR", scratch("deb").string());
    std::vector<std::string> package = { BALL_SOURCE_DIR "/scripts/package.sh" };
    if (buildTreeCanBeMadeReadOnly())
        package = readOnlyBuildTree(package);
    else
        std::printf("the build tree stays writable: this machine cannot mount it read-only\n");
    ASSERT_EQ(runToEnd(package, env), 0);
    std::vector<fs::path> packages;
    for (const auto& entry : fs::directory_iterator(scratch("deb")))
        packages.push_back(entry.path());
    ASSERT_EQ(packages.size(), 1u);
    const std::string deb = packages[0].string();
    const std::string contents = commandOutput("dpkg-deb -c '" + deb + "'");
    for (const char* path : { "./usr/lib/scoreboard/ball", "./usr/lib/scoreboard/main", "./usr/lib/scoreboard/sound/yes.wav",
             "./usr/lib/scoreboard/resources/forms/m1.json", "./usr/lib/scoreboard/resources/img/court.png",
             "./usr/share/applications/scoreboard.desktop", "./usr/share/icons/hicolor/32x32/apps/scoreboard.png",
             "./usr/share/man/man1/ball.1.gz", "./usr/share/man/man1/scoreboard.1.gz", "./usr/share/doc/scoreboard/copyright",
             "./usr/share/doc/scoreboard/changelog.gz", "./usr/bin/ball -> ../lib/scoreboard/ball",
             "./usr/bin/scoreboard -> ../lib/scoreboard/main",
             // The clock font is the font package's own, not a second copy.
             "./usr/lib/scoreboard/DS-DIGIB.ttf -> ../../share/fonts/truetype/dseg/DSEG7Classic-Bold.ttf" })
        EXPECT_NE(contents.find(path), std::string::npos) << path << "\n" << contents;
    EXPECT_EQ(contents.find("DS-DIGIB-LICENSE.txt"), std::string::npos) << "the font's licence is in the copyright file";
    const std::string depends = commandOutput("dpkg-deb -f '" + deb + "' Depends");
    for (const char* dependency : { "libsdl2-2.0-0", "libsdl2-image-2.0-0", "libfreetype6", "libfontconfig1", "libgstreamer1.0-0",
             "libxrandr2", "gstreamer1.0-plugins-base", "gstreamer1.0-plugins-good", "fonts-noto-cjk", "fonts-arphic-uming",
             "fonts-wqy-microhei", "fonts-liberation2", "fonts-dseg" })
        EXPECT_NE(depends.find(dependency), std::string::npos) << dependency << ": " << depends;
    EXPECT_EQ(commandOutput("dpkg-deb -f '" + deb + "' Section"), "misc\n");
    // Its manual pages name its program folder.
    for (const char* page : { "ball.1.gz", "scoreboard.1.gz" }) {
        const std::string text = commandOutput("dpkg-deb --fsys-tarfile '" + deb + "' | tar -xO ./usr/share/man/man1/" + page + " | gzip -dc");
        EXPECT_NE(text.find(".I /usr/lib/scoreboard"), std::string::npos) << page << ":\n" << text;
    }
    EXPECT_EQ(commandOutput("dpkg-deb -f '" + deb + "' Maintainer").find("@localhost"), std::string::npos);

    if (::access("/usr/bin/lintian", X_OK) != 0)
        GTEST_SKIP() << "lintian is not there (scripts/setup.sh installs it)";
    // Nothing at all, its notes and pedantic remarks included: the programs built with Debian's
    // hardening and stripped as Debian strips them, the desktop entry complete, and the pictures in
    // the program folder overridden with the reason.
    // (Standard error may say that it runs as root.)
    EXPECT_EQ(commandOutput("lintian -I --pedantic --fail-on error,warning,info,pedantic '" + deb + "' 2>/dev/null; echo \"status $?\""),
        "status 0\n");
}

} // namespace
} // namespace delivery
