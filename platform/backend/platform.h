#pragma once
#include "platform/window/window_system.h"
#include <memory>
#include <string>

namespace plat::backend {

class HeadlessBackend;
class SdlBackend;

struct PlatformOptions {
    std::string programName;     // who runs ("ball", "main"): the window's first title, the tray icons' class
    gfx::Size screen{1024, 768}; // the logical screen the program lays itself out for
    bool headless = false;       // forced; also chosen when no display can be opened
    bool realClock = true;       // headless only: real time or a virtual clock
    bool fullscreen = true;
};

// The running program's platform: a backend and the window system on it.
class Platform {
public:
    // Opens the SDL backend unless headless is asked for (option or BALL_BACKEND=headless)
    // or no display is available; then the headless backend. The program says who it is:
    // options without a programName are a programming error (std::invalid_argument).
    static std::unique_ptr<Platform> start(const PlatformOptions& options);
    ~Platform();

    win::WindowSystem& windows() { return *m_windows; }
    bool isHeadless() const { return m_headless != nullptr; }
    HeadlessBackend* headless() { return m_headless.get(); }
    SdlBackend* sdl() { return m_sdl.get(); }
    // Why the SDL backend could not be opened, when it could not.
    const std::string& fallbackReason() const { return m_fallbackReason; }

private:
    Platform() = default;
    std::unique_ptr<HeadlessBackend> m_headless;
    std::unique_ptr<SdlBackend> m_sdl;
    std::unique_ptr<win::WindowSystem> m_windows;
    std::string m_fallbackReason;
};

} // namespace plat::backend
