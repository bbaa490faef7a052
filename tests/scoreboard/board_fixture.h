#pragma once
#include "program_folder_fixture.h"

#include "scoreboard/control_set.h"
#include "scoreboard/main_form.h"

#include "platform/backend/session.h"
#include "platform/forms/control.h"
#include "platform/system/date_time.h"

#include <memory>

namespace scoreboard::test {

// The scoreboard form `main` loaded on its stored layout, on the headless backend with a virtual
// clock and a fixed date, in a fresh program folder.
class BoardTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        registerProgramControls();
    }

    void TearDown() override
    {
        if (board && board->isLoaded())
            board->unload();
        board.reset();
        session.reset();
        ProgramFolderTest::TearDown();
    }

    // Starts the window system on a screen of this size; loadBoard() starts one of 1024 x 768.
    void startSession(int width, int height)
    {
        session = std::make_unique<plat::backend::HeadlessSession>(plat::gfx::Size{width, height});
    }

    MainForm& loadBoard()
    {
        if (!session)
            startSession(1024, 768);
        board = std::make_unique<MainForm>(&dates);
        board->load();
        return *board;
    }

    template<class T>
    T& control(std::string_view name, int index = -1)
    {
        return index < 0 ? board->get<T>(name) : board->get<T>(name, index);
    }

    // A left click in the middle of a control's window.
    void clickOn(const plat::forms::Control& c)
    {
        const plat::gfx::Rect r = session->windows().screenRect(c.hwnd());
        session->click(r.left + r.width() / 2, r.top + r.height() / 2);
        session->settle();
    }

    plat::sys::FixedDateSource dates{plat::sys::LocalDateTime{2026, 3, 1, 9, 5, 7}};
    std::unique_ptr<plat::backend::HeadlessSession> session;
    std::unique_ptr<MainForm> board;
};

} // namespace scoreboard::test
