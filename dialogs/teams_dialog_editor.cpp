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

std::string trimmedText(const forms::TextBox& box) { return sys::trimText(box.text()); }

} // namespace

// --- editor states ---

void TeamsDialog::commdEandYES()
{
    const TeamsDialogControls& c = *m_bound;
    c.addcomm.setEnabled(true);
    for (int i = -1; i < kStaffBoxes; ++i) {
        forms::TextBox& box = i < 0 ? c.T1 : c.Text1[i];
        box.setEnabled(true);
        box.setText("");
    }
    c.comadd.setEnabled(true);
    c.delball.setEnabled(false);
    c.delcomm.setEnabled(false);
    c.L1.listItems().clear();
    showPlayerCount();
}

void TeamsDialog::commdEandNO()
{
    const TeamsDialogControls& c = *m_bound;
    c.commsave.setEnabled(false);
    for (int i = -1; i < kStaffBoxes; ++i) {
        forms::TextBox& box = i < 0 ? c.T1 : c.Text1[i];
        box.setEnabled(false);
        box.setText("");
    }
    c.comadd.setEnabled(false);
    c.addcomm.setEnabled(false);
    c.delcomm.setEnabled(false);
    c.L1.listItems().clear();
    showPlayerCount();
}

void TeamsDialog::commdeidtYES()
{
    const TeamsDialogControls& c = *m_bound;
    c.addcomm.setEnabled(true);
    c.T1.setEnabled(true);
    for (int i = 0; i < kStaffBoxes; ++i)
        c.Text1[i].setEnabled(true);
    c.comadd.setEnabled(true);
}

void TeamsDialog::balllisteidt()
{
    setNewEditCaption("编辑");
    m_bound->nosave.setEnabled(true);
    m_bound->delball.setEnabled(true);
}

// --- picking a team ---

void TeamsDialog::teamPicked()
{
    if (m_addingTeam || m_editingTeam)
        return;
    const TeamsDialogControls& c = *m_bound;
    forms::ListBox& list = c.balllist;
    if (list.listCount() == 0) {
        m_pickedTeamFile.clear();
        return;
    }
    const int index = list.listIndex();
    if (index < 0)
        return;
    const std::string name = list.list(index);
    m_pickedTeamFile = teamFilePath(name);
    if (!sys::fileExists(m_pickedTeamFile)) {
        list.removeItem(index);
        for (forms::ComboBox* combo : {&c.Combo1, &c.Combo2})
            if (combo->list(index) == name)
                combo->removeItem(index);
        showTeamCount();
        tell("球队: " + name + " 的配置文件不存在！", "错误提示", true);
        return;
    }
    m_editedTeamName = name;
    onballfile();
    c.nosave.setVisible(true);
    balllisteidt();
}

void TeamsDialog::onballfile()
{
    const TeamsDialogControls& c = *m_bound;
    c.L1.listItems().clear();
    for (int i = 0; i < kStaffBoxes; ++i)
        c.Text1[i].setText("");
    c.T1.setText(m_editedTeamName);
    const scoreboard::TeamRoster team = scoreboard::readTeamRoster(m_pickedTeamFile);
    c.Text1[0].setText(team.coach);
    c.Text1[1].setText(team.leader);
    for (const scoreboard::RosterPlayer& player : team.players)
        c.L1.listItems().add(player.name).setSubItem(1, player.number);
    showPlayerCount();
}

void TeamsDialog::nameChanged()
{
    if (m_cuttingName)
        return;
    forms::TextBox& box = m_bound->T1;
    std::string name = box.text();
    if (scoreboard::TextWidthUnits(name) <= kNameWidthLimit)
        return;
    while (!name.empty() && scoreboard::TextWidthUnits(name) > kNameWidthLimit)
        name = sys::leftText(name, sys::textLength(name) - 1);
    m_cuttingName = true;
    box.setText(name);
    box.setSelStart(int(sys::textLength(name)));
    m_cuttingName = false;
}

// --- new, edit, abandon ---

void TeamsDialog::newOrEdit()
{
    const TeamsDialogControls& c = *m_bound;
    if (c.newadd.Caption() == "新增") {
        c.nosave.setVisible(true);
        m_addingTeam = true;
        c.newadd.setEnabled(false);
        commdEandYES();
        c.commsave.setEnabled(true);
        c.delball.setEnabled(false);
        c.T1.setFocus();
    } else if (c.newadd.Caption() == "编辑") {
        m_editingTeam = true;
        c.newadd.setEnabled(false);
        commdeidtYES();
        c.commsave.setEnabled(true);
        c.nosave.setVisible(true);
        c.delball.setEnabled(false);
        c.T1.setFocus();
    }
}

void TeamsDialog::abandonEditing()
{
    const TeamsDialogControls& c = *m_bound;
    const std::string name = trimmedText(c.T1);
    if (m_editingTeam && name == m_editedTeamName)
        m_editingTeam = false;
    const bool flagged = m_addingTeam || m_editingTeam;
    if (flagged && !name.empty() && !confirm("是否不保存球队：" + name + " 的信息？"))
        return;
    c.nosave.setVisible(false);
    setNewEditCaption("新增");
    c.newadd.setEnabled(true);
    if (!flagged) {
        c.commsave.setEnabled(false);
        c.delball.setEnabled(false);
    }
    m_addingTeam = m_editingTeam = false;
    commdEandNO();
}

// --- players ---

void TeamsDialog::addPlayer()
{
    const TeamsDialogControls& c = *m_bound;
    forms::ComboBox& numberBox = c.comadd;
    forms::TextBox& nameBox = c.Text1[2];
    forms::ListView& roster = c.L1;
    // Blanks around a number would not read back from the file.
    const std::string number = sys::trimText(numberBox.text());
    const std::string name = trimmedText(nameBox);
    if (name.empty()) {
        tell("队员姓名不能为空！", "提示");
        nameBox.setFocus();
        return;
    }
    if (const std::string problem = rosterTextProblem(name, RosterField::PlayerName); !problem.empty()) {
        tell(problem, "提示");
        nameBox.setFocus();
        return;
    }
    if (const std::string problem = rosterTextProblem(number, RosterField::Number); !problem.empty()) {
        tell(problem, "提示");
        numberBox.setFocus();
        return;
    }
    for (int i = 1; i <= roster.listItems().count(); ++i) {
        if (roster.listItems().item(i)->text() == name) {
            tell("用户" + name + "已经存在！", "");
            nameBox.setFocus();
            return;
        }
    }
    for (int i = 1; i <= roster.listItems().count(); ++i) {
        if (roster.listItems().item(i)->subItem(1) == number) {
            tell("号码" + number + "已经存在！", "");
            numberBox.setFocus();
            return;
        }
    }
    roster.listItems().add(name).setSubItem(1, number);
    nameBox.setText("");
    nameBox.setFocus();
    numberBox.setText("0");
    showPlayerCount();
}

void TeamsDialog::deletePlayer()
{
    forms::ListView& roster = m_bound->L1;
    if (forms::ListItem* selected = roster.selectedItem())
        roster.listItems().remove(selected->index());
    m_bound->delcomm.setEnabled(roster.listItems().count() > 0);
    showPlayerCount();
}

void TeamsDialog::playerClicked()
{
    if ((m_addingTeam || m_editingTeam) && m_bound->L1.listItems().count() > 0)
        m_bound->delcomm.setEnabled(true);
}

void TeamsDialog::showPlayerCount()
{
    m_bound->alltxt.setCaption("总数: " + std::to_string(m_bound->L1.listItems().count()) + " 人");
}

// --- saving and deleting team files ---

scoreboard::TeamRoster TeamsDialog::editedRoster() const
{
    const TeamsDialogControls& c = *m_bound;
    scoreboard::TeamRoster team;
    team.coach = trimmedText(c.Text1[0]);
    team.leader = trimmedText(c.Text1[1]);
    for (int i = 1; i <= c.L1.listItems().count(); ++i)
        team.players.push_back({c.L1.listItems().item(i)->text(), c.L1.listItems().item(i)->subItem(1)});
    return team;
}

void TeamsDialog::saveTeam()
{
    const TeamsDialogControls& c = *m_bound;
    const std::string name = trimmedText(c.T1);
    if (const std::string problem = teamNameProblem(name); !problem.empty()) {
        tell(problem, "提示");
        c.T1.setFocus();
        return;
    }
    const scoreboard::TeamRoster team = editedRoster();
    const std::pair<const std::string*, RosterField> staff[] = {{&team.coach, RosterField::Coach}, {&team.leader, RosterField::Leader}};
    for (int i = 0; i < 2; ++i) {
        if (const std::string problem = rosterTextProblem(*staff[i].first, staff[i].second); !problem.empty()) {
            tell(problem, "提示");
            c.Text1[i].setFocus();
            return;
        }
    }
    const bool renamed = m_editingTeam && name != m_editedTeamName;
    // Another team's file is replaced only when the operator says so.
    if ((m_addingTeam || renamed) && sys::fileExists(teamFilePath(name))
        && !confirm("球队: " + name + " 已经存在，是否替换它的配置文件？"))
        return;
    // The new file is written before the old one of a renamed team goes, so a failed write
    // loses nothing; the editor then stays open with the roster.
    if (!(renamed ? renameTeamFile(m_editedTeamName, name, team) : writeTeamFile(name, team))) {
        tell("球队: " + name + " 的配置文件无法保存！", "错误提示", true);
        return;
    }
    if (renamed) {
        followMatchTeam(m_editedTeamName, name);
        m_editingTeam = false;
        setNewEditCaption("新增");
        c.newadd.setEnabled(true);
        c.delball.setEnabled(false);
    }
    onballlist();
    commdEandNO();
    setNewEditCaption("新增");
    c.newadd.setEnabled(true);
    m_addingTeam = m_editingTeam = false;
    c.nosave.setVisible(false);
}

void TeamsDialog::deleteTeam()
{
    const TeamsDialogControls& c = *m_bound;
    forms::ListBox& list = c.balllist;
    if (list.listIndex() < 0)
        return;
    const std::string name = list.list(list.listIndex());
    const std::filesystem::path file = teamFilePath(name);
    if (!sys::fileExists(file) || !confirm("是否要删除球队: " + name + " 的配置文件？"))
        return;
    sys::deleteFile(file);
    followMatchTeam(name, "");
    setNewEditCaption("新增");
    c.newadd.setEnabled(true);
    c.commsave.setEnabled(false);
    c.nosave.setVisible(false);
    c.delball.setEnabled(false);
    commdEandNO();
    onballlist();
}

} // namespace dialogs
