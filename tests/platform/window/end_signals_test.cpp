// An end signal ends the program whatever it waits on: a process held up in the system past the
// time its close has is ended, with 128 + the signal as its status and a word on standard error.
#include "platform/window/end_signals.h"

#include "tests/support/wait_until.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(EndSignalsTest, AProcessHeldUpInTheSystemIsEndedAfterTheSignal)
{
    std::string folder = (std::filesystem::temp_directory_path() / "end-signals-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const std::string pipe = folder + "/balldate.db";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    int ready[2], told[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(told), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(told[1], 2);
        plat::win::EndSignals signals;
        ::close(ready[1]);
        // An open of a pipe nobody writes: it waits for good, and SA_RESTART takes it up again
        // after the signal's note.
        ::open(pipe.c_str(), O_RDONLY);
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(told[1]);
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 0) << "the child took its handlers";
    ASSERT_EQ(::kill(child, SIGTERM), 0);
    int status = 0;
    const bool ended = test_support::waitUntil([&] { return ::waitpid(child, &status, WNOHANG) == child; });
    if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    ASSERT_TRUE(ended) << "still held up after the signal";
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
    char text[512] = {};
    EXPECT_GT(::read(told[0], text, sizeof text - 1), 0);
    EXPECT_NE(std::string(text).find("not ended by its close in time"), std::string::npos) << text;
    ::close(ready[0]);
    ::close(told[0]);
    ::unlink(pipe.c_str());
    ::rmdir(folder.c_str());
}

} // namespace
