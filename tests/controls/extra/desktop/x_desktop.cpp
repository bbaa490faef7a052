#include "x_desktop.h"
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace qel::testing {

namespace {

bool onPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t end = dirs.find(':', start);
        const std::string dir = dirs.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!dir.empty() && ::access((dir + "/" + program).c_str(), X_OK) == 0)
            return true;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return false;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

bool waitUntil(const std::function<bool()>& done, const std::function<void()>& step, std::chrono::milliseconds limit)
{
    return test_support::waitUntil(
        [&] {
            if (done())
                return true;
            step();
            return false;
        },
        limit, std::chrono::milliseconds(0));
}

pid_t XDesktop::spawn(const std::vector<std::string>& args, int keepFd)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int devNull = ::open("/dev/null", O_WRONLY);
    posix_spawn_file_actions_adddup2(&actions, devNull, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, devNull, STDERR_FILENO);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "DISPLAY=", 8) != 0)
            env.emplace_back(*e);
    if (!m_name.empty())
        env.push_back("DISPLAY=" + m_name);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    (void)keepFd;
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(devNull);
    return rc == 0 ? pid : 0;
}

void XDesktop::end(pid_t& pid)
{
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 300; ++i) {
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            pid = 0;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    pid = 0;
}

XDesktop::XDesktop()
{
    if (!onPath("Xvfb")) {
        m_failure = "Xvfb is not installed (scripts/setup.sh installs it)";
        return;
    }
    // Xvfb picks a free display number and writes it into the pipe.
    int fds[2];
    if (::pipe(fds) != 0) {
        m_failure = "no pipe";
        return;
    }
    m_server = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "800x600x24", "-nolisten", "tcp"}, fds[1]);
    ::close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (::poll(&p, 1, int(test_support::kGenerousDeadline.count())) > 0) {
        char c;
        if (::read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    ::close(fds[0]);
    if (!m_server || number.empty()) {
        m_failure = "Xvfb did not start";
        end(m_server);
        return;
    }
    m_name = ":" + number;
    m_display = XOpenDisplay(m_name.c_str());
    if (!m_display) {
        m_failure = "cannot open " + m_name;
        end(m_server);
        return;
    }
    XSetErrorHandler(ignoreErrors);
}

XDesktop::~XDesktop()
{
    end(m_tray);
    if (m_display)
        XCloseDisplay(m_display);
    end(m_server);
}

bool XDesktop::startTray()
{
    if (!onPath("trayer")) {
        m_failure = "trayer is not installed (scripts/setup.sh installs it)";
        return false;
    }
    m_tray = spawn({"trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "240", "--heighttype", "pixel",
        "--height", "32", "--transparent", "false"});
    const Atom selection = XInternAtom(m_display, "_NET_SYSTEM_TRAY_S0", False);
    const bool up = waitUntil([&] { return XGetSelectionOwner(m_display, selection) != None; },
        [] { std::this_thread::sleep_for(std::chrono::milliseconds(10)); });
    if (!up) {
        m_failure = "trayer did not take the system tray";
        end(m_tray);
    }
    return up;
}

void XDesktop::stopTray() { end(m_tray); }

Window XDesktop::parentOf(Window w) const
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(m_display, w, &root, &parent, &children, &count))
        return 0;
    if (children)
        XFree(children);
    return parent;
}

Window XDesktop::topLevelOf(Window w) const
{
    const Window root = DefaultRootWindow(m_display);
    for (Window p = parentOf(w); p && p != root; p = parentOf(w))
        w = p;
    return w;
}

std::string XDesktop::classOf(Window w) const
{
    XClassHint hint{};
    if (!XGetClassHint(m_display, w, &hint))
        return {};
    std::string c = hint.res_class ? hint.res_class : "";
    XFree(hint.res_name);
    XFree(hint.res_class);
    return c;
}

std::string XDesktop::nameOf(Window w) const
{
    const Atom name = XInternAtom(m_display, "_NET_WM_NAME", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(m_display, w, name, 0, 1024, False, AnyPropertyType, &type, &format, &count, &after, &data) != Success || !data)
        return {};
    std::string s(reinterpret_cast<char*>(data), count);
    XFree(data);
    return s;
}

XWindow XDesktop::root() const { return DefaultRootWindow(m_display); }

bool XDesktop::isViewable(Window w) const
{
    XWindowAttributes a{};
    return XGetWindowAttributes(m_display, w, &a) && a.map_state == IsViewable;
}

bool XDesktop::geometry(Window w, int& x, int& y, int& width, int& height) const
{
    XWindowAttributes a{};
    if (!XGetWindowAttributes(m_display, w, &a))
        return false;
    Window child = 0;
    XTranslateCoordinates(m_display, w, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
    width = a.width;
    height = a.height;
    return true;
}

uint32_t XDesktop::pixel(Window w, int x, int y) const
{
    XImage* image = XGetImage(m_display, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return ~0u;
    const unsigned long p = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    // The 24-bit TrueColor screen Xvfb runs: 0x00RRGGBB.
    return uint32_t(((p >> 16) & 255) | (p & 0xFF00) | ((p & 255) << 16));
}

void XDesktop::movePointer(int x, int y)
{
    XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
    XFlush(m_display);
}

void XDesktop::click(int button)
{
    XTestFakeButtonEvent(m_display, unsigned(button), True, CurrentTime);
    XTestFakeButtonEvent(m_display, unsigned(button), False, CurrentTime);
    XFlush(m_display);
}

} // namespace qel::testing
