#include "controls/extra/mdl_timer_callback.h"
#include "controls/extra/qel_timer.h"
#include "extra_fixture.h"

namespace qel::testing {
namespace {

using plat::forms::PropertyBag;

class TimerTest : public ExtraTest {
protected:
    qelTimer& newTimer(const std::string& name, int& ticks)
    {
        qelTimer& t = placeNew<qelTimer>(name, 10, 10, 35, 35);
        t.Timer = [&ticks] { ++ticks; };
        return t;
    }
};

TEST_F(TimerTest, ANewTimerIsStoppedAndEnablingWithoutIntervalRaisesNothing)
{
    int ticks = 0;
    qelTimer& t = newTimer("t", ticks);
    EXPECT_FALSE(t.Enabled());
    EXPECT_EQ(t.Interval(), 0);
    t.setEnabled(true);
    session.advance(2000);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(t.Running());
    t.setInterval(500);
    EXPECT_TRUE(t.Running());
    session.advance(499);
    EXPECT_EQ(ticks, 0);
    session.advance(1);
    EXPECT_EQ(ticks, 1);
    session.advance(1000);
    EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, ANegativeIntervalReadsZeroAndStops)
{
    int ticks = 0;
    qelTimer& t = newTimer("t", ticks);
    t.setInterval(100);
    t.setEnabled(true);
    session.advance(100);
    ASSERT_EQ(ticks, 1);
    const std::string key = mdlTimerCallBack::TimerKey(t.TimerId());
    t.setInterval(-5);
    EXPECT_EQ(t.Interval(), 0);
    EXPECT_FALSE(t.Running());
    EXPECT_EQ(mdlTimerCallBack::RegisteredTimer(key), nullptr);
    session.advance(1000);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, SettingTheSameIntervalRestartsThePeriod)
{
    int ticks = 0;
    qelTimer& t = newTimer("t", ticks);
    t.setEnabled(true);
    t.setInterval(1000);
    session.advance(700);
    t.setInterval(1000);
    session.advance(999);
    EXPECT_EQ(ticks, 0);
    session.advance(1);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, EnablingARunningTimerAgainKeepsItsOneTimerAndPeriod)
{
    int ticks = 0;
    qelTimer& t = newTimer("t", ticks);
    t.setEnabled(true);
    t.setInterval(1000);
    const auto id = t.TimerId();
    const size_t before = mdlTimerCallBack::RegisteredCount();
    session.advance(600);
    t.setEnabled(true);
    EXPECT_EQ(t.TimerId(), id);
    EXPECT_EQ(mdlTimerCallBack::RegisteredCount(), before);
    session.advance(400);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, DisablingRemovesTheKeyAndStopsTheEvents)
{
    int ticks = 0;
    qelTimer& t = newTimer("t", ticks);
    t.setEnabled(true);
    t.setInterval(50);
    const std::string key = mdlTimerCallBack::TimerKey(t.TimerId());
    EXPECT_EQ(key, "_" + std::to_string(t.TimerId()));
    EXPECT_EQ(mdlTimerCallBack::RegisteredTimer(key), &t);
    t.setEnabled(false);
    EXPECT_EQ(mdlTimerCallBack::RegisteredTimer(key), nullptr);
    session.advance(500);
    EXPECT_EQ(ticks, 0);
}

TEST_F(TimerTest, DestroyingTheControlRemovesItsKeyAndNoTickReachesTheHost)
{
    int ticks = 0;
    qelTimer& t = newTimer("t", ticks);
    t.setEnabled(true);
    t.setInterval(50);
    const std::string key = mdlTimerCallBack::TimerKey(t.TimerId());
    session.advance(50);
    ASSERT_EQ(ticks, 1);
    form.unload();
    EXPECT_EQ(mdlTimerCallBack::RegisteredTimer(key), nullptr);
    session.advance(500);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, ATickForAnIdWithoutEntryRaisesNothing)
{
    int ticks = 0;
    qelTimer& t = newTimer("t", ticks);
    t.setEnabled(true);
    t.setInterval(50);
    const auto id = t.TimerId();
    t.setEnabled(false);
    mdlTimerCallBack::TimerProc(0, plat::win::WM_TIMER, id, 0);
    EXPECT_EQ(ticks, 0);
}

TEST_F(TimerTest, TwoTimersTickAtTheirOwnRatesAndStopAlone)
{
    int fast = 0, slow = 0;
    qelTimer& a = newTimer("a", fast);
    qelTimer& b = newTimer("b", slow);
    a.setEnabled(true);
    a.setInterval(100);
    b.setEnabled(true);
    b.setInterval(250);
    session.advance(1000);
    EXPECT_EQ(fast, 10);
    EXPECT_EQ(slow, 4);
    a.setEnabled(false);
    session.advance(500);
    EXPECT_EQ(fast, 10);
    EXPECT_EQ(slow, 6);
}

TEST_F(TimerTest, RestoringARunningTimerStartsExactlyOneSystemTimer)
{
    const size_t before = mdlTimerCallBack::RegisteredCount();
    PropertyBag stored;
    stored.writeProperty("Enabled", true, false);
    stored.writeProperty("Interval", int32_t(1000), 0);
    qelTimer& t = place<qelTimer>("t", 0, 0, 35, 35, stored);
    int ticks = 0;
    t.Timer = [&] { ++ticks; };
    EXPECT_TRUE(t.Running());
    EXPECT_EQ(mdlTimerCallBack::RegisteredCount(), before + 1);
    session.advance(3000);
    EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, ReadingALayoutIntoATimerThatHoldsAnIntervalLeavesOnlyTheLayoutsTimer)
{
    struct Case {
        bool enabledBefore;
        bool storedEnabled;
        int32_t storedInterval;
    };
    const Case cases[] = {{false, true, 1000}, {true, true, 1000}, {true, false, 1000}, {true, true, 0}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(i);
        const size_t before = mdlTimerCallBack::RegisteredCount();
        int ticks = 0;
        qelTimer& t = newTimer("t" + std::to_string(i), ticks);
        t.setInterval(300);
        t.setEnabled(c.enabledBefore);
        PropertyBag stored;
        stored.writeProperty("Interval", c.storedInterval, 0);
        stored.writeProperty("Enabled", c.storedEnabled, false);
        t.readProperties(stored);
        const bool runs = c.storedEnabled && c.storedInterval != 0;
        EXPECT_EQ(t.Running(), runs);
        EXPECT_EQ(mdlTimerCallBack::RegisteredCount(), before + (runs ? 1 : 0));
        session.advance(2999);
        EXPECT_EQ(ticks, runs ? 2 : 0);
        t.setEnabled(false);
    }
}

TEST_F(TimerTest, SavingWritesIntervalThenEnabled)
{
    int ticks = 0;
    qelTimer& t = newTimer("t", ticks);
    t.setInterval(250);
    t.setEnabled(true);
    PropertyBag bag;
    t.writeProperties(bag);
    const std::vector<std::string> keys = bag.keys();
    EXPECT_EQ(keys, (std::vector<std::string>{"interval", "enabled"}));
}

TEST_F(TimerTest, TheControlKeepsItsSizeAndStaysHiddenWhileRunning)
{
    int ticks = 0;
    qelTimer& t = newTimer("t", ticks);
    EXPECT_EQ(t.width(), 525);
    EXPECT_EQ(t.height(), 525);
    t.move(0, 0, 2000, 100);
    EXPECT_EQ(t.width(), 525);
    EXPECT_EQ(t.height(), 525);
    EXPECT_FALSE(plat::win::IsWindowVisible(t.hwnd()));
}

TEST(TimerDesignTest, InTheDesignerNoTimerEverFires)
{
    plat::backend::HeadlessSession session;
    plat::forms::Form form("design", "");
    form.setDesignMode(true);
    form.load();
    qelTimer& t = form.add<qelTimer>("t");
    int ticks = 0;
    t.Timer = [&] { ++ticks; };
    t.setEnabled(true);
    t.setInterval(10);
    session.advance(1000);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(t.Running());
    EXPECT_TRUE(plat::win::IsWindowVisible(t.hwnd()) || !form.visible());
}

} // namespace
} // namespace qel::testing
