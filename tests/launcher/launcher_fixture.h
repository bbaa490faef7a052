#pragma once
#include "platform/system/single_instance.h"
#include "launcher/launcher_program.h"

#include "platform/backend/session.h"
#include "platform/forms/message_box.h"
#include "platform/forms/message_box_button.h"
#include "platform/system/display_modes_service.h"
#include "platform/system/recorded_display_modes.h"
#include "platform/window/api.h"

#include "tests/support/temp_folder.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace launcher::test {

namespace fs = std::filesystem;
using plat::sys::DisplaySize;

// The recorded display, which also notes what config.ini held at each change.
class WatchedDisplay final : public plat::sys::DisplayModes {
public:
    WatchedDisplay(DisplaySize screen, fs::path configFile)
        : m_display(screen)
        , m_configFile(std::move(configFile))
    {
    }

    plat::sys::RecordedDisplayModes& recorded() { return m_display; }
    const std::vector<DisplaySize>& changeRequests() const { return m_display.changeRequests(); }
    // config.ini's bytes when each change was asked for; none when there was no such file.
    const std::vector<std::optional<std::string>>& configAtChanges() const { return m_configAtChanges; }

    DisplaySize screenSize() const override { return m_display.screenSize(); }
    std::vector<DisplaySize> modes() const override { return m_display.modes(); }
    bool changeMode(DisplaySize size) override
    {
        std::optional<std::string> config;
        if (fs::is_regular_file(m_configFile)) {
            std::ifstream in(m_configFile, std::ios::binary);
            config = std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        }
        m_configAtChanges.push_back(config);
        return m_display.changeMode(size);
    }

private:
    plat::sys::RecordedDisplayModes m_display;
    fs::path m_configFile;
    std::vector<std::optional<std::string>> m_configAtChanges;
};

// A message box as it was when it came up, with what lay on disk at that moment.
struct SeenBox {
    std::string text, title;
    plat::forms::MessageIcon icon;
    std::vector<std::string> buttons;
    std::vector<std::string> tree;                  // the program folder
    std::vector<DisplaySize> changesSoFar;          // display changes asked for before it
    std::vector<std::string> fontFolder;            // the user's font folder
};

// The launcher on the headless backend with a virtual clock: a fresh program folder (BALL_HOME),
// font folder (XDG_DATA_HOME) and runtime folder (XDG_RUNTIME_DIR, where the lock lies) per test,
// a watched display, the font registration and program start written down, and every message
// box answered with OK once it is up.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : { "BALL_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR" }) {
            if (const char* value = std::getenv(name))
                m_previous[name] = value;
        }
        ASSERT_FALSE(m_folder.empty());
        ASSERT_FALSE(m_dataHome.empty());
        ASSERT_FALSE(m_runtime.empty());
        ::setenv("BALL_HOME", m_folder.c_str(), 1);
        ::setenv("XDG_DATA_HOME", m_dataHome.c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", m_runtime.c_str(), 1);
        newSession();
        setScreen(1024, 768);
    }

    void TearDown() override
    {
        program.reset();
        if (session)
            session->backend().setIdleHandler(nullptr);
        plat::sys::installDisplayModes(nullptr);
        session.reset();
        for (const char* name : { "BALL_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR" }) {
            auto it = m_previous.find(name);
            if (it != m_previous.end())
                ::setenv(name, it->second.c_str(), 1);
            else
                ::unsetenv(name);
        }
    }

    // A new window system (the old program goes first); message boxes are answered on it.
    void newSession()
    {
        program.reset();
        session.reset();
        session = std::make_unique<plat::backend::HeadlessSession>();
        answerBoxes();
    }

    void setScreen(int width, int height)
    {
        auto watched = std::make_unique<WatchedDisplay>(DisplaySize{ width, height }, path("config.ini"));
        display = watched.get();
        plat::sys::installDisplayModes(std::move(watched));
    }

    LauncherServices services()
    {
        LauncherServices s;
        s.addFontResource = [this](const fs::path& font) {
            fontRegistrations.push_back(font);
            events.push_back("font registered");
        };
        s.startProgram = [this](const fs::path& program) {
            started.push_back(program);
            events.push_back("started");
            return startResult;
        };
        // The stand-ins of the shipped files lie in the test's folder, which is its data folder too.
        s.programFolder = m_folder;
        return s;
    }

    // Starts the launcher as its main does; the result tells whether its loop would run.
    bool start()
    {
        program = std::make_unique<LauncherProgram>(services());
        return program->start();
    }

    Form1& form1() { return program->form(); }

    // A top-level window that notes the font change broadcasts it receives.
    plat::win::HWND watchFontChanges()
    {
        return plat::win::CreateWindow("watcher", 0, plat::gfx::Rect::fromSize(0, 0, 10, 10), false,
            plat::win::makeWndProc([this](plat::win::HWND, plat::win::UINT msg, plat::win::WPARAM w, plat::win::LPARAM l)
                                       -> plat::win::LRESULT {
                if (msg == plat::win::WM_FONTCHANGE) {
                    events.push_back("font change " + std::to_string(w) + " " + std::to_string(l));
                }
                return 0;
            }));
    }


    const fs::path& folder() const { return m_folder; }
    fs::path path(std::string_view relative) const { return m_folder / relative; }
    fs::path fontFolder() const { return m_dataHome / "fonts"; }
    fs::path installedFont() const { return fontFolder() / "DS-DIGIB.ttf"; }



    // Every entry below `root` as relative paths with "/", folders with a trailing "/", sorted.
    static std::vector<std::string> treeOf(const fs::path& root)
    {
        std::vector<std::string> entries;
        std::error_code error;
        if (!fs::is_directory(root, error))
            return entries;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            std::string name = fs::relative(entry.path(), root).generic_string();
            entries.push_back(entry.is_directory() ? name + "/" : name);
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }
    // The data folder, but for the launcher's lock, which lies there whenever it runs.
    std::vector<std::string> tree() const
    {
        std::vector<std::string> entries = treeOf(m_folder);
        std::erase(entries, "main.lock");
        return entries;
    }

    std::unique_ptr<plat::backend::HeadlessSession> session;
    std::unique_ptr<LauncherProgram> program;
    WatchedDisplay* display = nullptr;
    bool startResult = true;
    std::vector<fs::path> fontRegistrations;
    std::vector<fs::path> started;
    std::vector<std::string> events;
    std::vector<SeenBox> seenBoxes;

private:
    void answerBoxes()
    {
        session->backend().setIdleHandler([this] {
            plat::forms::MessageBoxForm* box = plat::forms::MessageBoxForm::current();
            if (!box)
                return false;
            SeenBox seen{ box->text(), box->title(), box->icon(), {}, tree(), display->changeRequests(), treeOf(fontFolder()) };
            for (plat::forms::MessageBoxButton* button : box->buttons())
                seen.buttons.push_back(button->caption());
            seenBoxes.push_back(seen);
            events.push_back("message");
            box->choose(plat::forms::vbOK);
            return true;
        });
    }

    const TempFolder m_home{"launcher-XXXXXX"};
    const TempFolder m_data{"launcher-data-XXXXXX"};
    const TempFolder m_run{"launcher-run-XXXXXX"};
    const fs::path m_folder = m_home.path();
    const fs::path m_dataHome = m_data.path();
    const fs::path m_runtime = m_run.path();
    std::map<std::string, std::string> m_previous;
};

inline constexpr std::string_view kTooSmallText = "分辨率过底,程序无法正常运行建议1024X768最佳!";
inline constexpr std::string_view kTooSmallTitle = "系统提示";
inline constexpr std::string_view kBallMissingText = "目录里面的主程序ball.exe文件不存在!";
inline constexpr std::string_view kBallMissingTitle = "错误提示";

} // namespace launcher::test
