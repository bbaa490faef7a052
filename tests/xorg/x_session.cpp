#include "x_session.h"

#include "../support/x_screen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace xorg_test {

namespace fs = std::filesystem;

XSession::XSession(std::string display)
    : m_display(std::move(display))
{
    m_home = m_root / "home";
    fs::create_directories(m_home);
    fs::create_directories(m_root / "data");
    fs::create_directories(m_root / "run");
    ::chmod((m_root / "run").c_str(), 0700);
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        size_t eq = entry.find('=');
        if (eq != std::string::npos)
            m_env[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    m_env["DISPLAY"] = m_display;
    m_env["SDL_VIDEODRIVER"] = "x11";
    m_env["SDL_AUDIODRIVER"] = "dummy";
    m_env["BALL_HOME"] = m_home.string();
    m_env["XDG_DATA_HOME"] = (m_root / "data").string();
    m_env["XDG_RUNTIME_DIR"] = (m_root / "run").string();
    m_env.erase("BALL_BACKEND");
    m_env.erase("XAUTHORITY");
}

XSession::~XSession()
{
    for (pid_t pid : m_adopted)
        end(pid);
    for (pid_t pid : m_children)
        end(pid);
}

pid_t XSession::start(const fs::path& program, const std::map<std::string, std::optional<std::string>>& changes)
{
    std::map<std::string, std::string> variables = m_env;
    for (const auto& change : changes) {
        if (change.second)
            variables[change.first] = *change.second;
        else
            variables.erase(change.first);
    }
    std::vector<std::string> env;
    for (const auto& variable : variables)
        env.push_back(variable.first + "=" + variable.second);
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const fs::path logFile = m_root / (program.filename().string() + "-" + std::to_string(m_logs.size()) + ".log");
    const std::string log = logFile.string();
    pid_t pid = ::fork();
    if (pid == 0) {
        int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        ::dup2(out, 1);
        ::dup2(out, 2);
        ::execle(program.c_str(), program.filename().c_str(), static_cast<char*>(nullptr), envp.data());
        ::_exit(127);
    }
    if (pid > 0) {
        m_children.push_back(pid);
        m_logs[pid] = logFile;
    }
    return pid;
}

std::string XSession::output(pid_t pid) const
{
    auto log = m_logs.find(pid);
    if (log == m_logs.end())
        return {};
    std::ifstream in(log->second, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::optional<int> XSession::waitExit(pid_t pid, std::chrono::milliseconds deadline)
{
    const bool ours = std::find(m_children.begin(), m_children.end(), pid) != m_children.end();
    std::optional<int> status;
    test_support::waitUntil(
        [&] {
            if (!ours) {
                if (!isRunning(pid)) {
                    m_adopted.erase(std::remove(m_adopted.begin(), m_adopted.end(), pid), m_adopted.end());
                    status = 0;
                }
            } else if (int code = 0; ::waitpid(pid, &code, WNOHANG) == pid) {
                m_children.erase(std::find(m_children.begin(), m_children.end(), pid));
                status = WIFEXITED(code) ? WEXITSTATUS(code) : 128 + WTERMSIG(code);
            }
            return status.has_value();
        },
        deadline);
    return status;
}

bool XSession::isRunning(pid_t pid) const
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return false;
    size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

std::optional<pid_t> XSession::findScoreboard() const
{
    const std::vector<pid_t> running = scoreboards();
    if (running.empty())
        return std::nullopt;
    return running.front();
}

std::vector<pid_t> XSession::scoreboards() const
{
    std::vector<pid_t> running;
    const std::string wanted = "BALL_HOME=" + m_home.string();
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || !std::all_of(name.begin(), name.end(), ::isdigit))
            continue;
        std::ifstream comm(entry.path() / "comm");
        std::string command;
        if (!std::getline(comm, command) || command != "ball")
            continue;
        std::ifstream environ(entry.path() / "environ", std::ios::binary);
        std::string variable;
        while (std::getline(environ, variable, '\0')) {
            if (variable != wanted)
                continue;
            const pid_t pid = pid_t(std::stol(name));
            if (isRunning(pid)) {
                auto& adopted = const_cast<std::vector<pid_t>&>(m_adopted);
                if (std::find(m_children.begin(), m_children.end(), pid) == m_children.end()
                    && std::find(adopted.begin(), adopted.end(), pid) == adopted.end())
                    adopted.push_back(pid);
                running.push_back(pid);
            }
            break;
        }
    }
    return running;
}

void XSession::end(pid_t pid)
{
    if (pid <= 0 || !isRunning(pid))
        return;
    ::kill(pid, SIGKILL);
    if (std::find(m_children.begin(), m_children.end(), pid) != m_children.end()) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        m_children.erase(std::find(m_children.begin(), m_children.end(), pid));
    }
}

std::string XSession::run(const std::vector<std::string>& command, int* status) const
{
    std::string line = "env DISPLAY=" + m_display;
    for (const auto& part : command) {
        line += " '";
        for (char c : part)
            line += c == '\'' ? std::string("'\\''") : std::string(1, c);
        line += "'";
    }
    line += " 2>&1";
    std::string output;
    if (FILE* pipe = ::popen(line.c_str(), "r")) {
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, got);
        int code = ::pclose(pipe);
        if (status)
            *status = code;
    }
    return output;
}

std::string XSession::xrandr() const { return run({ "xrandr", "--current" }); }

Size XSession::currentSize() const
{
    std::smatch match;
    const std::string text = xrandr();
    static const std::regex current("current (\\d+) x (\\d+)");
    if (!std::regex_search(text, match, current))
        return {};
    return { std::stoi(match[1]), std::stoi(match[2]) };
}

Picture XSession::picture() const
{
    test_support::ScreenPicture shown = test_support::screenPicture(m_display);
    return { { shown.width, shown.height }, std::move(shown.pixels) };
}

bool XSession::setSize(Size size) const
{
    int status = -1;
    run({ "xrandr", "-s", std::to_string(size.width) + "x" + std::to_string(size.height) }, &status);
    return status == 0;
}

std::vector<std::string> XSession::windowTitles(pid_t pid) const
{
    std::vector<std::string> titles;
    std::istringstream ids(run({ "xdotool", "search", "--pid", std::to_string(pid) }));
    std::string id;
    while (ids >> id) {
        if (!std::all_of(id.begin(), id.end(), ::isdigit))
            continue;
        int status = -1;
        std::string name = run({ "xdotool", "getwindowname", id }, &status);
        while (!name.empty() && (name.back() == '\n' || name.back() == '\r'))
            name.pop_back();
        if (status == 0)
            titles.push_back(name);
    }
    return titles;
}

bool XSession::requestClose(pid_t pid) const
{
    std::istringstream ids(run({ "xdotool", "search", "--pid", std::to_string(pid) }));
    Display* display = XOpenDisplay(m_display.c_str());
    if (!display)
        return false;
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    bool sent = false;
    std::string id;
    while (ids >> id) {
        if (!std::all_of(id.begin(), id.end(), ::isdigit))
            continue;
        XEvent event {};
        event.xclient.type = ClientMessage;
        event.xclient.window = Window(std::stoul(id));
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(deleteWindow);
        event.xclient.data.l[1] = CurrentTime;
        sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event) != 0 || sent;
    }
    XFlush(display);
    XCloseDisplay(display);
    return sent;
}

bool XSession::xdotool(const std::vector<std::string>& arguments) const
{
    std::vector<std::string> command { "xdotool" };
    command.insert(command.end(), arguments.begin(), arguments.end());
    int status = -1;
    run(command, &status);
    return status == 0;
}


} // namespace xorg_test
