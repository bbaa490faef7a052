#pragma once
#include <string_view>

namespace scoreboard {

inline constexpr std::string_view kExitWhileRunningNotice = "正在计时中...程序无法退出!";
inline constexpr std::string_view kExitQuestion = "是否真的要退出?";
inline constexpr std::string_view kRunningCaption = "暂停"; // the start button while the clock runs

// What the exit command needs of the scoreboard form `main`.
class ExitBoard {
public:
    virtual ~ExitBoard() = default;
    virtual std::string_view startButtonCaption() const = 0; // `ok`
    virtual void notice(std::string_view text) = 0;          // the notice box
    // A message box with OK and Cancel; true for OK.
    virtual bool confirm(std::string_view text, std::string_view title) = 0;
    // Unloads `main` (which writes date\config.db and puts the display back) and ends the program.
    virtual void endProgram() = 0;
};

// What the exit command and the window's close request both ask: refused with a notice while
// the clock runs (also on a held "0.0", whose button still reads "暂停"), then the question;
// true when the program may end.
bool exitAllowed(ExitBoard& board);

// The exit command: exitAllowed, then the end; true when the program ends.
bool exitCommand(ExitBoard& board);

// What every normal end of the scoreboard does as `main` unloads: the display goes back to the
// size the launcher saved in config.ini, when the file holds one.
void restoreDisplayAtEnd();

} // namespace scoreboard
