#include "scoreboard/game_clock.h"

#include "platform/backend/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace scoreboard::test {
namespace {

// A game clock on the virtual clock of a headless session.
class GameClockTest : public ::testing::Test {
protected:
    plat::backend::HeadlessSession session;
    GameClock clock;
    int64_t startMs = session.nowMs();

    int64_t elapsedMs() const { return session.nowMs() - startMs; }

    struct Change {
        int64_t atMs;
        std::string text;
        bool operator==(const Change&) const = default;
    };

    // Runs the clock to zero the way the scoreboard's ticks do, one tick at each change, and
    // writes down every text with the moment it appeared, and the signals.
    std::vector<Change> runToZero(int& beeps, int& bells)
    {
        std::vector<Change> changes;
        while (auto ms = clock.msToNextChange()) {
            session.advance(*ms);
            ClockSignals signals = clock.takeSignals();
            beeps += signals.beep;
            bells += signals.bell;
            std::string text = clock.face().text;
            if (changes.empty() || changes.back().text != text)
                changes.push_back({elapsedMs(), text});
        }
        return changes;
    }
};

TEST_F(GameClockTest, SeventyFiveSecondsShowEveryTextOnItsMoment)
{
    clock.setRemainingMs(75'000);
    EXPECT_EQ(clock.face().text, "01:15");
    clock.start();
    int beeps = 0, bells = 0;
    std::vector<Change> changes = runToZero(beeps, bells);

    std::vector<Change> expected;
    for (int s = 74; s >= 61; --s) {
        char text[8];
        std::snprintf(text, sizeof text, "01:%02d", s - 60);
        expected.push_back({(75 - s) * 1000, text});
    }
    expected.push_back({15'000, "01:00"});
    for (int t = 599; t >= 0; --t)
        expected.push_back({75'000 - t * 100, std::to_string(t / 10) + "." + std::to_string(t % 10)});
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(beeps, 10);
    EXPECT_EQ(bells, 1);
    EXPECT_EQ(elapsedMs(), 75'000);
    EXPECT_TRUE(clock.runOut());
    EXPECT_FALSE(clock.msToNextChange());
}

TEST_F(GameClockTest, PausesKeepTheRemainingTimeExactly)
{
    clock.setRemainingMs(75'000);
    clock.start();
    // Pauses at odd milliseconds: run, pause for a while, run again.
    const std::pair<int64_t, int64_t> runThenPause[] = {{12'345, 3'001}, {48'777, 999}, {9'901, 20'003}};
    int64_t run = 0, paused = 0;
    for (auto [runMs, pauseMs] : runThenPause) {
        session.advance(runMs);
        run += runMs;
        clock.pause();
        EXPECT_EQ(clock.remainingMs(), 75'000 - run);
        session.advance(pauseMs);
        paused += pauseMs;
        EXPECT_EQ(clock.remainingMs(), 75'000 - run);
        EXPECT_FALSE(clock.msToNextChange());
        clock.start();
    }
    session.advance(75'000 - run - 1);
    EXPECT_EQ(clock.face().text, "0.1");
    session.advance(1);
    EXPECT_EQ(clock.face().text, "0.0");
    EXPECT_EQ(elapsedMs(), 75'000 + paused);
}

TEST_F(GameClockTest, PausedTextsTable)
{
    struct Case {
        int64_t runMs;
        const char* shown;
        int64_t nextChangeMs; // after starting again
    };
    // From 61 s.
    const Case cases[] = {
        {0, "01:01", 1000},
        {1, "01:01", 999},
        {999, "01:01", 1},
        {1000, "01:00", 100},
        {1099, "01:00", 1},
        {1100, "59.9", 100},
        {15'753, "45.3", 47},
        {61'000, "0.0", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.runMs);
        clock.setRemainingMs(61'000);
        clock.start();
        session.advance(c.runMs);
        clock.pause();
        EXPECT_EQ(clock.face().text, c.shown);
        clock.start();
        EXPECT_EQ(clock.msToNextChange().value_or(0), c.nextChangeMs);
        clock.pause();
    }
}

TEST_F(GameClockTest, StartsAtSixtyAndSixtyOneSeconds)
{
    struct Case {
        int64_t fromMs;
        std::vector<Change> firstTexts;
    };
    const Case cases[] = {
        {61'000, {{1000, "01:00"}, {1100, "59.9"}, {1200, "59.8"}}},
        {60'000, {{100, "59.9"}, {200, "59.8"}, {1100, "58.9"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fromMs);
        clock.setRemainingMs(c.fromMs);
        clock.start();
        startMs = session.nowMs();
        int beeps = 0, bells = 0;
        std::vector<Change> changes = runToZero(beeps, bells);
        for (const Change& expected : c.firstTexts)
            EXPECT_NE(std::find(changes.begin(), changes.end(), expected), changes.end()) << expected.text;
        EXPECT_EQ(changes.back(), (Change{c.fromMs, "0.0"}));
        clock.pause();
    }
}

TEST_F(GameClockTest, CoarseTicksStillGiveTenBeepsAndOneBell)
{
    clock.setRemainingMs(12'000);
    clock.start();
    int beeps = 0, bells = 0;
    for (int i = 0; i < 60; ++i) {
        session.advance(250);
        ClockSignals signals = clock.takeSignals();
        beeps += signals.beep;
        bells += signals.bell;
    }
    EXPECT_EQ(beeps, 10);
    EXPECT_EQ(bells, 1);
}

TEST_F(GameClockTest, ANewValueWhileRunningCountsOnFromItWithoutSignals)
{
    clock.setRemainingMs(30'000);
    clock.start();
    session.advance(500);
    clock.setRemainingMs(5'000); // past four beep moments, none of which falls now
    EXPECT_EQ(clock.takeSignals(), ClockSignals{});
    EXPECT_TRUE(clock.running());
    session.advance(100);
    EXPECT_EQ(clock.face().text, "4.9");
    EXPECT_TRUE(clock.takeSignals().beep);
    clock.setRemainingMs(-3'000);
    EXPECT_TRUE(clock.runOut());
    EXPECT_EQ(clock.takeSignals(), ClockSignals{});
}

} // namespace
} // namespace scoreboard::test
