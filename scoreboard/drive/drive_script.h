#pragma once
#include <optional>
#include <string>
#include <vector>

namespace scoreboard::drive {

// One step of a drive script, one per line:
//   wait MS (0 to a day) | key NAME | keydown NAME | keyup NAME | type TEXT (not blanks alone)
//   click NAME | dblclick NAME | rclick NAME   (NAME or NAME(INDEX), INDEX 0-32767, on the active form)
//   press NAME | release NAME                  (the left button held down over it, let go)
//   hover NAME                                 (the mouse moved over it, no button)
//   show NAME PROP... | form NAME | shot FILE
// Blank lines and lines starting with # are skipped.
struct Step {
    enum class Kind { Wait, Key, KeyDown, KeyUp, Type, Click, DblClick, RClick, Press, Release, Hover, Show, Form, Shot } kind
        = Kind::Wait;
    int line = 0;
    long long number = 0;           // wait: milliseconds; key steps: the virtual key
    std::string text;               // type: the text; shot: the file; form: the form name
    std::string control;            // click/show: the control name
    int index = -1;                 // its array index
    std::vector<std::string> props; // show: the properties
};

struct ScriptError {
    int line;
    std::string message;
};

// Reads a whole script; the first bad line is reported with its number (a number out of its
// range included: it is never cut down to fit).
struct ParsedScript {
    std::vector<Step> steps;
    std::optional<ScriptError> error;
};
ParsedScript parseScript(const std::string& text);

// The virtual key of a key name: Enter, Space, Esc, Tab, Backspace, F1-F24, digits, letters,
// arrows (Left, Right, Up, Down), Shift, Ctrl, Alt, Home, End, PageUp, PageDown, Insert,
// Delete, or a decimal code 1-255. Case does not matter.
std::optional<int> keyFromName(const std::string& name);

} // namespace scoreboard::drive
