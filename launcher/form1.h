#pragma once
#include "launcher/launcher_services.h"

#include "platform/forms/form.h"
#include "platform/system/display_modes.h"
#include "platform/system/single_instance.h"

#include <optional>

namespace launcher {

// The launcher's only window. Its load does the whole job: it refuses a second copy, leaves
// everything as it is while a board runs on the data folder, refuses a screen smaller than
// 1024 x 768, records the screen size in config.ini, switches the display to 1024 x 768 (marked
// until the display is put back), installs the clock font when the font folder lacks it, makes
// the data folder and starts the scoreboard. The window is shown only when the scoreboard program is missing or cannot
// be started (the display is then put back first); a double click on it (or closing it) ends the
// launcher.
class Form1 : public plat::forms::Form {
public:
    // `instanceLock` receives the launcher's single-instance lock; it must outlive the form.
    Form1(std::optional<plat::sys::SingleInstanceLock>& instanceLock, LauncherServices services);

    // The load decided that the launcher ends without showing its window.
    bool endsProgram() const { return m_endsProgram; }

protected:
    void onLoad() override;
    void onUnload(int& cancel) override;
    void onDblClick() override;

private:
    void endProgram();
    void recordScreenSize(plat::sys::DisplaySize screen);
    void switchDisplay();
    void installClockFont();
    void makeDataFolder();
    void startScoreboard(plat::sys::DisplaySize screenBefore);
    void putDisplayBack(plat::sys::DisplaySize screenBefore);
    // A file that ships beside the programs, never one of the data folder.
    std::filesystem::path shippedFile(std::string_view name) const;

    std::optional<plat::sys::SingleInstanceLock>& m_instanceLock;
    LauncherServices m_services;
    bool m_endsProgram = false;
    // This run found the mark of an earlier switch that was never put back.
    bool m_earlierSwitchUnrestored = false;
};

} // namespace launcher
