#pragma once
#include "dialogs/setup_dialog_form.h"

#include "platform/system/date_time.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dialogs {

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
};

// Opens `m1` modally over the scoreboard.
void showTitleDialog();

} // namespace dialogs
