#include "dialogs/title_dialog.h"
#include "dialogs/referee_list_file.h"
#include "dialogs/swatch_color.h"

#include "scoreboard/control_binding.h"
#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"
#include "scoreboard/scoreboard_view.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_option_button.h"
#include "controls/text/qel_text_box.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/common_dialog.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/message_box.h"
#include "platform/system/text_functions.h"

#include <vector>

namespace dialogs {

namespace forms = plat::forms;
namespace sys = plat::sys;
using scoreboard::user;

namespace {

constexpr int kRefereeRows = 3;
constexpr int kCountLine = 5; // L1(5)

} // namespace

TitleDialogControls bindTitleDialogControls(const forms::Form& dialog)
{
    return TitleDialogControls{
        .colab = scoreboard::bindItems<forms::Label>(dialog, "colab", 0, 1),
        .v1 = dialog.get<qel::qelTextBox>("v1"),
        .zailist = dialog.get<forms::ListBox>("zailist"),
        .Cmmb = {&dialog.get<forms::ComboBox>("Cmmb1"), &dialog.get<forms::ComboBox>("Cmmb2"),
            &dialog.get<forms::ComboBox>("Cmmb3")},
        .vbo = scoreboard::bindItems<qel::qelOptionButton>(dialog, "vbo", 0, kRefereeRows - 1),
        .del1 = dialog.get<qel::qelCommand>("del1"),
        .lname = dialog.get<forms::Label>("lname"),
        .com1 = dialog.get<qel::qelCommand>("com1"),
        .zt1 = dialog.get<qel::qelTextBox>("zt1"),
        .addc = dialog.get<qel::qelCommand>("addc"),
        .ok = dialog.get<qel::qelCommand>("ok"),
        .qelCommand2 = dialog.get<qel::qelCommand>("qelCommand2"),
        .Color1 = dialog.get<forms::CommonDialog>("Color1"),
        .L1 = scoreboard::bindItems<forms::Label>(dialog, "L1", {0, 1, kCountLine}),
    };
}

TitleDialog::TitleDialog(const sys::DateSource* dates)
    : SetupDialogForm("m1")
    , m_dates(dates ? dates : &m_systemDates)
{
}

void TitleDialog::loadDialog()
{
    const TitleDialogControls& c = m_bound.emplace(bindTitleDialogControls(*this));
    const scoreboard::MatchState& state = user();
    if (const scoreboard::ScoreboardView* board = scoreboard::scoreboardView()) {
        const scoreboard::TitleColors colors = board->titleColors();
        c.colab[0].setBackColor(colors.title);
        c.colab[1].setBackColor(colors.shadow);
    }
    c.v1.setText(state.matchTitle.empty() ? std::to_string(sys::currentYear(*m_dates)) + "Mirelda" : state.matchTitle);

    const std::vector<std::string> names = readRefereeList();
    for (const std::string& name : names)
        c.zailist.addItem(name);
    const std::string* onDuty[kRefereeRows] = {&state.refereeName1, &state.refereeName2, &state.refereeName3};
    for (int row = 0; row < kRefereeRows; ++row) {
        forms::ComboBox& combo = *c.Cmmb[size_t(row)];
        for (const std::string& name : names)
            combo.addItem(name);
        combo.setText(*onDuty[row]);
    }
    if (state.refereeCount >= 1 && state.refereeCount <= kRefereeRows) {
        c.vbo[state.refereeCount - 1].setValue(1);
        // With one referee the first row is the chief: its caption says so from the start.
        if (state.refereeCount == 1)
            showRowRoles(0);
    }
    c.del1.setEnabled(false);
    c.lname.setVisible(false);
    showCount();
    connectEvents();
}

void TitleDialog::connectEvents()
{
    const TitleDialogControls& c = *m_bound;
    c.v1.KeyPress = [this](int& keyAscii) { titleKeyPress(keyAscii); };
    for (int i = 0; i < 2; ++i)
        c.colab[i].onClick = [this, i] { pickColor(i); };
    c.com1.Click = [this] { defaultColors(); };
    c.zt1.Change = [&c] { c.lname.setVisible(false); };
    c.addc.Click = [this] { addReferee(); };
    c.zailist.onClick = [this] { listClicked(); };
    c.del1.Click = [this] { deleteReferee(); };
    for (int i = 0; i < kRefereeRows; ++i)
        c.vbo[i].Change = [this, i](int&) { showRowRoles(i); };
    c.ok.Click = [this] { apply(); };
    c.qelCommand2.Click = [this] { unload(); };
}

void TitleDialog::titleKeyPress(int& keyAscii)
{
    if (keyAscii == 8)
        return;
    const qel::qelTextBox& title = m_bound->v1;
    // The typed character takes the place of the selection, so the selection does not count: a
    // full title selected whole can be typed over.
    const int kept = scoreboard::TextWidthUnits(title.Text()) - scoreboard::TextWidthUnits(title.SelText());
    if (kept > kTitleWidthLimit)
        keyAscii = 0;
}

void TitleDialog::pickColor(int index) { pickSwatchColor(m_bound->colab[index], m_bound->Color1); }

void TitleDialog::defaultColors()
{
    m_bound->colab[0].setBackColor(kDefaultTitleColor);
    m_bound->colab[1].setBackColor(kDefaultShadowColor);
}

void TitleDialog::addReferee()
{
    const TitleDialogControls& c = *m_bound;
    const std::string name = sys::trimText(c.zt1.Text());
    if (name.empty())
        return;
    for (int i = 0; i < c.zailist.listCount(); ++i) {
        if (c.zailist.list(i) == name) {
            c.lname.setVisible(true);
            c.zt1.GetExtender().setFocus();
            return;
        }
    }
    c.zailist.addItem(name);
    for (forms::ComboBox* combo : c.Cmmb)
        combo->addItem(name);
    c.zt1.setText("");
    c.zt1.GetExtender().setFocus();
    showCount();
}

void TitleDialog::listClicked() { m_bound->del1.setEnabled(m_bound->zailist.listCount() > 0); }

void TitleDialog::deleteReferee()
{
    const TitleDialogControls& c = *m_bound;
    forms::ListBox& list = c.zailist;
    if (list.listCount() == 0)
        return;
    const int selected = list.listIndex();
    if (selected >= 0) {
        // The three combo boxes list the same names in the same order as the list.
        const std::string name = list.list(selected);
        forms::ComboBox& first = *c.Cmmb[0];
        for (int k = 0; k < first.listCount(); ++k) {
            if (first.list(k) != name)
                continue;
            list.removeItem(selected);
            for (forms::ComboBox* combo : c.Cmmb)
                combo->removeItem(k);
            break;
        }
    }
    showCount();
    if (list.listCount() == 0)
        c.del1.setEnabled(false);
}

void TitleDialog::showRowRoles(int index)
{
    forms::Label& first = m_bound->L1[0];
    forms::Label& second = m_bound->L1[1];
    forms::Label& chief = index == 0 ? first : second;
    forms::Label& assistant = index == 0 ? second : first;
    chief.setCaption("主裁判");
    chief.setForeColor(kChiefColor);
    assistant.setCaption("副裁判");
    assistant.setForeColor(kAssistantColor);
}

void TitleDialog::apply()
{
    const TitleDialogControls& c = *m_bound;
    scoreboard::MatchState& state = user();
    state.matchTitle = c.v1.Text();
    if (scoreboard::ScoreboardView* board = scoreboard::scoreboardView())
        board->setTitleColors({.title = c.colab[0].backColor(), .shadow = c.colab[1].backColor()});
    hide();
    scoreboard::ShowMatchTitle();

    std::string* onDuty[kRefereeRows] = {&state.refereeName1, &state.refereeName2, &state.refereeName3};
    for (int row = 0; row < kRefereeRows; ++row)
        *onDuty[row] = sys::trimText(c.Cmmb[size_t(row)]->text());
    for (int i = 0; i < kRefereeRows; ++i) {
        if (c.vbo[i].Value() == 1) {
            state.refereeCount = int16_t(i + 1);
            break;
        }
    }
    scoreboard::ShowReferees();

    std::vector<std::string> names;
    for (int i = 0; i < c.zailist.listCount(); ++i)
        names.push_back(c.zailist.list(i));
    if (!writeRefereeList(names))
        forms::msgBox("裁判列表无法保存到 date\\zailistname.db，本次添加或删除的裁判姓名没有保存！",
            forms::vbOKOnly | forms::vbCritical, "错误提示");
    unload();
}

void TitleDialog::showCount()
{
    m_bound->L1[kCountLine].setCaption("总数: " + std::to_string(m_bound->zailist.listCount()) + " 人");
}

void showTitleDialog()
{
    TitleDialog dialog;
    dialog.showModal();
}

} // namespace dialogs
