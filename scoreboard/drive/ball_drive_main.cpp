// ball-drive: runs the whole scoreboard on the headless backend from a script, so its
// behaviour can be checked end to end and its screens looked at.
//
//   ball-drive [--home DIR] [--screen WxH] [--real-clock] [SCRIPT]   (--help lists the steps)
#include "dialogs/open_dialog.h"
#include "platform/backend/headless_backend.h"
#include "platform/backend/platform.h"
#include "platform/system/program_folder.h"
#include "platform/window/loop_stalled.h"
#include "scoreboard/ball_program.h"
#include "scoreboard/control_set.h"
#include "scoreboard/drive/drive_runner.h"
#include "scoreboard/drive/drive_script.h"
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

constexpr const char* kUsage = R"(usage: ball-drive [--home DIR] [--screen WxH] [--real-clock] [SCRIPT]

Runs the scoreboard without a display from SCRIPT (standard input when SCRIPT is left out or
is "-"), one step a line, each when the program has nothing left to do; blank lines and lines
starting with # are skipped. The exit status is 0 when the whole script ran, 2 when a step
failed (its line and what went wrong on standard error) or the script ended while a message
box or dialog still waited for an answer.

options:
  --home DIR      the program folder for the data (as BALL_HOME)
  --screen WxH    the screen size, each side from 1 to 8192 (default 1024x768)
  --real-clock    run on the real clock instead of a virtual one that leaps each wait
  --help          this text

steps (NAME is a control of the active form, NAME(INDEX) one of a control array):
  wait MS             let MS milliseconds pass (0 to 86400000)
  key KEY             press and release KEY
  keydown KEY         press KEY and hold it
  keyup KEY           release KEY
  type TEXT           type TEXT as the keyboard would
  click NAME          click NAME with the left button
  dblclick NAME       double-click NAME
  rclick NAME         click NAME with the right button
  press NAME          hold the left button down over NAME
  release NAME        let the left button go over NAME
  hover NAME          move the mouse over NAME
  show NAME PROP...   print NAME.PROP=VALUE for each property (Caption, Visible, Left, ...)
  form NAME           take NAME (a loaded form) instead of the active form
  shot FILE           save the screen as a PNG picture in FILE

keys: Enter, Space, Esc, Tab, Backspace, F1-F24, 0-9, A-Z, Left, Right, Up, Down, Shift, Ctrl,
  Alt, Home, End, PageUp, PageDown, Insert, Delete, or a key code from 1 to 255.
)";

int usage(const char* message)
{
    std::cerr << "ball-drive: " << message << "\n"
              << "usage: ball-drive [--home DIR] [--screen WxH] [--real-clock] [SCRIPT] (--help lists the steps)\n";
    return 2;
}

// "1024x768": both sides whole numbers from 1 to 8192 (a larger screen would not fit in memory).
std::optional<std::pair<int, int>> screenSize(const std::string& text)
{
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos)
        return std::nullopt;
    auto side = [](const char* first, const char* last) -> std::optional<int> {
        int v = 0;
        auto [end, ec] = std::from_chars(first, last, v);
        if (ec != std::errc() || end != last || v < 1 || v > 8192)
            return std::nullopt;
        return v;
    };
    auto w = side(text.data(), text.data() + x);
    auto h = side(text.data() + x + 1, text.data() + text.size());
    if (!w || !h)
        return std::nullopt;
    return std::pair{*w, *h};
}

} // namespace

int main(int argc, char** argv)
{
    // A headless run plays its sounds into nothing, unless the caller chose a sound driver
    // (the disk driver, to check what was played).
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    plat::backend::PlatformOptions options;
    options.programName = "ball";
    options.headless = true;
    options.realClock = false;
    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (a == "--home" && i + 1 < argc) {
            setenv("BALL_HOME", argv[++i], 1);
        } else if (a == "--screen" && i + 1 < argc) {
            auto size = screenSize(argv[++i]);
            if (!size)
                return usage("--screen wants WIDTHxHEIGHT, each from 1 to 8192");
            options.screen = {size->first, size->second};
        } else if (a == "--real-clock") {
            options.realClock = true;
        } else if (a.rfind("--", 0) == 0) {
            return usage(("unknown option " + a).c_str());
        } else if (scriptPath.empty()) {
            scriptPath = a;
        } else {
            return usage("one script at most");
        }
    }

    std::string text;
    if (scriptPath.empty() || scriptPath == "-") {
        std::stringstream s;
        s << std::cin.rdbuf();
        text = s.str();
    } else {
        std::ifstream f(scriptPath, std::ios::binary);
        if (!f)
            return usage(("cannot read " + scriptPath).c_str());
        std::stringstream s;
        s << f.rdbuf();
        text = s.str();
    }
    scoreboard::drive::ParsedScript script = scoreboard::drive::parseScript(text);
    if (script.error) {
        std::cerr << "line " << script.error->line << ": " << script.error->message << "\n";
        return 2;
    }

    // Only a script that reads is run: a faulty one leaves the program folder as it was.
    plat::sys::settleProgramFolder();
    scoreboard::registerProgramControls();
    scoreboard::setSetupDialogOpener(dialogs::openDialog);
    auto platform = plat::backend::Platform::start(options);
    plat::backend::HeadlessBackend& backend = *platform->headless();
    scoreboard::drive::DriveRunner runner(platform->windows(), backend, std::move(script.steps), std::cout, std::cerr);
    backend.setIdleHandler([&] { return runner.next(); });

    scoreboard::BallProgram program(scoreboard::systemStartupServices());
    try {
        if (!program.start()) {
            // The start-up ended the program (another copy, a small screen): the rest of the
            // script still runs against what is left, so its checks can see that.
            while (runner.next()) {
            }
            return runner.exitStatus();
        }
        platform->windows().run();
    } catch (const plat::win::LoopStalled&) {
        // The script is over (or failed) while a box waits for an answer nobody can give now.
        if (!runner.failed()) {
            const std::string& form = runner.waitingForm();
            std::cerr << "ball-drive: the script ended while " << (form.empty() ? "a message box or dialog" : form)
                      << " still waits for an answer\n";
        }
        return 2;
    }
    return runner.exitStatus();
}
