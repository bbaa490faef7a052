#pragma once
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace delivery {

// The environment of this process with some variables set and others removed.
class Environment {
public:
    Environment()
    {
        for (char** e = environ; *e; ++e) {
            std::string entry(*e);
            size_t eq = entry.find('=');
            if (eq != std::string::npos)
                m_values[entry.substr(0, eq)] = entry.substr(eq + 1);
        }
    }
    Environment& set(const std::string& name, const std::string& value)
    {
        m_values[name] = value;
        return *this;
    }
    Environment& remove(const std::string& name)
    {
        m_values.erase(name);
        return *this;
    }
    std::vector<std::string> entries() const
    {
        std::vector<std::string> out;
        for (const auto& [name, value] : m_values)
            out.push_back(name + "=" + value);
        return out;
    }

private:
    std::map<std::string, std::string> m_values;
};

// A command line and an environment as execve and posix_spawn take them: null-ended arrays of
// pointers into strings this object keeps.
class ExecArguments {
public:
    ExecArguments(const std::vector<std::string>& argv, const Environment& env)
        : m_argv(argv)
        , m_env(env.entries())
    {
        for (std::string& a : m_argv)
            m_args.push_back(a.data());
        m_args.push_back(nullptr);
        for (std::string& e : m_env)
            m_envp.push_back(e.data());
        m_envp.push_back(nullptr);
    }
    ExecArguments(const ExecArguments&) = delete;
    ExecArguments& operator=(const ExecArguments&) = delete;

    const char* program() const { return m_args[0]; }
    char* const* argv() const { return m_args.data(); }
    char* const* envp() const { return m_envp.data(); }

private:
    std::vector<std::string> m_argv, m_env;
    std::vector<char*> m_args, m_envp;
};

// A program started by the test, ended by its own pid when the object goes.
class ChildProcess {
public:
    // `errorFile`, when given, receives what the program writes on stderr.
    ChildProcess(const std::vector<std::string>& argv, const Environment& env, const std::string& errorFile = {})
    {
        const ExecArguments exec(argv, env);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (!errorFile.empty())
            posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (::posix_spawn(&m_pid, exec.program(), &actions, nullptr, exec.argv(), exec.envp()) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~ChildProcess() { stop(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_pid > 0; }
    bool running()
    {
        if (m_pid <= 0 || m_status)
            return false;
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_status = status;
            return false;
        }
        return true;
    }
    // The exit status once the program has ended by itself within `limit`; none if it still runs.
    std::optional<int> waitFor(std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (running() && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (m_status && WIFEXITED(*m_status))
            return WEXITSTATUS(*m_status);
        return std::nullopt;
    }
    void stop()
    {
        if (running()) {
            ::kill(m_pid, SIGTERM);
            if (!waitFor(std::chrono::milliseconds(3000)) && running()) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, nullptr, 0);
            }
        }
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

// Runs a program to its end and gives its exit status (-1 when it could not run or was killed).
inline int runToEnd(const std::vector<std::string>& argv, const Environment& env = {})
{
    ChildProcess child(argv, env);
    if (!child.started())
        return -1;
    std::optional<int> status = child.waitFor(std::chrono::minutes(5));
    return status ? *status : -1;
}

} // namespace delivery
