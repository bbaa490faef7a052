#pragma once
#include "dialogs/setup_dialog_form.h"

#include "platform/forms/control_array.h"
#include "platform/system/date_time.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plat::forms {
class ComboBox;
class CommonDialog;
class Label;
class ListBox;
}
namespace qel {
class qelCommand;
class qelOptionButton;
class qelTextBox;
}

namespace dialogs {

// The controls of `m1` the dialog uses, bound once when it loads.
struct TitleDialogControls {
    plat::forms::ControlArray<plat::forms::Label> colab; // 0 the title's colour, 1 its shadow's
    qel::qelTextBox& v1;
    plat::forms::ListBox& zailist;
    std::array<plat::forms::ComboBox*, 3> Cmmb; // Cmmb1 to Cmmb3, the referees on duty
    plat::forms::ControlArray<qel::qelOptionButton> vbo; // 0 to 2: one to three referees
    qel::qelCommand& del1;
    plat::forms::Label& lname;
    qel::qelCommand& com1;
    qel::qelTextBox& zt1;
    qel::qelCommand& addc;
    qel::qelCommand& ok;
    qel::qelCommand& qelCommand2;
    plat::forms::CommonDialog& Color1;
    plat::forms::ControlArray<plat::forms::Label> L1; // 0 and 1 the first two rows, 5 the count
};

// Binds them on a loaded `m1`: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
TitleDialogControls bindTitleDialogControls(const plat::forms::Form& dialog);

// The title and referees dialog `m1` ("比赛主题设置"): the match title and its two colours
// (text and shadow of the board's `titxt` labels), the list of known referees kept in
// date\zailistname.db, the three referees on duty and how many of them the board shows.
// Everything is a copy until "应用" writes the match state, the title colours and the list file,
// and shows the title and the referees on the board; "取消" and the close box keep nothing, not
// even names added to or deleted from the list.
class TitleDialog : public SetupDialogForm {
public:
    // The year of the default title comes from `dates` (the system's clock when null).
    explicit TitleDialog(const plat::sys::DateSource* dates = nullptr);

    // A title stops taking characters once it is wider than this (in half-width units), so a
    // title of double-byte characters ends at 12 of them.
    static constexpr int16_t kTitleWidthLimit = 23;
    // The swatches' colours after "默认": the board's designed title and shadow colours.
    static constexpr uint32_t kDefaultTitleColor = 0xFFFF00;
    static constexpr uint32_t kDefaultShadowColor = 0x404000;
    // The row captions the referee count sets.
    static constexpr uint32_t kChiefColor = 0x0000FF;
    static constexpr uint32_t kAssistantColor = 0x30AB48;

protected:
    void loadDialog() override;

private:
    void connectEvents();
    void titleKeyPress(int& keyAscii);
    void pickColor(int index);
    void defaultColors();
    void addReferee();
    void listClicked();
    void deleteReferee();
    // The captions of the first two referee rows for the count chosen with option `index`.
    void showRowRoles(int index);
    void apply();
    void showCount();

    plat::sys::SystemDateSource m_systemDates;
    const plat::sys::DateSource* m_dates;
    std::optional<TitleDialogControls> m_bound;
};

// Opens `m1` modally over the scoreboard.
void showTitleDialog();

} // namespace dialogs
