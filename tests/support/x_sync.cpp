#include "tests/support/x_sync.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>

namespace test_support {
namespace {

SDL_Window* anyWindow()
{
    if (SDL_Window* focused = SDL_GetKeyboardFocus())
        return focused;
    // Window ids count up from 1 as windows are made.
    for (Uint32 id = 1; id < 256; ++id)
        if (SDL_Window* window = SDL_GetWindowFromID(id))
            return window;
    return nullptr;
}

} // namespace

void syncWithXServer()
{
    SDL_Window* window = anyWindow();
    if (!window)
        return;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
        XSync(info.info.x11.display, False);
}

} // namespace test_support
