#include "platform/window/end_signals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace plat::win {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Time the program has to end through its close after the first signal. Whatever holds it up
// past that (a wait in the system, a box nobody answers) does not keep it running.
constexpr unsigned kSecondsToEnd = 10;

std::atomic<int> g_pending{0};
std::atomic<int> g_first{0};
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[std::size(kSignals)];
struct sigaction g_previousAlarm;

// Only async-signal-safe calls in the handlers.
void endNow(int)
{
    const char text[] = ": not ended by its close in time after the end signal; it ends now\n";
    const char* program = program_invocation_short_name;
    [[maybe_unused]] ssize_t written = ::write(2, program, std::strlen(program));
    written = ::write(2, text, sizeof text - 1);
    ::_exit(128 + g_first.load());
}

void noteSignal(int signal)
{
    const int saved = errno;
    int none = 0;
    g_pending.compare_exchange_strong(none, signal);
    none = 0;
    if (g_first.compare_exchange_strong(none, signal))
        ::alarm(kSecondsToEnd);
    if (g_pipe[1] >= 0) {
        const char byte = 1;
        // A full pipe already wakes the loop; the byte may be dropped then.
        [[maybe_unused]] ssize_t written = ::write(g_pipe[1], &byte, 1);
    }
    errno = saved;
}

void drainPipe()
{
    if (g_pipe[0] < 0)
        return;
    char bytes[64];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
}

} // namespace

EndSignals::EndSignals()
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        g_pipe[0] = g_pipe[1] = -1;
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &action, &g_previous[i]);
    action.sa_handler = endNow;
    ::sigaction(SIGALRM, &action, &g_previousAlarm);
}

EndSignals::~EndSignals()
{
    ::alarm(0);
    ::sigaction(SIGALRM, &g_previousAlarm, nullptr);
    g_first = 0;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    for (int& end : g_pipe) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
    g_pending = 0;
}

int takeEndSignal()
{
    if (g_pending.load(std::memory_order_relaxed) == 0)
        return 0;
    // Taken before the pipe is emptied: a signal in between is noted again and wakes no one in
    // vain, since a byte in the pipe always comes with a note.
    const int signal = g_pending.exchange(0);
    drainPipe();
    return signal;
}

int endSignalWakeFd() { return g_pipe[0]; }

} // namespace plat::win
