#pragma once
#include "controls/core/property_table.h"
#include "controls/extra/hidden_face_control.h"
#include "platform/forms/property_bag.h"
#include <functional>
#include <string>

namespace qel {

namespace mdlTimerCallBack {
void TimerProc(plat::win::HWND, plat::win::UINT, plat::win::TimerId, uint32_t);
}

// A timer on a system timer with a callback: raises Timer every Interval ms while Enabled (and
// Interval is not 0), only in the running program. It holds at most one system timer, found
// again by mdlTimerCallBack's registry. Fixed at 525 x 525 twips; hidden while the program runs.
class qelTimer : public HiddenFaceControl {
public:
    // "Happens each [interval] ms"
    std::function<void()> Timer;

    qelTimer();
    ~qelTimer() override;
    std::string className() const override { return "qelTimer"; }

    bool Enabled() const { return m_enabled; }
    // False stops the timer; True starts one when Interval is not 0 and none runs (a running
    // timer keeps its period).
    void setEnabled(bool value) override;
    bool enabled() const override { return m_enabled; }
    // "Interval of timer". Negative values are stored as 0. Always restarts the period.
    int32_t Interval() const { return m_interval; }
    void setInterval(int32_t value);

    // The running system timer's id, 0 while none runs.
    plat::win::TimerId TimerId() const { return m_timerId; }
    bool Running() const { return m_timerId != 0; }

    static const auto& StoredProperties();
    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    void onRemoved() override;
    void DrawFace(plat::gfx::DeviceContext& dc, int width, int height) override;

private:
    friend void mdlTimerCallBack::TimerProc(plat::win::HWND, plat::win::UINT, plat::win::TimerId, uint32_t);
    void UpdateTimer();
    void Stop();
    void FireTimer();

    bool m_enabled{};
    int32_t m_interval{};
    plat::win::TimerId m_timerId = 0;
};

// In the order they are written; reading and a new timer follow it. Only a timer read again
// while it already holds an interval sees that order, and only in passing: it ends running
// exactly when the layout's Enabled and Interval say so, at the layout's period.
inline const auto& qelTimer::StoredProperties()
{
    using T = qelTimer;
    using P = PropertiesOf<T>;
    static const auto table = propertyTable(
        P::property("Interval", &T::Interval, &T::setInterval, 0), P::property("Enabled", &T::Enabled, &T::setEnabled, false));
    return table;
}

} // namespace qel
