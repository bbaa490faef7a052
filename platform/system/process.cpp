#include "platform/system/process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace plat::sys {

namespace {

void writeAll(int fd, const void* data, size_t size)
{
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        bytes += n;
        size -= size_t(n);
    }
}

// In the grandchild, before exec: signals as a fresh program expects them.
void resetSignals()
{
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    for (int signal = 1; signal < NSIG; ++signal)
        ::signal(signal, SIG_DFL);
}

// In the grandchild, before exec: nothing of ours (a lock file above all) stays open in it. Most
// are closed by the exec already; this also covers an exec that fails, after which the
// grandchild would otherwise hold them for a moment after its report reached the starter.
void closeAllBut(int keep)
{
    const bool closed = keep < 3 ? ::close_range(3, ~0U, 0) == 0
                                 : (keep == 3 || ::close_range(3, unsigned(keep) - 1, 0) == 0) && ::close_range(unsigned(keep) + 1, ~0U, 0) == 0;
    if (closed)
        return;
    const long last = ::sysconf(_SC_OPEN_MAX);
    for (int fd = 3; fd < (last > 0 ? last : 1024); ++fd)
        if (fd != keep)
            ::close(fd);
}

} // namespace

bool startDetached(const std::filesystem::path& executable)
{
    // The grandchild reports a failed exec through this pipe; a successful exec closes it.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    const std::string program = executable.string();

    pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        // Only async-signal-safe calls from here on.
        ::close(report[0]);
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild < 0) {
            int error = errno;
            writeAll(report[1], &error, sizeof error);
            ::_exit(1);
        }
        if (grandchild > 0)
            ::_exit(0);
        resetSignals();
        closeAllBut(report[1]);
        char* argv[] = { const_cast<char*>(program.c_str()), nullptr };
        ::execve(program.c_str(), argv, environ);
        int error = errno;
        writeAll(report[1], &error, sizeof error);
        ::_exit(127);
    }

    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    int error = 0;
    ssize_t got;
    do {
        got = ::read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    return got == 0;
}

} // namespace plat::sys
