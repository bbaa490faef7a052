#pragma once
#include "platform/forms/control.h"
#include <functional>

namespace plat::forms {

// Raises onTimer every Interval milliseconds while Enabled. Enabling it (from False) or giving
// it an interval starts the period afresh; an interval of 0 never fires. It has no window.
class Timer : public Control {
public:
    Timer();
    ~Timer() override;
    std::string className() const override { return "Timer"; }

    int interval() const { return m_interval; }
    void setInterval(int ms);
    bool enabled() const override { return m_enabled; }
    void setEnabled(bool enabled) override;
    bool isRunning() const { return m_running; }

    std::function<void()> onTimer;

    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

protected:
    bool hasWindow() const override { return false; }
    void onPlaced() override { restart(); }
    void onRemoved() override { stop(); }

private:
    static const auto& storedProperties();
    void restart();
    void stop();

    int m_interval = 0;
    bool m_enabled = true;
    bool m_running = false;
    win::HWND m_owner = 0; // the form's window, which carries the system timer
    win::TimerId m_id;
};

} // namespace plat::forms
