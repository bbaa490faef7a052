#include "window_fixture.h"

namespace plat::win::testing {

using Timers = WindowTest;

TEST_F(Timers, FireExactlyOnTheirDeadlinesOverTenVirtualMinutes)
{
    HWND h = recordingWindow(0, gfx::Rect::fromSize(0, 0, 10, 10));
    std::vector<int64_t> fast, slow;
    int64_t start = session.nowMs();
    SetTimer(h, 1, 95, [&](HWND, TimerId) { fast.push_back(session.nowMs() - start); });
    SetTimer(h, 2, 1000, [&](HWND, TimerId) { slow.push_back(session.nowMs() - start); });
    session.advance(10 * 60 * 1000);
    ASSERT_EQ(fast.size(), size_t(600000 / 95));
    ASSERT_EQ(slow.size(), 600u);
    for (size_t i = 0; i < fast.size(); ++i)
        ASSERT_EQ(fast[i], int64_t(95 * (i + 1))) << i;
    for (size_t i = 0; i < slow.size(); ++i)
        ASSERT_EQ(slow[i], int64_t(1000 * (i + 1))) << i;
}

TEST_F(Timers, WmTimerIsSentWithoutACallbackAndKillStopsIt)
{
    HWND h = recordingWindow(0, gfx::Rect::fromSize(0, 0, 10, 10));
    SetTimer(h, 7, 100);
    session.advance(350);
    EXPECT_EQ(messagesOf(h, {WM_TIMER}).size(), 3u);
    EXPECT_EQ(last(h, WM_TIMER)->wParam, 7u);
    KillTimer(h, 7);
    session.advance(1000);
    EXPECT_EQ(messagesOf(h, {WM_TIMER}).size(), 3u);
}

TEST_F(Timers, SettingAgainRestartsThePeriod)
{
    std::vector<int64_t> at;
    SetTimer(0, 5, 1000, [&](HWND, TimerId) { at.push_back(session.nowMs()); });
    session.advance(600);
    SetTimer(0, 5, 1000, [&](HWND, TimerId) { at.push_back(session.nowMs()); });
    session.advance(1500);
    EXPECT_EQ(at, (std::vector<int64_t>{1600}));
}

TEST_F(Timers, LateTimerFiresOnceAndKeepsItsGrid)
{
    // A handler that blocks for 350 ms (a nested modal loop) must not cause a burst.
    HWND dialog = recordingWindow(0, gfx::Rect::fromSize(0, 0, 10, 10));
    std::vector<int64_t> ticks;
    bool blockOnce = true;
    SetTimer(0, 1, 100, [&](HWND, TimerId) {
        ticks.push_back(session.nowMs());
        if (blockOnce) {
            blockOnce = false;
            bool over = false;
            SetTimer(0, 99, 350, [&](HWND, TimerId) {
                KillTimer(0, 99);
                over = true;
            });
            RunModalLoop(dialog, [&] { return over; });
        }
    });
    session.advance(1000);
    EXPECT_EQ(ticks, (std::vector<int64_t>{100, 500, 600, 700, 800, 900, 1000}));
}

TEST_F(Timers, TimersKeepFiringDuringAModalLoop)
{
    HWND form = recordingWindow(0, gfx::Rect::fromSize(0, 0, 10, 10));
    HWND box = recordingWindow(0, gfx::Rect::fromSize(20, 0, 10, 10));
    int ticks = 0;
    SetTimer(form, 1, 1000, [&](HWND, TimerId) { ++ticks; });
    int ticksWhenAnswered = -1;
    session.backend().setTarget(session.backend().clock().nowUs() + 3500 * 1000);
    bool answered = false;
    session.backend().setIdleHandler([&] {
        ticksWhenAnswered = ticks;
        answered = true;
        return true;
    });
    RunModalLoop(box, [&] { return answered; });
    session.backend().setIdleHandler(nullptr);
    EXPECT_EQ(ticksWhenAnswered, 3);
}

TEST_F(Timers, AStalledModalLoopOnTheHeadlessBackendRaisesInsteadOfHanging)
{
    HWND box = recordingWindow(0, gfx::Rect::fromSize(20, 0, 10, 10));
    EXPECT_THROW(RunModalLoop(box, [] { return false; }), LoopStalled);
}

} // namespace plat::win::testing
