#include "board_dialog_fixture.h"
#include "board_view_stand_in.h"

#include "dialogs/title_dialog.h"

#include "scoreboard/display_routines.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"
#include "controls/core/qel_option_button.h"
#include "controls/text/qel_text_box.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/form_directory.h"
#include "platform/forms/label.h"
#include "platform/gfx/system_colors.h"

namespace dialogs::test {
namespace {

using qel::qelCommand;
using qel::qelOptionButton;
using qel::qelTextBox;
using scoreboard::MatchState;
using scoreboard::user;

// GBK bytes of the referee names.
const std::string kZhangSan = "\xD5\xC5\xC8\xFD"; // 张三
const std::string kLiSi = "\xC0\xEE\xCB\xC4";     // 李四
const std::string kWangWu = "\xCD\xF5\xCE\xE5";   // 王五
const std::string kZhaoLiu = "\xD5\xD4\xC1\xF9";  // 赵六

class TitleDialogTest : public BoardDialogTest {
protected:
    void SetUp() override
    {
        BoardDialogTest::SetUp();
        writeBytes(path("date/zailistname.db"), kZhangSan + "\r\n" + kLiSi + "\r\n" + kWangWu + "\r\n");
    }

    TitleDialog& open()
    {
        if (!board || !board->isLoaded())
            loadBoard();
        return openDialog<TitleDialog>(&dates);
    }

    std::vector<std::string> listed(std::string_view name)
    {
        std::vector<std::string> out;
        if (name == "zailist") {
            auto& list = part<forms::ListBox>(name);
            for (int i = 0; i < list.listCount(); ++i)
                out.push_back(list.list(i));
        } else {
            auto& combo = part<forms::ComboBox>(name);
            for (int i = 0; i < combo.listCount(); ++i)
                out.push_back(combo.list(i));
        }
        return out;
    }

    std::string boardCaption(std::string_view name, int index) { return control<qel::qelLabel>(name, index).Caption(); }
    std::string referee(int index)
    {
        auto& label = control<forms::Label>("zailab", index);
        return label.visible() ? label.caption() : "(hidden)";
    }
    std::string countLine() { return part<forms::Label>("L1", 5).caption(); }
    std::string listFile() { return readBytes(path("date/zailistname.db")); }
};

TEST_F(TitleDialogTest, LoadCopiesTheMatchStateTheListFileAndTheTitleColours)
{
    user().matchTitle = "春季联赛";
    user().refereeName1 = "张三";
    user().refereeName2 = "李四";
    user().refereeName3 = "外聘裁判"; // not in the list: shown as the combo box's text all the same
    user().refereeCount = 2;
    loadBoard();
    control<qel::qelLabel>("titxt", 1).setForeColor(0x00C0FF);
    control<qel::qelLabel>("titxt", 0).setForeColor(0x202020);
    openDialog<TitleDialog>(&dates);

    EXPECT_EQ(dialog().caption(), "比赛主题设置");
    EXPECT_EQ(part<qelTextBox>("v1").Text(), "春季联赛");
    EXPECT_EQ(part<forms::Label>("colab", 0).backColor(), 0x00C0FFu) << "the title's colour";
    EXPECT_EQ(part<forms::Label>("colab", 1).backColor(), 0x202020u) << "the shadow's colour";
    const std::vector<std::string> names{"张三", "李四", "王五"};
    EXPECT_EQ(listed("zailist"), names);
    for (const char* combo : {"Cmmb1", "Cmmb2", "Cmmb3"})
        EXPECT_EQ(listed(combo), names) << combo;
    EXPECT_EQ(part<forms::ComboBox>("Cmmb1").text(), "张三");
    EXPECT_EQ(part<forms::ComboBox>("Cmmb2").text(), "李四");
    EXPECT_EQ(part<forms::ComboBox>("Cmmb3").text(), "外聘裁判");
    EXPECT_EQ(part<qelOptionButton>("vbo", 0).Value(), 0);
    EXPECT_EQ(part<qelOptionButton>("vbo", 1).Value(), 1);
    EXPECT_EQ(part<qelOptionButton>("vbo", 2).Value(), 0);
    EXPECT_EQ(countLine(), "总数: 3 人");
    EXPECT_FALSE(part<qelCommand>("del1").Enabled());
    EXPECT_FALSE(part<forms::Label>("lname").visible());
    EXPECT_EQ(part<forms::Label>("L1", 0).caption(), "副裁判:");
    EXPECT_EQ(part<forms::Label>("L1", 1).caption(), "主裁判:");
    EXPECT_EQ(part<forms::Label>("L1", 2).caption(), "副裁判:");
    EXPECT_EQ(part<forms::Label>("Label1").caption(), "输入12个汉字以内");
}

TEST_F(TitleDialogTest, TheRefereeCountChoosesTheOptionAtLoad)
{
    // With one referee the first row is the chief, and its caption says so from the start.
    struct Case {
        int16_t count;
        std::array<int, 3> values;
        std::string firstRow, secondRow;
    };
    const Case cases[] = {
        {1, {1, 0, 0}, "主裁判", "副裁判"},
        {2, {0, 1, 0}, "副裁判:", "主裁判:"},
        {3, {0, 0, 1}, "副裁判:", "主裁判:"},
        {0, {0, 0, 0}, "副裁判:", "主裁判:"},
        {7, {0, 0, 0}, "副裁判:", "主裁判:"},
    };
    for (const Case& c : cases) {
        user().refereeCount = c.count;
        open();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(part<qelOptionButton>("vbo", i).Value(), c.values[size_t(i)]) << c.count << " option " << i;
        EXPECT_EQ(part<forms::Label>("L1", 0).caption(), c.firstRow) << c.count;
        EXPECT_EQ(part<forms::Label>("L1", 1).caption(), c.secondRow) << c.count;
        dialog().unload();
    }
}

TEST_F(TitleDialogTest, AnEmptyTitleShowsTheYearFollowedByMirelda)
{
    user().matchTitle = "";
    open();
    EXPECT_EQ(part<qelTextBox>("v1").Text(), "2026Mirelda");
}

TEST_F(TitleDialogTest, TheDialogReadsAndChangesTheTitleColoursThroughTheBoardsView)
{
    loadBoard();
    BoardViewStandIn view(*board);
    open();
    EXPECT_EQ(part<forms::Label>("colab", 0).backColor(), 0x112233u);
    EXPECT_EQ(part<forms::Label>("colab", 1).backColor(), 0x445566u);
    EXPECT_EQ(dialog().icon(), view.icon);
    const uint32_t boardShadow = control<qel::qelLabel>("titxt", 0).ForeColor();

    answerColors({0x3366CC});
    click("colab", 1);
    clickButton("ok");

    EXPECT_FALSE(dialogLoaded());
    EXPECT_EQ(view.calls, std::vector<std::string>{"setTitleColors"});
    EXPECT_EQ(view.title.title, 0x112233u);
    EXPECT_EQ(view.title.shadow, 0x3366CCu);
    EXPECT_EQ(control<qel::qelLabel>("titxt", 0).ForeColor(), boardShadow) << "the board's labels are the view's to colour";
}

TEST_F(TitleDialogTest, ApplyWritesTheStateTheListFileAndTheBoard)
{
    user().matchTitle = "春季联赛";
    user().refereeName1 = "张三";
    user().refereeName2 = "李四";
    user().refereeCount = 2;
    open();
    typeInto(part<qelTextBox>("v1"), "决赛");
    typeInto(part<forms::ComboBox>("Cmmb3"), "  王五 ");
    click("vbo", 2);
    typeInto(part<qelTextBox>("zt1"), "赵六");
    clickButton("addc");
    EXPECT_EQ(countLine(), "总数: 4 人");
    answerColors({0x3366CC});
    click("colab", 1);
    clickButton("ok");

    EXPECT_FALSE(dialogLoaded());
    EXPECT_EQ(user().matchTitle, "春季联赛决赛");
    EXPECT_EQ(user().refereeName1, "张三");
    EXPECT_EQ(user().refereeName2, "李四");
    EXPECT_EQ(user().refereeName3, "王五") << "trimmed";
    EXPECT_EQ(user().refereeCount, 3);
    EXPECT_EQ(boardCaption("titxt", 0), "春季联赛决赛");
    EXPECT_EQ(boardCaption("titxt", 1), "春季联赛决赛");
    EXPECT_EQ(control<qel::qelLabel>("titxt", 1).ForeColor(), 0xFFFF00u) << "the title kept its colour";
    EXPECT_EQ(control<qel::qelLabel>("titxt", 0).ForeColor(), 0x3366CCu) << "the shadow took the picked one";
    EXPECT_EQ(referee(0), "副裁判:张三");
    EXPECT_EQ(referee(1), "主裁判:李四");
    EXPECT_EQ(referee(2), "副裁判:王五");
    EXPECT_EQ(listFile(), kZhangSan + "\r\n" + kLiSi + "\r\n" + kWangWu + "\r\n" + kZhaoLiu + "\r\n");
    EXPECT_TRUE(messages.empty());
}

TEST_F(TitleDialogTest, ApplyTakesTheTitleUnchangedAndKeepsTheCountWithoutAnOption)
{
    user().refereeCount = 0;
    user().refereeName1 = "张三";
    open();
    part<qelTextBox>("v1").setText("  Final, 2026 = A  ");
    clickButton("ok");
    EXPECT_EQ(user().matchTitle, "  Final, 2026 = A  ");
    EXPECT_EQ(user().refereeCount, 0);
}

TEST_F(TitleDialogTest, APaddedListFileIsWrittenBackClean)
{
    writeBytes(path("date/zailistname.db"), "\r\n  " + kZhangSan + "  \r\n\r\n   \r\n" + kLiSi + " \r\n");
    open();
    EXPECT_EQ(listed("zailist"), (std::vector<std::string>{"张三", "李四"}));
    clickButton("ok");
    EXPECT_EQ(listFile(), kZhangSan + "\r\n" + kLiSi + "\r\n");
}

TEST_F(TitleDialogTest, CancelAndTheCloseBoxKeepNothing)
{
    const std::string before = kZhangSan + "\r\n" + kLiSi + "\r\n" + kWangWu + "\r\n";
    for (const bool closeBox : {false, true}) {
        user().matchTitle = "春季联赛";
        user().refereeName1 = "张三";
        user().refereeCount = 1;
        if (!board)
            loadBoard();
        scoreboard::ShowMatchTitle();
        scoreboard::ShowReferees();
        const MatchState state = user();
        openDialog<TitleDialog>(&dates);
        typeInto(part<qelTextBox>("v1"), "决赛");
        typeInto(part<qelTextBox>("zt1"), "赵六");
        clickButton("addc");
        clickEntry(part<forms::ListBox>("zailist"), 0);
        clickButton("del1");
        click("vbo", 2);
        clickButton("com1");
        if (closeBox) {
            const auto box = static_cast<SetupDialogForm&>(dialog()).closeBox();
            const plat::gfx::Rect r = session->windows().screenRect(dialog().hwnd());
            session->click(r.left + (box.left + box.right) / 2, r.top + (box.top + box.bottom) / 2);
            session->settle();
        } else {
            clickButton("qelCommand2");
        }
        EXPECT_FALSE(dialogLoaded()) << closeBox;
        EXPECT_EQ(user(), state) << closeBox;
        EXPECT_EQ(listFile(), before) << closeBox;
        EXPECT_EQ(boardCaption("titxt", 1), "春季联赛") << closeBox;
        EXPECT_EQ(control<qel::qelLabel>("titxt", 1).ForeColor(), 0xFFFF00u) << closeBox;
        EXPECT_EQ(referee(1), "主裁判:张三") << closeBox;

        // The next opening shows the file's list again.
        openDialog<TitleDialog>(&dates);
        EXPECT_EQ(listed("zailist"), (std::vector<std::string>{"张三", "李四", "王五"})) << closeBox;
        dialog().unload();
    }
}

TEST_F(TitleDialogTest, AddingANameTrimsItRefusesDuplicatesAndIgnoresBlanks)
{
    struct Case {
        const char* typed;
        std::vector<std::string> list;
        bool warned;
        const char* boxAfter;
    };
    const Case cases[] = {
        {"  赵六 ", {"张三", "李四", "王五", "赵六"}, false, ""},
        {"张三", {"张三", "李四", "王五"}, true, "张三"},
        {"张三 ", {"张三", "李四", "王五"}, true, "张三 "},
        {"Al B", {"张三", "李四", "王五", "Al B"}, false, ""},
        {"zhang san", {"张三", "李四", "王五", "zhan"}, false, ""}, // four characters at most
        {"   ", {"张三", "李四", "王五"}, false, "   "},
    };
    for (const Case& c : cases) {
        open();
        auto& box = part<qelTextBox>("zt1");
        typeInto(box, c.typed);
        clickButton("addc");
        EXPECT_EQ(listed("zailist"), c.list) << c.typed;
        EXPECT_EQ(listed("Cmmb1"), c.list) << c.typed;
        EXPECT_EQ(listed("Cmmb3"), c.list) << c.typed;
        EXPECT_EQ(part<forms::Label>("lname").visible(), c.warned) << c.typed;
        EXPECT_EQ(box.Text(), c.boxAfter) << c.typed;
        EXPECT_EQ(countLine(), "总数: " + std::to_string(c.list.size()) + " 人") << c.typed;
        dialog().unload();
    }
}

TEST_F(TitleDialogTest, TypingInTheNameBoxHidesTheWarningAgain)
{
    open();
    typeInto(part<qelTextBox>("zt1"), "李四");
    clickButton("addc");
    ASSERT_TRUE(part<forms::Label>("lname").visible());
    typeInto(part<qelTextBox>("zt1"), "x");
    EXPECT_FALSE(part<forms::Label>("lname").visible());
}

TEST_F(TitleDialogTest, DeletingTakesTheSelectedNameFromTheListAndTheComboBoxes)
{
    user().refereeName2 = "李四";
    open();
    EXPECT_FALSE(part<qelCommand>("del1").Enabled());
    auto& list = part<forms::ListBox>("zailist");
    clickEntry(list, 1);
    EXPECT_TRUE(part<qelCommand>("del1").Enabled());
    clickButton("del1");
    const std::vector<std::string> left{"张三", "王五"};
    EXPECT_EQ(listed("zailist"), left);
    for (const char* combo : {"Cmmb1", "Cmmb2", "Cmmb3"})
        EXPECT_EQ(listed(combo), left) << combo;
    EXPECT_EQ(part<forms::ComboBox>("Cmmb2").text(), "李四") << "the current choice stays as text";
    EXPECT_EQ(countLine(), "总数: 2 人");

    // Without a selection nothing goes; deleting the last name disables "删除".
    clickButton("del1");
    EXPECT_EQ(listed("zailist"), left);
    clickEntry(list, 0);
    clickButton("del1");
    clickEntry(list, 0);
    clickButton("del1");
    EXPECT_TRUE(listed("zailist").empty());
    EXPECT_EQ(countLine(), "总数: 0 人");
    EXPECT_FALSE(part<qelCommand>("del1").Enabled());
    clickButton("ok");
    EXPECT_EQ(listFile(), "") << "an empty list gives an empty file";
}

TEST_F(TitleDialogTest, TheTitleStopsTakingCharactersPastTwentyThreeUnits)
{
    struct Case {
        const char* start;
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {"一二三四五六七八九十一", "二三", "一二三四五六七八九十一二"}, // 22 units: one more, then no more
        {"一二三四五六七八九十一A", "BC", "一二三四五六七八九十一AB"},  // 23 units: still one
        {"一二三四五六七八九十一A", "中文", "一二三四五六七八九十一A中"}, // a mixed title reaches 25 units
        {"abcdefghijklmnopqrstuvwx", "y", "abcdefghijklmnopqrstuvwx"},   // 24 units
        {"", "2026 春季联赛", "2026 春季联赛"},
    };
    for (const Case& c : cases) {
        user().matchTitle = c.start;
        open();
        auto& title = part<qelTextBox>("v1");
        if (!*c.start)
            title.setText("");
        typeInto(title, c.typed);
        EXPECT_EQ(title.Text(), c.result) << c.start << " + " << c.typed;
        dialog().unload();
    }
}

// A typed character takes the selection's place, so the selection does not count towards the
// limit: a full title selected whole is typed over.
TEST_F(TitleDialogTest, TheSelectionATypedCharacterReplacesDoesNotCountTowardsTheLimit)
{
    struct Case {
        int selStart, selLength; // -1: all of it (Ctrl+A)
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {-1, 0, "全国联赛", "全国联赛"},
        {10, 2, "甲乙丙", "一二三四五六七八九十甲乙"}, // 20 units kept: two fit, the third not
        {11, 1, "AB", "一二三四五六七八九十一AB"},
        {12, 0, "A", "一二三四五六七八九十一二"}, // nothing selected: the title stays full
    };
    for (const Case& c : cases) {
        user().matchTitle = "一二三四五六七八九十一二"; // 24 units
        open();
        auto& title = part<qelTextBox>("v1");
        title.setFocus();
        session->settle();
        if (c.selStart < 0) {
            session->keyDown(plat::win::VK_CONTROL);
            session->key('A');
            session->keyUp(plat::win::VK_CONTROL);
        } else {
            title.setSelStart(c.selStart);
            title.setSelLength(c.selLength);
        }
        session->type(c.typed);
        session->settle();
        EXPECT_EQ(title.Text(), c.result) << c.selStart << "+" << c.selLength << " " << c.typed;
        dialog().unload();
    }
}

TEST_F(TitleDialogTest, BackspaceIsAlwaysTakenInTheTitle)
{
    user().matchTitle = "一二三四五六七八九十一二"; // 24 units
    open();
    auto& title = part<qelTextBox>("v1");
    typeInto(title, "三");
    EXPECT_EQ(title.Text(), "一二三四五六七八九十一二");
    session->key(plat::win::VK_BACK);
    session->settle();
    EXPECT_EQ(title.Text(), "一二三四五六七八九十一");
}

TEST_F(TitleDialogTest, TheOptionsCaptionTheFirstTwoRows)
{
    struct Case {
        int option;
        std::string first, second;
        uint32_t firstColor, secondColor;
    };
    const Case cases[] = {
        {0, "主裁判", "副裁判", TitleDialog::kChiefColor, TitleDialog::kAssistantColor},
        {1, "副裁判", "主裁判", TitleDialog::kAssistantColor, TitleDialog::kChiefColor},
        {2, "副裁判", "主裁判", TitleDialog::kAssistantColor, TitleDialog::kChiefColor},
        {0, "主裁判", "副裁判", TitleDialog::kChiefColor, TitleDialog::kAssistantColor},
    };
    user().refereeCount = 3;
    open();
    for (const Case& c : cases) {
        click("vbo", c.option);
        EXPECT_EQ(part<qelOptionButton>("vbo", c.option).Value(), 1);
        EXPECT_EQ(part<forms::Label>("L1", 0).caption(), c.first) << c.option;
        EXPECT_EQ(part<forms::Label>("L1", 1).caption(), c.second) << c.option;
        EXPECT_EQ(part<forms::Label>("L1", 0).foreColor(), c.firstColor) << c.option;
        EXPECT_EQ(part<forms::Label>("L1", 1).foreColor(), c.secondColor) << c.option;
        EXPECT_EQ(part<forms::Label>("L1", 2).caption(), "副裁判:") << "never changed";
    }
    click("vbo", 0);
    clickButton("ok");
    EXPECT_EQ(user().refereeCount, 1);
}

TEST_F(TitleDialogTest, TheColourPickerStartsFromTheSwatchAndACancelLeavesIt)
{
    open();
    answerColors({0x102030, std::nullopt, 0x405060});
    click("colab", 0);
    EXPECT_EQ(part<forms::Label>("colab", 0).backColor(), 0x102030u);
    clickAt(part<forms::Label>("colab", 0), 6, 4); // away from the first click: no double click
    EXPECT_EQ(part<forms::Label>("colab", 0).backColor(), 0x102030u) << "cancelled";
    click("colab", 1);
    EXPECT_EQ(part<forms::Label>("colab", 1).backColor(), 0x405060u);
    EXPECT_EQ(colorDialogStarts, (std::vector<uint32_t>{0xFFFF00, 0x102030, 0x404000}));

    clickButton("com1");
    EXPECT_EQ(part<forms::Label>("colab", 0).backColor(), TitleDialog::kDefaultTitleColor);
    EXPECT_EQ(part<forms::Label>("colab", 1).backColor(), TitleDialog::kDefaultShadowColor);
    answerColors({0x0000FF});
    click("colab", 0);
    clickButton("ok");
    EXPECT_EQ(control<qel::qelLabel>("titxt", 1).ForeColor(), 0x0000FFu);
    EXPECT_EQ(control<qel::qelLabel>("titxt", 0).ForeColor(), 0x404000u);
}

TEST_F(TitleDialogTest, AListFileThatCannotBeWrittenIsReportedAndTheRestApplies)
{
    std::filesystem::remove(path("date/zailistname.db"));
    std::filesystem::create_directories(path("date/zailistname.db"));
    user().refereeName1 = "张三";
    user().refereeCount = 1;
    open();
    EXPECT_TRUE(listed("zailist").empty());
    typeInto(part<qelTextBox>("zt1"), "赵六");
    clickButton("addc");
    clickButton("ok");
    EXPECT_FALSE(dialogLoaded());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].substr(0, messages[0].find('|')), "错误提示");
    EXPECT_TRUE(std::filesystem::is_directory(path("date/zailistname.db")));
    EXPECT_EQ(referee(1), "主裁判:张三");
}

TEST_F(TitleDialogTest, AMissingListFileIsCreatedEmptyWhenTheDialogOpens)
{
    std::filesystem::remove_all(path("date"));
    open();
    EXPECT_TRUE(listed("zailist").empty());
    EXPECT_EQ(countLine(), "总数: 0 人");
    EXPECT_EQ(listFile(), "");
}

TEST_F(TitleDialogTest, ShownModallyItRunsUntilCancelled)
{
    loadBoard();
    bool seen = false;
    session->backend().setIdleHandler([&] {
        forms::Form* m1 = forms::findLoadedForm("m1");
        if (!m1 || !m1->visible())
            return false;
        seen = true;
        EXPECT_TRUE(m1->isModal());
        dynamic_cast<qelCommand&>(*m1->find("qelCommand2")).Click();
        return true;
    });
    showTitleDialog();
    EXPECT_TRUE(seen);
    EXPECT_EQ(forms::findLoadedForm("m1"), nullptr);
}

TEST_F(TitleDialogTest, Screenshot)
{
    user().matchTitle = "2026 春季篮球联赛";
    user().refereeName1 = "张三";
    user().refereeName2 = "李四";
    user().refereeName3 = "王五";
    user().refereeCount = 3;
    loadBoard().show();
    scoreboard::ShowMatchTitle();
    scoreboard::ShowReferees();
    openDialog<TitleDialog>(&dates);
    const forms::ListBox& referees = part<forms::ListBox>("zailist");
    clickEntry(referees, 1);
    const plat::gfx::Surface shot = saveScreen("m1_title_dialog.png");
    // The clicked referee's row shows highlighted, the others not.
    const plat::gfx::Rect list = plat::win::GetScreenRect(referees.hwnd());
    const plat::gfx::Color highlight = plat::gfx::systemColor(plat::gfx::ColorHighlight);
    for (int i = 0; i < 3; ++i) {
        const plat::gfx::Rect row = referees.entryRect(i).offset(list.left, list.top);
        EXPECT_EQ(test_support::mostlyOfColor(shot, row, highlight), i == 1) << i;
    }
    // The title's and the shadow's colours fill their sample boxes, within the boxes' borders.
    for (int i : {0, 1}) {
        const forms::Label& swatch = part<forms::Label>("colab", i);
        const plat::gfx::Rect box = plat::win::GetScreenRect(swatch.hwnd());
        const int inside = (box.width() - 2) * (box.height() - 2);
        EXPECT_GE(test_support::pixelsOfColor(shot, box, plat::gfx::toRgb(swatch.backColor())), inside) << i;
    }
}

} // namespace
} // namespace dialogs::test
