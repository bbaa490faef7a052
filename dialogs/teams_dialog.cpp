#include "dialogs/teams_dialog.h"
#include "dialogs/swatch_color.h"
#include "dialogs/team_files.h"

#include "scoreboard/control_binding.h"
#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"
#include "scoreboard/roster_loader.h"
#include "scoreboard/scoreboard_view.h"

#include "controls/core/qel_check.h"
#include "controls/core/qel_command.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/common_dialog.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/list_view.h"
#include "platform/forms/text_box.h"
#include "platform/forms/message_box.h"

#include <vector>

namespace dialogs {

namespace forms = plat::forms;
using scoreboard::user;

namespace {

// A swatch for each of the board's team-name colours: team A's name and shadow, team B's name and
// shadow.
constexpr int kSwatches = std::tuple_size_v<scoreboard::TeamNameColors>;

} // namespace

TeamsDialogControls bindTeamsDialogControls(const forms::Form& dialog)
{
    return TeamsDialogControls{
        .balllist = dialog.get<forms::ListBox>("balllist"),
        .ballnum = dialog.get<forms::Label>("ballnum"),
        .newadd = dialog.get<qel::qelCommand>("newadd"),
        .nosave = dialog.get<qel::qelCommand>("nosave"),
        .delball = dialog.get<qel::qelCommand>("delball"),
        .commsave = dialog.get<qel::qelCommand>("commsave"),
        .T1 = dialog.get<forms::TextBox>("T1", 0),
        .Text1 = scoreboard::bindItems<forms::TextBox>(dialog, "Text1", 0, 2),
        .comadd = dialog.get<forms::ComboBox>("comadd"),
        .addcomm = dialog.get<qel::qelCommand>("addcomm"),
        .delcomm = dialog.get<qel::qelCommand>("delcomm"),
        .L1 = dialog.get<forms::ListView>("L1"),
        .alltxt = dialog.get<forms::Label>("alltxt"),
        .Combo1 = dialog.get<forms::ComboBox>("Combo1"),
        .Combo2 = dialog.get<forms::ComboBox>("Combo2"),
        .colab = scoreboard::bindItems<forms::Label>(dialog, "colab", 0, kSwatches - 1),
        .com1 = dialog.get<qel::qelCommand>("com1"),
        .Color1 = dialog.get<forms::CommonDialog>("Color1"),
        .chk1 = dialog.get<qel::qelCheck>("chk1"),
        .OKcommand = dialog.get<qel::qelCommand>("OKcommand"),
        .qelCommand2 = dialog.get<qel::qelCommand>("qelCommand2"),
    };
}

TeamsDialog::TeamsDialog()
    : SetupDialogForm("m3")
{
}

void TeamsDialog::loadDialog()
{
    const TeamsDialogControls& c = m_bound.emplace(bindTeamsDialogControls(*this));
    m_teamsFolder = dialogs::teamsFolder();
    onballlist();
    const scoreboard::ScoreboardView* board = scoreboard::scoreboardView();
    if (board) {
        const scoreboard::TeamNameColors colors = board->teamNameColors();
        c.Combo1.setForeColor(colors[0]);
        c.Combo2.setForeColor(colors[2]);
        for (int i = 0; i < kSwatches; ++i)
            c.colab[i].setBackColor(colors[i]);
    }
    forms::ComboBox& number = c.comadd;
    number.clear();
    for (int n = 0; n <= kHighestNumber; ++n)
        number.addItem(std::to_string(n));
    number.setText("0");
    if (board && board->rostersShown())
        c.chk1.setValue(1);
    commdEandNO();
    setNewEditCaption("新增");
    c.delball.setEnabled(false);
    c.nosave.setVisible(false);
    connectEvents();
}

void TeamsDialog::connectEvents()
{
    const TeamsDialogControls& c = *m_bound;
    c.balllist.onClick = [this] { teamPicked(); };
    c.T1.onChange = [this] { nameChanged(); };
    const std::pair<qel::qelCommand*, void (TeamsDialog::*)()> buttons[] = {
        {&c.newadd, &TeamsDialog::newOrEdit},
        {&c.addcomm, &TeamsDialog::addPlayer},
        {&c.delcomm, &TeamsDialog::deletePlayer},
        {&c.commsave, &TeamsDialog::saveTeam},
        {&c.nosave, &TeamsDialog::abandonEditing},
        {&c.delball, &TeamsDialog::deleteTeam},
        {&c.com1, &TeamsDialog::defaultColors},
        {&c.OKcommand, &TeamsDialog::apply},
    };
    for (const auto& [button, handler] : buttons)
        button->Click = [this, handler = handler] { (this->*handler)(); };
    c.qelCommand2.Click = [this] { unload(); };
    c.L1.onItemClick = [this](forms::ListItem&) { playerClicked(); };
    for (int i = 0; i < kSwatches; ++i)
        c.colab[i].onClick = [this, i] { pickColor(i); };
}

void TeamsDialog::setNewEditCaption(const std::string& caption) const { m_bound->newadd.setCaption(caption); }

void TeamsDialog::tell(const std::string& text, const std::string& title, bool error) const
{
    forms::msgBox(text, forms::vbOKOnly | (error ? forms::vbCritical : forms::vbInformation), title);
}

bool TeamsDialog::confirm(const std::string& text) const
{
    return forms::msgBox(text, forms::vbOKCancel | forms::vbQuestion, "提示") == forms::vbOK;
}

void TeamsDialog::onballlist()
{
    const TeamsDialogControls& c = *m_bound;
    const std::vector<std::string> teams = listTeams();
    c.balllist.clear();
    for (const std::string& team : teams)
        c.balllist.addItem(team);
    for (forms::ComboBox* combo : {&c.Combo1, &c.Combo2}) {
        // A choice made before a save or a deletion stays while its team is still there.
        const std::string chosen = combo->text();
        combo->clear();
        for (const std::string& team : teams)
            combo->addItem(team);
        if (teams.size() == 1)
            combo->setListIndex(0);
        else if (!chosen.empty())
            combo->setText(chosen);
    }
    showTeamCount();
}

void TeamsDialog::showTeamCount()
{
    m_bound->ballnum.setCaption("总数: " + std::to_string(m_bound->balllist.listCount()) + " 队");
}

void TeamsDialog::pickColor(int index)
{
    const TeamsDialogControls& c = *m_bound;
    if (!pickSwatchColor(c.colab[index], c.Color1))
        return;
    if (index == 0 || index == 2)
        (index == 0 ? c.Combo1 : c.Combo2).setForeColor(c.Color1.color());
}

void TeamsDialog::defaultColors()
{
    const TeamsDialogControls& c = *m_bound;
    for (int i = 0; i < kSwatches; ++i)
        c.colab[i].setBackColor(i % 2 == 0 ? kDefaultNameColor : kDefaultShadowColor);
    for (forms::ComboBox* combo : {&c.Combo1, &c.Combo2})
        combo->setForeColor(kDefaultNameColor);
}

void TeamsDialog::apply()
{
    const TeamsDialogControls& c = *m_bound;
    scoreboard::ScoreboardView* board = scoreboard::scoreboardView();
    if (board) {
        board->showRosters(c.chk1.Value() == 1);
        scoreboard::TeamNameColors colors{};
        for (int i = 0; i < kSwatches; ++i)
            colors[size_t(i)] = c.colab[i].backColor();
        board->setTeamNameColors(colors);
    }

    if (c.Combo1.text().empty() || c.Combo2.text().empty()) {
        tell("比赛的球队名称不能为空，请重新选择需要比赛的两个球队!", "提示", true);
        return;
    }
    user().teamNameA = c.Combo1.text();
    user().teamNameB = c.Combo2.text();
    scoreboard::ShowTeamNames();
    if (board)
        board->reloadRostersSoon();
    unload();
}

void TeamsDialog::followMatchTeam(const std::string& oldName, const std::string& newName)
{
    for (forms::ComboBox* combo : {&m_bound->Combo1, &m_bound->Combo2})
        if (combo->text() == oldName)
            combo->setText(newName);
    scoreboard::MatchState& s = user();
    bool followed = false;
    for (std::string* team : {&s.teamNameA, &s.teamNameB}) {
        if (*team == oldName) {
            *team = newName;
            followed = true;
        }
    }
    if (!followed)
        return;
    scoreboard::ShowTeamNames();
    // The board's roster goes with the name, before its next reload could make an empty file
    // of the old one.
    scoreboard::LoadRosters();
}

void showTeamsDialog()
{
    TeamsDialog dialog;
    dialog.showModal();
}

} // namespace dialogs
