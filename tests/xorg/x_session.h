#pragma once
#include "../support/temp_folder.h"
#include "../support/wait_until.h"

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

// A root-window picture: 0x00RRGGBB pixels, row by row.
struct Picture {
    Size size;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(size.width) + size_t(x)]; }
    // How many pixels of the rectangle pass `test`.
    template<typename Test> int count(int left, int top, int right, int bottom, Test test) const
    {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += test(at(x, y)) ? 1 : 0;
        return n;
    }
};

// The programs of the build run against one X display, with a program folder, font folder and
// runtime folder of their own; every process it starts it ends by pid.
class XSession {
public:
    explicit XSession(std::string display);
    ~XSession();

    const std::filesystem::path& home() const { return m_home; }

    // Starts a program with the session's environment, changed by `changes` (a variable set to a
    // value, or left out for none); its pid.
    pid_t start(const std::filesystem::path& program, const std::map<std::string, std::optional<std::string>>& changes = {});
    // What a process this session started wrote on standard output and standard error so far.
    std::string output(pid_t pid) const;
    // Waits for a process this session started to end; its exit status, or none on time-out.
    std::optional<int> waitExit(pid_t pid, std::chrono::milliseconds deadline = test_support::kGenerousDeadline);
    bool isRunning(pid_t pid) const;
    // A `ball` whose program folder is this session's (started by the launcher, not by us).
    std::optional<pid_t> findScoreboard() const;
    // Every such `ball` that runs now.
    std::vector<pid_t> scoreboards() const;
    void end(pid_t pid);

    // What `xrandr --current` prints, and the current screen size in it.
    std::string xrandr() const;
    Size currentSize() const;
    // Switches the display as `xrandr -s` does; false when xrandr refused.
    bool setSize(Size size) const;
    Picture picture() const;
    // Asks every window of the process to close, as a window manager's close button does
    // (WM_DELETE_WINDOW); false when it has no window.
    bool requestClose(pid_t pid) const;
    // The titles of the process's windows, as a task bar shows them.
    std::vector<std::string> windowTitles(pid_t pid) const;
    // Runs xdotool with these arguments; true when it succeeded.
    bool xdotool(const std::vector<std::string>& arguments) const;

    // Waits until `done` holds, looking every 100 ms, up to the tests' generous deadline; whether
    // it held.
    template<typename Done> static bool waitFor(Done done)
    {
        return test_support::waitUntil(done, test_support::kGenerousDeadline, std::chrono::milliseconds(100));
    }

private:
    std::string run(const std::vector<std::string>& command, int* status = nullptr) const;

    std::string m_display;
    const TempFolder m_folder{"xorg-session-XXXXXX"};
    const std::filesystem::path m_root = m_folder.path();
    std::filesystem::path m_home;
    std::map<std::string, std::string> m_env;
    std::vector<pid_t> m_children;
    std::map<pid_t, std::filesystem::path> m_logs;
    std::vector<pid_t> m_adopted;
};

} // namespace xorg_test
