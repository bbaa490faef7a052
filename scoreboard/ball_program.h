#pragma once
#include "scoreboard/main_form.h"
#include "scoreboard/startup_form.h"

#include "platform/window/window_system.h"

#include <optional>

namespace scoreboard {

// The forms of the program `ball` and what lives as long as the program: the single-instance lock.
class BallProgram {
public:
    explicit BallProgram(StartupServices services);
    ~BallProgram();

    // Loads the start-up screen and shows it. False when its load ended the program, or when a
    // stored form layout cannot be read (told in a message box naming the file); nothing else is
    // shown then and the program should end without running its loop.
    bool start();
    // The status the program ends with after start() refused: a failure only for an unreadable
    // layout; the start-up's own ends (a second instance, a screen too small) are normal ends.
    int refusedStartStatus() const { return m_layoutUnreadable ? 1 : 0; }
    // What a signal from outside (logout, shutdown, the terminal gone) does: the board's close,
    // as the operator's would do it, without a question; before the board exists, the end.
    void endFromOutside();
    // Hands the window system's end handler to endFromOutside.
    void takeEndSignals(plat::win::WindowSystem& windows);

    StartupForm& startupForm() { return m_startup; }
    MainForm& mainForm() { return m_main; }

private:
    bool m_controlsKnown;
    std::function<void(std::string_view, std::string_view, StartupMessageIcon)> m_message;
    bool m_layoutUnreadable = false;
    std::optional<plat::sys::SingleInstanceLock> m_instanceLock;
    MainForm m_main;
    StartupForm m_startup;
};

// The services of a real run: the system's date, the system's font install, the platform's
// message boxes.
StartupServices systemStartupServices();

} // namespace scoreboard
