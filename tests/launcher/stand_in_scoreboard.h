#pragma once
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace launcher::test {

// A program named ball that reports how it was started (its argument count, and how many open
// files of the launcher's lock it inherited) through a named pipe. The test reads the report as
// it arrives; the pipe is opened for reading first, so the stand-in never blocks on it.
class StandInScoreboard {
public:
    StandInScoreboard(const std::filesystem::path& program, const std::filesystem::path& pipe)
        : m_pipe(pipe)
    {
        if (::mkfifo(pipe.c_str(), 0600) != 0)
            return;
        m_fd = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        std::ofstream script(program, std::ios::trunc);
        script << "#!/bin/sh\n"
               << "locks=$(ls -l /proc/$$/fd 2>/dev/null | grep -c 'main-.*\\.lock')\n"
               << "printf 'args=%s locks=%s' \"$#\" \"$locks\" > '" << pipe.string() << "'\n";
        script.close();
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    }
    ~StandInScoreboard()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool ready() const { return m_fd >= 0; }

    // The report, once the stand-in has written it and closed the pipe; none when it does not
    // come within `timeoutMs` (it was not started).
    std::optional<std::string> report(int timeoutMs)
    {
        std::string text;
        bool writerSeen = false;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return std::nullopt;
            pollfd entry{ m_fd, POLLIN, 0 };
            int rc = ::poll(&entry, 1, int(left.count()));
            if (rc < 0 && errno == EINTR)
                continue;
            if (rc <= 0)
                return std::nullopt;
            char buffer[256];
            ssize_t got = ::read(m_fd, buffer, sizeof buffer);
            if (got > 0) {
                writerSeen = true;
                text.append(buffer, size_t(got));
            } else if (got == 0 && (writerSeen || (entry.revents & POLLHUP))) {
                return text; // the writer has closed its end
            } else if (got < 0 && errno != EAGAIN && errno != EINTR) {
                return std::nullopt;
            }
        }
    }

private:
    std::filesystem::path m_pipe;
    int m_fd = -1;
};

} // namespace launcher::test
