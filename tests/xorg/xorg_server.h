#pragma once
#include "../support/temp_folder.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

namespace xorg_test {

// A real X server without hardware for the test that owns it: Xorg with the dummy video driver and
// a configuration of our own, on a display number the server picks itself. XRandR switches between
// the modes listed here for real. The server is stopped, by its own pid, when the object goes.
class XorgServer {
public:
    struct Mode {
        int width, height;
        const char* modeline; // clock and timings after the name
    };
    // The modes this harness knows; the first one given to start() is the one the server starts in.
    static const Mode k1920x1080, k1280x1024, k1024x768, k800x600, k640x480;

    XorgServer() = default;
    XorgServer(const XorgServer&) = delete;
    XorgServer& operator=(const XorgServer&) = delete;
    ~XorgServer();

    // Starts the server; false with the reason in error() when it cannot start at all.
    bool start(const std::vector<Mode>& modes);
    void stop();

    const std::string& error() const { return m_error; }
    // ":N", for DISPLAY.
    const std::string& display() const { return m_display; }
    const std::filesystem::path& folder() const { return m_folder; }

private:
    std::unique_ptr<TempFolder> m_scratch; // while the server runs
    std::filesystem::path m_folder;
    std::string m_display;
    std::string m_error;
    pid_t m_pid = -1;
};

// The Xorg binary, or an empty path where the package is not installed.
std::filesystem::path xorgProgram();

} // namespace xorg_test
