#pragma once
#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Root passes every permission check: what must meet them runs in a child process that gives
// up root for an unprivileged user (nobody). The child's exit status: 0 when `act` returned
// true, 1 when false, 2 when root could not be given up; -1 when the child did not exit.
inline int runAsUnprivilegedUser(const std::function<bool()>& act)
{
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(2);
        ::_exit(act() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
