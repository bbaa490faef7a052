#include "program_folder_fixture.h"

#include "scoreboard/program_sound.h"
#include "scoreboard/score_keys.h"

#include <string>
#include <vector>

namespace scoreboard::test {
namespace {

constexpr int kEnter = 13, kSpace = 32, kKeyA = 65, kKey1 = 49, kKey2 = 50, kF1 = 112, kF2 = 113, kF5 = 116, kF6 = 117, kF7 = 118;

class FakeScoringBoard final : public ScoringBoard {
public:
    bool report = false;
    int startPauses = 0;
    int showScores = 0;
    bool soundTimer = false;

    bool periodReportVisible() const override { return report; }
    void startPause() override { ++startPauses; }
    void ShowScores() override { ++showScores; }
    void setScoreSoundTimer(bool on) override { soundTimer = on; }
};

class ScoreKeysTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MatchState& s = user();
        s.keyStartPause = 13;
        s.keyAddA = 49;
        s.keySubA = 112;
        s.keyAddB = 50;
        s.keySubB = 113;
        s.optScoreKeys = true;
        s.optScoreSound = true;
        setProgramSoundListener([this](std::string_view name) { sounds.emplace_back(name); });
    }
    void TearDown() override
    {
        setProgramSoundListener({});
        ProgramFolderTest::TearDown();
    }

    std::vector<std::string> takeSounds() { return std::exchange(sounds, {}); }

    FakeScoringBoard board;
    ScoreKeys keys{ board };
    std::vector<std::string> sounds;
};

// One key event and what the board shows after it.
struct KeyStep {
    int key;
    bool down; // false: released
    bool consumed;
    int16_t scoreA, scoreB;
    int startPauses;
    std::vector<std::string> sounds;
};

TEST_F(ScoreKeysTest, KeysActOncePerPressAndConsumeOnlyTheirOwnCodes)
{
    const std::string comm = "sound\\comm.wav";
    const KeyStep steps[] = {
        { kKey1, true, true, 1, 0, 0, { comm } },
        { kKey1, true, true, 1, 0, 0, {} }, // auto-repeat of a held key
        { kKey1, true, true, 1, 0, 0, {} },
        { kKey1, false, false, 1, 0, 0, {} },
        { kKey1, true, true, 2, 0, 0, {} }, // the sound waits for Timer7
        { kKey1, false, false, 2, 0, 0, {} },
        { kKey2, true, true, 2, 1, 0, {} },
        { kKey2, false, false, 2, 1, 0, {} },
        { kF1, true, true, 1, 1, 0, {} },
        { kF1, false, false, 1, 1, 0, {} },
        { kF2, true, true, 1, 0, 0, {} },
        { kF2, false, false, 1, 0, 0, {} },
        { kEnter, true, true, 1, 0, 1, {} },
        { kEnter, true, true, 1, 0, 1, {} }, // held Enter toggles the clock once
        { kEnter, false, false, 1, 0, 1, {} },
        { kKeyA, true, false, 1, 0, 1, {} }, // not bound: reaches the focused control
        { kKeyA, false, false, 1, 0, 1, {} },
        { kSpace, true, false, 1, 0, 1, {} },
        { kSpace, false, false, 1, 0, 1, {} },
        { kF5, true, true, 1, 0, 1, { "sound\\nbai.wav" } },
        { kF5, true, true, 1, 0, 1, { "sound\\nbai.wav" } }, // a held function key repeats its sound
        { kF5, false, false, 1, 0, 1, {} },
        { kF6, true, true, 1, 0, 1, { "sound\\nbaf.wav" } },
        { kF7, true, true, 1, 0, 1, { "sound\\nbaa.wav" } },
        { kF7, false, false, 1, 0, 1, {} },
    };
    int line = 0;
    for (const KeyStep& step : steps) {
        SCOPED_TRACE("step " + std::to_string(line++));
        if (step.down)
            EXPECT_EQ(keys.keyDown(step.key), step.consumed);
        else
            keys.keyUp();
        EXPECT_EQ(user().scoreA, step.scoreA);
        EXPECT_EQ(user().scoreB, step.scoreB);
        EXPECT_EQ(board.startPauses, step.startPauses);
        EXPECT_EQ(takeSounds(), step.sounds);
    }
}

TEST_F(ScoreKeysTest, EveryActingKeyRefreshesTheScoresAndMayPlayTheSound)
{
    for (int key : { kKeyA, kEnter, kKey1 }) {
        SCOPED_TRACE(key);
        board.showScores = 0;
        keys.scoreSoundTimerTick();
        EXPECT_FALSE(board.soundTimer);
        keys.keyDown(key);
        keys.keyUp();
        EXPECT_EQ(board.showScores, 1);
        EXPECT_EQ(takeSounds(), (std::vector<std::string>{ "sound\\comm.wav" }));
        EXPECT_TRUE(board.soundTimer);
        EXPECT_FALSE(keys.soundArmed());
    }
    // Function keys play their own sound only.
    keys.scoreSoundTimerTick();
    board.showScores = 0;
    keys.keyDown(kF6);
    EXPECT_EQ(board.showScores, 0);
    EXPECT_EQ(takeSounds(), (std::vector<std::string>{ "sound\\nbaf.wav" }));
    EXPECT_TRUE(keys.keyReady());
}

TEST_F(ScoreKeysTest, OneScoreSoundPerTwoSeconds)
{
    for (int i = 0; i < 5; ++i) {
        keys.keyDown(kKey1);
        keys.keyUp();
        keys.scoreButton(2);
    }
    EXPECT_EQ(user().scoreA, 5);
    EXPECT_EQ(user().scoreB, 5);
    EXPECT_EQ(takeSounds().size(), 1u);
    keys.scoreSoundTimerTick();
    EXPECT_TRUE(keys.soundArmed());
    EXPECT_FALSE(board.soundTimer);
    keys.scoreButton(0);
    EXPECT_EQ(takeSounds().size(), 1u);

    user().optScoreSound = false;
    keys.scoreSoundTimerTick();
    keys.scoreButton(0);
    EXPECT_TRUE(takeSounds().empty());
    EXPECT_TRUE(keys.soundArmed());
}

TEST_F(ScoreKeysTest, ScoresStayWithin0And999)
{
    struct Case {
        int16_t a, b;
        int key;
        int button;
        int16_t afterA, afterB;
    };
    const Case cases[] = {
        { 999, 0, kKey1, 0, 999, 0 },
        { 998, 0, kKey1, 0, 999, 0 },
        { 0, 0, kF1, 1, 0, 0 },
        { 1, 0, kF1, 1, 0, 0 },
        { 0, 999, kKey2, 2, 0, 999 },
        { 0, 998, kKey2, 2, 0, 999 },
        { 0, 0, kF2, 3, 0, 0 },
        { 0, 1, kF2, 3, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + ":" + std::to_string(c.b) + " key " + std::to_string(c.key));
        for (bool byButton : { false, true }) {
            user().scoreA = c.a;
            user().scoreB = c.b;
            keys.scoreSoundTimerTick();
            board.showScores = 0;
            if (byButton) {
                keys.scoreButton(c.button);
            } else {
                keys.keyDown(c.key);
                keys.keyUp();
            }
            EXPECT_EQ(user().scoreA, c.afterA);
            EXPECT_EQ(user().scoreB, c.afterB);
            // Unchanged at a limit, still refreshed and still sounding.
            EXPECT_EQ(board.showScores, 1);
            EXPECT_EQ(takeSounds().size(), 1u);
        }
    }
}

TEST_F(ScoreKeysTest, DuringThePeriodReportNothingActsAndEveryKeyGoesOn)
{
    board.report = true;
    for (int key : { kKey1, kF1, kKey2, kF2, kEnter, kF5, kKeyA }) {
        EXPECT_FALSE(keys.keyDown(key));
        keys.keyUp();
    }
    for (int button = 0; button < 4; ++button)
        keys.scoreButton(button);
    EXPECT_EQ(user().scoreA, 0);
    EXPECT_EQ(user().scoreB, 0);
    EXPECT_EQ(board.startPauses, 0);
    EXPECT_EQ(board.showScores, 0);
    EXPECT_TRUE(takeSounds().empty());
    EXPECT_TRUE(keys.keyReady());
}

TEST_F(ScoreKeysTest, WithKeyboardScoringOffEveryKeyGoesOnToTheFocusedControl)
{
    user().optScoreKeys = false;
    for (int key : { kKey1, kF1, kEnter, kF5, kSpace })
        EXPECT_FALSE(keys.keyDown(key));
    EXPECT_EQ(user().scoreA, 0);
    EXPECT_EQ(board.startPauses, 0);
    EXPECT_TRUE(takeSounds().empty());
    // The buttons still score.
    keys.scoreButton(0);
    EXPECT_EQ(user().scoreA, 1);
}

TEST_F(ScoreKeysTest, ReboundKeysFollowTheMatchState)
{
    user().keyAddA = 'Q';
    user().keyStartPause = kSpace;
    EXPECT_FALSE(keys.keyDown(kKey1));
    keys.keyUp();
    EXPECT_EQ(user().scoreA, 0);
    EXPECT_TRUE(keys.keyDown('Q'));
    keys.keyUp();
    EXPECT_EQ(user().scoreA, 1);
    EXPECT_TRUE(keys.keyDown(kSpace));
    keys.keyUp();
    EXPECT_EQ(board.startPauses, 1);
    EXPECT_FALSE(keys.keyDown(kEnter));
    keys.keyUp();
    EXPECT_EQ(board.startPauses, 1);
}

TEST_F(ScoreKeysTest, KeyonRunsOnlyTheStartKey)
{
    for (int16_t code : { kKey1, kF1, kKeyA, kF5 })
        keys.keyon(code);
    EXPECT_EQ(user().scoreA, 0);
    EXPECT_EQ(board.startPauses, 0);
    keys.keyon(kEnter);
    EXPECT_EQ(board.startPauses, 1);
    EXPECT_TRUE(takeSounds().empty());
}

} // namespace
} // namespace scoreboard::test
