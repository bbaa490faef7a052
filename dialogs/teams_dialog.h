#pragma once
#include "dialogs/setup_dialog_form.h"

#include "scoreboard/roster_loader.h"

#include "platform/forms/control_array.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace plat::forms {
class ComboBox;
class CommonDialog;
class Label;
class ListBox;
class ListView;
class TextBox;
}
namespace qel {
class qelCheck;
class qelCommand;
}

namespace dialogs {

// The controls of `m3` the dialog uses, bound once when it loads.
struct TeamsDialogControls {
    // The list of teams and the roster editor.
    plat::forms::ListBox& balllist;
    plat::forms::Label& ballnum;
    qel::qelCommand& newadd;
    qel::qelCommand& nosave;
    qel::qelCommand& delball;
    qel::qelCommand& commsave;
    plat::forms::TextBox& T1; // T1(0), the team's name
    plat::forms::ControlArray<plat::forms::TextBox> Text1; // 0 coach, 1 leader, 2 a player's name
    plat::forms::ComboBox& comadd;
    qel::qelCommand& addcomm;
    qel::qelCommand& delcomm;
    plat::forms::ListView& L1;
    plat::forms::Label& alltxt;
    // The match teams.
    plat::forms::ComboBox& Combo1;
    plat::forms::ComboBox& Combo2;
    plat::forms::ControlArray<plat::forms::Label> colab; // A's name, A's shadow, B's name, B's shadow
    qel::qelCommand& com1;
    plat::forms::CommonDialog& Color1;
    qel::qelCheck& chk1;
    qel::qelCommand& OKcommand;
    qel::qelCommand& qelCommand2;
};

// Binds them on a loaded `m3`: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
TeamsDialogControls bindTeamsDialogControls(const plat::forms::Form& dialog);

// The teams dialog `m3` ("球队名称设置"). Its left side keeps the rosters, one team file a team
// in binlist: the list of teams, and an editor for a new team or the picked one (name, coach,
// leader, players with their shirt numbers) that writes the team's file on its own "保存". Its
// right side chooses team A (left on the board) and team B, the text and shadow colour of each
// name, and whether the board shows both rosters; "应用" carries those to the board, shows the
// names and has the board reload the rosters two seconds later. "取消" keeps nothing of the right
// side; files saved meanwhile stay saved.
class TeamsDialog : public SetupDialogForm {
public:
    TeamsDialog();

    // A team name takes at most this many half-width units: 6 double-byte characters or 12
    // single-byte ones.
    static constexpr int16_t kNameWidthLimit = 12;
    static constexpr int kHighestNumber = 100; // the number box lists "0" to "100"
    // The swatches after "默认颜色": white names with dark green shadows.
    static constexpr uint32_t kDefaultNameColor = 0xFFFFFF;
    static constexpr uint32_t kDefaultShadowColor = 0x004000;

    // --- the form's state, for tests ---
    const std::filesystem::path& teamsFolder() const { return m_teamsFolder; }
    const std::filesystem::path& pickedTeamFile() const { return m_pickedTeamFile; }
    const std::string& editedTeamName() const { return m_editedTeamName; }
    bool addingTeam() const { return m_addingTeam; }
    bool editingTeam() const { return m_editingTeam; }

protected:
    void loadDialog() override;

private:
    void connectEvents();
    void setNewEditCaption(const std::string& caption) const;
    // A message box with OK (information or error icon), and one with OK and Cancel: true for OK.
    void tell(const std::string& text, const std::string& title, bool error = false) const;
    bool confirm(const std::string& text) const;

    // --- the list of teams and the match teams (teams_dialog.cpp) ---
    // The list of teams and the two match-team lists from binlist.
    void onballlist();
    void pickColor(int index);
    void defaultColors();
    void apply();
    // A match team whose file was renamed or deleted follows it: the match, the board and the
    // match-team lists take the new name, or no team (an empty name) for a deleted one.
    void followMatchTeam(const std::string& oldName, const std::string& newName);

    // --- the roster editor (teams_dialog_editor.cpp) ---
    // Editor open for a new team: boxes enabled and emptied, the roster emptied.
    void commdEandYES();
    // Editor closed: boxes disabled and emptied, the roster emptied.
    void commdEandNO();
    // Editor open on the loaded team, contents kept.
    void commdeidtYES();
    // A team is picked: "编辑", "取消" and "删除" of the team available.
    void balllisteidt();
    // The picked team's file into the editor.
    void onballfile();
    void teamPicked();
    void nameChanged();
    void newOrEdit();
    void addPlayer();
    void deletePlayer();
    void playerClicked();
    void saveTeam();
    void abandonEditing();
    void deleteTeam();
    void showPlayerCount();
    void showTeamCount();
    scoreboard::TeamRoster editedRoster() const;

    std::filesystem::path m_teamsFolder;
    std::filesystem::path m_pickedTeamFile;
    std::string m_editedTeamName;
    bool m_addingTeam = false;
    bool m_editingTeam = false;
    bool m_cuttingName = false;
    std::optional<TeamsDialogControls> m_bound;
};

// Opens `m3` modally over the scoreboard.
void showTeamsDialog();

} // namespace dialogs
