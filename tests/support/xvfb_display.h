#pragma once
#include "wait_until.h"

#include <csignal>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace test_support {

// Whether the server's keyboard repeats a held key. A test that presses keys with xdotool and
// wants each press once turns it off: on a loaded machine a release may come after the repeat
// delay, and the server would add presses of its own.
enum class KeyRepeat { On, Off };

// A private X server for one test (1024 x 768 unless told), started with -displayfd so that the
// test knows it is ready once it has written its display number; ended by its own pid.
class XvfbDisplay {
public:
    explicit XvfbDisplay(const char* screen = "1024x768x24", KeyRepeat repeat = KeyRepeat::On)
    {
        if (::access("/usr/bin/Xvfb", X_OK) != 0)
            return;
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            const std::string fd = std::to_string(ready[1]);
            ::execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp",
                "-noreset", repeat == KeyRepeat::On ? "r" : "-r", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(ready[1]);
        std::string number;
        pollfd wait { ready[0], POLLIN, 0 };
        while (m_pid > 0 && ::poll(&wait, 1, int(kGenerousDeadline.count())) > 0) {
            char c;
            if (::read(ready[0], &c, 1) != 1 || c == '\n')
                break;
            number += c;
        }
        ::close(ready[0]);
        if (!number.empty())
            m_name = ":" + number;
    }
    ~XvfbDisplay()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool running() const { return !m_name.empty(); }
    const std::string& name() const { return m_name; }

private:
    pid_t m_pid = -1;
    std::string m_name;
};

} // namespace test_support
