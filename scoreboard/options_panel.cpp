#include "scoreboard/options_panel.h"
#include "scoreboard/settings_store.h"

#include "scoreboard/form_parts.h"
#include "scoreboard/logo_chooser.h"
#include "scoreboard/match_state.h"
#include "scoreboard/option_file.h"
#include "scoreboard/option_file_writer.h"

#include "controls/core/push_button_base.h"
#include "controls/core/qel_check.h"
#include "platform/forms/form.h"
#include "platform/forms/message_box.h"
#include "platform/forms/text_box.h"
#include "platform/system/conversions.h"

#include <array>

namespace scoreboard {

namespace forms = plat::forms;

namespace {

constexpr int kTimeBoxes = 4;
constexpr int kSwitches = 8;
constexpr int kStopMusicSwitch = 5;
constexpr double kBoxLimit = 59;

double boxNumber(std::string_view text) { return plat::sys::integerPart(plat::sys::val(text)); }

qel::qelCheck* switchBox(const forms::Form& main, int index)
{
    return dynamic_cast<qel::qelCheck*>(findPart(main, "sqel1", index));
}

void connectClick(const forms::Form& main, std::string_view name, std::function<void()> handler)
{
    if (auto* button = dynamic_cast<qel::PushButtonBase*>(findPart(main, name)))
        button->Click = std::move(handler);
}

std::string twoDigits(int32_t value) { return (value < 10 ? "0" : "") + std::to_string(value); }

} // namespace

std::optional<int16_t> lengthOfBoxes(std::string_view minutes, std::string_view seconds)
{
    const double m = boxNumber(minutes);
    const double s = boxNumber(seconds);
    if (!(m >= 0 && m <= kBoxLimit && s >= 0 && s <= kBoxLimit) || m + s == 0)
        return std::nullopt;
    return int16_t(m * 60 + s);
}

std::string minutesBoxText(int32_t length) { return length < 60 ? "00" : std::to_string(length / 60); }
std::string secondsBoxText(int32_t length) { return twoDigits(length < 0 ? 0 : length % 60); }

OptionsPanel::OptionsPanel(forms::Form& main, LogoChooser& logo, OptionsPanelHooks hooks)
    : m_main(main)
    , m_logo(logo)
    , m_hooks(std::move(hooks))
{
}

void OptionsPanel::connect()
{
    for (int index = 0; index < kTimeBoxes; ++index) {
        forms::TextBox* text = box(index);
        if (!text)
            continue;
        text->setSelectsOnFocus(true);
        text->onChange = [this] { settxtChange(); };
        text->onKeyPress = [this](int& keyAscii) { settxtKeyPress(keyAscii); };
        // The focus keeper would take the focus from the box while the operator types.
        text->onGotFocus = [this] { setTimerOn(m_main, "Timer6", false); };
        text->onLostFocus = [this] { setTimerOn(m_main, "Timer6", true); };
    }
    connectClick(m_main, "sysconset", [this] { sysconsetClick(); });
    connectClick(m_main, "moset", [this] { mosetClick(); });
    connectClick(m_main, "qelsave", [this] { qelsaveClick(); });
    connectClick(m_main, "qelcancl", [this] { qelcanclClick(); });
}

forms::TextBox* OptionsPanel::box(int index) const { return dynamic_cast<forms::TextBox*>(findPart(m_main, "settxt", index)); }

std::string OptionsPanel::boxText(int index) const
{
    forms::TextBox* text = box(index);
    return text ? text->text() : std::string();
}

void OptionsPanel::setBoxText(int index, const std::string& text)
{
    if (forms::TextBox* field = box(index))
        field->setText(text);
}

void OptionsPanel::fill()
{
    const MatchState& state = user();
    setBoxText(0, minutesBoxText(state.periodLength));
    setBoxText(1, secondsBoxText(state.periodLength));
    setBoxText(2, minutesBoxText(state.overtimeLength));
    setBoxText(3, secondsBoxText(state.overtimeLength));
    MatchState copy = state;
    for (int index = 0; index < kSwitches; ++index)
        if (qel::qelCheck* check = switchBox(m_main, index))
            check->setValue(optionSwitch(copy, size_t(index)) ? 1 : 0);
}

void OptionsPanel::capPair(int first)
{
    for (int index : {first, first + 1}) {
        if (boxNumber(boxText(index)) > kBoxLimit) {
            setBoxText(index, "00");
            if (forms::TextBox* field = box(index)) {
                field->setFocus();
                field->selectAll();
            }
            return;
        }
    }
}

void OptionsPanel::settxtChange()
{
    capPair(0);
    capPair(2);
}

void OptionsPanel::settxtKeyPress(int& keyAscii)
{
    if (keyAscii < 0 || keyAscii > '9')
        keyAscii = 0;
}

void OptionsPanel::sysconsetClick()
{
    setBoxText(0, "12");
    setBoxText(1, "00");
    setBoxText(2, "5");
    setBoxText(3, "00");
}

void OptionsPanel::mosetClick()
{
    forEachItem(m_main, "sqel1", [](forms::Control& item, int index) {
        if (auto* check = dynamic_cast<qel::qelCheck*>(&item))
            check->setValue(index == kStopMusicSwitch ? 0 : 1);
    });
}

void OptionsPanel::qelsaveClick()
{
    // A length that is no time at all, or below zero, would leave the clock nothing to count.
    const std::optional<int16_t> period = lengthOfBoxes(boxText(0), boxText(1));
    const std::optional<int16_t> overtime = lengthOfBoxes(boxText(2), boxText(3));
    if (!period || !overtime) {
        if (m_hooks.message)
            m_hooks.message(kLengthRefusedMessage, "提示");
        else
            forms::msgBox(std::string(kLengthRefusedMessage), forms::vbExclamation, "提示");
        if (forms::TextBox* field = box(period ? 2 : 0)) {
            field->setFocus();
            field->selectAll();
        }
        return;
    }

    std::array<std::string, 8> lines;
    for (int index = 0; index < kSwitches; ++index) {
        qel::qelCheck* check = switchBox(m_main, index);
        lines[size_t(index)] = optionLine(size_t(index), check && check->Value() == 1);
    }
    applyOptionValues(lines);
    const bool written = writeOptionFile(lines);

    MatchState& state = user();
    state.periodLength = *period;
    state.overtimeLength = *overtime;
    const bool lengthsWritten = saveSettings();

    hidePart(m_main, "sysset");
    const LogoChooser::Applied logo = m_logo.apply();

    std::string_view notice = kSavedNotice;
    if (!written)
        notice = kOptionFileFailedNotice;
    else if (!lengthsWritten)
        notice = kSettingsNotSavedNotice;
    else if (logo == LogoChooser::Applied::Failed)
        notice = kLogoFailedNotice;
    if (m_hooks.notice)
        m_hooks.notice(notice);
}

void OptionsPanel::qelcanclClick() { hidePart(m_main, "sysset"); }

} // namespace scoreboard
