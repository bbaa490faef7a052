#include "../scoreboard/board_fixture.h"

#include "dialogs/open_dialog.h"

#include "platform/forms/form_directory.h"

namespace dialogs::test {
namespace {

using scoreboard::SetupDialog;

class OpenDialogTest : public scoreboard::test::BoardTest {};

TEST_F(OpenDialogTest, EachDialogOpensModallyOverTheBoard)
{
    struct Case {
        SetupDialog dialog;
        const char* form;
        const char* caption;
    };
    const Case cases[] = {
        {SetupDialog::TitleAndReferees, "m1", "比赛主题设置"},
        {SetupDialog::Clock, "m2", "比赛时间设置"},
        {SetupDialog::Teams, "m3", "球队名称设置"},
        {SetupDialog::Score, "m4", "比赛分数设置"},
        {SetupDialog::Period, "m5", "节次设置"},
        {SetupDialog::ShortcutKeys, "m6", "常用快捷键设置"},
    };
    loadBoard().show();
    for (const Case& c : cases) {
        std::string seen;
        session->backend().setIdleHandler([&] {
            for (const char* name : {"m1", "m2", "m3", "m4", "m5", "m6"}) {
                plat::forms::Form* form = plat::forms::findLoadedForm(name);
                if (form && form->visible() && form->isModal()) {
                    seen = std::string(name) + " " + form->caption();
                    form->close();
                    return true;
                }
            }
            return false;
        });
        openDialog(c.dialog);
        EXPECT_EQ(seen, std::string(c.form) + " " + c.caption);
        EXPECT_EQ(plat::forms::findLoadedForm(c.form), nullptr) << "unloaded when closed";
    }
    session->backend().setIdleHandler(nullptr);
}

TEST_F(OpenDialogTest, TheMenuRowAndTheDisplaysOpenTheTitleAndTeamsDialogs)
{
    scoreboard::setSetupDialogOpener(openDialog);
    loadBoard().show();
    session->settle();
    std::vector<std::string> seen;
    session->backend().setIdleHandler([&] {
        for (const char* name : {"m1", "m3"}) {
            plat::forms::Form* form = plat::forms::findLoadedForm(name);
            if (form && form->visible() && form->isModal()) {
                seen.push_back(name);
                form->close();
                return true;
            }
        }
        return false;
    });
    auto centre = [&](std::string_view name, int index) {
        const plat::gfx::Rect r = session->windows().screenRect(board->get<plat::forms::Control>(name, index).hwnd());
        return plat::gfx::Point{r.left + r.width() / 2, r.top + r.height() / 2};
    };
    const auto press = [&](std::string_view name, int index) {
        const plat::gfx::Point p = centre(name, index);
        session->click(p.x, p.y);
        session->settle();
        session->advance(1000); // no double click with the next press
    };
    const auto doubleClick = [&](std::string_view name, int index) {
        const plat::gfx::Point p = centre(name, index);
        session->click(p.x, p.y);
        session->click(p.x, p.y);
        session->settle();
        session->advance(1000);
    };
    press("lab", 0);
    press("lab", 2);
    doubleClick("titxt", 1);
    doubleClick("ballname", 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"m1", "m3", "m1", "m3"}));
    session->backend().setIdleHandler(nullptr);
    scoreboard::setSetupDialogOpener(nullptr);
}

} // namespace
} // namespace dialogs::test
