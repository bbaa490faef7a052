#pragma once
#include "platform/window/types.h"
#include <functional>

namespace plat::media {

// The click and mouse events of the picture controls, positions in twips relative to the
// control. Button: 1 left, 2 right, 4 middle (for a move, the buttons held); shift: 1 Shift,
// 2 Ctrl, 4 Alt. A control in a control array is told apart by its index, which the host
// captures when it connects the events of each item.
class PictureMouseEvents {
public:
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseMove;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;

protected:
    // Raises the events of a mouse message; false for any other message.
    //
    // Click follows a left button released over the control it went down on. The second
    // press of a double click counts as a press of its own (a picture button clicked twice
    // quickly acts twice), and DblClick comes after its Click.
    bool raiseMouseEvents(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    // Forgets a press in progress (the control was disabled or hidden meanwhile).
    void cancelPress() { m_pressed = m_pressedTwice = false; }

private:
    bool m_pressed = false;
    bool m_pressedTwice = false;
};

} // namespace plat::media
