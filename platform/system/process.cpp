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
