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
    bool typing = false;

    bool periodReportVisible() const override { return report; }
    void startPause() override { ++startPauses; }
    void ShowScores() override { ++showScores; }
    void setScoreSoundTimer(bool on) override { soundTimer = on; }
    bool typingFieldFocused() const override { return typing; }
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
enum class Press { Down, Repeat, Up };
struct KeyStep {
    int key;
    Press press;
    bool consumed;
    int16_t scoreA, scoreB;
    int startPauses;
    std::vector<std::string> sounds;
};

class ScoreKeySteps : public ScoreKeysTest {
protected:
    void run(const std::vector<KeyStep>& steps)
    {
        int line = 0;
        for (const KeyStep& step : steps) {
            SCOPED_TRACE("step " + std::to_string(line++));
            if (step.press == Press::Up)
                keys.keyUp(step.key);
            else
                EXPECT_EQ(keys.keyDown(step.key, step.press == Press::Repeat), step.consumed);
            EXPECT_EQ(user().scoreA, step.scoreA);
            EXPECT_EQ(user().scoreB, step.scoreB);
            EXPECT_EQ(board.startPauses, step.startPauses);
            EXPECT_EQ(takeSounds(), step.sounds);
        }
    }
    const std::string comm = "sound\\comm.wav";
};

TEST_F(ScoreKeySteps, KeysActOncePerPressAndConsumeOnlyTheirOwnCodes)
{
    using enum Press;
    run({
        { kKey1, Down, true, 1, 0, 0, { comm } },
        { kKey1, Repeat, true, 1, 0, 0, {} }, // auto-repeat of a held key
        { kKey1, Repeat, true, 1, 0, 0, {} },
        { kKey1, Up, false, 1, 0, 0, {} },
        { kKey1, Down, true, 2, 0, 0, {} }, // the sound waits for Timer7
        { kKey1, Up, false, 2, 0, 0, {} },
        { kKey2, Down, true, 2, 1, 0, {} },
        { kKey2, Up, false, 2, 1, 0, {} },
        { kF1, Down, true, 1, 1, 0, {} },
        { kF1, Up, false, 1, 1, 0, {} },
        { kF2, Down, true, 1, 0, 0, {} },
        { kF2, Up, false, 1, 0, 0, {} },
        { kEnter, Down, true, 1, 0, 1, {} },
        { kEnter, Repeat, true, 1, 0, 1, {} }, // held Enter toggles the clock once
        { kEnter, Up, false, 1, 0, 1, {} },
        { kKeyA, Down, false, 1, 0, 1, {} }, // not bound: reaches the focused control
        { kKeyA, Up, false, 1, 0, 1, {} },
        { kSpace, Down, false, 1, 0, 1, {} },
        { kSpace, Up, false, 1, 0, 1, {} },
        { kF5, Down, true, 1, 0, 1, { "sound\\nbai.wav" } },
        { kF5, Repeat, true, 1, 0, 1, { "sound\\nbai.wav" } }, // a held function key repeats its sound
        { kF5, Up, false, 1, 0, 1, {} },
        { kF6, Down, true, 1, 0, 1, { "sound\\nbaf.wav" } },
        { kF7, Down, true, 1, 0, 1, { "sound\\nbaa.wav" } },
        { kF7, Up, false, 1, 0, 1, {} },
    });
}

// Each key has its own press: another key held or released meanwhile changes nothing about it.
TEST_F(ScoreKeySteps, OverlappingPressesOfDifferentKeysEachAct)
{
    using enum Press;
    run({
        { kKey1, Down, true, 1, 0, 0, { comm } },
        { kKey2, Down, true, 1, 1, 0, {} }, // 1 still held
        { kKey1, Up, false, 1, 1, 0, {} },
        { kKey2, Repeat, true, 1, 1, 0, {} }, // 2 still held: its release is still to come
        { kKey2, Up, false, 1, 1, 0, {} },
        { kF1, Down, true, 0, 1, 0, {} },
        { kEnter, Down, true, 0, 1, 1, {} }, // the start key while F1 is held
        { kF1, Repeat, true, 0, 1, 1, {} },
        { kEnter, Up, false, 0, 1, 1, {} },
        { kKey1, Down, true, 1, 1, 1, {} },
        { kF1, Up, false, 1, 1, 1, {} }, // F1's release does not free the held 1
        { kKey1, Repeat, true, 1, 1, 1, {} },
        // A new press of a key whose release went to another window (a dialog had the keyboard).
        { kKey1, Down, true, 2, 1, 1, {} },
    });
}

// While a text box of the board takes typing, the score keys are typing: "12" typed into a time
// box and F1 pressed there change no score. The start key and the function keys still act.
TEST_F(ScoreKeySteps, ScoreKeysTypedIntoAFieldChangeNoScore)
{
    board.typing = true;
    using enum Press;
    run({
        { kKey1, Down, false, 0, 0, 0, { comm } }, // like any key not bound: refreshes, may sound
        { kKey1, Up, false, 0, 0, 0, {} },
        { kKey2, Down, false, 0, 0, 0, {} },
        { kKey2, Up, false, 0, 0, 0, {} },
        { kF1, Down, false, 0, 0, 0, {} },
        { kF2, Down, false, 0, 0, 0, {} },
        { kF5, Down, true, 0, 0, 0, { "sound\\nbai.wav" } },
        { kEnter, Down, true, 0, 0, 1, {} },
        { kEnter, Up, false, 0, 0, 1, {} },
    });
    board.typing = false;
    keys.keyUp(kF1);
    run({ { kF1, Down, true, 0, 0, 1, {} }, { kKey2, Down, true, 0, 1, 1, {} } });
}

TEST_F(ScoreKeysTest, EveryActingKeyRefreshesTheScoresAndMayPlayTheSound)
{
    for (int key : { kKeyA, kEnter, kKey1 }) {
        SCOPED_TRACE(key);
        board.showScores = 0;
        keys.scoreSoundTimerTick();
        EXPECT_FALSE(board.soundTimer);
        keys.keyDown(key);
        keys.keyUp(key);
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
        keys.keyUp(kKey1);
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
                keys.keyUp(c.key);
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
        keys.keyUp(key);
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
    keys.keyUp(kKey1);
    EXPECT_EQ(user().scoreA, 0);
    EXPECT_TRUE(keys.keyDown('Q'));
    keys.keyUp('Q');
    EXPECT_EQ(user().scoreA, 1);
    EXPECT_TRUE(keys.keyDown(kSpace));
    keys.keyUp(kSpace);
    EXPECT_EQ(board.startPauses, 1);
    EXPECT_FALSE(keys.keyDown(kEnter));
    keys.keyUp(kEnter);
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
