#include "platform/forms/display_screen.h"

#include "platform/system/display_modes_service.h"
#include "platform/window/window_system.h"

namespace plat::forms {

namespace {

void setScreenSize(gfx::Size size)
{
    win::WindowSystem* windows = win::WindowSystem::current();
    if (windows && size.width > 0 && size.height > 0 && windows->screenSize() != size)
        windows->setScreenSize(size);
}

} // namespace

void fitScreenToDisplay()
{
    const sys::DisplaySize display = sys::displayModes().screenSize();
    setScreenSize({ display.width, display.height });
}

DisplaySizedScreen::DisplaySizedScreen()
{
    if (win::WindowSystem* windows = win::WindowSystem::current())
        m_before = windows->screenSize();
    fitScreenToDisplay();
}

DisplaySizedScreen::~DisplaySizedScreen() { setScreenSize(m_before); }

} // namespace plat::forms
