#pragma once
#include "platform/window/types.h"
#include <functional>

namespace plat::forms {

// The click and mouse events of the standard controls, with positions in twips relative to
// the control. Button: 1 left, 2 right, 4 middle (for moves, the buttons held); shift: 1 Shift,
// 2 Ctrl, 4 Alt.
class MouseEvents {
public:
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;
    std::function<void(int button, int shift, double x, double y)> onMouseMove;

protected:
    // Raises the events for a mouse message; false for any other message. Click follows a
    // left button released over the control it went down on; a double click raises DblClick
    // in place of the second MouseDown's Click, then MouseUp.
    bool raiseMouseEvents(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

private:
    bool m_leftDown = false;
};

} // namespace plat::forms
