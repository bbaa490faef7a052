#pragma once
#include "platform/window/types.h"

namespace plat::win {

// What a window does with a message nobody handled.
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace plat::win
