#pragma once
#include "launcher/form1.h"

#include <optional>

namespace launcher {

// The program `main`: its form and what lives as long as the program, the single-instance lock.
class LauncherProgram {
public:
    explicit LauncherProgram(LauncherServices services = systemLauncherServices());
    ~LauncherProgram();

    // Loads Form1, which runs the whole sequence. False when the load ended the program (the
    // window is gone then and the loop should not run); true when the window is shown and waits.
    bool start();

    Form1& form() { return m_form; }

private:
    std::optional<plat::sys::SingleInstanceLock> m_instanceLock;
    Form1 m_form;
};

} // namespace launcher
