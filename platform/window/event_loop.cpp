// The message loop: queued messages and input first, then due timers and hover,
// then paints and composition; it waits on the backend only when idle.
#include "platform/window/end_signals.h"
#include "platform/window/loop_stalled.h"
#include "platform/window/window_system.h"
#include <algorithm>

namespace plat::win {

bool WindowSystem::pumpOnce(bool wait)
{
    if (m_quit)
        return false;
    bool didWork = false;

    if (const int signal = takeEndSignal()) {
        didWork = true;
        if (m_endHandler)
            m_endHandler(signal);
        else
            postQuit(0);
        if (m_quit)
            return false;
    }

    // Only what was queued before this round, so work posted meanwhile waits its turn.
    size_t pending = m_queue.size();
    while (pending-- > 0 && !m_queue.empty() && !m_quit) {
        Queued q = std::move(m_queue.front());
        m_queue.pop_front();
        didWork = true;
        switch (q.kind) {
        case Queued::Kind::Message:
            if (q.msg.message == WM_QUIT)
                postQuit(int(q.msg.wParam));
            else if (!q.msg.hwnd || get(q.msg.hwnd))
                filterAndDispatch(q.msg);
            break;
        case Queued::Kind::Input:
            dispatchInput(q.input);
            break;
        case Queued::Kind::Task:
            q.task();
            break;
        }
    }
    if (m_quit)
        return false;

    int64_t now = clock().nowUs();
    if (auto next = m_timers.nextDeadline(); next && *next <= now) {
        didWork = true;
        m_timers.fireDue(
            now,
            [this](const TimerQueue::Timer& t) {
                if (t.proc)
                    t.proc(t.hwnd, t.id);
                else if (t.hwnd)
                    send(t.hwnd, WM_TIMER, WPARAM(t.id), 0);
            },
            [this] { return clock().nowUs(); });
    }
    checkHover();

    if (m_queue.empty()) {
        paintPending();
        compose();
    }

    if (!didWork && wait && m_queue.empty() && !m_quit) {
        std::optional<int64_t> deadline = m_timers.nextDeadline();
        if (m_tracking.hwnd && m_tracking.hover && (!deadline || m_tracking.hoverDeadlineUs < *deadline))
            deadline = m_tracking.hoverDeadlineUs;
        if (!m_backend.waitForEvents(deadline))
            return false;
    }
    return !m_quit;
}

bool WindowSystem::hasPendingWork() const
{
    if (m_quit)
        return false;
    if (!m_queue.empty() || !m_dirty.empty())
        return true;
    int64_t now = m_backend.clock().nowUs();
    if (auto next = m_timers.nextDeadline(); next && *next <= now)
        return true;
    if (m_tracking.hwnd && m_tracking.hover && m_tracking.hoverDeadlineUs <= now)
        return true;
    for (const auto& [h, w] : m_windows)
        if (w.needsPaint && isVisible(h))
            return true;
    return false;
}

int WindowSystem::run()
{
    while (pumpOnce(true)) {
    }
    return m_quit.value_or(0);
}

void WindowSystem::runModal(HWND modal, const std::function<bool()>& done)
{
    std::vector<HWND> blocked;
    for (HWND t : m_topLevels) {
        if (t == modal || isAncestor(t, modal))
            continue;
        Window* w = get(t);
        if (w && w->enabled) {
            w->enabled = false; // quietly: the blocked forms keep their look
            blocked.push_back(t);
        }
    }
    // A window that held the mouse (the swatch whose click opened a picker) lets it go as it is
    // disabled: otherwise the first click in the modal window would go to it and be lost.
    if (m_capture && std::find(blocked.begin(), blocked.end(), topLevelOf(m_capture)) != blocked.end())
        releaseCapture();
    // Giving the focus back afterwards is the caller's business: only it knows where the
    // focus was before it showed the modal window.
    ++m_modalDepth;
    struct Restore {
        WindowSystem& ws;
        std::vector<HWND>& blocked;
        ~Restore()
        {
            --ws.m_modalDepth;
            for (HWND t : blocked)
                if (Window* w = ws.get(t))
                    w->enabled = true;
        }
    } restore{*this, blocked};

    while (get(modal) && !done()) {
        if (!pumpOnce(true)) {
            if (m_quit)
                break;
            throw LoopStalled("a modal loop is waiting and nothing can happen any more");
        }
    }
}

} // namespace plat::win
