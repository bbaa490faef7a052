#include "platform/window/default_proc.h"
#include "platform/window/window_system.h"

namespace plat::win {

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WindowSystem* ws = WindowSystem::current();
    if (!ws)
        return 0;
    switch (msg) {
    case WM_PAINT:
        if (Window* w = ws->get(hwnd))
            w->needsPaint = false;
        return 0;
    case WM_CLOSE:
        ws->destroy(hwnd);
        return 0;
    case WM_MOUSEWHEEL:
        // An unhandled wheel goes up to the parent, as on Windows.
        if (Window* w = ws->get(hwnd); w && w->parent)
            return ws->send(w->parent, msg, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}

} // namespace plat::win
