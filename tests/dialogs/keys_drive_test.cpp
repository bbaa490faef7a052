// The shortcut keys as the operator sees them: the board's key hints name the keys as the
// shortcut-key dialog does, and "取消" after "默认值" keeps the keys that were in force.
#include "dialog_drive_fixture.h"

#include "scoreboard/match_state.h"

#include <gtest/gtest.h>

namespace dialogs::test {
namespace {

class KeysDriveTest : public DialogDriveTest {
protected:
    static std::string openKeys() { return std::string("click ") + kKeysItem + "\nform m6\n"; }
};

TEST_F(KeysDriveTest, TheBoardNamesAKeyAsTheDialogDoes)
{
    startBoard();
    EXPECT_EQ(run(openKeys() + "show T1(0) Text\nclick T1(1)\nkey 186\nshow T1(1) Text\nclick T1(2)\nkey Alt\n"
                               "show T1(2) Text\nclick qel1\nform main\nwait 1000\nshow keylab(0) Caption\n"),
        (std::vector<std::string>{"T1(0).Text=回车键", "T1(1).Text=键码 186", "T1(2).Text=Alt键",
            "keylab(0).Caption=+分:(键码 186) -分:(Alt键)"}));
}

// The start button's hover text names the start key: Enter at first, then each key chosen for
// start and pause in the dialog.
TEST_F(KeysDriveTest, TheStartButtonsHoverTextNamesTheStartKey)
{
    startBoard();
    EXPECT_EQ(run("hover ok\nshow ok ToolTipText\n"), (std::vector<std::string>{"ok.ToolTipText=开始 回车键"}));
    const struct {
        const char* key;
        const char* tip;
    } cases[] = {{"186", "开始 键码 186"}, {"Alt", "开始 Alt键"}, {"F9", "开始 F9 键"}, {"Z", "开始 Z 键"}};
    for (const auto& c : cases) {
        EXPECT_EQ(run(openKeys() + "click T1(0)\nkey " + c.key + "\nclick qel1\nform main\nhover ok\nshow ok ToolTipText\n"),
            (std::vector<std::string>{std::string("ok.ToolTipText=") + c.tip}))
            << c.key;
    }
}

TEST_F(KeysDriveTest, CancelAfterTheDefaultsKeepsTheKeysInForce)
{
    writeBytes(path("date/keyconfig.db"), "Aonkey=81\r\nAoutkey=87\r\nBonkey=79\r\nBoutkey=80\r\n");
    startBoard();
    EXPECT_EQ(run(openKeys() + "click mocommad\nshow T1(1) Text\nclick qel2\nform main\nwait 1000\n"
                               "show keylab(0) Caption\nkey 1\nkey Q\nwait 100\nshow ballnumber(0) Caption\n"),
        (std::vector<std::string>{"T1(1).Text=1 键", "keylab(0).Caption=+分:(Q 键) -分:(W 键)", "ballnumber(0).Caption=1"}));
    EXPECT_EQ(scoreboard::user().keyAddA, 81);
    EXPECT_EQ(readBytes(path("date/keyconfig.db")), "Aonkey=81\r\nAoutkey=87\r\nBonkey=79\r\nBoutkey=80\r\n");
}

} // namespace
} // namespace dialogs::test
