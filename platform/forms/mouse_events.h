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
    // What the second press of a double click raises.
    enum class DoubleClick {
        // DblClick in place of that press's MouseDown and Click, then MouseUp.
        InPlaceOfClick,
        // MouseDown, MouseUp and Click as for any press, then DblClick (a control clicked
        // twice quickly acts twice).
        AfterClick,
    };

    explicit MouseEvents(DoubleClick doubleClick = DoubleClick::InPlaceOfClick) : m_doubleClick(doubleClick) {}

    // Raises the events for a mouse message; false for any other message. Click follows a
    // left button released over the control it went down on.
    bool raiseMouseEvents(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    // Forgets a press in progress (the control was disabled or hidden meanwhile).
    void cancelPress() { m_leftDown = m_pressedTwice = false; }

private:
    DoubleClick m_doubleClick;
    bool m_leftDown = false;
    bool m_pressedTwice = false;
};

} // namespace plat::forms
