#pragma once
#include "platform/window/types.h"
#include <string>

namespace plat::forms {

class Control;
class Form;

// The tooltip of a form's controls: the ToolTipText of the control under the pointer, in a
// small window below the pointer once it has rested on the control for kShowDelayMs; gone
// when the pointer leaves the control, on a click, or after kShowTimeMs.
class ToolTip {
public:
    static constexpr int kShowDelayMs = 500;
    static constexpr int kShowTimeMs = 5000;

    explicit ToolTip(Form& form);
    ~ToolTip();
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;

    // Every mouse message of the window system passes here before it is dispatched.
    void observe(const win::MSG& msg);
    void hide();

    bool isShown() const { return m_window != 0; }
    win::HWND window() const { return m_window; }
    const std::string& text() const { return m_text; }

private:
    void arm(Control* control);
    void disarm();
    void showNow();

    Form& m_form;
    Control* m_control = nullptr; // the control the pointer is on
    bool m_suppressed = false;    // a click put the tip away until the pointer leaves
    win::HWND m_timerWindow = 0;
    win::HWND m_window = 0;
    std::string m_text;
};

} // namespace plat::forms
