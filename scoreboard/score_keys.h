#pragma once
#include <cstdint>
#include <string_view>

namespace scoreboard {

// The three signal sounds of the function keys and of the menu.
void keyF5(); // attack
void keyF6(); // defence
void keyF7(); // the whole court

// What scoring by key and by the on-screen buttons needs of the scoreboard form `main`.
class ScoringBoard {
public:
    virtual ~ScoringBoard() = default;
    virtual bool periodReportVisible() const = 0; // `look`
    virtual void startPause() = 0;                // the start/pause command
    virtual void ShowScores() = 0;
    virtual void setScoreSoundTimer(bool on) = 0; // `Timer7`
};

// The key handler of `main` (it sees every key before the focused control), the score buttons
// `v1` and the score sound that plays at most once every two seconds. Keys and switches come
// from the match state.
class ScoreKeys {
public:
    explicit ScoreKeys(ScoringBoard& board)
        : m_board(board)
    {
    }

    // KeyDown of `main`. True when the key is consumed and must not reach the focused control.
    bool keyDown(int keyCode);
    // KeyUp of `main`, for every key: the next press may act.
    void keyUp() { m_keyReady = true; }
    // Click of `v1` item 0 (A +), 1 (A -), 2 (B +) or 3 (B -).
    void scoreButton(int index);
    // The tick of `Timer7`: the score sound may play again.
    void scoreSoundTimerTick();
    // The start key runs the start/pause command; every other code does nothing.
    void keyon(int16_t keyCode);

    // Both True at load.
    void reset();
    bool keyReady() const { return m_keyReady; }
    bool soundArmed() const { return m_soundArmed; }

    static constexpr int kSoundRearmMs = 2000;
    static constexpr int16_t kMaxScore = 999;

private:
    bool consumes(int keyCode) const;
    void changeScore(int index);
    void scoreSound();

    ScoringBoard& m_board;
    bool m_keyReady = true;
    bool m_soundArmed = true;
};

} // namespace scoreboard
