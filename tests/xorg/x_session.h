#pragma once
#include "../support/wait_until.h"
#include "../support/x_screen.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace xorg_test {

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

using test_support::ScreenPicture;

// The programs of the build run against one X display, with a program folder, font folder and
// runtime folder of their own; every process it starts it ends by pid.
class XSession {
public:
    explicit XSession(std::string display);
    ~XSession();

    const std::filesystem::path& home() const { return m_home; }

    // Starts a program with the session's environment; its pid.
    pid_t start(const std::filesystem::path& program);
    // Waits for a process this session started to end; its exit status, or none on time-out.
    std::optional<int> waitExit(pid_t pid, std::chrono::milliseconds deadline = test_support::kGenerousDeadline);
    bool isRunning(pid_t pid) const;
    // A `ball` whose program folder is this session's (started by the launcher, not by us).
    std::optional<pid_t> findScoreboard() const;
    void end(pid_t pid);

    // What `xrandr --current` prints, and the current screen size in it.
    std::string xrandr() const;
    Size currentSize() const;
    ScreenPicture picture() const;
    // Asks every window of the process to close, as a window manager's close button does
    // (WM_DELETE_WINDOW); false when it has no window.
    bool requestClose(pid_t pid) const;
    // Runs xdotool with these arguments; true when it succeeded.
    bool xdotool(const std::vector<std::string>& arguments) const;

private:
    std::string run(const std::vector<std::string>& command, int* status = nullptr) const;

    std::string m_display;
    std::filesystem::path m_root, m_home;
    std::map<std::string, std::string> m_env;
    std::vector<pid_t> m_children;
    std::vector<pid_t> m_adopted;
};

} // namespace xorg_test
