#pragma once
#include "platform/window/types.h"

namespace plat::win {

// Message numbers as Windows numbers them; stored data and the controls rely on them.
enum : UINT {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_ENABLE = 0x000A,
    WM_SETTEXT = 0x000C,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_ERASEBKGND = 0x0014,
    WM_SHOWWINDOW = 0x0018,
    WM_SETCURSOR = 0x0020,
    WM_MOUSEACTIVATE = 0x0021,
    WM_WINDOWPOSCHANGED = 0x0047,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_SYSCHAR = 0x0106,
    WM_TIMER = 0x0113,
    WM_CTLCOLOREDIT = 0x0133,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MBUTTONDBLCLK = 0x0209,
    WM_MOUSEWHEEL = 0x020A,
    WM_CAPTURECHANGED = 0x0215,
    WM_MOUSEHOVER = 0x02A1,
    WM_MOUSELEAVE = 0x02A3,
    WM_FONTCHANGE = 0x001D,
    WM_DISPLAYCHANGE = 0x007E,
    WM_USER = 0x0400,
};

// Mouse and key-state flags of a mouse message's wParam.
enum : WPARAM {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

// TrackMouseEvent flags.
enum : uint32_t {
    TME_HOVER = 0x00000001,
    TME_LEAVE = 0x00000002,
    TME_CANCEL = 0x80000000,
};
constexpr uint32_t HOVER_DEFAULT = 0xFFFFFFFF;
constexpr int WHEEL_DELTA = 120;

struct TRACKMOUSEEVENT {
    uint32_t cbSize = 16;
    uint32_t dwFlags = 0;
    HWND hwndTrack = 0;
    uint32_t dwHoverTime = HOVER_DEFAULT;
};

// System metrics the program asks for.
enum : int {
    SM_CXSCREEN = 0,
    SM_CYSCREEN = 1,
    SM_CXVSCROLL = 2,
    SM_CYHSCROLL = 3,
    SM_CXDOUBLECLK = 36,
    SM_CYDOUBLECLK = 37,
};

} // namespace plat::win
