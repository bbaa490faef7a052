#include "scoreboard/options_panel.h"
#include "scoreboard/settings_store.h"

#include "scoreboard/control_binding.h"
#include "scoreboard/logo_chooser.h"
#include "scoreboard/match_state.h"
#include "scoreboard/option_file.h"
#include "scoreboard/option_file_writer.h"
#include "scoreboard/required_hooks.h"

#include "controls/core/qel_check.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "platform/forms/form.h"
#include "platform/forms/message_box.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"
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

OptionsPanelControls bindOptionsPanelControls(const forms::Form& form)
{
    return OptionsPanelControls{
        .sysset = form.get<qel::qelFrame>("sysset"),
        .settxt = bindItems<forms::TextBox>(form, "settxt", 0, kTimeBoxes - 1),
        .sqel1 = bindItems<qel::qelCheck>(form, "sqel1", 0, kSwitches - 1),
        .sysconset = form.get<qel::qelCommand>("sysconset"),
        .moset = form.get<qel::qelCommand>("moset"),
        .qelsave = form.get<qel::qelCommand>("qelsave"),
        .qelcancl = form.get<qel::qelCommand>("qelcancl"),
        .Timer6 = form.get<forms::Timer>("Timer6"),
    };
}

OptionsPanel::OptionsPanel(forms::Form& main, LogoChooser& logo, OptionsPanelHooks hooks)
    : m_controls(bindOptionsPanelControls(main))
    , m_logo(logo)
    , m_hooks(std::move(hooks))
{
    requireHooks("OptionsPanel", {{"notice", m_hooks.notice}});
}

void OptionsPanel::connect()
{
    const OptionsPanelControls& c = m_controls;
    for (int index = 0; index < kTimeBoxes; ++index) {
        forms::TextBox& text = box(index);
        text.setSelectsOnFocus(true);
        text.onChange = [this] { settxtChange(); };
        text.onKeyPress = [this](int& keyAscii) { settxtKeyPress(keyAscii); };
        // The focus keeper would take the focus from the box while the operator types.
        text.onGotFocus = [&c] { c.Timer6.setEnabled(false); };
        text.onLostFocus = [&c] { c.Timer6.setEnabled(true); };
    }
    c.sysconset.Click = [this] { sysconsetClick(); };
    c.moset.Click = [this] { mosetClick(); };
    c.qelsave.Click = [this] { qelsaveClick(); };
    c.qelcancl.Click = [this] { qelcanclClick(); };
}

forms::TextBox& OptionsPanel::box(int index) const { return m_controls.settxt[index]; }

std::string OptionsPanel::boxText(int index) const { return box(index).text(); }

void OptionsPanel::setBoxText(int index, const std::string& text) { box(index).setText(text); }

void OptionsPanel::fill()
{
    const MatchState& state = user();
    setBoxText(0, minutesBoxText(state.periodLength));
    setBoxText(1, secondsBoxText(state.periodLength));
    setBoxText(2, minutesBoxText(state.overtimeLength));
    setBoxText(3, secondsBoxText(state.overtimeLength));
    MatchState copy = state;
    for (int index = 0; index < kSwitches; ++index)
        m_controls.sqel1[index].setValue(optionSwitch(copy, size_t(index)) ? 1 : 0);
}

void OptionsPanel::capPair(int first)
{
    for (int index : {first, first + 1}) {
        if (boxNumber(boxText(index)) > kBoxLimit) {
            setBoxText(index, "00");
            box(index).setFocus();
            box(index).selectAll();
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
    for (auto [index, check] : m_controls.sqel1)
        check.setValue(index == kStopMusicSwitch ? 0 : 1);
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
        forms::TextBox& field = box(period ? 2 : 0);
        field.setFocus();
        field.selectAll();
        return;
    }

    std::array<std::string, 8> lines;
    for (int index = 0; index < kSwitches; ++index) {
        lines[size_t(index)] = optionLine(size_t(index), m_controls.sqel1[index].Value() == 1);
    }
    applyOptionValues(lines);
    const bool written = writeOptionFile(lines);

    MatchState& state = user();
    state.periodLength = *period;
    state.overtimeLength = *overtime;
    const bool lengthsWritten = saveSettings();

    m_controls.sysset.setVisible(false);
    const LogoChooser::Applied logo = m_logo.apply();

    std::string_view notice = kSavedNotice;
    if (!written)
        notice = kOptionFileFailedNotice;
    else if (!lengthsWritten)
        notice = kSettingsNotSavedNotice;
    else if (logo == LogoChooser::Applied::Failed)
        notice = kLogoFailedNotice;
    m_hooks.notice(notice);
}

void OptionsPanel::qelcanclClick() { m_controls.sysset.setVisible(false); }

} // namespace scoreboard
