#include "controls/extra/qel_timer.h"
#include "controls/extra/mdl_timer_callback.h"
#include "platform/window/api.h"
#include <algorithm>

namespace qel {

using namespace plat;
using namespace plat::win;

qelTimer::qelTimer()
    : HiddenFaceControl(35, 35)
{
}

qelTimer::~qelTimer() { Stop(); }

void qelTimer::setEnabled(bool value)
{
    m_enabled = value;
    if (!value)
        Stop();
    else if (m_interval != 0 && m_timerId == 0)
        UpdateTimer();
}

void qelTimer::setInterval(int32_t value)
{
    m_interval = value < 0 ? 0 : value;
    Stop();
    UpdateTimer();
}

void qelTimer::UpdateTimer()
{
    if (!ambient().userMode || !WindowSystem::current())
        return;
    if (m_enabled && m_interval != 0) {
        if (m_timerId != 0)
            return; // one system timer at most
        const plat::win::TimerId id = SetTimer(0, 0, uint32_t(m_interval), [](HWND h, plat::win::TimerId t) { mdlTimerCallBack::TimerProc(h, WM_TIMER, t, 0); });
        if (id == 0)
            return;
        m_timerId = id;
        mdlTimerCallBack::RegisterTimer(this, mdlTimerCallBack::TimerKey(id));
    } else {
        Stop();
    }
}

void qelTimer::Stop()
{
    if (m_timerId == 0)
        return;
    if (WindowSystem::current())
        KillTimer(0, m_timerId);
    mdlTimerCallBack::UnregisterTimer(mdlTimerCallBack::TimerKey(m_timerId));
    m_timerId = 0;
}

void qelTimer::FireTimer()
{
    if (Timer)
        Timer();
}

void qelTimer::onRemoved() { Stop(); }

void qelTimer::initProperties() { StoredProperties().init(*this); }

void qelTimer::readProperties(forms::PropertyBag& bag) { StoredProperties().read(*this, bag); }

void qelTimer::writeProperties(forms::PropertyBag& bag) const { StoredProperties().write(*this, bag); }

void qelTimer::DrawFace(gfx::DeviceContext& dc, int w, int h)
{
    // A clock: a white dial with a dark rim and two hands.
    dc.clear(0xE0E0E0);
    const int cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 3;
    gfx::Region dial = gfx::Region::ellipse({cx - r, cy - r, cx + r + 1, cy + r + 1});
    dc.fillRegion(dial, gfx::Brush::solid(0xFFFFFF));
    dc.frameRegion(dial, gfx::Brush::solid(0x404040), 1, 1);
    dc.setForeColor(0x800000);
    dc.line(cx, cy, cx, cy - r + 3);
    dc.line(cx, cy, cx + r - 5, cy);
}

} // namespace qel
