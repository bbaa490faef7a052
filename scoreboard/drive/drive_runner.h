#pragma once
#include "scoreboard/drive/drive_script.h"
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace plat::backend {
class HeadlessBackend;
}
namespace plat::forms {
class Form;
class Control;
}
namespace plat::win {
class WindowSystem;
}

namespace scoreboard::drive {

// Runs a drive script against a running program on the headless backend: each time the
// program's loop has nothing left to do, the next step is carried out.
class DriveRunner {
public:
    DriveRunner(plat::win::WindowSystem& windows, plat::backend::HeadlessBackend& backend, std::vector<Step> steps,
        std::ostream& out, std::ostream& err);

    // The backend's idle handler: carries out the next step; false once the script is over.
    bool next();
    bool failed() const { return m_failed; }
    int exitStatus() const { return m_failed ? 2 : 0; }
    // The modal form still open when the script was over ("MsgBox \"提示\""), or empty.
    const std::string& waitingForm() const { return m_waitingForm; }

private:
    bool run(const Step& step);
    bool fail(const Step& step, const std::string& message);
    void noteWaitingForm();
    plat::forms::Form* targetForm() const;
    plat::forms::Control* findControl(const Step& step, std::string& error) const;
    void clickAt(int x, int y, int button, int times);
    void keyStep(int vk, bool down, bool up);
    std::string propertyText(plat::forms::Control& control, const std::string& prop, bool& known) const;

    plat::win::WindowSystem& m_windows;
    plat::backend::HeadlessBackend& m_backend;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    std::ostream& m_out;
    std::ostream& m_err;
    std::string m_formName; // empty: the active form
    bool m_failed = false;
    std::string m_waitingForm;
};

} // namespace scoreboard::drive
