#pragma once
// The built programs as the operator runs them: ball-drive and ball from the build's program
// folder, each test on a program folder of its own (BALL_HOME in a temporary folder), started as
// processes whose exit, output and memory the test reads.
#include "../../delivery/child_process.h"
#include "output_lines.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace scoreboard::test {

namespace fs = std::filesystem;

// How a program ended and what it wrote.
struct ProgramRun {
    bool ended = false;      // false: still running when the time was up (it was then killed)
    int status = -1;         // the exit status when it exited
    int signal = 0;          // the signal that ended it, when one did
    std::string out, err;    // standard output and error
    long maxResidentKb = 0;  // its peak memory
};

// A program started with its output read through pipes (so that a file-size limit set for it
// holds for its files only). `inChild` runs in the child just before the program starts.
class StartedProgram {
public:
    StartedProgram(const std::vector<std::string>& argv, const delivery::Environment& env, const std::function<void()>& inChild = {})
    {
        int out[2], err[2];
        if (::pipe(out) != 0 || ::pipe(err) != 0)
            return;
        const delivery::ExecArguments exec(argv, env);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], 1);
            ::dup2(err[1], 2);
            for (int fd : { out[0], out[1], err[0], err[1] })
                ::close(fd);
            if (inChild)
                inChild();
            ::execve(exec.program(), exec.argv(), exec.envp());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        m_out = out[0];
        m_err = err[0];
    }
    ~StartedProgram()
    {
        if (m_pid > 0 && !m_run.ended) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        for (int fd : { m_out, m_err })
            if (fd >= 0)
                ::close(fd);
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    bool started() const { return m_pid > 0; }
    void sendSignal(int signal) const
    {
        if (m_pid > 0 && !m_run.ended)
            ::kill(m_pid, signal);
    }
    // What the program wrote so far (standard error), without waiting for its end.
    const std::string& errorSoFar()
    {
        drain(0);
        return m_run.err;
    }

    // Whether it still runs, without waiting.
    bool running()
    {
        drain(0);
        return !takeEnd();
    }

    // Waits up to `limit` for the end; a program still running then is killed (ended stays false).
    ProgramRun waitFor(std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (m_pid > 0 && !takeEnd()) {
            if (std::chrono::steady_clock::now() >= end) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, nullptr, 0);
                m_pid = -1;
            }
            drain(20);
        }
        drain(0);
        return m_run;
    }

private:
    // True once the program has ended; its status and peak memory are then in m_run.
    bool takeEnd()
    {
        if (m_pid <= 0 || m_run.ended)
            return m_run.ended;
        int status = 0;
        rusage usage {};
        if (::wait4(m_pid, &status, WNOHANG, &usage) != m_pid)
            return false;
        m_run.ended = true;
        m_run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        m_run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        m_run.maxResidentKb = usage.ru_maxrss;
        return true;
    }

    void drain(int timeoutMs)
    {
        pollfd fds[2] = { { m_out, POLLIN, 0 }, { m_err, POLLIN, 0 } };
        if (::poll(fds, 2, timeoutMs) <= 0)
            return;
        std::string* into[2] = { &m_run.out, &m_run.err };
        for (int i = 0; i < 2; ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP)))
                continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0)
                into[i]->append(buffer, size_t(n));
        }
    }

    pid_t m_pid = -1;
    int m_out = -1, m_err = -1;
    ProgramRun m_run;
};

// A program folder, a font folder and a runtime folder of the test's own, so that runs in
// parallel neither share a single-instance lock nor install fonts for the user.
class BuiltProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(m_root.empty()) << "no temporary folder";
        fs::create_directories(home());
        fs::create_directories(m_root / "run");
        fs::permissions(m_root / "run", fs::perms::owner_all);
    }
    void TearDown() override
    {
        std::error_code error;
        fs::permissions(home(), fs::perms::owner_all, fs::perm_options::add, error);
    }

    fs::path home() const { return m_root / "home"; }
    fs::path scratch(const std::string& name) const { return m_root / name; }

    // A file of the program folder, written before the start or read afterwards.
    void put(const std::string& relative, std::string_view bytes) const { writeBytes(home() / relative, bytes); }
    std::string read(const std::string& relative) const { return readBytes(home() / relative); }

    static void writeBytes(const fs::path& path, std::string_view bytes)
    {
        fs::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
    }
    static std::string readBytes(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    // The environment of a run: this test's folders, sounds played into nothing.
    delivery::Environment environment() const
    {
        delivery::Environment env;
        env.set("BALL_HOME", home().string())
            .set("XDG_DATA_HOME", (m_root / "data").string())
            .set("XDG_RUNTIME_DIR", (m_root / "run").string())
            .set("SDL_AUDIODRIVER", "dummy");
        return env;
    }

    static std::string ballDrive() { return BALL_DRIVE; }
    static std::string ball() { return (fs::path(BALL_DRIVE).parent_path() / "ball").string(); }

    // Runs a script in the built ball-drive to its end, with ball-drive's `options` (--real-clock,
    // --screen WxH) and, when given, an environment of the test's own.
    ProgramRun drive(const std::string& script, const std::vector<std::string>& options = {}, const std::function<void()>& inChild = {}) const
    {
        return drive(environment(), script, options, inChild);
    }
    ProgramRun drive(const delivery::Environment& env, const std::string& script, const std::vector<std::string>& options = {},
        const std::function<void()>& inChild = {}) const
    {
        const fs::path file = m_root / "script.txt";
        std::ofstream(file, std::ios::binary | std::ios::trunc) << script;
        std::vector<std::string> argv { ballDrive() };
        argv.insert(argv.end(), options.begin(), options.end());
        argv.push_back(file.string());
        StartedProgram program(argv, env, inChild);
        EXPECT_TRUE(program.started());
        return program.waitFor(std::chrono::minutes(3));
    }

    static std::vector<std::string> lines(const std::string& text) { return outputLines(text); }

private:
    const TempFolder m_folder{"ball-built-XXXXXX"};
    const fs::path m_root = m_folder.path();
};

} // namespace scoreboard::test
