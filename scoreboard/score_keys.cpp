#include "scoreboard/score_keys.h"

#include "scoreboard/match_state.h"
#include "scoreboard/program_sound.h"

namespace scoreboard {

namespace {

constexpr int kF5 = 116;
constexpr int kF6 = 117;
constexpr int kF7 = 118;

} // namespace

void keyF5() { playProgramSound("sound\\nbai.wav"); }
void keyF6() { playProgramSound("sound\\nbaf.wav"); }
void keyF7() { playProgramSound("sound\\nbaa.wav"); }

bool ScoreKeys::typedIntoField(int keyCode) const
{
    const MatchState& s = user();
    if (keyCode == s.keyStartPause || !m_board.typingFieldFocused())
        return false;
    return keyCode == s.keyAddA || keyCode == s.keySubA || keyCode == s.keyAddB || keyCode == s.keySubB;
}

bool ScoreKeys::consumes(int keyCode) const
{
    const MatchState& s = user();
    if (m_board.periodReportVisible() || !s.optScoreKeys || typedIntoField(keyCode))
        return false;
    return keyCode == kF5 || keyCode == kF6 || keyCode == kF7 || keyCode == s.keyStartPause || keyCode == s.keyAddA
        || keyCode == s.keySubA || keyCode == s.keyAddB || keyCode == s.keySubB;
}

bool ScoreKeys::keyReady(int keyCode) const { return keyCode < 0 || keyCode >= int(m_acted.size()) || !m_acted[size_t(keyCode)]; }

bool ScoreKeys::keyDown(int keyCode, bool repeats)
{
    const bool inRange = keyCode >= 0 && keyCode < int(m_acted.size());
    // A new press after a release that went to another window (a dialog had the keyboard).
    if (inRange && !repeats)
        m_acted.reset(size_t(keyCode));
    const bool consumed = consumes(keyCode);
    const MatchState& s = user();
    if (m_board.periodReportVisible() || !s.optScoreKeys || !keyReady(keyCode))
        return consumed;
    switch (keyCode) {
    case kF5:
        keyF5();
        return consumed;
    case kF6:
        keyF6();
        return consumed;
    case kF7:
        keyF7();
        return consumed;
    default:
        break;
    }
    // The first configured key that matches; a code bound twice acts once.
    if (keyCode == s.keyStartPause)
        m_board.startPause();
    else if (typedIntoField(keyCode))
        ; // typing, like any key not bound
    else if (keyCode == s.keyAddA)
        changeScore(0);
    else if (keyCode == s.keySubA)
        changeScore(1);
    else if (keyCode == s.keyAddB)
        changeScore(2);
    else if (keyCode == s.keySubB)
        changeScore(3);
    // Every key, bound or not, takes one press and refreshes the scores.
    if (inRange)
        m_acted.set(size_t(keyCode));
    m_board.ShowScores();
    scoreSound();
    return consumed;
}

void ScoreKeys::keyUp(int keyCode)
{
    if (keyCode >= 0 && keyCode < int(m_acted.size()))
        m_acted.reset(size_t(keyCode));
}

void ScoreKeys::scoreButton(int index)
{
    if (m_board.periodReportVisible())
        return;
    changeScore(index);
    scoreSound();
    m_board.ShowScores();
}

void ScoreKeys::changeScore(int index)
{
    MatchState& s = user();
    switch (index) {
    case 0:
        if (s.scoreA < kMaxScore)
            ++s.scoreA;
        break;
    case 1:
        if (s.scoreA > 0)
            --s.scoreA;
        break;
    case 2:
        if (s.scoreB < kMaxScore)
            ++s.scoreB;
        break;
    case 3:
        if (s.scoreB >= 1)
            --s.scoreB;
        break;
    default:
        break;
    }
}

void ScoreKeys::scoreSound()
{
    if (!user().optScoreSound || !m_soundArmed)
        return;
    m_soundArmed = false;
    playProgramSound("sound\\comm.wav");
    m_board.setScoreSoundTimer(true);
}

void ScoreKeys::scoreSoundTimerTick()
{
    m_soundArmed = true;
    m_board.setScoreSoundTimer(false);
}

void ScoreKeys::keyon(int16_t keyCode)
{
    if (keyCode == user().keyStartPause)
        m_board.startPause();
}

void ScoreKeys::reset()
{
    m_acted.reset();
    m_soundArmed = true;
}

} // namespace scoreboard
