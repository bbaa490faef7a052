#include "platform/backend/sdl_video_drivers.h"

#include <SDL2/SDL.h>
#include <cstdlib>
#include <cstring>
#include <string>

namespace plat::backend {

namespace {

bool isAbsolute(const char* path) { return path && path[0] == '/'; }

// Whether libwayland could name a socket here: WAYLAND_SOCKET, an absolute WAYLAND_DISPLAY, or an
// absolute XDG_RUNTIME_DIR to look for it in.
bool waylandReachable()
{
    const char* socket = std::getenv("WAYLAND_SOCKET");
    return (socket && *socket) || isAbsolute(std::getenv("WAYLAND_DISPLAY")) || isAbsolute(std::getenv("XDG_RUNTIME_DIR"));
}

} // namespace

void leaveOutUnreachableVideoDrivers()
{
    const char* chosen = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if ((chosen && *chosen) || waylandReachable())
        return;
    std::string drivers;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const char* driver = SDL_GetVideoDriver(i);
        if (!driver || std::strcmp(driver, "wayland") == 0)
            continue;
        if (!drivers.empty())
            drivers += ',';
        drivers += driver;
    }
    // A hint, not the environment: the programs started from here choose for themselves.
    if (!drivers.empty())
        SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
}

} // namespace plat::backend
