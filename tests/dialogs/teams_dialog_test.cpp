#include "board_dialog_fixture.h"
#include "board_view_stand_in.h"

#include "dialogs/team_files.h"
#include "dialogs/teams_dialog.h"

#include "scoreboard/display_routines.h"

#include "controls/core/qel_check.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/form_directory.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"
#include "platform/gfx/system_colors.h"
#include "platform/system/text_functions.h"

namespace dialogs::test {
namespace {

using plat::win::VK_DOWN;
using plat::win::VK_HOME;
using qel::qelCommand;
using scoreboard::MatchState;
using scoreboard::user;

// GBK bytes of the texts of the team files.
const std::string kCoach = "\xBD\xCC\xC1\xB7:";  // 教练:
const std::string kLeader = "\xC1\xEC\xB6\xD3:"; // 领队:
const std::string kPlayer = "\xB6\xD3\xD4\xB1:"; // 队员:
const std::string kYaoMing = "\xD2\xA6\xC3\xF7";  // 姚明
const std::string kYiJianlian = "\xD2\xD7\xBD\xA8\xC1\xAA"; // 易建联
const std::string kZhangSan = "\xD5\xC5\xC8\xFD"; // 张三
const std::string kLiSi = "\xC0\xEE\xCB\xC4";     // 李四

class TeamsDialogTest : public BoardDialogTest {
protected:
    void SetUp() override
    {
        BoardDialogTest::SetUp();
        writeBytes(path("binlist/Eagles.ini"), kCoach + "Smith\r\n" + kLeader + "\r\n" + kPlayer + "Bird=33\r\n" + kPlayer + "Magic=32\r\n");
        writeBytes(path("binlist/飞虎队.ini"), kCoach + kZhangSan + "\r\n" + kLeader + kLiSi + "\r\n" + kPlayer + kYaoMing + "=11\r\n");
        writeBytes(path("binlist/篮球社团A队.ini"), "");
    }

    TeamsDialog& open()
    {
        if (!board || !board->isLoaded())
            loadBoard();
        return openDialog<TeamsDialog>();
    }
    TeamsDialog& teams() { return static_cast<TeamsDialog&>(dialog()); }

    std::vector<std::string> entries(std::string_view name)
    {
        std::vector<std::string> out;
        if (auto* list = dynamic_cast<forms::ListBox*>(dialog().find(name))) {
            for (int i = 0; i < list->listCount(); ++i)
                out.push_back(list->list(i));
        } else {
            auto& combo = part<forms::ComboBox>(name);
            for (int i = 0; i < combo.listCount(); ++i)
                out.push_back(combo.list(i));
        }
        return out;
    }
    // The roster being edited, "name=number" a player.
    std::vector<std::string> roster()
    {
        std::vector<std::string> out;
        auto& items = part<forms::ListView>("L1").listItems();
        for (int i = 1; i <= items.count(); ++i)
            out.push_back(items.item(i)->text() + "=" + items.item(i)->subItem(1));
        return out;
    }
    forms::TextBox& box(std::string_view name, int index) { return part<forms::TextBox>(name, index); }
    qelCommand& button(std::string_view name) { return part<qelCommand>(name); }
    bool enabled(std::string_view name, int index = -1) { return dialog().get<forms::Control>(name, index).enabled(); }
    bool shown(std::string_view name) { return dialog().get<forms::Control>(name).visible(); }

    void pick(const std::string& team)
    {
        const std::vector<std::string> teams = entries("balllist");
        const auto at = std::find(teams.begin(), teams.end(), team);
        ASSERT_NE(at, teams.end()) << team;
        clickEntry(part<forms::ListBox>("balllist"), int(at - teams.begin()));
    }
    // Chooses a team in a match-team list with the keys, as the operator would.
    void choose(std::string_view combo, const std::string& team)
    {
        const std::vector<std::string> teams = entries(combo);
        const auto at = std::find(teams.begin(), teams.end(), team);
        ASSERT_NE(at, teams.end()) << team;
        part<forms::ComboBox>(combo).setFocus();
        session->settle();
        session->key(VK_HOME);
        for (auto i = teams.begin(); i != at; ++i)
            session->key(VK_DOWN);
        session->settle();
    }
    void addPlayer(const std::string& name, const std::string& number)
    {
        typeInto(box("Text1", 2), name);
        auto& numberBox = part<forms::ComboBox>("comadd");
        numberBox.setFocus();
        session->settle();
        numberBox.setSelStart(0);
        numberBox.setSelLength(int(numberBox.text().size()));
        session->key(plat::win::VK_DELETE);
        session->type(number);
        session->settle();
        clickButton("addcomm");
    }
    // 新增 with a team name, a coach and a leader typed.
    void startNewTeam(const std::string& name, const std::string& coach = "", const std::string& leader = "")
    {
        clickButton("newadd");
        typeInto(box("T1", 0), name);
        if (!coach.empty())
            typeInto(box("Text1", 0), coach);
        if (!leader.empty())
            typeInto(box("Text1", 1), leader);
    }
    std::string file(const std::string& team) { return readBytes(path("binlist/" + team + ".ini")); }
    std::string title(const std::string& message) { return message.substr(0, message.find('|')); }
    std::string text(const std::string& message) { return message.substr(message.find('|') + 1); }
};

TEST_F(TeamsDialogTest, LoadListsTheTeamsAndCopiesTheBoardsColours)
{
    loadBoard();
    control<qel::qelLabel>("ballname", 0).setForeColor(0x0000FF);
    control<qel::qelLabel>("ballname", 2).setForeColor(0x000040);
    control<qel::qelLabel>("ballname", 1).setForeColor(0x00FF00);
    control<qel::qelLabel>("ballname", 3).setForeColor(0x004000);
    open();
    EXPECT_EQ(dialog().caption(), "球队名称设置");
    const std::vector<std::string> names{"Eagles", "篮球社团A队", "飞虎队"};
    EXPECT_EQ(entries("balllist"), names);
    EXPECT_EQ(entries("Combo1"), names) << "full names, not cut to six characters";
    EXPECT_EQ(entries("Combo2"), names);
    EXPECT_EQ(part<forms::ComboBox>("Combo1").text(), "") << "the match teams are not preselected";
    EXPECT_EQ(part<forms::ComboBox>("Combo2").text(), "");
    EXPECT_EQ(part<forms::Label>("ballnum").caption(), "总数: 3 队");
    const uint32_t swatches[] = {0x0000FF, 0x000040, 0x00FF00, 0x004000};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(part<forms::Label>("colab", i).backColor(), swatches[i]) << i;
    EXPECT_EQ(part<forms::ComboBox>("Combo1").foreColor(), 0x0000FFu);
    EXPECT_EQ(part<forms::ComboBox>("Combo2").foreColor(), 0x00FF00u);
    auto& numbers = part<forms::ComboBox>("comadd");
    EXPECT_EQ(numbers.listCount(), 101);
    EXPECT_EQ(numbers.list(100), "100");
    EXPECT_EQ(numbers.text(), "0");
    EXPECT_EQ(part<qel::qelCheck>("chk1").Value(), 1) << "the board shows the rosters";
    EXPECT_EQ(button("newadd").Caption(), "新增");
    EXPECT_FALSE(shown("nosave"));
    for (const char* name : {"commsave", "delball", "addcomm", "delcomm", "comadd"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_FALSE(enabled("T1", 0));
    EXPECT_EQ(teams().teamsFolder(), path("binlist"));
}

TEST_F(TeamsDialogTest, TheRosterSwitchFollowsTheBoard)
{
    loadBoard();
    control<qel::qelFrame>("ballnameframe", 0).setVisible(false);
    open();
    EXPECT_EQ(part<qel::qelCheck>("chk1").Value(), 0);
}

TEST_F(TeamsDialogTest, WithOneTeamBothMatchListsShowIt)
{
    std::filesystem::remove_all(path("binlist"));
    writeBytes(path("binlist/Solo.ini"), "");
    open();
    EXPECT_EQ(part<forms::ComboBox>("Combo1").text(), "Solo");
    EXPECT_EQ(part<forms::ComboBox>("Combo2").text(), "Solo");
}

TEST_F(TeamsDialogTest, AMissingTeamsFolderIsMadeWithTheDefaultTeams)
{
    std::filesystem::remove_all(path("binlist"));
    open();
    EXPECT_EQ(entries("balllist"), (std::vector<std::string>{"篮球社团A队", "篮球社团B队"}));
    EXPECT_EQ(file("篮球社团A队"), "");
    EXPECT_EQ(file("篮球社团B队"), "");
}

TEST_F(TeamsDialogTest, PickingATeamLoadsItsFileIntoTheEditor)
{
    open();
    pick("飞虎队");
    EXPECT_EQ(box("T1", 0).text(), "飞虎队");
    EXPECT_EQ(box("Text1", 0).text(), "张三");
    EXPECT_EQ(box("Text1", 1).text(), "李四");
    EXPECT_EQ(roster(), (std::vector<std::string>{"姚明=11"}));
    EXPECT_EQ(part<forms::Label>("alltxt").caption(), "总数: 1 人");
    EXPECT_EQ(button("newadd").Caption(), "编辑");
    EXPECT_TRUE(shown("nosave"));
    EXPECT_TRUE(enabled("nosave"));
    EXPECT_TRUE(enabled("delball"));
    EXPECT_FALSE(enabled("T1", 0)) << "only shown until 编辑";
    EXPECT_EQ(teams().editedTeamName(), "飞虎队");
    EXPECT_EQ(teams().pickedTeamFile(), path("binlist/飞虎队.ini"));

    pick("Eagles");
    EXPECT_EQ(box("Text1", 0).text(), "Smith");
    EXPECT_EQ(box("Text1", 1).text(), "");
    EXPECT_EQ(roster(), (std::vector<std::string>{"Bird=33", "Magic=32"}));
}

TEST_F(TeamsDialogTest, ATeamWhoseFileVanishedLeavesTheListWithAMessage)
{
    open();
    std::filesystem::remove(path("binlist/Eagles.ini"));
    pick("Eagles");
    EXPECT_EQ(messages, (std::vector<std::string>{"错误提示|球队: Eagles 的配置文件不存在！"}));
    EXPECT_EQ(entries("balllist"), (std::vector<std::string>{"篮球社团A队", "飞虎队"}));
    EXPECT_EQ(entries("Combo1"), (std::vector<std::string>{"篮球社团A队", "飞虎队"}));
    EXPECT_EQ(part<forms::Label>("ballnum").caption(), "总数: 2 队");
    EXPECT_EQ(button("newadd").Caption(), "新增");
}

TEST_F(TeamsDialogTest, ANewTeamIsSavedByItsOwnButtonByteForByte)
{
    open();
    startNewTeam("火箭队", "姚明", "易建联");
    EXPECT_TRUE(teams().addingTeam());
    EXPECT_FALSE(enabled("newadd"));
    EXPECT_TRUE(enabled("commsave"));
    EXPECT_TRUE(shown("nosave"));
    addPlayer("张三", "7");
    addPlayer("L=Na", "15");
    addPlayer("李四", "0");
    EXPECT_EQ(roster(), (std::vector<std::string>{"张三=7", "L=Na=15", "李四=0"}));
    EXPECT_EQ(part<forms::Label>("alltxt").caption(), "总数: 3 人");
    EXPECT_EQ(box("Text1", 2).text(), "") << "emptied after each player";
    EXPECT_EQ(part<forms::ComboBox>("comadd").text(), "0");
    EXPECT_TRUE(messages.empty());
    clickButton("commsave");

    EXPECT_EQ(file("火箭队"), kCoach + kYaoMing + "\r\n" + kLeader + kYiJianlian + "\r\n" + kPlayer + kZhangSan + "=7\r\n" + kPlayer
            + "L=Na=15\r\n" + kPlayer + kLiSi + "=0\r\n");
    EXPECT_EQ(entries("balllist"), (std::vector<std::string>{"Eagles", "火箭队", "篮球社团A队", "飞虎队"}));
    EXPECT_EQ(part<forms::Label>("ballnum").caption(), "总数: 4 队");
    EXPECT_FALSE(teams().addingTeam());
    EXPECT_EQ(button("newadd").Caption(), "新增");
    EXPECT_TRUE(enabled("newadd"));
    EXPECT_FALSE(enabled("commsave"));
    EXPECT_FALSE(shown("nosave"));
    EXPECT_TRUE(roster().empty());
    EXPECT_EQ(box("T1", 0).text(), "");
    EXPECT_TRUE(dialogLoaded()) << "saving does not close the dialog";
}

TEST_F(TeamsDialogTest, ASavedTeamWithoutCoachOrLeaderKeepsBothLines)
{
    open();
    startNewTeam("Empty");
    clickButton("commsave");
    EXPECT_EQ(file("Empty"), kCoach + "\r\n" + kLeader + "\r\n");
}

TEST_F(TeamsDialogTest, PlayersAreCheckedBeforeTheyAreAdded)
{
    struct Case {
        std::string name, number;
        std::string message; // "title|text", empty when added
    };
    const Case cases[] = {
        {"王五", "23", ""},
        {"   ", "24", "提示|队员姓名不能为空！"},
        {"张三", "25", "|用户张三已经存在！"},
        {" 张三 ", "26", "|用户张三已经存在！"},
        {"赵六", "7", "|号码7已经存在！"},
        {"a,b", "27", "提示|队员姓名不能包含逗号“,”！"},
        {"\"q", "28", "提示|队员姓名不能包含双引号“\"”！"},
        {"钱七", "", "提示|球号不能为空！"},
        {"孙八", "1=2", "提示|球号不能包含“=”！"},
        {"周九", "3,4", "提示|球号不能包含逗号“,”！"},
        {"吴十", " 42 ", ""},
    };
    open();
    startNewTeam("Checks");
    addPlayer("张三", "7");
    std::vector<std::string> expected{"张三=7"};
    for (const Case& c : cases) {
        messages.clear();
        addPlayer(c.name, c.number);
        if (c.message.empty()) {
            expected.push_back(plat::sys::trimText(c.name) + "=" + plat::sys::trimText(c.number));
            EXPECT_TRUE(messages.empty()) << c.name;
        } else {
            EXPECT_EQ(messages, (std::vector<std::string>{c.message})) << c.name;
        }
        EXPECT_EQ(roster(), expected) << c.name;
        box("Text1", 2).setText("");
    }
}

TEST_F(TeamsDialogTest, TeamNamesThatWouldLeaveBinlistAreRefusedOnSave)
{
    open();
    const std::vector<std::string> before = tree();
    for (const char* name : {"../escape", "..", "a/b", "..\\..\\date\\config", "c:x", "what?", "  "}) {
        if (!dialogLoaded())
            open();
        messages.clear();
        startNewTeam(name, "教练");
        addPlayer("张三", "7");
        clickButton("commsave");
        ASSERT_EQ(messages.size(), 1u) << name;
        EXPECT_EQ(title(messages[0]), "提示") << name;
        EXPECT_TRUE(teams().addingTeam()) << "the editor stays open: " << name;
        EXPECT_EQ(roster(), (std::vector<std::string>{"张三=7"})) << name;
        EXPECT_EQ(tree(), before) << name;
        EXPECT_FALSE(std::filesystem::exists(folder().parent_path() / "escape.ini"));
        dialog().unload();
    }
}

TEST_F(TeamsDialogTest, ATeamNameStopsAtTwelveUnits)
{
    struct Case {
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {"ABCDEFGHIJKLMN", "ABCDEFGHIJKL"},
        {"一二三四五六七", "一二三四五六"},
        {"ABC一二三四五", "ABC一二三四"},
        {"Team 12", "Team 12"},
    };
    open();
    clickButton("newadd");
    for (const Case& c : cases) {
        box("T1", 0).setText("");
        typeInto(box("T1", 0), c.typed);
        EXPECT_EQ(box("T1", 0).text(), c.kept) << c.typed;
    }
}

TEST_F(TeamsDialogTest, EditingAndRenamingATeamWritesTheNewFileAndRemovesTheOld)
{
    open();
    pick("飞虎队");
    clickButton("newadd");
    EXPECT_TRUE(teams().editingTeam());
    EXPECT_TRUE(enabled("T1", 0));
    EXPECT_FALSE(enabled("delball"));
    box("T1", 0).setText("");
    typeInto(box("T1", 0), "猛虎队");
    addPlayer("易建联", "9");
    clickButton("commsave");
    EXPECT_FALSE(std::filesystem::exists(path("binlist/飞虎队.ini")));
    EXPECT_EQ(file("猛虎队"), kCoach + kZhangSan + "\r\n" + kLeader + kLiSi + "\r\n" + kPlayer + kYaoMing + "=11\r\n" + kPlayer
            + kYiJianlian + "=9\r\n");
    EXPECT_EQ(entries("balllist"), (std::vector<std::string>{"Eagles", "猛虎队", "篮球社团A队"}));
    EXPECT_FALSE(teams().editingTeam());
    EXPECT_EQ(button("newadd").Caption(), "新增");
}

TEST_F(TeamsDialogTest, EditingUnderTheSameNameReplacesItsOwnFileWithoutAQuestion)
{
    open();
    pick("Eagles");
    clickButton("newadd");
    clickItem(part<forms::ListView>("L1"), 1);
    EXPECT_TRUE(enabled("delcomm"));
    clickButton("delcomm");
    clickButton("commsave");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(file("Eagles"), kCoach + "Smith\r\n" + kLeader + "\r\n" + kPlayer + "Magic=32\r\n");
}

TEST_F(TeamsDialogTest, SavingOverAnotherTeamAsksFirst)
{
    const std::string eagles = file("Eagles");
    open();
    // Cancel: nothing is written and the editor keeps the roster.
    answerMessages({forms::vbCancel, forms::vbOK});
    startNewTeam("Eagles", "Joe");
    addPlayer("Bird", "33");
    clickButton("commsave");
    EXPECT_EQ(messages, (std::vector<std::string>{"提示|球队: Eagles 已经存在，是否替换它的配置文件？"}));
    EXPECT_EQ(file("Eagles"), eagles);
    EXPECT_TRUE(teams().addingTeam());
    EXPECT_EQ(roster(), (std::vector<std::string>{"Bird=33"}));
    // OK: the file is replaced.
    clickButton("commsave");
    EXPECT_EQ(file("Eagles"), kCoach + "Joe\r\n" + kLeader + "\r\n" + kPlayer + "Bird=33\r\n");
    EXPECT_FALSE(teams().addingTeam());

    // A rename onto another team's name asks the same.
    answerMessages({forms::vbCancel});
    messages.clear();
    pick("飞虎队");
    clickButton("newadd");
    box("T1", 0).setText("Eagles");
    clickButton("commsave");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(path("binlist/飞虎队.ini")));
    EXPECT_TRUE(teams().editingTeam());
}

TEST_F(TeamsDialogTest, AFileThatCannotBeWrittenKeepsTheEditorAndTheOldFile)
{
    std::filesystem::create_directories(path("binlist/Blocked.ini")); // nothing can be renamed over a folder
    open();
    pick("飞虎队");
    clickButton("newadd");
    box("T1", 0).setText("Blocked");
    clickButton("commsave");
    EXPECT_EQ(messages, (std::vector<std::string>{"错误提示|球队: Blocked 的配置文件无法保存！"}));
    EXPECT_TRUE(std::filesystem::exists(path("binlist/飞虎队.ini"))) << "the renamed team's file stays";
    EXPECT_TRUE(teams().editingTeam());
    EXPECT_EQ(roster(), (std::vector<std::string>{"姚明=11"}));
}

TEST_F(TeamsDialogTest, AbandoningNeverWrites)
{
    open();
    const std::vector<std::string> before = tree();
    // A new team with a name: the question; Cancel keeps the editor, OK closes it.
    answerMessages({forms::vbCancel, forms::vbOK});
    startNewTeam("Ghosts", "Casper");
    addPlayer("Boo", "1");
    clickButton("nosave");
    EXPECT_EQ(messages, (std::vector<std::string>{"提示|是否不保存球队：Ghosts 的信息？"}));
    EXPECT_TRUE(teams().addingTeam());
    EXPECT_EQ(roster(), (std::vector<std::string>{"Boo=1"}));
    clickButton("nosave");
    EXPECT_FALSE(teams().addingTeam());
    EXPECT_TRUE(roster().empty());
    EXPECT_FALSE(shown("nosave"));
    EXPECT_EQ(button("newadd").Caption(), "新增");

    // Editing under the unchanged name: no question.
    messages.clear();
    pick("Eagles");
    clickButton("newadd");
    addPlayer("Parish", "00");
    clickButton("nosave");
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(teams().editingTeam());
    EXPECT_EQ(tree(), before);
    EXPECT_EQ(file("Eagles"), kCoach + "Smith\r\n" + kLeader + "\r\n" + kPlayer + "Bird=33\r\n" + kPlayer + "Magic=32\r\n");
}

TEST_F(TeamsDialogTest, WhileEditingTheTeamListIgnoresClicks)
{
    open();
    pick("Eagles");
    clickButton("newadd");
    pick("飞虎队");
    EXPECT_EQ(box("T1", 0).text(), "Eagles");
    EXPECT_EQ(teams().editedTeamName(), "Eagles");
}

TEST_F(TeamsDialogTest, DeletingATeamAsksAndRemovesItsFile)
{
    open();
    answerMessages({forms::vbCancel, forms::vbOK});
    pick("Eagles");
    clickButton("delball");
    EXPECT_EQ(messages, (std::vector<std::string>{"提示|是否要删除球队: Eagles 的配置文件？"}));
    EXPECT_TRUE(std::filesystem::exists(path("binlist/Eagles.ini")));
    clickButton("delball");
    EXPECT_FALSE(std::filesystem::exists(path("binlist/Eagles.ini")));
    EXPECT_EQ(entries("balllist"), (std::vector<std::string>{"篮球社团A队", "飞虎队"}));
    EXPECT_EQ(button("newadd").Caption(), "新增");
    EXPECT_FALSE(enabled("delball"));
    EXPECT_TRUE(roster().empty());
}

TEST_F(TeamsDialogTest, DeletingPlayersEnablesAndDisablesTheButton)
{
    open();
    pick("Eagles");
    clickButton("newadd");
    EXPECT_FALSE(enabled("delcomm"));
    clickItem(part<forms::ListView>("L1"), 2);
    EXPECT_TRUE(enabled("delcomm"));
    clickButton("delcomm");
    EXPECT_EQ(roster(), (std::vector<std::string>{"Bird=33"}));
    EXPECT_EQ(part<forms::Label>("alltxt").caption(), "总数: 1 人");
    EXPECT_TRUE(enabled("delcomm"));
    clickItem(part<forms::ListView>("L1"), 1);
    clickButton("delcomm");
    EXPECT_TRUE(roster().empty());
    EXPECT_FALSE(enabled("delcomm"));
}

TEST_F(TeamsDialogTest, TheDialogReadsAndChangesTheBoardThroughItsViewAlone)
{
    loadBoard();
    BoardViewStandIn view(*board);
    open();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(part<forms::Label>("colab", i).backColor(), view.teamNames[size_t(i)]) << "swatch " << i;
    EXPECT_EQ(part<forms::ComboBox>("Combo1").foreColor(), view.teamNames[0]);
    EXPECT_EQ(part<forms::ComboBox>("Combo2").foreColor(), view.teamNames[2]);
    EXPECT_EQ(part<qel::qelCheck>("chk1").Value(), 1) << "the view shows the rosters";
    EXPECT_EQ(dialog().icon(), view.icon);

    choose("Combo1", "飞虎队");
    choose("Combo2", "Eagles");
    answerColors({0x00FFFF});
    click("colab", 1);
    clickAt(part<qel::qelCheck>("chk1"), 6);
    clickButton("OKcommand");

    EXPECT_FALSE(dialogLoaded());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"hideRosters", "setTeamNameColors", "reloadRostersSoon"}));
    EXPECT_EQ(view.teamNames, (scoreboard::TeamNameColors{0x010101, 0x00FFFF, 0x030303, 0x040404}));
}

TEST_F(TeamsDialogTest, ApplySetsTheMatchTeamsAndTheBoardShowsTheirRosters)
{
    user().teamNameA = "篮球社团A队";
    user().teamNameB = "篮球社团B队";
    open();
    choose("Combo1", "飞虎队");
    choose("Combo2", "Eagles");
    answerColors({0x00FFFF, 0x0000C0});
    click("colab", 0);
    click("colab", 3);
    EXPECT_EQ(part<forms::ComboBox>("Combo1").foreColor(), 0x00FFFFu);
    clickAt(part<qel::qelCheck>("chk1"), 6);
    EXPECT_EQ(part<qel::qelCheck>("chk1").Value(), 0);
    clickAt(part<qel::qelCheck>("chk1"), 8);
    EXPECT_EQ(part<qel::qelCheck>("chk1").Value(), 1);
    clickButton("OKcommand");

    EXPECT_FALSE(dialogLoaded());
    EXPECT_EQ(user().teamNameA, "飞虎队");
    EXPECT_EQ(user().teamNameB, "Eagles");
    EXPECT_EQ(control<qel::qelLabel>("ballname", 0).Caption(), "飞虎队");
    EXPECT_EQ(control<qel::qelLabel>("ballname", 2).Caption(), "飞虎队");
    EXPECT_EQ(control<qel::qelLabel>("ballname", 1).Caption(), "Eagles");
    EXPECT_EQ(control<qel::qelLabel>("ballname", 0).ForeColor(), 0x00FFFFu);
    EXPECT_EQ(control<qel::qelLabel>("ballname", 3).ForeColor(), 0x0000C0u);
    EXPECT_TRUE(control<qel::qelFrame>("ballnameframe", 0).visible());
    EXPECT_TRUE(control<forms::Timer>("Timer12").enabled());

    session->advance(2000);
    EXPECT_EQ(control<forms::Label>("bflab", 0).caption(), "张三");
    EXPECT_EQ(control<forms::Label>("bflab", 1).caption(), "李四");
    EXPECT_EQ(control<forms::Label>("namelab1", 0).caption(), "姚明");
    EXPECT_EQ(control<forms::Label>("numlab1", 0).caption(), "11");
    EXPECT_TRUE(control<forms::Label>("namelab1", 0).visible());
    EXPECT_FALSE(control<forms::Label>("namelab1", 1).visible());
    EXPECT_EQ(control<forms::Label>("bflab", 2).caption(), "Smith");
    EXPECT_EQ(control<forms::Label>("namelab2", 1).caption(), "Magic");
    EXPECT_EQ(control<forms::Label>("numlab2", 1).caption(), "32");
}

TEST_F(TeamsDialogTest, ApplyWithoutBothTeamsRefusesButTheColoursAndPanelsAreTaken)
{
    open();
    choose("Combo1", "Eagles");
    clickButton("com1");
    clickAt(part<qel::qelCheck>("chk1"), 6);
    clickButton("OKcommand");
    EXPECT_EQ(messages, (std::vector<std::string>{"提示|比赛的球队名称不能为空，请重新选择需要比赛的两个球队!"}));
    EXPECT_TRUE(dialogLoaded());
    EXPECT_EQ(user().teamNameA, "");
    EXPECT_FALSE(control<qel::qelFrame>("ballnameframe", 0).visible());
    EXPECT_FALSE(control<qel::qelFrame>("ballnameframe", 1).visible());
    EXPECT_EQ(control<qel::qelLabel>("ballname", 0).ForeColor(), TeamsDialog::kDefaultNameColor);
    EXPECT_EQ(control<qel::qelLabel>("ballname", 2).ForeColor(), TeamsDialog::kDefaultShadowColor);
    EXPECT_EQ(control<qel::qelLabel>("ballname", 1).ForeColor(), TeamsDialog::kDefaultNameColor);
    EXPECT_EQ(control<qel::qelLabel>("ballname", 3).ForeColor(), TeamsDialog::kDefaultShadowColor);
}

TEST_F(TeamsDialogTest, CancelOnlyUnloads)
{
    user().teamNameA = "篮球社团A队";
    user().teamNameB = "飞虎队";
    loadBoard();
    scoreboard::ShowTeamNames();
    const MatchState state = user();
    open();
    choose("Combo1", "Eagles");
    choose("Combo2", "飞虎队");
    answerColors({0x123456});
    click("colab", 0);
    clickAt(part<qel::qelCheck>("chk1"), 6);
    const std::vector<std::string> files = tree();
    clickButton("qelCommand2");
    EXPECT_FALSE(dialogLoaded());
    EXPECT_EQ(user(), state);
    EXPECT_EQ(tree(), files);
    EXPECT_EQ(control<qel::qelLabel>("ballname", 0).Caption(), "篮球社团A队");
    EXPECT_EQ(control<qel::qelLabel>("ballname", 0).ForeColor(), 0xFFFFFFu);
    EXPECT_TRUE(control<qel::qelFrame>("ballnameframe", 0).visible());
}

TEST_F(TeamsDialogTest, ADamagedTeamFileShowsWhatReadsAndIsSavedClean)
{
    writeBytes(path("binlist/Broken.ini"), std::string("\xFF\xFE\x00garbage\r\n", 12) + kPlayer + "a,b=3\r\n" + kPlayer + "x\r\n"
            + kPlayer + "Bird=33\r\n" + kCoach + "Red\r\n" + kPlayer + "Ray=20");
    open();
    pick("Broken");
    EXPECT_EQ(box("Text1", 0).text(), "Red");
    EXPECT_EQ(roster(), (std::vector<std::string>{"Bird=33", "Ray=20"}));
    clickButton("newadd");
    clickButton("commsave");
    EXPECT_EQ(file("Broken"), kCoach + "Red\r\n" + kLeader + "\r\n" + kPlayer + "Bird=33\r\n" + kPlayer + "Ray=20\r\n");
}

TEST_F(TeamsDialogTest, ALongTeamNameIsOfferedAndAppliedWhole)
{
    // Eight single-byte characters fit the name's width; the match lists take the name whole,
    // so the board finds the team's file.
    writeBytes(path("binlist/Warriors.ini"), kCoach + "Kerr\r\n" + kPlayer + "Curry=30\r\n");
    open();
    EXPECT_EQ(entries("Combo1")[1], "Warriors");
    choose("Combo1", "Warriors");
    choose("Combo2", "Eagles");
    clickButton("OKcommand");
    EXPECT_EQ(user().teamNameA, "Warriors");
    session->advance(2000);
    EXPECT_EQ(control<forms::Label>("bflab", 0).caption(), "Kerr");
    EXPECT_EQ(control<forms::Label>("namelab1", 0).caption(), "Curry");
    EXPECT_FALSE(std::filesystem::exists(path("binlist/Warrio.ini")));
}

TEST_F(TeamsDialogTest, CancellingAPickedTeamReturnsToIdle)
{
    open();
    pick("Eagles");
    clickButton("nosave");
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(shown("nosave"));
    EXPECT_EQ(button("newadd").Caption(), "新增");
    EXPECT_FALSE(enabled("commsave"));
    EXPECT_FALSE(enabled("delball"));
    EXPECT_TRUE(roster().empty());
    EXPECT_EQ(box("T1", 0).text(), "");
    // 新增 now starts a new team rather than editing the one picked before.
    clickButton("newadd");
    EXPECT_TRUE(teams().addingTeam());
}

TEST_F(TeamsDialogTest, ShownModallyItRunsUntilCancelled)
{
    loadBoard();
    bool seen = false;
    session->backend().setIdleHandler([&] {
        forms::Form* m3 = forms::findLoadedForm("m3");
        if (!m3 || !m3->visible())
            return false;
        seen = true;
        EXPECT_TRUE(m3->isModal());
        dynamic_cast<qelCommand&>(*m3->find("qelCommand2")).Click();
        return true;
    });
    showTeamsDialog();
    EXPECT_TRUE(seen);
    EXPECT_EQ(forms::findLoadedForm("m3"), nullptr);
}

TEST_F(TeamsDialogTest, Screenshot)
{
    user().teamNameA = "飞虎队";
    user().teamNameB = "Eagles";
    loadBoard().show();
    scoreboard::ShowTeamNames();
    session->advance(2000); // the rosters
    openDialog<TeamsDialog>();
    pick("飞虎队");
    clickButton("newadd");
    addPlayer("易建联", "9");
    choose("Combo1", "飞虎队");
    choose("Combo2", "Eagles");
    const plat::gfx::Surface shot = saveScreen("m3_teams_dialog.png");
    // The picked team's row shows highlighted in the team list, the other rows not.
    const forms::ListBox& list = part<forms::ListBox>("balllist");
    const std::vector<std::string> teams = entries("balllist");
    const plat::gfx::Rect at = plat::win::GetScreenRect(list.hwnd());
    const plat::gfx::Color highlight = plat::gfx::systemColor(plat::gfx::ColorHighlight);
    for (int i = 0; i < int(teams.size()); ++i) {
        const plat::gfx::Rect row = list.entryRect(i).offset(at.left, at.top);
        EXPECT_EQ(test_support::mostlyOfColor(shot, row, highlight), teams[i] == "飞虎队") << teams[i];
    }
    // The roster shows its two players, each name in its own row, and nothing below them (the
    // start of the name column, within the grid lines).
    const forms::ListView& roster = part<forms::ListView>("L1");
    const plat::gfx::Point view = plat::win::ClientToScreen(roster.hwnd(), {0, 0});
    ASSERT_EQ(roster.listItems().count(), 2);
    auto nameCell = [&](plat::gfx::Rect row) { return plat::gfx::Rect{row.left + 3, row.top + 2, row.left + 60, row.bottom - 2}; };
    plat::gfx::Rect last;
    for (int i = 1; i <= 2; ++i) {
        last = roster.itemRect(*roster.listItems().item(i)).offset(view.x, view.y);
        EXPECT_EQ(test_support::textLines(shot, nameCell(last), 0xFFFFFF), 1) << i;
    }
    EXPECT_EQ(test_support::textLines(shot, nameCell(last.offset(0, last.height())), 0xFFFFFF), 0);
}

} // namespace
} // namespace dialogs::test
