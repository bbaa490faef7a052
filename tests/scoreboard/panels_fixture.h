#pragma once
#include "board_fixture.h"

#include "scoreboard/main_operation.h"
#include "scoreboard/main_panels.h"

#include "controls/core/qel_command.h"
#include "platform/forms/list_view.h"
#include "platform/forms/timer.h"
#include "platform/gfx/picture.h"
#include "platform/media/alpha_image.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace scoreboard::test {

// The scoreboard form `main` loaded and shown, with panels of the test's own whose questions,
// messages and notices are written down, and whose logo chooser takes the file the test names.
class PanelsTest : public BoardTest {
protected:
    MainForm& showBoard()
    {
        loadBoard();
        board->show();
        session->settle();
        panels = std::make_unique<MainPanels>(*board, hooks());
        return *board;
    }

    // The form goes first: its controls still call the panels' handlers as they go.
    void TearDown() override
    {
        BoardTest::TearDown();
        panels.reset();
    }

    MainPanels::Hooks hooks()
    {
        MainPanels::Hooks h;
        h.records.confirm = [this](std::string_view text, std::string_view title) {
            questions.push_back(std::string(title) + ": " + std::string(text));
            bool answer = !answers.empty() && answers.front();
            if (!answers.empty())
                answers.pop_front();
            return answer;
        };
        h.records.message = [this](std::string_view text, std::string_view title) {
            messages.push_back(std::string(title) + ": " + std::string(text));
        };
        h.options.message = h.records.message;
        h.options.notice = [this](std::string_view text) { notices.emplace_back(text); };
        h.chooseLogo = [this] { return chosenFile; };
        return h;
    }

    bool timerOn(std::string_view name) { return control<plat::forms::Timer>(name).enabled(); }

    void clickButton(std::string_view name, int index = -1) { clickOn(control<qel::qelCommand>(name, index)); }

    plat::forms::ListView& list() { return control<plat::forms::ListView>("balllist1"); }

    // A left click on a row of the record list (from 1).
    void clickRow(int row)
    {
        plat::forms::ListView& records = list();
        const plat::gfx::Rect screen = session->windows().screenRect(records.hwnd());
        const plat::gfx::Rect r = records.itemRect(*records.listItems().item(row));
        ASSERT_FALSE(r.isEmpty()) << "row " << row << " is not shown";
        session->click(screen.left + r.left + 10, screen.top + r.top + r.height() / 2);
        session->settle();
    }

    std::unique_ptr<MainPanels> panels;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::vector<std::string> messages;
    std::vector<std::string> notices;
    std::optional<std::string> chosenFile;
};

} // namespace scoreboard::test
