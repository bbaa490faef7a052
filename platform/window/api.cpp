#include "platform/window/api.h"
#include <stdexcept>

namespace plat::win {

WindowSystem& sys()
{
    WindowSystem* ws = WindowSystem::current();
    if (!ws)
        throw std::logic_error("no window system is running");
    return *ws;
}

HWND CreateWindow(const std::string& className, HWND parent, const gfx::Rect& rect, bool visible, WndProc proc)
{
    return sys().create(className, parent, rect, visible, std::move(proc));
}
void DestroyWindow(HWND hwnd) { sys().destroy(hwnd); }
bool IsWindow(HWND hwnd) { return sys().get(hwnd) != nullptr; }
HWND GetParent(HWND hwnd)
{
    const Window* w = sys().get(hwnd);
    return w ? w->parent : 0;
}
void SetParent(HWND hwnd, HWND parent) { sys().setParent(hwnd, parent); }
void MoveWindow(HWND hwnd, int x, int y, int width, int height) { sys().move(hwnd, gfx::Rect::fromSize(x, y, width, height)); }
gfx::Rect GetWindowRect(HWND hwnd)
{
    const Window* w = sys().get(hwnd);
    return w ? w->rect : gfx::Rect{};
}
gfx::Rect GetScreenRect(HWND hwnd) { return sys().screenRect(hwnd); }
void ShowWindow(HWND hwnd, bool visible) { sys().show(hwnd, visible); }
bool IsWindowVisible(HWND hwnd) { return sys().isVisible(hwnd); }
void EnableWindow(HWND hwnd, bool enabled) { sys().enable(hwnd, enabled); }
bool IsWindowEnabled(HWND hwnd) { return sys().isEnabled(hwnd); }
void BringWindowToTop(HWND hwnd) { sys().bringToTop(hwnd); }
void SendWindowToBack(HWND hwnd) { sys().sendToBack(hwnd); }
void SetWindowRgn(HWND hwnd, std::optional<gfx::Region> region) { sys().setRegion(hwnd, std::move(region)); }
void SetWindowTransparentToMouse(HWND hwnd, bool transparent)
{
    if (Window* w = sys().get(hwnd))
        w->transparentToMouse = transparent;
}
HWND WindowFromPoint(gfx::Point p) { return sys().windowFromPoint(p); }
gfx::Point ClientToScreen(HWND hwnd, gfx::Point p) { return sys().toScreen(hwnd, p); }
gfx::Point ScreenToClient(HWND hwnd, gfx::Point p)
{
    gfx::Point o = sys().toScreen(hwnd, {0, 0});
    return {p.x - o.x, p.y - o.y};
}

WndProc SetWindowProc(HWND hwnd, WndProc proc) { return sys().setProc(hwnd, std::move(proc)); }
LRESULT CallWindowProc(const WndProc& proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (proc && *proc)
        return (*proc)(hwnd, msg, wParam, lParam);
    return DefWindowProc(hwnd, msg, wParam, lParam);
}
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return sys().send(hwnd, msg, wParam, lParam); }
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return sys().post(hwnd, msg, wParam, lParam); }
void PostQuitMessage(int code) { sys().postQuit(code); }

TimerId SetTimer(HWND hwnd, TimerId id, uint32_t ms, TimerProc proc) { return sys().setTimer(hwnd, id, ms, std::move(proc)); }
bool KillTimer(HWND hwnd, TimerId id) { return sys().killTimer(hwnd, id); }

HWND SetFocus(HWND hwnd) { return sys().setFocus(hwnd); }
HWND GetFocus() { return sys().focus(); }
void MoveFocus(bool forward) { sys().moveFocus(sys().focus(), forward); }
void SetTabStop(HWND hwnd, bool tabStop, int tabIndex)
{
    if (Window* w = sys().get(hwnd)) {
        w->tabStop = tabStop;
        w->tabIndex = tabIndex;
    }
}
void SetFocusable(HWND hwnd, bool focusable)
{
    if (Window* w = sys().get(hwnd))
        w->focusable = focusable;
}
HWND SetCapture(HWND hwnd) { return sys().setCapture(hwnd); }
void ReleaseCapture() { sys().releaseCapture(); }
HWND GetCapture() { return sys().capture(); }
bool TrackMouseEvent(const TRACKMOUSEEVENT& request) { return sys().trackMouseEvent(request); }
short GetKeyState(int vk) { return sys().keyState(vk); }
gfx::Point GetCursorPos() { return sys().cursor(); }

gfx::Surface& WindowImage(HWND hwnd) { return sys().image(hwnd); }
void SetWindowBlend(HWND hwnd, Blend blend, gfx::Color key) { sys().setBlend(hwnd, blend, key); }
void ImageChanged(HWND hwnd, std::optional<gfx::Rect> part) { sys().imageChanged(hwnd, part); }
void InvalidateRect(HWND hwnd) { sys().invalidate(hwnd); }
void UpdateWindow(HWND hwnd) { sys().update(hwnd); }

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN:
        return sys().screenSize().width;
    case SM_CYSCREEN:
        return sys().screenSize().height;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 17;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    default:
        return 0;
    }
}

void* GetWindowUserData(HWND hwnd)
{
    const Window* w = sys().get(hwnd);
    return w ? w->userData : nullptr;
}
void SetWindowUserData(HWND hwnd, void* data)
{
    if (Window* w = sys().get(hwnd))
        w->userData = data;
}

void RunModalLoop(HWND modal, const std::function<bool()>& done) { sys().runModal(modal, done); }
int64_t GetTickCountUs() { return sys().clock().nowUs(); }
int64_t GetTickCount() { return sys().clock().nowMs(); }

} // namespace plat::win
