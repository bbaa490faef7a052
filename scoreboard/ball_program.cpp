#include "scoreboard/ball_program.h"
#include "scoreboard/control_set.h"
#include "scoreboard/stored_layouts.h"

#include "platform/forms/display_screen.h"
#include "platform/forms/message_box.h"
#include "platform/window/api.h"
#include "platform/window/window_system.h"

namespace scoreboard {

namespace {

// The stored layouts of the program's forms place these classes, so they are known before the
// first form loads.
bool registerControls()
{
    registerProgramControls();
    return true;
}

} // namespace

BallProgram::BallProgram(StartupServices services)
    : m_controlsKnown(registerControls())
    , m_message(services.message)
    , m_main(services.dates)
    , m_startup(m_main, m_instanceLock, std::move(services))
{
}

BallProgram::~BallProgram()
{
    if (plat::win::WindowSystem::current()) {
        m_startup.unload();
        m_main.closeUnattended();
    }
}

void BallProgram::endFromOutside()
{
    if (m_main.isLoaded())
        m_main.closeUnattended();
    else
        plat::win::PostQuitMessage(0);
}

void BallProgram::takeEndSignals(plat::win::WindowSystem& windows)
{
    windows.setEndHandler([this](int) { endFromOutside(); });
}

bool BallProgram::start()
{
    if (std::optional<plat::forms::LayoutError> broken = firstUnreadableLayout()) {
        m_layoutUnreadable = true;
        std::fprintf(stderr, "ball: %s\n", broken->what());
        if (m_message)
            m_message(unreadableLayoutText(*broken), "系统提示", StartupMessageIcon::Stop);
        return false;
    }
    m_startup.load();
    if (m_startup.endsProgram()) {
        m_startup.unload();
        return false;
    }
    m_startup.show();
    return true;
}

StartupServices systemStartupServices()
{
    StartupServices services;
    services.message = [](std::string_view text, std::string_view title, StartupMessageIcon icon) {
        namespace forms = plat::forms;
        const int style = forms::vbOKOnly | (icon == StartupMessageIcon::Stop ? forms::vbCritical : forms::vbInformation);
        // Before the board, a box is drawn at the display's own size rather than scaled with the
        // board's screen (which a small display would shrink out of reading).
        forms::DisplaySizedScreen displaySized;
        forms::msgBox(std::string(text), style, std::string(title));
    };
    return services;
}

} // namespace scoreboard
