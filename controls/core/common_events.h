#pragma once
#include "controls/core/mouse_event_args.h"
#include "platform/window/messages.h"
#include <functional>

namespace qel {

// The key and mouse events the control set raises, and the one translation of a window's mouse
// messages into them: a move re-arms hover and leave tracking and raises MouseMove, a button
// message goes through OnMouseButton (which raises MouseDown, MouseUp or MouseDblClick), the wheel
// raises MouseWheel. Hover, leave and keys are each raiser's own business.
class CommonEvents {
public:
    using MouseEvent = std::function<void(int& Button, int& Shift, int& Control, int& x, int& y)>;
    using KeyEvent = std::function<void(int& KeyCode, int& Shift)>;

    KeyEvent KeyDown;
    std::function<void(int& KeyAscii)> KeyPress;
    KeyEvent KeyUp;
    std::function<void()> MouseHover;
    std::function<void()> MouseLeave;
    std::function<void(int& Sens)> MouseWheel;
    MouseEvent MouseDown;
    MouseEvent MouseUp;
    MouseEvent MouseDblClick;
    MouseEvent MouseMove;

protected:
    CommonEvents();
    virtual ~CommonEvents() = default;

    // A move, button or wheel message becomes its event (true); any other message is left (false).
    bool RaiseMouseMessage(plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam);
    // Button down, up and double click with Button set; the default raises the event.
    virtual void OnMouseButton(plat::win::UINT msg, MouseEventArgs& args);
    void RaiseMouseEvent(plat::win::UINT msg, MouseEventArgs args);

    // Hover and leave tracking of the watched window (hwndTrack set by the raiser).
    plat::win::TRACKMOUSEEVENT m_track;
};

} // namespace qel
