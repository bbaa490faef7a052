#include "panels_fixture.h"

#include "scoreboard/option_file.h"
#include "scoreboard/option_file_writer.h"
#include "scoreboard/settings_store.h"

#include "controls/core/qel_check.h"
#include "controls/core/qel_frame.h"
#include "platform/forms/text_box.h"
#include "platform/media/alpha_image.h"
#include "platform/system/ansi_codec.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"

namespace scoreboard::test {
namespace {

namespace forms = plat::forms;

// The eight switches as a text of 0 and 1, position 0 first.
std::string switches()
{
    std::string bits;
    for (size_t position = 0; position < 8; ++position)
        bits += optionSwitch(user(), position) ? '1' : '0';
    return bits;
}

void setSwitches(std::string_view bits)
{
    for (size_t position = 0; position < 8; ++position)
        optionSwitch(user(), position) = bits[position] == '1';
}

TEST(OptionsPanelBoxes, ALengthFromItsMinutesAndSecondsBoxes)
{
    struct Case {
        const char* minutes;
        const char* seconds;
        std::optional<int16_t> length;
    };
    const Case cases[] = {
        {"12", "00", 720},
        {"5", "00", 300},
        {"0", "45", 45},
        {"00", "45", 45},
        {"", "45", 45},
        {"59", "59", 3599},
        {"1.9", "5.5", 65},
        {"12abc", "", 720},
        {"0", "0", std::nullopt},
        {"", "", std::nullopt},
        {"-5", "00", std::nullopt},
        {"5", "-1", std::nullopt},
        {"60", "00", std::nullopt},
        {"5", "75", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lengthOfBoxes(c.minutes, c.seconds), c.length) << c.minutes << " " << c.seconds;
}

TEST(OptionsPanelBoxes, TheBoxesOfALength)
{
    struct Case {
        int32_t length;
        const char* minutes;
        const char* seconds;
    };
    const Case cases[] = {{720, "12", "00"}, {300, "5", "00"}, {45, "00", "45"}, {65, "1", "05"}, {0, "00", "00"}};
    for (const Case& c : cases) {
        EXPECT_EQ(minutesBoxText(c.length), c.minutes) << c.length;
        EXPECT_EQ(secondsBoxText(c.length), c.seconds) << c.length;
    }
}

TEST(OptionFileWriter, TheLinesOfTheSwitches)
{
    MatchState state;
    state.optScoreSound = state.optScoreKeys = state.optCloseVideoOnStart = true;
    EXPECT_EQ(optionFileLines(state), (std::array<std::string, 8>{"sond10=False", "closesoud=False", "ballnumsound=True",
                                          "keynum=True", "commnum=False", "closemusic=False", "numback=False", "videclose=True"}));
}

class OptionsPanelTest : public PanelsTest {
protected:
    // Opens the panel as the command bar does.
    void openPanel()
    {
        if (!board)
            showBoard();
        board->operation()->commandBar().click(CommandBar::Options);
        panels->options().fill();
        session->settle();
    }

    forms::TextBox& box(int index) { return control<forms::TextBox>("settxt", index); }
    qel::qelCheck& check(int index) { return control<qel::qelCheck>("sqel1", index); }
    std::string ticks()
    {
        std::string bits;
        for (int i = 0; i < 8; ++i)
            bits += check(i).Value() == 1 ? '1' : '0';
        return bits;
    }
    void tick(std::string_view bits)
    {
        for (int i = 0; i < 8; ++i)
            if ((check(i).Value() == 1) != (bits[size_t(i)] == '1'))
                clickOn(check(i));
    }
    void typeInto(int index, const std::string& text)
    {
        // A click into a box without the focus selects its whole text; in the box that has the
        // focus a double click selects the number.
        const bool focused = plat::win::GetFocus() == box(index).hwnd();
        if (focused)
            session->advance(600); // no double click with an earlier click
        clickOn(box(index));
        if (focused)
            clickOn(box(index));
        session->type(text);
        session->settle();
    }
    bool shown(std::string_view name) { return board->find(name)->visible(); }
};

TEST_F(OptionsPanelTest, OpeningFillsThePanelFromTheCurrentValues)
{
    showBoard();
    user().periodLength = 45;
    user().overtimeLength = 300;
    setSwitches("10110010");
    openPanel();
    EXPECT_TRUE(shown("sysset"));
    EXPECT_EQ(box(0).text(), "00");
    EXPECT_EQ(box(1).text(), "45");
    EXPECT_EQ(box(2).text(), "5");
    EXPECT_EQ(box(3).text(), "00");
    EXPECT_EQ(ticks(), "10110010");
    const char* captions[] = {"十秒倒计时响铃", "计时结束后响铃", "加减分按钮响铃", "启用快捷键加减", "启用按钮加减分",
        "计时自动关闭音乐", "开启分数框灯光背景", "启用比赛时关闭视频"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(check(i).Caption(), captions[i]) << i;
}

TEST_F(OptionsPanelTest, SavingAppliesTheSwitchesAndWritesTheFileByteForByte)
{
    writeBytes(path("date/config.db"), "keep");
    openPanel();
    user().clockSeconds = 123;
    tick("10011010");
    typeInto(0, "10");
    typeInto(1, "30");
    typeInto(2, "3");
    typeInto(3, "15");
    clickButton("qelsave");

    EXPECT_EQ(readBytes(path("date/system.db")),
        "sond10=True\r\nclosesoud=False\r\nballnumsound=False\r\nkeynum=True\r\ncommnum=True\r\n"
        "closemusic=False\r\nnumback=True\r\nvideclose=False\r\n");
    EXPECT_EQ(switches(), "10011010");
    EXPECT_EQ(user().periodLength, 630);
    EXPECT_EQ(user().overtimeLength, 195);
    EXPECT_EQ(user().clockSeconds, 123) << "the running clock keeps its time";
    EXPECT_EQ(readBytes(path("date/config.db")),
        "allname=\r\ndelalltime=630\r\njstime=195\r\nballname1=\r\nballname2=\r\nzainame1=\r\nzainame2=\r\nzainame3=\r\nzainum=0\r\n")
        << "the new lengths are written at once";
    EXPECT_FALSE(shown("sysset"));
    EXPECT_EQ(notices, (std::vector<std::string>{"保存成功!"}));
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(board->find("v1", i)->visible()) << i;
    EXPECT_TRUE(board->find("backw", 1)->visible());

    // Cleared, the score buttons and lights go at once.
    openPanel();
    tick("00000000");
    clickButton("qelsave");
    EXPECT_EQ(readBytes(path("date/system.db")),
        "sond10=False\r\nclosesoud=False\r\nballnumsound=False\r\nkeynum=False\r\ncommnum=False\r\n"
        "closemusic=False\r\nnumback=False\r\nvideclose=False\r\n");
    EXPECT_EQ(switches(), "00000000");
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(board->find("v1", i)->visible()) << i;
    EXPECT_FALSE(board->find("backw", 1)->visible());
    EXPECT_FALSE(board->find("backw", 2)->visible());
    std::vector<std::string> data;
    for (const std::string& entry : tree())
        if (entry.starts_with("date/"))
            data.push_back(entry);
    EXPECT_EQ(data, (std::vector<std::string>{"date/", "date/config.db", "date/config.db.bak", "date/system.db"}))
        << "no temporary file left";
    EXPECT_EQ(readBytes(path("date/config.db.bak")), "keep") << "what the settings rewrite dropped is kept";
}

TEST_F(OptionsPanelTest, WhatWasSavedIsReadBackAtTheNextStart)
{
    for (std::string_view bits : {"00000000", "11111111", "01100101"}) {
        openPanel();
        tick(bits);
        clickButton("qelsave");
        setSwitches(bits == "11111111" ? "00000000" : "11111111");
        readOptionFile();
        EXPECT_EQ(switches(), bits);
    }
}

TEST_F(OptionsPanelTest, TheDefaultButtonsFillTheBoxesOnly)
{
    openPanel();
    tick("00000000");
    typeInto(0, "3");
    typeInto(3, "07");
    clickButton("sysconset");
    EXPECT_EQ(box(0).text(), "12");
    EXPECT_EQ(box(1).text(), "00");
    EXPECT_EQ(box(2).text(), "5");
    EXPECT_EQ(box(3).text(), "00");
    clickButton("moset");
    EXPECT_EQ(ticks(), "11111011") << "all but stopping the music";
    EXPECT_FALSE(std::filesystem::exists(path("date/system.db")));
    EXPECT_TRUE(shown("sysset"));
}

TEST_F(OptionsPanelTest, CancelKeepsEverything)
{
    setSwitches("00111011");
    openPanel();
    tick("11000100");
    typeInto(0, "30");
    clickButton("qelcancl");
    EXPECT_FALSE(shown("sysset"));
    EXPECT_EQ(switches(), "00111011");
    EXPECT_EQ(user().periodLength, 720);
    EXPECT_FALSE(std::filesystem::exists(path("date/system.db")));
    EXPECT_TRUE(notices.empty());
    openPanel();
    EXPECT_EQ(ticks(), "00111011") << "refilled from the current values";
    EXPECT_EQ(box(0).text(), "12");
}

TEST_F(OptionsPanelTest, ABoxAbove59BecomesZeroAndKeepsTheFocus)
{
    openPanel();
    typeInto(1, "75");
    EXPECT_EQ(box(1).text(), "00");
    EXPECT_TRUE(box(1).hwnd() == plat::win::GetFocus());
    typeInto(1, "59");
    EXPECT_EQ(box(1).text(), "59");
    typeInto(2, "99");
    EXPECT_EQ(box(2).text(), "00");
    EXPECT_EQ(box(1).text(), "59");
}

TEST_F(OptionsPanelTest, OnlyCharactersBelowNinePlusOneReachTheBoxes)
{
    openPanel();
    typeInto(0, "1a中b2");
    EXPECT_EQ(box(0).text(), "12");
    box(0).setSelStart(2);
    session->key(plat::win::VK_BACK);
    session->settle();
    EXPECT_EQ(box(0).text(), "1");
}

TEST_F(OptionsPanelTest, ABoxHoldsTheFocusKeeperWhileItHasTheFocus)
{
    openPanel();
    clickOn(box(0));
    EXPECT_FALSE(timerOn("Timer6"));
    clickOn(box(1));
    EXPECT_FALSE(timerOn("Timer6"));
    control<qel::qelCommand>("ok").setFocus();
    session->settle();
    EXPECT_TRUE(timerOn("Timer6"));
}

TEST_F(OptionsPanelTest, ALengthOfNoTimeIsRefusedAndNothingSaved)
{
    struct Case {
        const char* minutes;
        const char* seconds;
        int box;
        int focused;
    };
    const Case cases[] = {{"0", "00", 0, 0}, {"-5", "00", 0, 0}, {"0", "0", 2, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.minutes) + ":" + c.seconds);
        openPanel();
        tick("11111111");
        typeInto(c.box, c.minutes);
        typeInto(c.box + 1, c.seconds);
        messages.clear();
        clickButton("qelsave");
        EXPECT_EQ(messages, (std::vector<std::string>{"提示: " + std::string(kLengthRefusedMessage)}));
        EXPECT_TRUE(shown("sysset"));
        EXPECT_EQ(box(c.focused).hwnd(), plat::win::GetFocus());
        EXPECT_EQ(user().periodLength, 720);
        EXPECT_EQ(user().overtimeLength, 300);
        EXPECT_NE(switches(), "11111111");
        EXPECT_FALSE(std::filesystem::exists(path("date/system.db")));
        EXPECT_TRUE(notices.empty());
        clickButton("qelcancl");
    }
}

TEST_F(OptionsPanelTest, AFileThatCannotBeWrittenIsNotReportedAsSaved)
{
    std::filesystem::create_directories(path("date/system.db/in-the-way"));
    openPanel();
    tick("00000000");
    clickButton("qelsave");
    EXPECT_EQ(notices, (std::vector<std::string>{std::string(kOptionFileFailedNotice)}));
    EXPECT_EQ(switches(), "00000000") << "applied all the same";
    EXPECT_FALSE(shown("sysset"));
}

} // namespace
} // namespace scoreboard::test

namespace scoreboard::test {
namespace {

using MainPanelsWiringTest = BoardTest;

TEST_F(MainPanelsWiringTest, TheCommandBarFillsTheBoardsOwnPanelAndTheRecordProceduresReachTheList)
{
    MainForm& main = loadBoard();
    main.show();
    session->settle();
    ASSERT_NE(main.panels(), nullptr);
    user().periodLength = 45;
    optionSwitch(user(), 7) = false;
    main.operation()->commandBar().click(CommandBar::Options);
    session->settle();
    EXPECT_EQ(control<plat::forms::TextBox>("settxt", 0).text(), "00");
    EXPECT_EQ(control<plat::forms::TextBox>("settxt", 1).text(), "45");
    EXPECT_EQ(control<qel::qelCheck>("sqel1", 7).Value(), 0);

    writeBytes(path("date/balldate.db"), plat::sys::encodeAnsi("比赛时间=t1\r\n比赛主题=Cup\r\n"));
    main.balldateinput();
    auto& records = control<plat::forms::ListView>("balllist1");
    ASSERT_EQ(records.listItems().count(), 1);
    EXPECT_EQ(records.listItems().item(1)->subItem(1), "Cup");
    main.balldateoutput();
    EXPECT_EQ(readBytes(path("date/balldate.db")),
        "\xB1\xC8\xC8\xFC\xCA\xB1\xBC\xE4=t1\r\n\xB1\xC8\xC8\xFC\xD6\xF7\xCC\xE2=Cup\r\n"
        "\xC7\xF2\xB6\xD3" "1=\r\nVS=VS\r\n\xC7\xF2\xB6\xD3" "2=\r\n\xB5\xDA\xD2\xBB\xBD\xDA=\r\n\xB5\xDA\xB6\xFE\xBD\xDA=\r\n"
        "\xB5\xDA\xC8\xFD\xBD\xDA=\r\n\xB5\xDA\xCB\xC4\xBD\xDA=\r\n\xD7\xDC\xB7\xD6=\r\n\xB1\xB8\xD7\xA2=\r\n");
}

} // namespace
} // namespace scoreboard::test
