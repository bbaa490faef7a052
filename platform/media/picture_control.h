#pragma once
#include "platform/forms/mouse_events.h"
#include "platform/forms/user_control.h"

namespace plat::media {

// What the picture controls share: they never take the focus, and their mouse messages become
// click and mouse events, positions in twips relative to the control, while the control is
// enabled (a disabled one drops a press in progress). A control in a control array is told apart
// by its index, which the host captures when it connects the events of each item.
//
// The second press of a double click counts as a press of its own (a picture button clicked
// twice quickly acts twice), and DblClick comes after its Click.
class PictureControl : public forms::UserControl, public forms::MouseEvents {
protected:
    PictureControl() : MouseEvents(DoubleClick::AfterClick) {}

    bool canTakeFocus() const override { return false; }
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
};

} // namespace plat::media
