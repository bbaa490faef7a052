#include "platform/system/process.h"
#include "tests/support/temp_folder.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace plat::sys;

namespace {

// The started program writes its argument count and its /proc stat line into this FIFO, then
// keeps running, so the test sees that nobody waited for it.
const char* kScript = "#!/bin/sh\n"
                      "read -r stat < /proc/$$/stat\n"
                      "echo \"$# $stat\" > \"$(dirname \"$0\")/report\"\n"
                      "exec sleep 30\n";

struct Report {
    int argumentCount = -1;
    pid_t pid = 0;
    pid_t session = 0;
};

std::optional<Report> readReport(int fd)
{
    std::string line;
    pollfd wait { fd, POLLIN, 0 };
    while (line.find('\n') == std::string::npos && ::poll(&wait, 1, 20000) > 0) {
        char buffer[512];
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        line.append(buffer, size_t(got));
    }
    // "<argc> <pid> (<comm>) <state> <ppid> <pgrp> <session> ..."
    size_t close = line.rfind(')');
    if (close == std::string::npos)
        return std::nullopt;
    Report report;
    std::istringstream head(line.substr(0, close));
    head >> report.argumentCount >> report.pid;
    std::istringstream tail(line.substr(close + 1));
    std::string state;
    pid_t parent, group;
    tail >> state >> parent >> group >> report.session;
    return report;
}

} // namespace

TEST(StartDetached, RunsWithoutArgumentsInItsOwnSessionAndIsNotWaitedFor)
{
    TempFolder folder;
    auto program = folder / "ball";
    writeBytes(program, kScript);
    ASSERT_EQ(::chmod(program.c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo((folder / "report").c_str(), 0600), 0);
    int reader = ::open((folder / "report").c_str(), O_RDONLY | O_NONBLOCK);
    int keepOpen = ::open((folder / "report").c_str(), O_WRONLY | O_NONBLOCK); // no end-of-file meanwhile
    ASSERT_GE(reader, 0);
    ASSERT_GE(keepOpen, 0);

    ASSERT_TRUE(startDetached(program));
    // Nothing of ours is left to reap: the program is not our child.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);

    auto report = readReport(reader);
    ::close(reader);
    ::close(keepOpen);
    ASSERT_TRUE(report) << "the program did not report";
    EXPECT_EQ(report->argumentCount, 0);
    EXPECT_NE(report->session, ::getsid(0));
    // Still running (sleeping) after startDetached returned.
    EXPECT_EQ(::kill(report->pid, 0), 0);
    ::kill(report->pid, SIGKILL);
}

TEST(StartDetached, MissingProgramIsReported)
{
    TempFolder folder;
    EXPECT_FALSE(startDetached(folder / "ball"));
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
}

TEST(StartDetached, FileThatCannotRunIsReported)
{
    TempFolder folder;
    writeBytes(folder / "ball", kScript);
    ::chmod((folder / "ball").c_str(), 0644);
    EXPECT_FALSE(startDetached(folder / "ball"));
    EXPECT_FALSE(startDetached(folder.path()));
}
