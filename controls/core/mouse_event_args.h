#pragma once
#include "platform/window/types.h"

namespace qel {

// The arguments of the common mouse events, computed from a mouse message: Shift and
// Control are 1 while that key is down (MK_SHIFT, MK_CONTROL), else 0; x and y are the
// message's position in twips relative to the control (negative left of or above it).
struct MouseEventArgs {
    int Button = 0; // 1 left, 2 right, 4 middle, 0 none
    int Shift = 0;
    int Control = 0;
    int x = 0;
    int y = 0;
};

MouseEventArgs mouseEventArgs(plat::win::WPARAM wParam, plat::win::LPARAM lParam);

// The Button of a mouse move: 1 with the left button held, then 2 with the right, then 4
// with the middle, the last true test winning (left and middle give 4); 0 with none.
int moveButton(plat::win::WPARAM wParam);

// The Button of a button message (1, 2 or 4); 0 for any other message.
int messageButton(plat::win::UINT msg);

// The wheel's Sens: 1 when the wheel turned toward the user (wParam negative as a signed
// 32-bit number), else 0.
int wheelSens(plat::win::WPARAM wParam);

} // namespace qel
