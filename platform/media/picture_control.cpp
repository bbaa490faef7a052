#include "platform/media/picture_control.h"
#include "platform/window/api.h"

namespace plat::media {

using namespace plat::win;

LRESULT PictureControl::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK) {
        if (!enabled()) {
            cancelPress();
            return 0;
        }
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        return 0;
    }
    return UserControl::windowProc(hwnd, msg, wParam, lParam);
}

} // namespace plat::media
