#include "launcher_fixture.h"
#include "stand_in_scoreboard.h"
#include "tests/support/wait_until.h"

#include "launcher/launcher_files.h"
#include "platform/system/font_install.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>

extern char** environ;

namespace launcher::test {
namespace {

constexpr int kReportTimeoutMs = int(test_support::kGenerousDeadline.count());

// The real services: the scoreboard program is started detached, without arguments.
class ScoreboardStartTest : public LauncherTest {
protected:
    void SetUp() override
    {
        LauncherTest::SetUp();
        ASSERT_FALSE(m_pipeFolder.empty());
    }

    fs::path pipePath() const { return m_pipeFolder / "report"; }

    // Runs the built launcher headless with this test's folders; its exit status, or none when
    // it did not end in time (it is killed then).
    std::optional<int> runLauncherProgram()
    {
        std::vector<std::string> variables{ "BALL_BACKEND=headless" };
        for (char** e = environ; *e; ++e) {
            if (std::string_view(*e).rfind("BALL_BACKEND=", 0) != 0)
                variables.emplace_back(*e);
        }
        std::vector<char*> envp;
        for (std::string& v : variables)
            envp.push_back(v.data());
        envp.push_back(nullptr);
        std::string program = LAUNCHER_PROGRAM;
        char* argv[] = { program.data(), nullptr };
        pid_t pid = 0;
        if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
            return std::nullopt;
        int pidfd = int(::syscall(SYS_pidfd_open, pid, 0));
        if (pidfd >= 0) {
            pollfd entry{ pidfd, POLLIN, 0 };
            int rc;
            do {
                rc = ::poll(&entry, 1, kReportTimeoutMs);
            } while (rc < 0 && errno == EINTR);
            ::close(pidfd);
            if (rc == 0)
                ::kill(pid, SIGKILL);
        }
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
        if (!WIFEXITED(status))
            return std::nullopt;
        return WEXITSTATUS(status);
    }

private:
    const TempFolder m_pipe{"launcher-pipe-XXXXXX"};
    const fs::path m_pipeFolder = m_pipe.path();
};

// The system's services with the stand-ins of the shipped files in the test's folder.
LauncherServices servicesWithShippedFilesIn(const fs::path& folder)
{
    LauncherServices services = systemLauncherServices();
    services.programFolder = folder;
    return services;
}

// The running ball of the build whose data folder is `dataFolder`, or 0.
pid_t runningBuiltBall(const fs::path& dataFolder)
{
    const fs::path ball = fs::path(LAUNCHER_PROGRAM).parent_path() / "ball";
    const std::string home = "BALL_HOME=" + dataFolder.string();
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos || fs::read_symlink(entry.path() / "exe", error) != ball)
            continue;
        std::ifstream in(entry.path() / "environ", std::ios::binary);
        for (std::string variable; std::getline(in, variable, '\0');)
            if (variable == home)
                return pid_t(std::stoi(name));
    }
    return 0;
}

// The command line of a process, its arguments split.
std::vector<std::string> commandLine(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
    std::vector<std::string> arguments;
    for (std::string argument; std::getline(in, argument, '\0');)
        arguments.push_back(argument);
    return arguments;
}

TEST_F(ScoreboardStartTest, TheScoreboardIsStartedDetachedWithoutArguments)
{
    StandInScoreboard ball(path("ball"), pipePath());
    ASSERT_TRUE(ball.ready());
    program = std::make_unique<LauncherProgram>(servicesWithShippedFilesIn(folder()));
    EXPECT_FALSE(program->start());
    EXPECT_EQ(ball.report(kReportTimeoutMs), "args=0 locks=0");
    EXPECT_FALSE(form1().isLoaded());
}

TEST_F(ScoreboardStartTest, AScoreboardThatCannotRunIsToldAndTheDisplayGoesBack)
{
    struct Case {
        const char* what;
        fs::perms perms;
    };
    const std::vector<Case> cases{
        { "no execute bit", fs::perms::owner_read | fs::perms::owner_write },
        { "not a program", fs::perms::owner_all },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(path("ball"), "not a program");
        fs::permissions(path("ball"), c.perms);
        newSession();
        setScreen(1280, 1024);
        seenBoxes.clear();
        program = std::make_unique<LauncherProgram>(servicesWithShippedFilesIn(folder()));
        EXPECT_TRUE(program->start());
        ASSERT_EQ(seenBoxes.size(), 1u);
        EXPECT_EQ(seenBoxes[0].text, kBallMissingText);
        EXPECT_EQ(seenBoxes[0].title, kBallMissingTitle);
        EXPECT_EQ(display->changeRequests(), (std::vector<DisplaySize>{ { 1024, 768 }, { 1280, 1024 } }));
        EXPECT_EQ(display->screenSize(), (DisplaySize{ 1280, 1024 }));
        EXPECT_TRUE(form1().visible());
        program.reset();
    }
}

// The built launcher starts the ball beside it, never one that lies in the data folder.
TEST_F(ScoreboardStartTest, TheProgramMainRunsTheWholeSequenceAndStartsTheBallBesideIt)
{
    StandInScoreboard leftInTheDataFolder(path("ball"), pipePath());
    ASSERT_TRUE(leftInTheDataFolder.ready());

    EXPECT_EQ(runLauncherProgram(), 0);
    pid_t ball = 0;
    test_support::waitUntil([&] { return (ball = runningBuiltBall(folder())) != 0; });
    ASSERT_NE(ball, 0) << "the ball beside the launcher runs on this data folder";
    EXPECT_EQ(commandLine(ball).size(), 1u) << "started without arguments";
    EXPECT_EQ(leftInTheDataFolder.report(0), std::nullopt) << "the data folder's ball is not run";
    ::kill(ball, SIGTERM);
    if (!test_support::waitUntil([&] { return runningBuiltBall(folder()) != ball; }, std::chrono::seconds(10)))
        ::kill(ball, SIGKILL);

    // Headless, the display is the window system's screen of 1024 x 768.
    EXPECT_EQ(readBytes(path("config.ini")), "1024\r\n768\r\n");
    EXPECT_TRUE(fs::is_directory(path("date")));
    // The clock font the launcher ships is copied for the user only when no font package gives it.
    const fs::path shippedFont = fs::path(LAUNCHER_PROGRAM).parent_path() / "DS-DIGIB.ttf";
    if (!fs::exists(shippedFont))
        return;
    if (plat::sys::fontFamilyAvailable(kClockFontFamily))
        EXPECT_FALSE(fs::exists(installedFont()));
    else
        EXPECT_EQ(readBytes(installedFont()), readBytes(shippedFont));
}

TEST_F(ScoreboardStartTest, TheProgramMainEndsSilentlyBesideARunningCopy)
{
    plat::sys::SingleInstanceLock first = plat::sys::acquireProgramLock("main");
    ASSERT_TRUE(first.acquired());
    writeBytes(path("ball"), "stand-in");
    EXPECT_EQ(runLauncherProgram(), 0);
    EXPECT_EQ(tree(), (std::vector<std::string>{ "ball" }));
}

} // namespace
} // namespace launcher::test
