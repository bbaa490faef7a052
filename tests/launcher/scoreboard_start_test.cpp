#include "launcher_fixture.h"
#include "stand_in_scoreboard.h"
#include "tests/support/wait_until.h"

#include <csignal>
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
        m_pipeFolder = makeTempFolder("launcher-pipe-XXXXXX");
        ASSERT_FALSE(m_pipeFolder.empty());
    }
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(m_pipeFolder, error);
        LauncherTest::TearDown();
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
    fs::path m_pipeFolder;
};

TEST_F(ScoreboardStartTest, TheScoreboardIsStartedDetachedWithoutArguments)
{
    StandInScoreboard ball(path("ball"), pipePath());
    ASSERT_TRUE(ball.ready());
    program = std::make_unique<LauncherProgram>(systemLauncherServices());
    EXPECT_FALSE(program->start());
    EXPECT_EQ(ball.report(kReportTimeoutMs), "args=0 locks=0");
    EXPECT_FALSE(form1().isLoaded());
}

TEST_F(ScoreboardStartTest, AScoreboardThatCannotRunIsSkipped)
{
    writeBytes(path("ball"), "not a program"); // not executable
    program = std::make_unique<LauncherProgram>(systemLauncherServices());
    EXPECT_FALSE(program->start());
    EXPECT_TRUE(seenBoxes.empty());
    EXPECT_FALSE(form1().isLoaded());
}

TEST_F(ScoreboardStartTest, TheProgramMainRunsTheWholeSequence)
{
    StandInScoreboard ball(path("ball"), pipePath());
    ASSERT_TRUE(ball.ready());
    const fs::path shippedFont = "/usr/share/fonts/truetype/dseg/DSEG7Classic-Bold.ttf";
    const bool haveFont = fs::exists(shippedFont);
    if (haveFont)
        fs::copy_file(shippedFont, path("DS-DIGIB.ttf"));

    EXPECT_EQ(runLauncherProgram(), 0);
    EXPECT_EQ(ball.report(kReportTimeoutMs), "args=0 locks=0");
    // Headless, the display is the window system's screen of 1024 x 768.
    EXPECT_EQ(readBytes(path("config.ini")), "1024\r\n768\r\n");
    EXPECT_TRUE(fs::is_directory(path("date")));
    if (haveFont) {
        EXPECT_EQ(readBytes(installedFont()), readBytes(shippedFont));
    }
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
