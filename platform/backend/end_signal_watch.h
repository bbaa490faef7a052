#pragma once
#include <atomic>
#include <cstdint>
#include <thread>

namespace plat::backend {

// Wakes a loop that sleeps inside SDL when a signal asks the program to end: a thread waits on
// the end signals' wake pipe and pushes one SDL event of the given type for each wake-up, so that
// the loop returns from its wait and takes the signal. The thread runs only while end signals are
// installed; it sends nothing else and reads nothing from the pipe.
class EndSignalWatch {
public:
    explicit EndSignalWatch(uint32_t sdlEventType);
    ~EndSignalWatch();
    EndSignalWatch(const EndSignalWatch&) = delete;
    EndSignalWatch& operator=(const EndSignalWatch&) = delete;

    // The loop saw the event: the next wake-up may push another.
    void seen() { m_posted = false; }

private:
    void watch(int wakeFd);

    uint32_t m_eventType;
    int m_stop[2] = {-1, -1};
    std::atomic<bool> m_posted{false};
    std::thread m_thread;
};

} // namespace plat::backend
