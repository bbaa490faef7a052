#include "dialogs/title_dialog.h"
#include "dialogs/referee_list_file.h"
#include "dialogs/swatch_color.h"

#include "scoreboard/board_form.h"
#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"
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
constexpr const char* kCombos[kRefereeRows] = {"Cmmb1", "Cmmb2", "Cmmb3"};

// The board's title labels: item 1 the title, item 0 its shadow.
qel::qelLabel* boardTitle(int index)
{
    const scoreboard::BoardControls* board = scoreboard::boardControls();
    return board ? &board->titxt[index] : nullptr;
}

} // namespace

TitleDialog::TitleDialog(const sys::DateSource* dates)
    : SetupDialogForm("m1")
    , m_dates(dates ? dates : &m_systemDates)
{
}

void TitleDialog::loadDialog()
{
    const scoreboard::MatchState& state = user();
    if (auto* swatch = &get<forms::Label>("colab", 0); swatch && boardTitle(1))
        swatch->setBackColor(boardTitle(1)->ForeColor());
    if (auto* swatch = &get<forms::Label>("colab", 1); swatch && boardTitle(0))
        swatch->setBackColor(boardTitle(0)->ForeColor());
    get<qel::qelTextBox>("v1").setText(state.matchTitle.empty() ? std::to_string(sys::currentYear(*m_dates)) + "Mirelda" : state.matchTitle);

    const std::vector<std::string> names = readRefereeList();
    if (auto* list = &get<forms::ListBox>("zailist"))
        for (const std::string& name : names)
            list->addItem(name);
    const std::string* onDuty[kRefereeRows] = {&state.refereeName1, &state.refereeName2, &state.refereeName3};
    for (int row = 0; row < kRefereeRows; ++row) {
        auto& combo = get<forms::ComboBox>(kCombos[row]);
        for (const std::string& name : names)
            combo.addItem(name);
        combo.setText(*onDuty[row]);
    }
    if (state.refereeCount >= 1 && state.refereeCount <= kRefereeRows) {
        get<qel::qelOptionButton>("vbo", state.refereeCount - 1).setValue(1);
        // With one referee the first row is the chief: its caption says so from the start.
        if (state.refereeCount == 1)
            showRowRoles(0);
    }
    get<qel::qelCommand>("del1").setEnabled(false);
    get<forms::Label>("lname").setVisible(false);
    showCount();
    connectEvents();
}

void TitleDialog::connectEvents()
{
    if (auto* title = &get<qel::qelTextBox>("v1"))
        title->KeyPress = [this](int& keyAscii) { titleKeyPress(keyAscii); };
    for (int i = 0; i < 2; ++i)
        if (auto* swatch = &get<forms::Label>("colab", i))
            swatch->onClick = [this, i] { pickColor(i); };
    if (auto* defaults = &get<qel::qelCommand>("com1"))
        defaults->Click = [this] { defaultColors(); };
    if (auto* name = &get<qel::qelTextBox>("zt1"))
        name->Change = [this] {
            get<forms::Label>("lname").setVisible(false);
        };
    if (auto* add = &get<qel::qelCommand>("addc"))
        add->Click = [this] { addReferee(); };
    if (auto* list = &get<forms::ListBox>("zailist"))
        list->onClick = [this] { listClicked(); };
    if (auto* del = &get<qel::qelCommand>("del1"))
        del->Click = [this] { deleteReferee(); };
    for (int i = 0; i < kRefereeRows; ++i)
        if (auto* option = &get<qel::qelOptionButton>("vbo", i))
            option->Change = [this, i](int&) { showRowRoles(i); };
    if (auto* ok = &get<qel::qelCommand>("ok"))
        ok->Click = [this] { apply(); };
    if (auto* cancel = &get<qel::qelCommand>("qelCommand2"))
        cancel->Click = [this] { unload(); };
}

void TitleDialog::titleKeyPress(int& keyAscii)
{
    auto* title = &get<qel::qelTextBox>("v1");
    if (!title || keyAscii == 8)
        return;
    // The typed character takes the place of the selection, so the selection does not count: a
    // full title selected whole can be typed over.
    const int kept = scoreboard::TextWidthUnits(title->Text()) - scoreboard::TextWidthUnits(title->SelText());
    if (kept > kTitleWidthLimit)
        keyAscii = 0;
}

void TitleDialog::pickColor(int index)
{
    pickSwatchColor(get<forms::Label>("colab", index), get<forms::CommonDialog>("Color1"));
}

void TitleDialog::defaultColors()
{
    get<forms::Label>("colab", 0).setBackColor(kDefaultTitleColor);
    get<forms::Label>("colab", 1).setBackColor(kDefaultShadowColor);
}

void TitleDialog::addReferee()
{
    auto* box = &get<qel::qelTextBox>("zt1");
    auto* list = &get<forms::ListBox>("zailist");
    if (!box || !list)
        return;
    const std::string name = sys::trimText(box->Text());
    if (name.empty())
        return;
    for (int i = 0; i < list->listCount(); ++i) {
        if (list->list(i) == name) {
            get<forms::Label>("lname").setVisible(true);
            box->GetExtender().setFocus();
            return;
        }
    }
    list->addItem(name);
    for (const char* comboName : kCombos)
        get<forms::ComboBox>(comboName).addItem(name);
    box->setText("");
    box->GetExtender().setFocus();
    showCount();
}

void TitleDialog::listClicked()
{
    auto* list = &get<forms::ListBox>("zailist");
    if (auto* del = &get<qel::qelCommand>("del1"); del && list)
        del->setEnabled(list->listCount() > 0);
}

void TitleDialog::deleteReferee()
{
    auto* list = &get<forms::ListBox>("zailist");
    if (!list || list->listCount() == 0)
        return;
    const int selected = list->listIndex();
    auto* first = &get<forms::ComboBox>(kCombos[0]);
    if (selected >= 0 && first) {
        // The three combo boxes list the same names in the same order as the list.
        const std::string name = list->list(selected);
        for (int k = 0; k < first->listCount(); ++k) {
            if (first->list(k) != name)
                continue;
            list->removeItem(selected);
            for (const char* comboName : kCombos)
                get<forms::ComboBox>(comboName).removeItem(k);
            break;
        }
    }
    showCount();
    if (list->listCount() == 0)
        get<qel::qelCommand>("del1").setEnabled(false);
}

void TitleDialog::showRowRoles(int index)
{
    auto* first = &get<forms::Label>("L1", 0);
    auto* second = &get<forms::Label>("L1", 1);
    if (!first || !second)
        return;
    forms::Label* chief = index == 0 ? first : second;
    forms::Label* assistant = index == 0 ? second : first;
    chief->setCaption("主裁判");
    chief->setForeColor(kChiefColor);
    assistant->setCaption("副裁判");
    assistant->setForeColor(kAssistantColor);
}

void TitleDialog::apply()
{
    scoreboard::MatchState& state = user();
    if (auto* title = &get<qel::qelTextBox>("v1"))
        state.matchTitle = title->Text();
    if (auto* swatch = &get<forms::Label>("colab", 0); swatch && boardTitle(1))
        boardTitle(1)->setForeColor(swatch->backColor());
    if (auto* swatch = &get<forms::Label>("colab", 1); swatch && boardTitle(0))
        boardTitle(0)->setForeColor(swatch->backColor());
    hide();
    scoreboard::ShowMatchTitle();

    std::string* onDuty[kRefereeRows] = {&state.refereeName1, &state.refereeName2, &state.refereeName3};
    for (int row = 0; row < kRefereeRows; ++row)
        if (auto* combo = &get<forms::ComboBox>(kCombos[row]))
            *onDuty[row] = sys::trimText(combo->text());
    for (int i = 0; i < kRefereeRows; ++i) {
        if (auto* option = &get<qel::qelOptionButton>("vbo", i); option && option->Value() == 1) {
            state.refereeCount = int16_t(i + 1);
            break;
        }
    }
    scoreboard::ShowReferees();

    std::vector<std::string> names;
    if (auto* list = &get<forms::ListBox>("zailist"))
        for (int i = 0; i < list->listCount(); ++i)
            names.push_back(list->list(i));
    if (!writeRefereeList(names))
        forms::msgBox("裁判列表无法保存到 date\\zailistname.db，本次添加或删除的裁判姓名没有保存！",
            forms::vbOKOnly | forms::vbCritical, "错误提示");
    unload();
}

void TitleDialog::showCount()
{
    auto* list = &get<forms::ListBox>("zailist");
    get<forms::Label>("L1", kCountLine).setCaption("总数: " + std::to_string(list ? list->listCount() : 0) + " 人");
}

void showTitleDialog()
{
    TitleDialog dialog;
    dialog.showModal();
}

} // namespace dialogs
