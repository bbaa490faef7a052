#pragma once
#include <bitset>
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
    // A text box or a combo box's edit field of the form has the focus and takes typing.
    virtual bool typingFieldFocused() const = 0;
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

    // KeyDown of `main`; `repeats` for a key that was down already (its auto-repeat). True when
    // the key is consumed and must not reach the focused control. While a field takes typing the
    // four score keys are typing: they go on to it and change no score.
    bool keyDown(int keyCode, bool repeats = false);
    // KeyUp of `main`: the next press of that key may act.
    void keyUp(int keyCode);
    // Click of `v1` item 0 (A +), 1 (A -), 2 (B +) or 3 (B -).
    void scoreButton(int index);
    // The tick of `Timer7`: the score sound may play again.
    void scoreSoundTimerTick();
    // The start key runs the start/pause command; every other code does nothing.
    void keyon(int16_t keyCode);

    // Every key ready and the sound armed, as at load.
    void reset();
    // Whether a press of the key may act: it has not acted since its last release. Each key has
    // its own, so a key pressed while another is held still acts.
    bool keyReady(int keyCode) const;
    // No key is held after acting.
    bool keyReady() const { return m_acted.none(); }
    bool soundArmed() const { return m_soundArmed; }

    static constexpr int kSoundRearmMs = 2000;
    static constexpr int16_t kMaxScore = 999;

private:
    bool consumes(int keyCode) const;
    bool typedIntoField(int keyCode) const;
    void changeScore(int index);
    void scoreSound();

    ScoringBoard& m_board;
    std::bitset<256> m_acted; // keys that acted and are not released yet
    bool m_soundArmed = true;
};

} // namespace scoreboard
