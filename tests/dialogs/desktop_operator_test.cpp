// The whole program on the real SDL backend under a private X server, worked by the operator's
// keyboard and mouse through xdotool: keys as a real keyboard sends them (modifiers of either
// side, overlapping presses, auto-repeat), typing into the board's boxes, a held Enter in a
// dialog, a full title typed over, the colour picker's first click.
#include "../scoreboard/program_folder_fixture.h"

#include "dialogs/open_dialog.h"
#include "scoreboard/ball_program.h"
#include "scoreboard/control_set.h"
#include "scoreboard/setup_dialogs.h"

#include "controls/core/qel_command.h"
#include "controls/text/qel_text_box.h"
#include "platform/forms/color_dialog.h"
#include "platform/forms/color_grid.h"
#include "platform/forms/form_directory.h"
#include "platform/forms/label.h"
#include "platform/forms/message_box_button.h"
#include "platform/forms/text_box.h"
#include "platform/system/display_modes_service.h"
#include "platform/system/recorded_display_modes.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"
#include "tests/support/sdl_desktop.h"
#include "tests/support/x_sync.h"

#include <deque>

namespace dialogs::test {
namespace {

namespace forms = plat::forms;
namespace win = plat::win;
using scoreboard::user;

class DesktopOperatorTest : public scoreboard::test::ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        desktop = std::make_unique<test_support::SdlDesktop>();
        if (!desktop->missing().empty())
            GTEST_SKIP() << desktop->missing();
        ASSERT_TRUE(desktop->open()) << "no SDL window on a private Xvfb";
        ::setenv("XDG_RUNTIME_DIR", dataHome().c_str(), 1);
        plat::sys::installDisplayModes(std::make_unique<plat::sys::RecordedDisplayModes>(plat::sys::DisplaySize{1024, 768}));
        scoreboard::registerProgramControls();
        scoreboard::setSetupDialogOpener(dialogs::openDialog);
        scoreboard::StartupServices services;
        services.installFont = [](const std::filesystem::path&, std::string_view) { return plat::sys::FontInstall::Installed; };
        services.message = [](std::string_view, std::string_view, scoreboard::StartupMessageIcon) {};
        program = std::make_unique<scoreboard::BallProgram>(services);
        ASSERT_TRUE(program->start());
        ASSERT_TRUE(desktop->pumpUntil([&] { return board().visible(); })) << "the board never came up";
        ASSERT_TRUE(desktop->waitForWindow());
        user().optScoreKeys = true;
    }
    void TearDown() override
    {
        tools.clear();
        if (m_stepTimer)
            win::KillTimer(board().hwnd(), m_stepTimer);
        program.reset();
        scoreboard::setSetupDialogOpener(nullptr);
        plat::sys::installDisplayModes(nullptr);
        desktop.reset();
        ::unsetenv("XDG_RUNTIME_DIR");
        ProgramFolderTest::TearDown();
    }

    scoreboard::MainForm& board() { return program->mainForm(); }

    // Starts an xdotool command (or any tool) on the display; it runs while the program's loop
    // goes on, also inside a dialog's loop.
    void tool(std::vector<std::string> argv)
    {
        if (argv.front()[0] != '/')
            argv.insert(argv.begin(), "/usr/bin/xdotool");
        tools.push_back(std::make_unique<delivery::ChildProcess>(argv, delivery::Environment().set("DISPLAY", desktop->display())));
    }
    bool toolsDone()
    {
        for (auto& t : tools)
            if (t->running())
                return false;
        return true;
    }
    // Types keys on the X keyboard and waits until the program has taken every one of them.
    void keys(std::vector<std::string> argv)
    {
        tool(std::move(argv));
        ASSERT_TRUE(desktop->pumpUntil([&] { return toolsDone(); }));
        // A tool that has ended may have left its last keys on their way to the program (seen on a
        // busy machine: the loop looked before they came in, so "every key up" held too early).
        test_support::syncWithXServer();
        bool pumped = false;
        ASSERT_TRUE(desktop->pumpUntil([&] { return std::exchange(pumped, true) && keysUp(); }));
    }
    bool keysUp() const
    {
        for (int vk = 1; vk < 256; ++vk)
            if (win::GetKeyState(vk) < 0)
                return false;
        return true;
    }
    // The middle of a control's window on the screen, as xdotool's "mousemove X Y" wants it.
    std::vector<std::string> clickOn(const forms::Control& c, int clicks = 1)
    {
        const plat::gfx::Rect r = desktop->windows().screenRect(c.hwnd());
        return {"mousemove", std::to_string(r.left + r.width() / 2), std::to_string(r.top + r.height() / 2), "click", "--repeat",
            std::to_string(clicks), "1"};
    }

    // Steps that must run inside a dialog's own loop: each waits for its condition, checked on a
    // timer of the board (timers keep running while a dialog is up), then acts.
    void whenever(std::function<bool()> ready, std::function<void()> act) { m_steps.push_back({std::move(ready), std::move(act)}); }
    void startSteps()
    {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(40);
        m_stepTimer = win::SetTimer(board().hwnd(), 0x5EED, 20, [this, giveUp](win::HWND, win::TimerId) {
            if (!m_steps.empty() && std::chrono::steady_clock::now() > giveUp) {
                // A step that never came: close what is open, so that the loops return and the test fails.
                ADD_FAILURE() << m_steps.size() << " steps never came";
                m_steps.clear();
                if (forms::ColorDialog* picker = forms::ColorDialog::current())
                    picker->cancel();
                for (const char* name : {"m1", "m2", "m3", "m4", "m5", "m6"})
                    if (forms::Form* f = form(name); f && f->isLoaded())
                        f->unload();
                return;
            }
            if (!m_steps.empty() && m_steps.front().ready()) {
                auto act = std::move(m_steps.front().act);
                m_steps.pop_front();
                act();
            }
        });
    }
    bool stepsDone() const { return m_steps.empty(); }

    forms::Form* form(std::string_view name) { return forms::findLoadedForm(name); }
    bool startButtonRuns()
    {
        auto* ok = dynamic_cast<qel::qelCommand*>(board().find("ok"));
        return ok && ok->Caption() == "暂停";
    }

    std::unique_ptr<test_support::SdlDesktop> desktop;
    std::unique_ptr<scoreboard::BallProgram> program;
    std::vector<std::unique_ptr<delivery::ChildProcess>> tools;

private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };
    std::deque<Step> m_steps;
    win::TimerId m_stepTimer = 0;
};

// The key dialog stores 16, 17 and 18 for Shift, Ctrl and Alt; on the board a press of either
// side acts once. Default keys pressed overlapping (1 down, 2 down, 1 up, 2 up) score for both.
TEST_F(DesktopOperatorTest, ModifiersAsScoreKeysAndOverlappingPressesEachScore)
{
    user().keyAddA = win::VK_SHIFT;
    user().keyAddB = win::VK_CONTROL;
    user().keySubA = win::VK_MENU;
    // Key codes of the X server's keyboard: 50 and 62 left and right Shift, 37 and 105 Ctrl,
    // 64 and 108 Alt (by name xdotool would press the left one along with the right).
    keys({"keydown", "62", "keyup", "62", "keydown", "50", "keyup", "50", "keydown", "105", "keyup", "105"});
    EXPECT_EQ(user().scoreA, 2);
    EXPECT_EQ(user().scoreB, 1);
    keys({"keydown", "64", "keyup", "64", "keydown", "37", "keydown", "108", "keyup", "108", "keyup", "37"});
    EXPECT_EQ(user().scoreA, 0) << "Alt takes a point off, either side, also while Ctrl is held";
    EXPECT_EQ(user().scoreB, 2);

    user().keyAddA = 49;
    user().keySubA = 112;
    user().keyAddB = 50;
    keys({"keydown", "1", "keydown", "2", "keyup", "1", "keyup", "2"});
    EXPECT_EQ(user().scoreA, 1);
    EXPECT_EQ(user().scoreB, 3);
    // A held key repeats on the keyboard and still scores once.
    keys({"keydown", "1", "sleep", "1.2", "keyup", "1"});
    EXPECT_EQ(user().scoreA, 2);
    EXPECT_FALSE(startButtonRuns());
}

// "12" typed into the options panel's time box, and F1 pressed there, change no score: while a
// box of the board takes typing the score keys are typing.
TEST_F(DesktopOperatorTest, ScoreKeysTypedIntoTheOptionsPanelsBoxChangeNoScore)
{
    auto& optionsCommand = board().get<forms::Control>("on1", 0);
    keys(clickOn(optionsCommand));
    auto& minutes = board().get<forms::TextBox>("settxt", 0);
    ASSERT_TRUE(minutes.visible());
    keys(clickOn(minutes));
    ASSERT_TRUE(desktop->pumpUntil([&] { return win::GetFocus() == minutes.hwnd(); }));
    user().scoreA = user().scoreB = 5;
    keys({"key", "ctrl+a", "type", "21"});
    ASSERT_TRUE(desktop->pumpUntil([&] { return minutes.text() == "21"; })) << minutes.text();
    EXPECT_EQ(user().scoreA, 5);
    EXPECT_EQ(user().scoreB, 5);
    keys({"key", "F1", "key", "F2"});
    EXPECT_EQ(user().scoreA, 5);
    EXPECT_EQ(user().scoreB, 5);
    // Out of the box the same keys score again.
    keys(clickOn(board().get<forms::Control>("on1", 1)));
    keys({"key", "1", "key", "2"});
    EXPECT_EQ(user().scoreA, 6);
    EXPECT_EQ(user().scoreB, 6);
}

// Enter held on the score dialog's 应用: the dialog applies and closes, and the keyboard's repeats
// of that Enter do not go on to start the clock on the board.
TEST_F(DesktopOperatorTest, EnterHeldOnADialogButtonStaysInTheDialog)
{
    whenever([&] { return form("m4") && form("m4")->visible(); },
        [&] {
            forms::Form& scores = *form("m4");
            scores.get<forms::TextBox>("T1", 0).setText("7");
            scores.get<forms::TextBox>("T1", 1).setText("5");
            scores.get<forms::Control>("OKcommd").setFocus();
            // Held well past the keyboard's repeat delay.
            tool({"keydown", "Return", "sleep", "1.5", "keyup", "Return"});
        });
    startSteps();
    win::sys().postTask([] { scoreboard::openSetupDialog(scoreboard::SetupDialog::Score); });
    ASSERT_TRUE(desktop->pumpUntil([&] { return stepsDone() && toolsDone() && keysUp(); }));
    EXPECT_FALSE(form("m4") && form("m4")->isLoaded());
    EXPECT_EQ(user().scoreA, 7);
    EXPECT_EQ(user().scoreB, 5);
    EXPECT_FALSE(startButtonRuns());
    // The next press of Enter is the board's own.
    keys({"key", "Return"});
    EXPECT_TRUE(startButtonRuns());
    keys({"key", "Return"});
}

// A title that fills its 12 double-byte characters, selected whole with Ctrl+A, is typed over.
// The new title is typed in letters on the keyboard's own keys: xdotool types a character the
// keymap lacks by remapping a spare key for a moment, and a busy program can read that key after
// the mapping is gone (a Chinese title typed over it is in the title dialog's own tests).
TEST_F(DesktopOperatorTest, AFullTitleSelectedWholeIsTypedOver)
{
    std::string typed;
    whenever([&] { return form("m1") && form("m1")->visible(); },
        [&] {
            auto& title = form("m1")->get<qel::qelTextBox>("v1");
            title.setText("篮球比赛计分计时系统测试");
            title.setFocus();
            tool({"key", "ctrl+a", "type", "CUBA Final"});
        });
    // The X server may still hold typed characters when xdotool ends: wait for the whole word.
    whenever([&] { return toolsDone() && keysUp() && form("m1")->get<qel::qelTextBox>("v1").Text() == "CUBA Final"; },
        [&] {
            typed = form("m1")->get<qel::qelTextBox>("v1").Text();
            form("m1")->unload();
        });
    startSteps();
    win::sys().postTask([] { scoreboard::openSetupDialog(scoreboard::SetupDialog::TitleAndReferees); });
    const bool done = desktop->pumpUntil([&] { return stepsDone(); });
    if (!done && form("m1"))
        typed = form("m1")->get<qel::qelTextBox>("v1").Text();
    EXPECT_TRUE(done);
    EXPECT_EQ(typed, "CUBA Final");
}

// The title dialog's colour swatch opens the picker; its first click (a colour cell, then 确定)
// acts.
TEST_F(DesktopOperatorTest, TheColourPickerTakesItsFirstClick)
{
    uint32_t before = 0, picked = 0, after = 0;
    whenever([&] { return form("m1") && form("m1")->visible(); },
        [&] {
            auto& swatch = form("m1")->get<forms::Label>("colab", 0);
            before = swatch.backColor();
            tool(clickOn(swatch));
        });
    whenever([&] { return forms::ColorDialog::current() && forms::ColorDialog::current()->visible() && toolsDone(); },
        [&] {
            forms::ColorDialog& picker = *forms::ColorDialog::current();
            // The last basic colour is one the swatch does not have.
            const plat::gfx::Rect grid = desktop->windows().screenRect(picker.basicGrid().hwnd());
            tool({"mousemove", std::to_string(grid.right - 6), std::to_string(grid.bottom - 6), "click", "1"});
        });
    whenever([&] { return toolsDone() && forms::ColorDialog::current(); },
        [&] {
            forms::ColorDialog& picker = *forms::ColorDialog::current();
            picked = picker.color();
            tool(clickOn(picker.okButton()));
        });
    whenever([&] { return toolsDone() && !forms::ColorDialog::current(); },
        [&] {
            after = form("m1")->get<forms::Label>("colab", 0).backColor();
            form("m1")->unload();
        });
    startSteps();
    win::sys().postTask([] { scoreboard::openSetupDialog(scoreboard::SetupDialog::TitleAndReferees); });
    ASSERT_TRUE(desktop->pumpUntil([&] { return stepsDone(); }));
    EXPECT_EQ(picked, forms::ColorDialog::basicColors().back()) << "the first click on a colour cell picks it";
    EXPECT_NE(picked, before);
    EXPECT_EQ(after, picked) << "the first click on 确定 takes the colour";
}

} // namespace
} // namespace dialogs::test
