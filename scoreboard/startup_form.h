#pragma once
#include "scoreboard/clock_font.h"

#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/timer.h"
#include "platform/system/date_time.h"
#include "platform/system/display_modes.h"
#include "platform/system/single_instance.h"
#include "platform/window/held_keys.h"

#include <functional>
#include <optional>
#include <string_view>

namespace scoreboard {

class MainForm;

// The controls of `F1` that its load and its timer reach, bound once they have been added.
struct StartupControls {
    plat::forms::ControlArray<plat::forms::Label> Lab1; // the two contact lines
    plat::forms::Timer& Timer1;
};

// Binds them on a loaded `F1`: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
StartupControls bindStartupControls(const plat::forms::Form& form);

enum class StartupMessageIcon { Stop, Information };

// Why a board that could not make its lock file (no room on the disk, a folder it cannot write)
// ends: without the lock nothing keeps a second board off the same data folder.
inline constexpr std::string_view kLockUnavailableMessage
    = "数据文件夹中无法建立锁文件(磁盘已满或文件夹无法写入),无法保证只有一个计分板使用这些数据,程序将退出!";

// What the start-up asks of the world around it; tests put in their own.
struct StartupServices {
    const plat::sys::DateSource* dates = nullptr; // for the year of the default match title
    FontInstaller installFont = plat::sys::installFont;
    // The clock font that ships (beside the programs, never in the data folder).
    std::filesystem::path clockFont = shippedClockFontPath();
    // A message box with an OK button only, shown modally.
    std::function<void(std::string_view text, std::string_view title, StartupMessageIcon icon)> message;
};

// The start-up screen `F1`. Its load refuses a second instance, a data folder where no lock can
// be made (told in a message box) and a too small screen, installs
// the clock font, prepares the program folder, reads the settings and loads the scoreboard `main`
// hidden; 3000 ms after it has appeared it shows the scoreboard and unloads itself. Keys typed
// while it shows reach the scoreboard, in order, once that is up.
class StartupForm : public plat::forms::Form {
public:
    // `instanceLock` receives the program's single-instance lock; it must outlive the program.
    StartupForm(MainForm& main, std::optional<plat::sys::SingleInstanceLock>& instanceLock, StartupServices services);

    // The load decided that the program ends (another instance runs, or the screen is too small).
    bool endsProgram() const { return m_endsProgram; }

protected:
    void onLoad() override;
    void onUnload(int& cancel) override;
    // Nothing here acts on keys: they are kept for the scoreboard.
    void onKeyDown(int& keyCode, int shift) override;
    void onKeyUp(int& keyCode, int shift) override;
    void onKeyPress(int& keyAscii) override;

private:
    void addControls();
    void endProgram();
    bool screenAllowsStart();
    void showScoreboard();

    MainForm& m_main;
    std::optional<plat::sys::SingleInstanceLock>& m_instanceLock;
    StartupServices m_services;
    bool m_endsProgram = false;
    bool m_loadDone = false;
    bool m_startFilesUnwritten = false; // told in the notice box once the board shows
    std::optional<StartupControls> m_bound;
    plat::win::HeldKeys m_heldKeys;
};

// The screen size the start-up checks: the display's, or the window system's when the display
// cannot tell.
plat::sys::DisplaySize measuredScreenSize();

} // namespace scoreboard
