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
};

// The services of a real run: the platform's font registration and detached start.
LauncherServices systemLauncherServices();

} // namespace launcher
