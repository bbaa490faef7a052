#include "controls/extra/mdl_timer_callback.h"
#include "controls/extra/qel_timer.h"
#include <map>

namespace qel::mdlTimerCallBack {

namespace {

std::map<std::string, qelTimer*>& registry()
{
    static std::map<std::string, qelTimer*> timers;
    return timers;
}

} // namespace

std::string TimerKey(plat::win::TimerId id) { return "_" + std::to_string(id); }

void RegisterTimer(qelTimer* control, const std::string& key) { registry().emplace(key, control); }

void UnregisterTimer(const std::string& key) { registry().erase(key); }

void TimerProc(plat::win::HWND, plat::win::UINT, plat::win::TimerId idEvent, uint32_t)
{
    auto it = registry().find(TimerKey(idEvent));
    if (it == registry().end())
        return;
    it->second->FireTimer();
}

qelTimer* RegisteredTimer(const std::string& key)
{
    auto it = registry().find(key);
    return it == registry().end() ? nullptr : it->second;
}

size_t RegisteredCount() { return registry().size(); }

} // namespace qel::mdlTimerCallBack
