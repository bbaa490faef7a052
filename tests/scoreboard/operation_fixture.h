#pragma once
#include "program_folder_fixture.h"

#include "scoreboard/control_set.h"
#include "scoreboard/main_form.h"
#include "scoreboard/main_operation.h"
#include "scoreboard/program_sound.h"

#include "platform/backend/session.h"
#include "platform/system/date_time.h"
#include "platform/system/display_modes_service.h"
#include "platform/system/recorded_display_modes.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace scoreboard::test {

// The scoreboard form `main` loaded on its stored layout and shown, on the headless backend with
// a virtual clock and a recorded display, and the operator's side of it with hooks that write
// down what was asked of the rest of the form.
class OperationTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        registerProgramControls();
        session = std::make_unique<plat::backend::HeadlessSession>();
        auto modes = std::make_unique<plat::sys::RecordedDisplayModes>(plat::sys::DisplaySize{ 1024, 768 });
        display = modes.get();
        plat::sys::installDisplayModes(std::move(modes));
        setProgramSoundListener([this](std::string_view name) { sounds.emplace_back(name); });
    }

    void TearDown() override
    {
        operation.reset();
        if (board && board->isLoaded())
            board->unload();
        board.reset();
        setProgramSoundListener({});
        plat::sys::installDisplayModes(nullptr);
        session.reset();
        ProgramFolderTest::TearDown();
    }

    // Loads and shows `main`; with `operate`, connects an operation of the test's own in place of
    // the form's, so that what it asks of the rest of the form is written down (the key preview
    // still goes to the form's own).
    MainForm& showBoard(bool operate = true)
    {
        board = std::make_unique<MainForm>(&dates);
        board->load();
        if (operate)
            operation = std::make_unique<MainOperation>(*board, *board->boundControls(), hooks());
        board->show();
        session->settle();
        return *board;
    }

    MainOperation::Hooks hooks()
    {
        MainOperation::Hooks h;
        h.confirmReset = [this] { ++resets; };
        h.openDialog = [this](SetupDialog d) { dialogs.push_back(d); };
        h.inshowfame = [this] { notices.push_back(user().noticeText); };
        h.fillOptionsPanel = [this] { ++optionFills; };
        h.liveModeOn = [this] { return liveMode; };
        h.leaveLiveMode = [this] { liveMode = false; };
        h.confirm = [this](std::string_view text, std::string_view title) {
            questions.push_back(std::string(title) + ": " + std::string(text));
            bool answer = answers.empty() ? false : answers.front();
            if (!answers.empty())
                answers.pop_front();
            return answer;
        };
        return h;
    }

    template<class T>
    T& control(std::string_view name, int index = -1)
    {
        return index < 0 ? board->get<T>(name) : board->get<T>(name, index);
    }

    plat::gfx::Point middleOf(const plat::forms::Control& c) const
    {
        const plat::gfx::Rect r = session->windows().screenRect(c.hwnd());
        return { r.left + r.width() / 2, r.top + r.height() / 2 };
    }
    void clickOn(const plat::forms::Control& c)
    {
        const plat::gfx::Point p = middleOf(c);
        session->click(p.x, p.y);
        session->settle();
    }
    void doubleClickOn(const plat::forms::Control& c)
    {
        const plat::gfx::Point p = middleOf(c);
        session->click(p.x, p.y);
        session->click(p.x, p.y);
        session->settle();
    }
    void moveOver(const plat::forms::Control& c)
    {
        const plat::gfx::Point p = middleOf(c);
        session->mouseMove(p.x, p.y);
        session->settle();
    }
    std::vector<std::string> takeSounds() { return std::exchange(sounds, {}); }

    plat::sys::FixedDateSource dates{ plat::sys::LocalDateTime{ 2026, 3, 1, 9, 5, 7 } };
    std::unique_ptr<plat::backend::HeadlessSession> session;
    plat::sys::RecordedDisplayModes* display = nullptr;
    std::unique_ptr<MainForm> board;
    std::unique_ptr<MainOperation> operation;

    int resets = 0;
    int optionFills = 0;
    bool liveMode = false;
    std::vector<SetupDialog> dialogs;
    std::vector<std::string> notices;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::vector<std::string> sounds;
};

} // namespace scoreboard::test
