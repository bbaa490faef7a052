#pragma once
#include "platform/window/api.h"
#include "platform/window/messages.h"
#include "platform/window/virtual_keys.h"

namespace plat::win {

// The Shift argument of the mouse events: a bit for each key held.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// The Shift and Ctrl keys of a mouse message, from the MK_SHIFT and MK_CONTROL flags of its wParam.
constexpr int mouseShift(WPARAM wParam)
{
    return ((wParam & MK_SHIFT) ? kShiftMask : 0) | ((wParam & MK_CONTROL) ? kCtrlMask : 0);
}

// The same with Alt, which the message does not carry: the keyboard is asked for it.
inline int mouseShiftWithAlt(WPARAM wParam) { return mouseShift(wParam) | (GetKeyState(VK_MENU) < 0 ? kAltMask : 0); }

} // namespace plat::win
