#include "platform/backend/platform.h"
#include "platform/backend/headless_backend.h"
#include "platform/backend/sdl_backend.h"
#include "platform/system/display_modes_service.h"
#include "platform/system/notification_area.h"
#include "platform/system/recorded_display_modes.h"
#include "platform/system/x11_notification_area.h"
#include "platform/system/xrandr_display_modes.h"
#include <SDL2/SDL.h>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace plat::backend {

namespace {

// SDL falls back to its offscreen driver when no display answers: the program would then run
// on with nothing to see. The offscreen and dummy drivers count only when SDL_VIDEODRIVER asks.
bool showsNothingUnasked(const char* driver)
{
    if (!driver || (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0))
        return false;
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    return !asked || std::strcmp(asked, driver) != 0;
}

std::string noDisplayReason()
{
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        return "DISPLAY is not set";
    return std::string("the display ") + display + " cannot be opened";
}

} // namespace

std::unique_ptr<Platform> Platform::start(const PlatformOptions& options)
{
    if (options.programName.empty())
        throw std::invalid_argument("Platform::start: the program's name is missing from its options");
    std::unique_ptr<Platform> p(new Platform());
    const char* forced = std::getenv("BALL_BACKEND");
    bool headless = options.headless || (forced && std::strcmp(forced, "headless") == 0);
    if (!headless) {
        p->m_sdl = SdlBackend::open(options.screen, options.fullscreen, options.programName, p->m_fallbackReason);
        if (p->m_sdl && showsNothingUnasked(SDL_GetCurrentVideoDriver())) {
            p->m_sdl.reset();
            p->m_fallbackReason = noDisplayReason();
        }
        if (p->m_sdl) {
            p->m_windows = std::make_unique<win::WindowSystem>(*p->m_sdl, options.screen);
            p->m_sdl->attach(p->m_windows.get());
            // The real display's modes where X11 offers them; otherwise one that only records.
            auto modes = sys::openXrandrDisplayModes();
            if (!modes) {
                gfx::Size d = p->m_sdl->displaySize();
                modes = std::make_unique<sys::RecordedDisplayModes>(sys::DisplaySize{d.width, d.height});
            }
            sys::installDisplayModes(std::move(modes));
            // The desktop's system tray, on X11 (none elsewhere: the tray icons then show nothing).
            if (const char* driver = SDL_GetCurrentVideoDriver(); driver && std::strcmp(driver, "x11") == 0) {
                std::string trayError;
                sys::installNotificationArea(sys::X11NotificationArea::open(nullptr, options.programName, trayError));
            }
            return p;
        }
    }
    p->m_headless = std::make_unique<HeadlessBackend>(options.realClock);
    p->m_windows = std::make_unique<win::WindowSystem>(*p->m_headless, options.screen);
    sys::installDisplayModes(std::make_unique<sys::RecordedDisplayModes>(sys::DisplaySize{options.screen.width, options.screen.height}));
    return p;
}

Platform::~Platform()
{
    // The window system goes first: its windows still talk to the backend while they close.
    m_windows.reset();
    sys::installDisplayModes(nullptr);
    sys::installNotificationArea(nullptr);
}

} // namespace plat::backend
