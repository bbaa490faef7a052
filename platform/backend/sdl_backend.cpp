#include "platform/backend/sdl_backend.h"
#include "platform/backend/end_signal_watch.h"
#include "platform/backend/sdl_keymap.h"
#include "platform/backend/sdl_screen_watch.h"
#include "platform/backend/sdl_video_drivers.h"
#include "platform/window/messages.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_system.h"
#include <SDL2/SDL.h>
#include <algorithm>

namespace plat::backend {

using win::InputEvent;

std::unique_ptr<SdlBackend> SdlBackend::open(gfx::Size logical, bool fullscreen, const std::string& programName, std::string& error)
{
    leaveOutUnreachableVideoDrivers();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = SDL_GetError();
        return nullptr;
    }
    std::unique_ptr<SdlBackend> b(new SdlBackend());
    b->m_logical = logical;
    SDL_DisplayMode mode{};
    int w = logical.width, h = logical.height;
    // Hidden until the program shows a window of its own, so a program that ends during its
    // start (a second copy, a small screen) never flashes an empty screen.
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (fullscreen && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        // Without a window manager a full-screen window must be placed at 0,0 with the desktop size.
        w = mode.w;
        h = mode.h;
        flags |= SDL_WINDOW_BORDERLESS;
    }
    b->m_window = SDL_CreateWindow(programName.c_str(), 0, 0, w, h, flags);
    if (!b->m_window) {
        error = SDL_GetError();
        return nullptr;
    }
    b->m_fullscreen = fullscreen;
    // The window's own surface, not a renderer: a present then sends only what changed, where a
    // renderer redraws (and under a software GL scales) the whole screen each time. SDL would
    // back that surface with a GL texture itself unless told not to.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (!SDL_GetWindowSurface(b->m_window)) {
        error = SDL_GetError();
        return nullptr;
    }
    SDL_StopTextInput();
    b->m_screenWatch = std::make_unique<SdlScreenWatch>(b->m_window);
    b->m_endSignalEvent = SDL_RegisterEvents(1);
    if (b->m_endSignalEvent != Uint32(-1))
        b->m_endSignalWatch = std::make_unique<EndSignalWatch>(b->m_endSignalEvent);
    return b;
}

SdlBackend::~SdlBackend()
{
    m_endSignalWatch.reset();
    if (m_window)
        SDL_DestroyWindow(m_window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

gfx::Size SdlBackend::displaySize() const
{
    SDL_DisplayMode mode{};
    int index = m_window ? SDL_GetWindowDisplayIndex(m_window) : 0;
    if (SDL_GetDesktopDisplayMode(std::max(index, 0), &mode) != 0)
        return m_logical;
    return {mode.w, mode.h};
}

bool SdlBackend::waitForEvents(std::optional<int64_t> deadlineUs)
{
    int timeoutMs = -1;
    if (deadlineUs) {
        int64_t wait = *deadlineUs - m_clock.nowUs();
        // SDL waits in whole milliseconds; round up so a timer is never woken early.
        timeoutMs = int(std::clamp<int64_t>((wait + 999) / 1000, 0, 1000000));
    }
    SDL_Event e;
    int got = timeoutMs < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, timeoutMs);
    if (got) {
        handle(&e);
        while (SDL_PollEvent(&e))
            handle(&e);
    }
    return true;
}

void SdlBackend::handle(const void* raw)
{
    const SDL_Event& e = *static_cast<const SDL_Event*>(raw);
    if (m_endSignalWatch && e.type == m_endSignalEvent) {
        // Only a wake-up: the window system takes the signal on its next round.
        m_endSignalWatch->seen();
        return;
    }
    if (!m_windows)
        return;
    auto& ws = *m_windows;
    if (std::optional<gfx::Size> screen = m_screenWatch ? m_screenWatch->resized(e) : std::nullopt) {
        fitToScreen(*screen);
        return;
    }
    switch (e.type) {
    case SDL_QUIT: {
        win::HWND target = ws.activeWindow();
        if (target)
            ws.post(target, win::WM_CLOSE, 0, 0);
        else
            ws.postQuit(0);
        break;
    }
    case SDL_MOUSEMOTION: {
        gfx::Point p = toLogical(e.motion.x, e.motion.y);
        ws.queueInput({InputEvent::Kind::MouseMove, p.x, p.y});
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int button = e.button.button == SDL_BUTTON_LEFT ? 1 : e.button.button == SDL_BUTTON_RIGHT ? 2 : e.button.button == SDL_BUTTON_MIDDLE ? 3 : 0;
        gfx::Point p = toLogical(e.button.x, e.button.y);
        if (button)
            ws.queueInput({e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp, p.x, p.y, button});
        break;
    }
    case SDL_MOUSEWHEEL: {
        int x = 0, y = 0;
        SDL_GetMouseState(&x, &y);
        gfx::Point p = toLogical(x, y);
        int delta = e.wheel.y * win::WHEEL_DELTA * (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1);
        ws.queueInput({InputEvent::Kind::Wheel, p.x, p.y, 0, delta});
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        int vk = virtualKeyFromSdl(e.key.keysym.sym, e.key.keysym.scancode);
        if (!vk)
            break;
        InputEvent ev{e.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp};
        ev.value = vk;
        ev.repeat = e.key.repeat != 0;
        // Left and right Shift, Ctrl and Alt keep their own codes here: the window system
        // delivers them with the generic code and answers GetKeyState for each side.
        ws.queueInput(ev);
        break;
    }
    case SDL_TEXTINPUT:
        ws.queueText(e.text.text);
        break;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_RESTORED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            m_repaintWindow = true;
            ws.invalidateScreen(ws.screen().rect());
        }
        break;
    default:
        break;
    }
}

// As at the start: a full-screen window covers the screen from 0,0, and the logical screen is
// scaled into it anew.
void SdlBackend::fitToScreen(gfx::Size screen)
{
    if (m_fullscreen) {
        SDL_SetWindowPosition(m_window, 0, 0);
        SDL_SetWindowSize(m_window, screen.width, screen.height);
    }
    m_repaintWindow = true;
    m_windows->invalidateScreen(m_windows->screen().rect());
    m_windows->displayChanged(screen);
}

Letterbox SdlBackend::letterbox() const
{
    int w = 0, h = 0;
    SDL_GetWindowSize(m_window, &w, &h);
    return Letterbox(m_logical, {w, h});
}

gfx::Point SdlBackend::toLogical(int windowX, int windowY) const { return letterbox().toLogical({windowX, windowY}); }

void SdlBackend::present(const gfx::Surface& screen, const std::vector<gfx::Rect>& dirty)
{
    if (screen.width() != m_logical.width || screen.height() != m_logical.height) {
        m_logical = {screen.width(), screen.height()};
        if (!m_fullscreen)
            SDL_SetWindowSize(m_window, m_logical.width, m_logical.height);
        m_repaintWindow = true;
    }
    SDL_Surface* surface = SDL_GetWindowSurface(m_window);
    if (!surface)
        return;
    const Letterbox box(m_logical, {surface->w, surface->h});
    std::vector<gfx::Rect> parts = m_repaintWindow ? std::vector<gfx::Rect>{screen.rect()} : dirty;
    std::vector<SDL_Rect> changed;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0)
        return;
    if (m_repaintWindow) {
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
        changed.push_back({0, 0, surface->w, surface->h});
    }
    for (const gfx::Rect& part : parts) {
        const gfx::Rect target = box.toWindow(part);
        if (target.isEmpty())
            continue;
        const void* pixels = nullptr;
        int pitch = 0;
        if (box.isIdentity()) {
            pixels = screen.row(target.top) + target.left;
            pitch = screen.width() * 4;
        } else {
            box.scale(screen, target, m_scaled);
            pixels = m_scaled.data();
            pitch = target.width() * 4;
        }
        uint8_t* out = static_cast<uint8_t*>(surface->pixels) + target.top * surface->pitch
            + target.left * surface->format->BytesPerPixel;
        // Pixels are 0x00BBGGRR in a 32-bit word: red in the lowest byte, i.e. ABGR8888.
        SDL_ConvertPixels(target.width(), target.height(), SDL_PIXELFORMAT_ABGR8888, pixels, pitch, surface->format->format,
            out, surface->pitch);
        if (!m_repaintWindow)
            changed.push_back({target.left, target.top, target.width(), target.height()});
    }
    if (SDL_MUSTLOCK(surface))
        SDL_UnlockSurface(surface);
    m_repaintWindow = false;
    if (!changed.empty())
        SDL_UpdateWindowSurfaceRects(m_window, changed.data(), int(changed.size()));
}

void SdlBackend::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (shown) {
        SDL_ShowWindow(m_window);
        SDL_RaiseWindow(m_window);
    } else {
        SDL_HideWindow(m_window);
    }
}

void SdlBackend::setTitle(const std::string& title) { SDL_SetWindowTitle(m_window, title.c_str()); }

void SdlBackend::setMinimized(bool minimized)
{
    if (minimized)
        SDL_MinimizeWindow(m_window);
    else
        SDL_RestoreWindow(m_window);
}

bool SdlBackend::isMinimized() const { return (SDL_GetWindowFlags(m_window) & SDL_WINDOW_MINIMIZED) != 0; }

void SdlBackend::setTextInput(bool on)
{
    if (on)
        SDL_StartTextInput();
    else
        SDL_StopTextInput();
}

// The desktop's clipboard (on X the CLIPBOARD selection), so that text goes both ways between
// the program's fields and other programs. Lines ended by a line feed alone, as other programs
// on the desktop copy them, become the CR LF lines of the program's fields.
std::optional<std::string> SdlBackend::clipboardText() const
{
    if (!SDL_HasClipboardText())
        return std::nullopt;
    char* text = SDL_GetClipboardText();
    if (!text)
        return std::nullopt;
    const std::string held(text);
    SDL_free(text);
    if (held.empty())
        return std::nullopt;
    std::string lines;
    lines.reserve(held.size());
    for (size_t i = 0; i < held.size(); ++i) {
        if (held[i] == '\n' && (i == 0 || held[i - 1] != '\r'))
            lines += '\r';
        lines += held[i];
    }
    return lines;
}

void SdlBackend::setClipboardText(std::optional<std::string> text) { SDL_SetClipboardText(text ? text->c_str() : ""); }

} // namespace plat::backend
