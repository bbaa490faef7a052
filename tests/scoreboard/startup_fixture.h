#pragma once
#include "program_folder_fixture.h"

#include "scoreboard/ball_program.h"

#include "platform/backend/session.h"
#include "platform/system/display_modes_service.h"
#include "platform/system/recorded_display_modes.h"

#include <memory>

namespace scoreboard::test {

struct ShownMessage {
    std::string text;
    std::string title;
    StartupMessageIcon icon;
    bool operator==(const ShownMessage&) const = default;
};

// The program `ball` on the headless backend with a virtual clock, a recorded display, the year
// 2026, and message boxes written down instead of shown.
class StartupTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"))
            m_previousRuntime = runtime;
        ::setenv("XDG_RUNTIME_DIR", dataHome().c_str(), 1);
        session = std::make_unique<plat::backend::HeadlessSession>();
        setScreen(1024, 768);
    }

    void TearDown() override
    {
        program.reset();
        plat::sys::installDisplayModes(nullptr);
        session.reset();
        if (m_previousRuntime)
            ::setenv("XDG_RUNTIME_DIR", m_previousRuntime->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
        ProgramFolderTest::TearDown();
    }

    void setScreen(int width, int height)
    {
        plat::sys::installDisplayModes(std::make_unique<plat::sys::RecordedDisplayModes>(plat::sys::DisplaySize{width, height}));
    }

    // A new run in an empty program folder, on a display of this size.
    void freshRun(int width, int height)
    {
        std::filesystem::remove_all(folder());
        std::filesystem::create_directory(folder());
        program.reset();
        session.reset();
        session = std::make_unique<plat::backend::HeadlessSession>();
        user() = MatchState{};
        setScreen(width, height);
    }

    StartupServices services()
    {
        StartupServices s;
        // The stand-in of the shipped clock font lies in the test's folder.
        s.clockFont = path("DS-DIGIB.ttf");
        s.dates = &dates;
        s.installFont = [this](const std::filesystem::path& file, std::string_view family) {
            fontInstalls.push_back(file);
            return fontResult;
        };
        s.message = [this](std::string_view text, std::string_view title, StartupMessageIcon icon) {
            messages.push_back({std::string(text), std::string(title), icon});
        };
        return s;
    }

    // Starts the program as its main does; the result tells whether it goes on running.
    bool start()
    {
        program = std::make_unique<BallProgram>(services());
        return program->start();
    }

    StartupForm& f1() { return program->startupForm(); }
    MainForm& mainForm() { return program->mainForm(); }

    plat::sys::FixedDateSource dates{plat::sys::LocalDateTime{2026, 3, 1, 9, 0, 0}};
    plat::sys::FontInstall fontResult = plat::sys::FontInstall::Installed;
    std::vector<std::filesystem::path> fontInstalls;
    std::vector<ShownMessage> messages;
    std::unique_ptr<plat::backend::HeadlessSession> session;
    std::unique_ptr<BallProgram> program;

private:
    std::optional<std::string> m_previousRuntime;
};

} // namespace scoreboard::test
