#pragma once
#include "platform/gfx/geometry.h"

namespace plat::forms {

// Makes the screen the windows lie on as large as the display stands now, so that what is shown
// next is drawn at the display's own size and centred on it. A display that cannot tell its size
// leaves the screen as it is.
void fitScreenToDisplay();

// The screen at the display's own size while this object lives (message boxes before a program's
// own layout takes the screen); then the screen it had before.
class DisplaySizedScreen {
public:
    DisplaySizedScreen();
    ~DisplaySizedScreen();
    DisplaySizedScreen(const DisplaySizedScreen&) = delete;
    DisplaySizedScreen& operator=(const DisplaySizedScreen&) = delete;

private:
    gfx::Size m_before;
};

} // namespace plat::forms
