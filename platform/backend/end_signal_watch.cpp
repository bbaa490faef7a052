#include "platform/backend/end_signal_watch.h"
#include "platform/window/end_signals.h"

#include <SDL2/SDL.h>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace plat::backend {

EndSignalWatch::EndSignalWatch(uint32_t sdlEventType)
    : m_eventType(sdlEventType)
{
    const int wakeFd = win::endSignalWakeFd();
    if (wakeFd < 0 || ::pipe2(m_stop, O_CLOEXEC) != 0)
        return;
    m_thread = std::thread([this, wakeFd] { watch(wakeFd); });
}

EndSignalWatch::~EndSignalWatch()
{
    if (m_thread.joinable()) {
        const char byte = 0;
        [[maybe_unused]] ssize_t written = ::write(m_stop[1], &byte, 1);
        m_thread.join();
    }
    for (int end : m_stop)
        if (end >= 0)
            ::close(end);
}

void EndSignalWatch::watch(int wakeFd)
{
    for (;;) {
        pollfd fds[2] = {{m_stop[0], POLLIN, 0}, {wakeFd, POLLIN, 0}};
        // While a pushed event waits for the loop, the pipe stays readable: look again a little
        // later instead of pushing more.
        const bool posted = m_posted;
        const int ready = ::poll(fds, posted ? 1 : 2, posted ? 20 : -1);
        if (ready < 0 && errno != EINTR)
            return;
        if (fds[0].revents)
            return;
        if (!posted && (fds[1].revents & POLLIN) && !m_posted.exchange(true)) {
            SDL_Event event{};
            event.type = m_eventType;
            SDL_PushEvent(&event);
        }
        if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL))
            return;
    }
}

} // namespace plat::backend
