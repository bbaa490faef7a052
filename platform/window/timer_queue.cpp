#include "platform/window/timer_queue.h"
#include <algorithm>

namespace plat::win {

TimerQueue::Timer* TimerQueue::find(HWND hwnd, TimerId id)
{
    for (auto& t : m_timers)
        if (t.hwnd == hwnd && t.id == id)
            return &t;
    return nullptr;
}

TimerId TimerQueue::set(HWND hwnd, TimerId id, uint32_t periodMs, TimerProc proc, int64_t nowUs)
{
    if (hwnd == 0 && id == 0)
        id = m_nextAnonymousId++;
    // Windows raises a 0 ms timer at its minimum resolution.
    int64_t period = int64_t(std::max<uint32_t>(periodMs, 1)) * 1000;
    Timer* t = find(hwnd, id);
    if (!t) {
        m_timers.push_back({});
        t = &m_timers.back();
        t->hwnd = hwnd;
        t->id = id;
    }
    t->periodUs = period;
    t->deadlineUs = nowUs + period;
    t->proc = std::move(proc);
    t->sequence = ++m_sequence;
    return id;
}

bool TimerQueue::kill(HWND hwnd, TimerId id)
{
    auto it = std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == m_timers.end())
        return false;
    m_timers.erase(it);
    return true;
}

void TimerQueue::killAllOf(HWND hwnd)
{
    std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

bool TimerQueue::exists(HWND hwnd, TimerId id) const
{
    return std::any_of(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

std::optional<int64_t> TimerQueue::nextDeadline() const
{
    std::optional<int64_t> best;
    for (const auto& t : m_timers)
        if (!t.running && (!best || t.deadlineUs < *best))
            best = t.deadlineUs;
    return best;
}

void TimerQueue::fireDue(int64_t nowUs, const std::function<void(const Timer&)>& fire, const std::function<int64_t()>& now)
{
    // Collect what is due first, so a timer re-armed by a handler waits for its new deadline.
    struct Due {
        HWND hwnd;
        TimerId id;
        uint64_t sequence;
        int64_t deadline;
    };
    std::vector<Due> due;
    for (const auto& t : m_timers)
        if (!t.running && t.deadlineUs <= nowUs)
            due.push_back({t.hwnd, t.id, t.sequence, t.deadlineUs});
    std::sort(due.begin(), due.end(), [](const Due& a, const Due& b) {
        return a.deadline != b.deadline ? a.deadline < b.deadline : a.sequence < b.sequence;
    });
    for (const auto& d : due) {
        Timer* t = find(d.hwnd, d.id);
        if (!t || t->sequence != d.sequence || t->running)
            continue;
        // Next deadline on the timer's own grid, after the present moment.
        int64_t missed = (nowUs - t->deadlineUs) / t->periodUs;
        t->deadlineUs += (missed + 1) * t->periodUs;
        t->running = true;
        Timer copy = *t;
        fire(copy);
        if (Timer* after = find(d.hwnd, d.id)) {
            after->running = false;
            if (after->sequence != d.sequence)
                continue;
            // A handler that ran past further deadlines (a modal loop inside it) does not
            // bring a burst of catch-up ticks.
            int64_t t2 = now();
            if (after->deadlineUs <= t2)
                after->deadlineUs += ((t2 - after->deadlineUs) / after->periodUs + 1) * after->periodUs;
        }
    }
}

} // namespace plat::win
