#pragma once
#include <cstdint>

namespace plat::win {

// The one source of time. Times are microseconds on a monotonic scale.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t nowUs() const = 0;
    // Blocks (real) or jumps (virtual) until the given time.
    virtual void sleepUntil(int64_t us) = 0;
    virtual bool isVirtual() const = 0;
    int64_t nowMs() const { return nowUs() / 1000; }
};

class RealClock final : public Clock {
public:
    RealClock();
    int64_t nowUs() const override;
    void sleepUntil(int64_t us) override;
    bool isVirtual() const override { return false; }

private:
    int64_t m_originNs;
};

// A clock that only moves when told to; tests and the headless driver own it.
class VirtualClock final : public Clock {
public:
    int64_t nowUs() const override { return m_now; }
    void sleepUntil(int64_t us) override
    {
        if (us > m_now)
            m_now = us;
    }
    bool isVirtual() const override { return true; }

private:
    int64_t m_now = 0;
};

} // namespace plat::win
