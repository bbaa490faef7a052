#pragma once
#include <filesystem>
#include <functional>

namespace launcher {

// What the launcher asks of the system beyond files and the display; tests put in their own.
struct LauncherServices {
    // Makes an installed font file known, as adding a font resource does (the result is not
    // looked at).
    std::function<void(const std::filesystem::path& installedFont)> addFontResource;
    // Starts a program without arguments and without waiting for it; false when it could not.
    std::function<bool(const std::filesystem::path& program)> startProgram;
    // Whether the clock font's family is known already (the font package is installed), so that
    // no copy of it is needed in the user's font folder. Unset: it is not.
    std::function<bool()> clockFontKnown;
    // The program folder, where the shipped files (the scoreboard program, the clock font) are
    // taken from; empty for the running executable's folder.
    std::filesystem::path programFolder;
};

// The services of a real run: the platform's font registration, fontconfig's families and
// detached start, and the shipped files beside the launcher.
LauncherServices systemLauncherServices();

} // namespace launcher
