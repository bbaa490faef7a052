// The roster editor of the teams dialog: picking a team, a new team or editing the picked one,
// the players, saving the team's file, abandoning the editing and deleting a team.
#include "dialogs/team_files.h"
#include "dialogs/teams_dialog.h"

#include "scoreboard/display_routines.h"

#include "controls/core/qel_command.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/list_view.h"
#include "platform/forms/text_box.h"
#include "platform/system/file_system.h"
#include "platform/system/text_functions.h"

namespace dialogs {

namespace forms = plat::forms;
namespace sys = plat::sys;

namespace {

constexpr int kStaffBoxes = 3; // Text1(0) coach, Text1(1) leader, Text1(2) a player's name

std::string trimmedText(const forms::TextBox* box) { return box ? sys::trimText(box->text()) : std::string(); }

} // namespace

// --- editor states ---

void TeamsDialog::commdEandYES()
{
    setEnabled("addcomm", true);
    for (int i = -1; i < kStaffBoxes; ++i) {
        auto* box = i < 0 ? &get<forms::TextBox>("T1", 0) : &get<forms::TextBox>("Text1", i);
        if (box) {
            box->setEnabled(true);
            box->setText("");
        }
    }
    setEnabled("comadd", true);
    setEnabled("delball", false);
    setEnabled("delcomm", false);
    get<forms::ListView>("L1").listItems().clear();
    showPlayerCount();
}

void TeamsDialog::commdEandNO()
{
    setEnabled("commsave", false);
    for (int i = -1; i < kStaffBoxes; ++i) {
        auto* box = i < 0 ? &get<forms::TextBox>("T1", 0) : &get<forms::TextBox>("Text1", i);
        if (box) {
            box->setEnabled(false);
            box->setText("");
        }
    }
    setEnabled("comadd", false);
    setEnabled("addcomm", false);
    setEnabled("delcomm", false);
    get<forms::ListView>("L1").listItems().clear();
    showPlayerCount();
}

void TeamsDialog::commdeidtYES()
{
    setEnabled("addcomm", true);
    setEnabled("T1", true, 0);
    for (int i = 0; i < kStaffBoxes; ++i)
        setEnabled("Text1", true, i);
    setEnabled("comadd", true);
}

void TeamsDialog::balllisteidt()
{
    setNewEditCaption("编辑");
    setEnabled("nosave", true);
    setEnabled("delball", true);
}

// --- picking a team ---

void TeamsDialog::teamPicked()
{
    if (m_addingTeam || m_editingTeam)
        return;
    auto* list = &get<forms::ListBox>("balllist");
    if (!list)
        return;
    if (list->listCount() == 0) {
        m_pickedTeamFile.clear();
        return;
    }
    const int index = list->listIndex();
    if (index < 0)
        return;
    const std::string name = list->list(index);
    m_pickedTeamFile = teamFile(name);
    if (!sys::fileExists(m_pickedTeamFile)) {
        list->removeItem(index);
        for (const char* comboName : {"Combo1", "Combo2"})
            if (auto* combo = &get<forms::ComboBox>(comboName); combo && combo->list(index) == name)
                combo->removeItem(index);
        showTeamCount();
        tell("球队: " + name + " 的配置文件不存在！", "错误提示", true);
        return;
    }
    m_editedTeamName = name;
    onballfile();
    setShown("nosave", true);
    balllisteidt();
}

void TeamsDialog::onballfile()
{
    auto* roster = &get<forms::ListView>("L1");
    if (roster)
        roster->listItems().clear();
    for (int i = 0; i < kStaffBoxes; ++i)
        get<forms::TextBox>("Text1", i).setText("");
    get<forms::TextBox>("T1", 0).setText(m_editedTeamName);
    const scoreboard::TeamRoster team = scoreboard::readTeamRoster(m_pickedTeamFile);
    if (auto* coach = &get<forms::TextBox>("Text1", 0))
        coach->setText(team.coach);
    if (auto* leader = &get<forms::TextBox>("Text1", 1))
        leader->setText(team.leader);
    if (roster)
        for (const scoreboard::RosterPlayer& player : team.players)
            roster->listItems().add(player.name).setSubItem(1, player.number);
    showPlayerCount();
}

void TeamsDialog::nameChanged()
{
    auto* box = &get<forms::TextBox>("T1", 0);
    if (!box || m_cuttingName)
        return;
    std::string name = box->text();
    if (scoreboard::TextWidthUnits(name) <= kNameWidthLimit)
        return;
    while (!name.empty() && scoreboard::TextWidthUnits(name) > kNameWidthLimit)
        name = sys::leftText(name, sys::textLength(name) - 1);
    m_cuttingName = true;
    box->setText(name);
    box->setSelStart(int(sys::textLength(name)));
    m_cuttingName = false;
}

// --- new, edit, abandon ---

void TeamsDialog::newOrEdit()
{
    auto* button = &get<qel::qelCommand>("newadd");
    if (!button)
        return;
    if (button->Caption() == "新增") {
        setShown("nosave", true);
        m_addingTeam = true;
        setEnabled("newadd", false);
        commdEandYES();
        setEnabled("commsave", true);
        setEnabled("delball", false);
        focus("T1", 0);
    } else if (button->Caption() == "编辑") {
        m_editingTeam = true;
        setEnabled("newadd", false);
        commdeidtYES();
        setEnabled("commsave", true);
        setShown("nosave", true);
        setEnabled("delball", false);
        focus("T1", 0);
    }
}

void TeamsDialog::abandonEditing()
{
    const std::string name = trimmedText(&get<forms::TextBox>("T1", 0));
    if (m_editingTeam && name == m_editedTeamName)
        m_editingTeam = false;
    const bool flagged = m_addingTeam || m_editingTeam;
    if (flagged && !name.empty() && !confirm("是否不保存球队：" + name + " 的信息？"))
        return;
    setShown("nosave", false);
    setNewEditCaption("新增");
    setEnabled("newadd", true);
    if (!flagged) {
        setEnabled("commsave", false);
        setEnabled("delball", false);
    }
    m_addingTeam = m_editingTeam = false;
    commdEandNO();
}

// --- players ---

void TeamsDialog::addPlayer()
{
    auto* numberBox = &get<forms::ComboBox>("comadd");
    auto* nameBox = &get<forms::TextBox>("Text1", 2);
    auto* roster = &get<forms::ListView>("L1");
    if (!numberBox || !nameBox || !roster)
        return;
    // Blanks around a number would not read back from the file.
    const std::string number = sys::trimText(numberBox->text());
    const std::string name = trimmedText(nameBox);
    if (name.empty()) {
        tell("队员姓名不能为空！", "提示");
        focus("Text1", 2);
        return;
    }
    if (const std::string problem = rosterTextProblem(name, RosterField::PlayerName); !problem.empty()) {
        tell(problem, "提示");
        focus("Text1", 2);
        return;
    }
    if (const std::string problem = rosterTextProblem(number, RosterField::Number); !problem.empty()) {
        tell(problem, "提示");
        focus("comadd");
        return;
    }
    for (int i = 1; i <= roster->listItems().count(); ++i) {
        if (roster->listItems().item(i)->text() == name) {
            tell("用户" + name + "已经存在！", "");
            focus("Text1", 2);
            return;
        }
    }
    for (int i = 1; i <= roster->listItems().count(); ++i) {
        if (roster->listItems().item(i)->subItem(1) == number) {
            tell("号码" + number + "已经存在！", "");
            focus("comadd");
            return;
        }
    }
    roster->listItems().add(name).setSubItem(1, number);
    nameBox->setText("");
    focus("Text1", 2);
    numberBox->setText("0");
    showPlayerCount();
}

void TeamsDialog::deletePlayer()
{
    auto* roster = &get<forms::ListView>("L1");
    if (!roster)
        return;
    if (forms::ListItem* selected = roster->selectedItem())
        roster->listItems().remove(selected->index());
    setEnabled("delcomm", roster->listItems().count() > 0);
    showPlayerCount();
}

void TeamsDialog::playerClicked()
{
    auto* roster = &get<forms::ListView>("L1");
    if ((m_addingTeam || m_editingTeam) && roster && roster->listItems().count() > 0)
        setEnabled("delcomm", true);
}

void TeamsDialog::showPlayerCount()
{
    auto* roster = &get<forms::ListView>("L1");
    if (auto* count = &get<forms::Label>("alltxt"))
        count->setCaption("总数: " + std::to_string(roster ? roster->listItems().count() : 0) + " 人");
}

// --- saving and deleting team files ---

scoreboard::TeamRoster TeamsDialog::editedRoster() const
{
    scoreboard::TeamRoster team;
    team.coach = trimmedText(&get<forms::TextBox>("Text1", 0));
    team.leader = trimmedText(&get<forms::TextBox>("Text1", 1));
    if (auto* roster = &get<forms::ListView>("L1"))
        for (int i = 1; i <= roster->listItems().count(); ++i)
            team.players.push_back({roster->listItems().item(i)->text(), roster->listItems().item(i)->subItem(1)});
    return team;
}

void TeamsDialog::saveTeam()
{
    const std::string name = trimmedText(&get<forms::TextBox>("T1", 0));
    if (const std::string problem = teamNameProblem(name); !problem.empty()) {
        tell(problem, "提示");
        focus("T1", 0);
        return;
    }
    const scoreboard::TeamRoster team = editedRoster();
    const std::pair<const std::string*, RosterField> staff[] = {{&team.coach, RosterField::Coach}, {&team.leader, RosterField::Leader}};
    for (int i = 0; i < 2; ++i) {
        if (const std::string problem = rosterTextProblem(*staff[i].first, staff[i].second); !problem.empty()) {
            tell(problem, "提示");
            focus("Text1", i);
            return;
        }
    }
    const bool renamed = m_editingTeam && name != m_editedTeamName;
    // Another team's file is replaced only when the operator says so.
    if ((m_addingTeam || renamed) && sys::fileExists(teamFile(name))
        && !confirm("球队: " + name + " 已经存在，是否替换它的配置文件？"))
        return;
    // The new file is written before the old one of a renamed team goes, so a failed write
    // loses nothing; the editor then stays open with the roster.
    if (!writeTeamFile(name, team)) {
        tell("球队: " + name + " 的配置文件无法保存！", "错误提示", true);
        return;
    }
    if (renamed) {
        sys::deleteFile(teamFile(m_editedTeamName));
        followMatchTeam(m_editedTeamName, name);
        m_editingTeam = false;
        setNewEditCaption("新增");
        setEnabled("newadd", true);
        setEnabled("delball", false);
    }
    onballlist();
    commdEandNO();
    setNewEditCaption("新增");
    setEnabled("newadd", true);
    m_addingTeam = m_editingTeam = false;
    setShown("nosave", false);
}

void TeamsDialog::deleteTeam()
{
    auto* list = &get<forms::ListBox>("balllist");
    if (!list || list->listIndex() < 0)
        return;
    const std::string name = list->list(list->listIndex());
    const std::filesystem::path file = teamFile(name);
    if (!sys::fileExists(file) || !confirm("是否要删除球队: " + name + " 的配置文件？"))
        return;
    sys::deleteFile(file);
    followMatchTeam(name, "");
    setNewEditCaption("新增");
    setEnabled("newadd", true);
    setEnabled("commsave", false);
    setShown("nosave", false);
    setEnabled("delball", false);
    commdEandNO();
    onballlist();
}

} // namespace dialogs
