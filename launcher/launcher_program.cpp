#include "launcher/launcher_program.h"
#include "platform/forms/display_screen.h"

#include "platform/window/window_system.h"

namespace launcher {

LauncherProgram::LauncherProgram(LauncherServices services)
    : m_form(m_instanceLock, std::move(services))
{
}

LauncherProgram::~LauncherProgram()
{
    if (plat::win::WindowSystem::current())
        m_form.unload();
}

bool LauncherProgram::start()
{
    m_form.load();
    if (m_form.endsProgram()) {
        m_form.unload();
        return false;
    }
    plat::forms::fitScreenToDisplay();
    m_form.show();
    return true;
}

} // namespace launcher
