#pragma once
#include "tests/support/wait_until.h"

#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

struct _XDisplay;

namespace qel::testing {

// An X window id (the test keeps Xlib's macros out of the test sources).
using XWindow = unsigned long;

// A private X display (Xvfb on a display number it picks itself) with a tray host (trayer) that
// the test starts and stops; both are ended by their own process ids when the desktop goes.
class XDesktop {
public:
    XDesktop();
    ~XDesktop();
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    // Empty when the desktop runs; else why it could not start.
    const std::string& failure() const { return m_failure; }
    const std::string& name() const { return m_name; }
    _XDisplay* display() const { return m_display; }
    XWindow root() const;

    // Starts the tray host and waits until it owns the tray selection; false (with failure())
    // when it does not come up.
    bool startTray();
    // Ends the tray host and waits for it.
    void stopTray();
    bool trayRunning() const { return m_tray > 0; }

    // The window's top-level ancestor (a child of the root), or the window itself.
    XWindow topLevelOf(XWindow w) const;
    XWindow parentOf(XWindow w) const;
    std::string classOf(XWindow w) const;   // WM_CLASS class part
    std::string nameOf(XWindow w) const;    // _NET_WM_NAME
    bool isViewable(XWindow w) const;
    // The window's place on the screen and its size.
    bool geometry(XWindow w, int& x, int& y, int& width, int& height) const;
    // A pixel of the window as the server shows it, 0x00BBGGRR; ~0 when it cannot be read.
    uint32_t pixel(XWindow w, int x, int y) const;

    // The operator's pointer and buttons, through XTest.
    void movePointer(int x, int y);
    void click(int button);

private:
    pid_t spawn(const std::vector<std::string>& args, int keepFd = -1);
    static void end(pid_t& pid);

    pid_t m_server = 0;
    pid_t m_tray = 0;
    std::string m_name;
    std::string m_failure;
    _XDisplay* m_display = nullptr;
};

// Waits on the real clock (the desktop's processes run on it) until `done` holds, running `step`
// between looks; false after `limit`, by default the tests' generous deadline.
bool waitUntil(const std::function<bool()>& done, const std::function<void()>& step,
    std::chrono::milliseconds limit = test_support::kGenerousDeadline);

} // namespace qel::testing
