#include "platform/system/single_instance.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_folder.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace plat::sys;
using State = SingleInstanceLock::State;

namespace {

// What a second process gets when it asks for the lock: its State as the exit code.
int stateInAnotherProcess(const std::filesystem::path& lockFile)
{
    pid_t child = ::fork();
    if (child == 0)
        ::_exit(int(SingleInstanceLock::acquire(lockFile).state()));
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

TEST(SingleInstance, SecondProcessFailsWhileTheFirstHoldsTheLock)
{
    TempFolder folder;
    auto lockFile = folder / "ball.lock";
    {
        SingleInstanceLock first = SingleInstanceLock::acquire(lockFile);
        ASSERT_TRUE(first.acquired());
        EXPECT_EQ(stateInAnotherProcess(lockFile), int(State::HeldByAnother));
    }
    // Released with the object: the next copy gets it.
    EXPECT_EQ(stateInAnotherProcess(lockFile), int(State::Acquired));
}

TEST(SingleInstance, TheLockMovesWithTheObject)
{
    TempFolder folder;
    auto lockFile = folder / "ball.lock";
    SingleInstanceLock first = SingleInstanceLock::acquire(lockFile);
    SingleInstanceLock kept = std::move(first);
    EXPECT_TRUE(kept.acquired());
    EXPECT_FALSE(first.acquired());
    EXPECT_EQ(stateInAnotherProcess(lockFile), int(State::HeldByAnother));
}

TEST(SingleInstance, ProgramsStartedMeanwhileDoNotKeepTheLock)
{
    TempFolder folder;
    auto lockFile = folder / "main.lock";
    pid_t started;
    {
        SingleInstanceLock lock = SingleInstanceLock::acquire(lockFile);
        ASSERT_TRUE(lock.acquired());
        int execDone[2];
        ASSERT_EQ(::pipe2(execDone, O_CLOEXEC), 0);
        started = ::fork();
        ASSERT_GE(started, 0);
        if (started == 0) {
            ::execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // The pipe closes when the exec has happened.
        ::close(execDone[1]);
        char byte;
        while (::read(execDone[0], &byte, 1) > 0) { }
        ::close(execDone[0]);
    }
    // The launcher has ended (lock released) while the program it started still runs.
    EXPECT_EQ(stateInAnotherProcess(lockFile), int(State::Acquired));
    ::kill(started, SIGKILL);
    ::waitpid(started, nullptr, 0);
}

using test_support::ScopedEnv;

TEST(SingleInstance, EachProgramHasOneLockInTheDataFolderWhateverTheRuntimeFolder)
{
    TempFolder home, runtime, otherRuntime;
    ASSERT_EQ(::chmod(runtime.path().c_str(), 0700), 0);
    ASSERT_EQ(::chmod(otherRuntime.path().c_str(), 0700), 0);
    ScopedEnv ballHome("BALL_HOME", home.path());
    std::optional<ScopedEnv> runtimeDir(std::in_place, "XDG_RUNTIME_DIR", runtime.path());
    SingleInstanceLock ball = acquireProgramLock("ball");
    SingleInstanceLock launcher = acquireProgramLock("main");
    EXPECT_TRUE(ball.acquired());
    EXPECT_TRUE(launcher.acquired());
    EXPECT_EQ(programLockPath("ball"), home / "ball.lock");
    EXPECT_EQ(programLockPath("main"), home / "main.lock");
    EXPECT_TRUE(std::filesystem::is_empty(runtime.path()));
    for (const char* other : { "", "relative/run", "/nonexistent-runtime-folder", otherRuntime.path().c_str() }) {
        runtimeDir.emplace("XDG_RUNTIME_DIR", other);
        EXPECT_EQ(stateInAnotherProcess(programLockPath("ball")), int(State::HeldByAnother)) << other;
    }
    struct stat info {};
    ASSERT_EQ(::stat(programLockPath("ball").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "no one else may open the lock file";
}

// A lock file that is there but cannot be opened counts as held; a link is never followed.
TEST(SingleInstance, ALockFileThatCannotBeOpenedIsHeldAndALinkIsNotFollowed)
{
    TempFolder folder;
    const std::filesystem::path target = folder / "elsewhere";
    std::filesystem::create_symlink(target, folder / "dangling.lock");
    EXPECT_EQ(SingleInstanceLock::acquire(folder / "dangling.lock").state(), State::HeldByAnother);
    EXPECT_FALSE(std::filesystem::exists(target)) << "nothing is made where the link points";
    writeBytes(target, "someone's file");
    std::filesystem::create_symlink(target, folder / "link.lock");
    EXPECT_EQ(SingleInstanceLock::acquire(folder / "link.lock").state(), State::HeldByAnother);
    EXPECT_EQ(readBytes(target), "someone's file");
    // Another user's lock, closed to this one (root opens every file, so this part needs a user).
    writeBytes(folder / "other.lock", "");
    ::chmod((folder / "other.lock").c_str(), 0);
    if (::geteuid() != 0) {
        EXPECT_EQ(SingleInstanceLock::acquire(folder / "other.lock").state(), State::HeldByAnother);
    }
}

TEST(SingleInstance, AFolderThatCannotHoldTheLockIsNotTakenForAnotherCopy)
{
    TempFolder folder;
    EXPECT_EQ(SingleInstanceLock::acquire(folder / "missing" / "ball.lock").state(), State::Unavailable);
}
