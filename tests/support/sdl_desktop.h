#pragma once
#include "platform/backend/sdl_backend.h"
#include "platform/window/window_system.h"
#include "tests/delivery/child_process.h"
#include "tests/support/xvfb_display.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace test_support {

// The real SDL backend (its x11 driver) on a private X server, with the window system on it, for
// tests that type with xdotool and use the desktop's clipboard with xclip. The test's loop runs
// while the tools work, since the program answers the X server only from its loop.
class SdlDesktop {
public:
    SdlDesktop()
    {
        if (::access("/usr/bin/Xvfb", X_OK) != 0 || ::access("/usr/bin/xdotool", X_OK) != 0
            || ::access("/usr/bin/xclip", X_OK) != 0) {
            m_missing = "Xvfb, xdotool and xclip are needed (scripts/setup.sh installs them)";
            return;
        }
        m_xvfb = std::make_unique<XvfbDisplay>();
        if (!m_xvfb->running())
            return;
        ::setenv("DISPLAY", m_xvfb->name().c_str(), 1);
        ::setenv("SDL_VIDEODRIVER", "x11", 1);
        std::string error;
        m_sdl = plat::backend::SdlBackend::open({1024, 768}, true, "ball", error);
        if (!m_sdl)
            return;
        m_windows = std::make_unique<plat::win::WindowSystem>(*m_sdl, plat::gfx::Size{1024, 768});
        m_sdl->attach(m_windows.get());
    }
    ~SdlDesktop()
    {
        m_windows.reset();
        m_sdl.reset();
        ::unsetenv("SDL_VIDEODRIVER");
        ::unsetenv("DISPLAY");
    }
    SdlDesktop(const SdlDesktop&) = delete;
    SdlDesktop& operator=(const SdlDesktop&) = delete;

    // Why the test cannot run here (tools missing), empty when it can.
    const std::string& missing() const { return m_missing; }
    bool open() const { return m_windows != nullptr; }
    plat::win::WindowSystem& windows() { return *m_windows; }
    const std::string& display() const { return m_xvfb->name(); }

    // Runs the loop until `done` holds; false when it did not within the limit.
    bool pumpUntil(const std::function<bool()>& done, std::chrono::seconds limit = std::chrono::seconds(30))
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            m_windows->pumpOnce(false);
            m_sdl->waitForEvents(m_windows->clock().nowUs() + 20'000);
        }
        return true;
    }
    // Runs a tool on the display to its end while the loop runs; its exit status (-1: it did not end).
    int run(const std::vector<std::string>& argv, std::chrono::seconds limit = std::chrono::seconds(30))
    {
        delivery::ChildProcess tool(argv, delivery::Environment().set("DISPLAY", display()));
        if (!tool.started())
            return -1;
        pumpUntil([&] { return !tool.running(); }, limit);
        const std::optional<int> status = tool.waitFor(std::chrono::milliseconds(0));
        return status ? *status : -1;
    }
    // Until the program's window is on the screen, so that xdotool's keys reach it.
    bool waitForWindow()
    {
        return pumpUntil([&] {
            delivery::ChildProcess search({"/usr/bin/xdotool", "search", "--onlyvisible", "--name", "."},
                delivery::Environment().set("DISPLAY", display()));
            while (search.running()) {
                m_windows->pumpOnce(false);
                m_sdl->waitForEvents(m_windows->clock().nowUs() + 10'000);
            }
            return search.waitFor(std::chrono::milliseconds(0)) == 0;
        });
    }

private:
    std::string m_missing;
    std::unique_ptr<XvfbDisplay> m_xvfb;
    std::unique_ptr<plat::backend::SdlBackend> m_sdl;
    std::unique_ptr<plat::win::WindowSystem> m_windows;
};

} // namespace test_support
