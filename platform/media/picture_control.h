#pragma once
#include "platform/forms/mouse_events.h"

namespace plat::media {

// The click and mouse events of the picture controls, positions in twips relative to the
// control. A control in a control array is told apart by its index, which the host captures
// when it connects the events of each item.
//
// The second press of a double click counts as a press of its own (a picture button clicked
// twice quickly acts twice), and DblClick comes after its Click.
class PictureMouseEvents : public forms::MouseEvents {
protected:
    PictureMouseEvents() : MouseEvents(DoubleClick::AfterClick) {}
};

} // namespace plat::media
