#pragma once
#include "platform/window/types.h"
#include <cstddef>
#include <string>

namespace qel {

class qelTimer;

// The program's registry of running qelTimer timers: the system timer id's key leads back to the
// control that owns the timer. The registry refers to its controls without owning them; every
// control removes its entry before its timer stops or it goes.
namespace mdlTimerCallBack {

// "_" followed by the decimal id ("_1234").
std::string TimerKey(plat::win::TimerId id);

// Adds key -> control; a key already present keeps its control.
void RegisterTimer(qelTimer* control, const std::string& key);
// Removes the key's entry; a key without entry is ignored.
void UnregisterTimer(const std::string& key);
// The system timer's callback: raises Timer on the control registered under the id's key;
// an id without entry raises nothing.
void TimerProc(plat::win::HWND hwnd, plat::win::UINT uMsg, plat::win::TimerId idEvent, uint32_t dwTime);

// For hosts and tests: the control under a key (null when none) and the number of entries.
qelTimer* RegisteredTimer(const std::string& key);
size_t RegisteredCount();

} // namespace mdlTimerCallBack
} // namespace qel
