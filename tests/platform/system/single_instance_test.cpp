#include "platform/system/single_instance.h"
#include "temp_folder.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
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

TEST(SingleInstance, EachProgramNameHasItsOwnLockInTheProgramFolder)
{
    TempFolder folder;
    ::setenv("BALL_HOME", folder.path().c_str(), 1);
    SingleInstanceLock ball = SingleInstanceLock::acquireForProgram("ball");
    SingleInstanceLock launcher = SingleInstanceLock::acquireForProgram("main");
    ::unsetenv("BALL_HOME");
    EXPECT_TRUE(ball.acquired());
    EXPECT_TRUE(launcher.acquired());
    EXPECT_TRUE(std::filesystem::exists(folder / "ball.lock"));
    EXPECT_EQ(stateInAnotherProcess(folder / "ball.lock"), int(State::HeldByAnother));
}

TEST(SingleInstance, AFolderThatCannotHoldTheLockIsNotTakenForAnotherCopy)
{
    TempFolder folder;
    EXPECT_EQ(SingleInstanceLock::acquire(folder / "missing" / "ball.lock").state(), State::Unavailable);
}
