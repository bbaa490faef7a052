#pragma once
#include "../scoreboard/drive/ball_drive_fixture.h"

#include "dialogs/open_dialog.h"

#include "scoreboard/setup_dialogs.h"

namespace dialogs::test {

// The program `ball` as ball-drive runs it, with the setup dialogs that the board's menu row and
// double-clicks open: a script opens a dialog as the operator does (a click on a menu item),
// works it with clicks, Tab and typing, and reads the board afterwards.
class DialogDriveTest : public scoreboard::test::BallDriveTest {
protected:
    void SetUp() override
    {
        BallDriveTest::SetUp();
        scoreboard::setSetupDialogOpener(dialogs::openDialog);
    }
    void TearDown() override
    {
        scoreboard::setSetupDialogOpener({});
        BallDriveTest::TearDown();
    }

    // The menu row's item of each dialog.
    static constexpr const char* kTitleItem = "lab(0)";
    static constexpr const char* kClockItem = "lab(1)";
    static constexpr const char* kTeamsItem = "lab(2)";
    static constexpr const char* kScoresItem = "lab(3)";
    static constexpr const char* kKeysItem = "lab(5)";

    // The lines of a script run from now.
    std::vector<std::string> run(const std::string& script) { return lines(drive(script)); }
};

} // namespace dialogs::test
