// The delivered program as a user meets it: the build's program folder, an install into a
// temporary prefix, and the Debian package. These run the real programs on the real clock.
#include "delivery_fixture.h"

#include <cstdio>

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
    for (const char* file : { "ball", "main", "DS-DIGIB.ttf", "DS-DIGIB-LICENSE.txt", "resources/forms/main.json",
             "resources/forms/m1.json", "resources/forms/m6.json", "resources/img/court.png", "resources/img/bounce.gif",
             "resources/img/logo.png" })
        EXPECT_TRUE(fs::is_regular_file(kProgramFolder / file)) << file;
    for (const std::string& sound : kSounds)
        EXPECT_TRUE(fs::is_regular_file(kProgramFolder / sound)) << sound;
}

TEST_F(DeliveryTest, TheBuiltBallOnAFreshHomeGetsItsSoundsAndPlaysF5AndTheBell)
{
    REQUIRE_DISPLAY_TOOLS();
    const fs::path home = scratch("home");
    writeShortPeriodSettings(home);
    Heard heard = playOnTheBoard(kProgramFolder / "ball", userEnvironment().set("BALL_HOME", home.string()), true);
    EXPECT_GT(heard.afterF5, 1.0) << "the attack signal of F5 lasts about 1.5 s";
    EXPECT_GT(heard.longestInPeriod, 1.2) << "the bell at 0.0 lasts about 1.5 s";
    for (const std::string& sound : kSounds)
        EXPECT_EQ(readFile(home / sound), readFile(kProgramFolder / sound)) << sound;
    EXPECT_EQ(readFile(scratch("ball.err")).find("missing"), std::string::npos) << readFile(scratch("ball.err"));
}

TEST_F(DeliveryTest, TheBuiltBallInItsOwnFolderPlaysF5)
{
    REQUIRE_DISPLAY_TOOLS();
    Heard heard = playOnTheBoard(kProgramFolder / "ball", userEnvironment(), false);
    EXPECT_GT(heard.afterF5, 1.0);
    EXPECT_TRUE(fs::is_regular_file(kProgramFolder / "date/config.db")) << "the program folder is its own";
}

// An install into a prefix of the test's own, run from there with nothing pointing back.
class InstalledProgramTest : public DeliveryTest {
protected:
    void SetUp() override
    {
        DeliveryTest::SetUp();
        prefix = scratch("prefix");
        ASSERT_EQ(runToEnd({ "/usr/bin/cmake", "--install", BALL_BUILD_DIR, "--prefix", prefix.string(), "--strip" }), 0);
        folder = prefix / BALL_INSTALL_DIR;
    }
    fs::path prefix, folder;
};

TEST_F(InstalledProgramTest, LaysOutTheSameProgramFolderWithCommandsAndADesktopEntry)
{
    std::vector<std::string> built = filesBelow(kProgramFolder);
    std::erase_if(built, [](const std::string& name) {
        // What the build's own runs left there, and the test driver that is not installed.
        return name == "ball-drive" || name.rfind("date/", 0) == 0 || name.rfind("binlist/", 0) == 0 || name == "config.ini"
            || name.rfind("music/", 0) == 0 || name.rfind("img/", 0) == 0 || name.ends_with(".lock");
    });
    EXPECT_EQ(filesBelow(folder), built);
    EXPECT_EQ(fs::read_symlink(prefix / "bin/ball"), fs::path("../" BALL_INSTALL_DIR "/ball"));
    EXPECT_TRUE(fs::is_regular_file(prefix / "bin/scoreboard")) << "the launcher's command";
    const std::string desktop = readFile(prefix / "share/applications/scoreboard.desktop");
    EXPECT_NE(desktop.find("Exec=" + folder.string() + "/main\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("Icon=scoreboard\n"), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(prefix / "share/icons/hicolor/32x32/apps/scoreboard.png"));
    // Nothing in what was installed knows where the source tree is.
    for (const std::string& name : filesBelow(prefix))
        EXPECT_EQ(readFile(prefix / name).find(BALL_SOURCE_DIR "/"), std::string::npos) << name;
}

TEST_F(InstalledProgramTest, ComesUpHeadlessAndKeepsItsDataInItsFolder)
{
    Environment env = userEnvironment();
    env.set("BALL_BACKEND", "headless").set("SDL_VIDEODRIVER", "dummy");
    ChildProcess program({ (folder / "ball").string() }, env, scratch("ball.err").string());
    ASSERT_TRUE(program.started());
    sleepFor(4000ms);
    EXPECT_TRUE(program.running()) << readFile(scratch("ball.err"));
    program.stop();
    for (const char* file : { "date/config.db", "date/keyconfig.db", "date/system.db" })
        EXPECT_TRUE(fs::is_regular_file(folder / file)) << file;
    EXPECT_TRUE(fs::is_directory(folder / "binlist"));
    EXPECT_EQ(readFile(scratch("ball.err")).find("layout"), std::string::npos) << readFile(scratch("ball.err"));
}

TEST_F(InstalledProgramTest, PlaysF5AndTheBell)
{
    REQUIRE_DISPLAY_TOOLS();
    writeShortPeriodSettings(folder);
    Heard heard = playOnTheBoard(folder / "ball", userEnvironment(), true);
    EXPECT_GT(heard.afterF5, 1.0);
    EXPECT_GT(heard.longestInPeriod, 1.2);
}

TEST_F(InstalledProgramTest, OnARelativeBallHomeTheDataStaysWhereItWasNamed)
{
    Environment env = userEnvironment();
    env.set("BALL_BACKEND", "headless").set("SDL_VIDEODRIVER", "dummy").set("BALL_HOME", "home");
    fs::create_directories(scratch("work/home"));
    const fs::path before = fs::current_path();
    fs::current_path(scratch("work"));
    ChildProcess program({ (folder / "ball").string() }, env, scratch("ball.err").string());
    fs::current_path(before);
    ASSERT_TRUE(program.started());
    sleepFor(4000ms);
    program.stop();
    EXPECT_TRUE(fs::is_regular_file(scratch("work/home/date/config.db")));
    EXPECT_TRUE(fs::is_regular_file(scratch("work/home/sound/yes.wav")));
}

// The Debian package: what it holds and what it needs.
TEST_F(DeliveryTest, ThePackageHoldsTheProgramFolderItsCommandsAndItsDesktopEntry)
{
    if (::access("/usr/bin/dpkg-deb", X_OK) != 0)
        GTEST_SKIP() << "dpkg-deb is not there";
    Environment env;
    env.set("BUILD_DIR", BALL_BUILD_DIR).set("OUT_DIR", scratch("deb").string());
    ASSERT_EQ(runToEnd({ BALL_SOURCE_DIR "/scripts/package.sh" }, env), 0);
    std::vector<fs::path> packages;
    for (const auto& entry : fs::directory_iterator(scratch("deb")))
        packages.push_back(entry.path());
    ASSERT_EQ(packages.size(), 1u);
    auto output = [](const std::string& command) {
        std::string text;
        if (FILE* pipe = ::popen(command.c_str(), "r")) {
            char buffer[4096];
            for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
                text.append(buffer, n);
            ::pclose(pipe);
        }
        return text;
    };
    const std::string contents = output("dpkg-deb -c '" + packages[0].string() + "'");
    for (const char* path : { "./usr/lib/scoreboard/ball", "./usr/lib/scoreboard/main", "./usr/lib/scoreboard/DS-DIGIB.ttf",
             "./usr/lib/scoreboard/DS-DIGIB-LICENSE.txt", "./usr/lib/scoreboard/sound/yes.wav",
             "./usr/lib/scoreboard/resources/forms/m1.json", "./usr/lib/scoreboard/resources/img/court.png",
             "./usr/share/applications/scoreboard.desktop", "./usr/share/icons/hicolor/32x32/apps/scoreboard.png",
             "./usr/bin/ball -> ../lib/scoreboard/ball", "./usr/bin/scoreboard -> ../lib/scoreboard/main" })
        EXPECT_NE(contents.find(path), std::string::npos) << path << "\n" << contents;
    const std::string depends = output("dpkg-deb -f '" + packages[0].string() + "' Depends");
    for (const char* package : { "libsdl2-2.0-0", "libsdl2-image-2.0-0", "libfreetype6", "libfontconfig1", "libgstreamer1.0-0",
             "gstreamer1.0-plugins-good", "fonts-wqy-microhei", "fonts-dseg" })
        EXPECT_NE(depends.find(package), std::string::npos) << package << ": " << depends;
}

} // namespace
} // namespace delivery
