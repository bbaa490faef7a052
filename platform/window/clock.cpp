#include "platform/window/clock.h"
#include <chrono>
#include <thread>

namespace plat::win {

static int64_t steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

RealClock::RealClock()
    : m_originNs(steadyNs())
{
}

int64_t RealClock::nowUs() const { return (steadyNs() - m_originNs) / 1000; }

void RealClock::sleepUntil(int64_t us)
{
    int64_t wait = us - nowUs();
    if (wait > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(wait));
}

} // namespace plat::win
