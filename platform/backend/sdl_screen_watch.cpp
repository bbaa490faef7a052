#include "platform/backend/sdl_screen_watch.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

namespace plat::backend {

SdlScreenWatch::SdlScreenWatch(SDL_Window* window)
{
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    Display* display = info.info.x11.display;
    const Window root = DefaultRootWindow(display);
    // The root window is resized with the screen; its ConfigureNotify comes through SDL's queue
    // as a window-manager event. Other events of the root stay as the mask left them.
    XWindowAttributes attributes {};
    if (!XGetWindowAttributes(display, root, &attributes))
        return;
    XSelectInput(display, root, attributes.your_event_mask | StructureNotifyMask);
    XFlush(display);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    m_root = root;
#else
    (void)window;
#endif
}

std::optional<gfx::Size> SdlScreenWatch::resized(const SDL_Event& event) const
{
#if defined(SDL_VIDEO_DRIVER_X11)
    if (!m_root || event.type != SDL_SYSWMEVENT || !event.syswm.msg || event.syswm.msg->subsystem != SDL_SYSWM_X11)
        return std::nullopt;
    const XEvent& x = event.syswm.msg->msg.x11.event;
    if (x.type != ConfigureNotify || x.xconfigure.window != m_root)
        return std::nullopt;
    return gfx::Size { x.xconfigure.width, x.xconfigure.height };
#else
    (void)event;
    return std::nullopt;
#endif
}

} // namespace plat::backend
