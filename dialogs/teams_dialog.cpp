#include "dialogs/teams_dialog.h"
#include "dialogs/swatch_color.h"
#include "dialogs/team_files.h"

#include "scoreboard/board_form.h"
#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"
#include "scoreboard/roster_loader.h"

#include "controls/core/qel_check.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/common_dialog.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/list_view.h"
#include "platform/forms/text_box.h"
#include "platform/forms/message_box.h"
#include "platform/forms/timer.h"

#include <vector>

namespace dialogs {

namespace forms = plat::forms;
using scoreboard::boardControls;
using scoreboard::user;

namespace {

// The board's team-name label of each swatch: team A's name and shadow, team B's name and shadow.
constexpr int kSwatchLabel[4] = {0, 2, 1, 3};
constexpr int kSwatches = 4;

qel::qelLabel* nameLabel(int swatch)
{
    const scoreboard::BoardControls* board = boardControls();
    return board ? &board->ballname[kSwatchLabel[swatch]] : nullptr;
}

} // namespace

TeamsDialog::TeamsDialog()
    : SetupDialogForm("m3")
{
}

void TeamsDialog::loadDialog()
{
    m_teamsFolder = dialogs::teamsFolder();
    onballlist();
    if (auto* label = nameLabel(0); label && &get<forms::ComboBox>("Combo1"))
        get<forms::ComboBox>("Combo1").setForeColor(label->ForeColor());
    if (auto* label = nameLabel(2); label && &get<forms::ComboBox>("Combo2"))
        get<forms::ComboBox>("Combo2").setForeColor(label->ForeColor());
    for (int i = 0; i < kSwatches; ++i)
        if (auto* swatch = &get<forms::Label>("colab", i); swatch && nameLabel(i))
            swatch->setBackColor(nameLabel(i)->ForeColor());
    auto& number = get<forms::ComboBox>("comadd");
    number.clear();
    for (int n = 0; n <= kHighestNumber; ++n)
        number.addItem(std::to_string(n));
    number.setText("0");
    if (const scoreboard::BoardControls* board = boardControls(); board && board->ballnameframe[0].visible())
        get<qel::qelCheck>("chk1").setValue(1);
    commdEandNO();
    setNewEditCaption("新增");
    setEnabled("delball", false);
    setShown("nosave", false);
    connectEvents();
}

void TeamsDialog::connectEvents()
{
    if (auto* list = &get<forms::ListBox>("balllist"))
        list->onClick = [this] { teamPicked(); };
    if (auto* name = &get<forms::TextBox>("T1", 0))
        name->onChange = [this] { nameChanged(); };
    const std::pair<const char*, void (TeamsDialog::*)()> buttons[] = {
        {"newadd", &TeamsDialog::newOrEdit},
        {"addcomm", &TeamsDialog::addPlayer},
        {"delcomm", &TeamsDialog::deletePlayer},
        {"commsave", &TeamsDialog::saveTeam},
        {"nosave", &TeamsDialog::abandonEditing},
        {"delball", &TeamsDialog::deleteTeam},
        {"com1", &TeamsDialog::defaultColors},
        {"OKcommand", &TeamsDialog::apply},
    };
    for (const auto& [name, handler] : buttons)
        if (auto* button = &get<qel::qelCommand>(name))
            button->Click = [this, handler = handler] { (this->*handler)(); };
    if (auto* cancel = &get<qel::qelCommand>("qelCommand2"))
        cancel->Click = [this] { unload(); };
    if (auto* roster = &get<forms::ListView>("L1"))
        roster->onItemClick = [this](forms::ListItem&) { playerClicked(); };
    for (int i = 0; i < kSwatches; ++i)
        if (auto* swatch = &get<forms::Label>("colab", i))
            swatch->onClick = [this, i] { pickColor(i); };
}

void TeamsDialog::setEnabled(std::string_view name, bool on, int index) const
{
    (index < 0 ? get<forms::Control>(name) : get<forms::Control>(name, index)).setEnabled(on);
}

void TeamsDialog::setShown(std::string_view name, bool on) const
{
    get<forms::Control>(name).setVisible(on);
}

void TeamsDialog::setNewEditCaption(const std::string& caption) const
{
    get<qel::qelCommand>("newadd").setCaption(caption);
}

void TeamsDialog::focus(std::string_view name, int index) const
{
    (index < 0 ? get<forms::Control>(name) : get<forms::Control>(name, index)).setFocus();
}

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
    const std::vector<std::string> teams = listTeams();
    auto& list = get<forms::ListBox>("balllist");
    list.clear();
    for (const std::string& team : teams)
        list.addItem(team);
    for (const char* name : {"Combo1", "Combo2"}) {
        auto* combo = &get<forms::ComboBox>(name);
        if (!combo)
            continue;
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
    auto* list = &get<forms::ListBox>("balllist");
    get<forms::Label>("ballnum").setCaption("总数: " + std::to_string(list ? list->listCount() : 0) + " 队");
}

void TeamsDialog::pickColor(int index)
{
    auto& picker = get<forms::CommonDialog>("Color1");
    if (!pickSwatchColor(get<forms::Label>("colab", index), picker))
        return;
    if (index == 0 || index == 2)
        get<forms::ComboBox>(index == 0 ? "Combo1" : "Combo2").setForeColor(picker.color());
}

void TeamsDialog::defaultColors()
{
    for (int i = 0; i < kSwatches; ++i)
        get<forms::Label>("colab", i).setBackColor(i % 2 == 0 ? kDefaultNameColor : kDefaultShadowColor);
    for (const char* name : {"Combo1", "Combo2"})
        get<forms::ComboBox>(name).setForeColor(kDefaultNameColor);
}

void TeamsDialog::apply()
{
    auto* show = &get<qel::qelCheck>("chk1");
    const bool rosters = show && show->Value() == 1;
    if (const scoreboard::BoardControls* board = boardControls())
        for (int side = 0; side < 2; ++side)
            board->ballnameframe[side].setVisible(rosters);
    for (int i = 0; i < kSwatches; ++i)
        if (auto* swatch = &get<forms::Label>("colab", i); swatch && nameLabel(i))
            nameLabel(i)->setForeColor(swatch->backColor());

    auto* teamA = &get<forms::ComboBox>("Combo1");
    auto* teamB = &get<forms::ComboBox>("Combo2");
    if (!teamA || !teamB || teamA->text().empty() || teamB->text().empty()) {
        tell("比赛的球队名称不能为空，请重新选择需要比赛的两个球队!", "提示", true);
        return;
    }
    user().teamNameA = teamA->text();
    user().teamNameB = teamB->text();
    scoreboard::ShowTeamNames();
    if (const scoreboard::BoardControls* board = boardControls())
        board->Timer12.setEnabled(true);
    unload();
}

void TeamsDialog::followMatchTeam(const std::string& oldName, const std::string& newName)
{
    for (const char* name : {"Combo1", "Combo2"})
        if (auto* combo = &get<forms::ComboBox>(name); combo && combo->text() == oldName)
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
