#pragma once
#include "platform/forms/control_array.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace plat::forms {
class Form;
class TextBox;
class Timer;
}
namespace qel {
class qelCheck;
class qelCommand;
class qelFrame;
}

namespace scoreboard {

// The controls of the options panel, bound once when it is made.
struct OptionsPanelControls {
    qel::qelFrame& sysset;
    plat::forms::ControlArray<plat::forms::TextBox> settxt; // period minutes, seconds, overtime minutes, seconds
    plat::forms::ControlArray<qel::qelCheck> sqel1;         // the eight switches
    qel::qelCommand& sysconset;
    qel::qelCommand& moset;
    qel::qelCommand& qelsave;
    qel::qelCommand& qelcancl;
    plat::forms::Timer& Timer6;
};

// Binds them on a loaded form: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
OptionsPanelControls bindOptionsPanelControls(const plat::forms::Form& form);

class LogoChooser;

inline constexpr std::string_view kSavedNotice = "保存成功!";
inline constexpr std::string_view kOptionFileFailedNotice = "保存失败!设置文件无法写入";
inline constexpr std::string_view kLogoFailedNotice = "设置已保存，Logo图片无法更换!";
inline constexpr std::string_view kLengthRefusedMessage = "默认比赛时间和默认加时时间须在 0分01秒 到 59分59秒 之间!";

// What the options panel asks of the rest of `main`.
struct OptionsPanelHooks {
    // The self-closing notice box with this text (noticeText, then inshowfame). Required: a panel
    // made without it throws MissingHookError naming it.
    std::function<void(std::string_view text)> notice;
    // A message with OK only; optional, a message box when not given.
    std::function<void(std::string_view text, std::string_view title)> message;
};

// A pair of minutes and seconds boxes as a length in seconds: each box the whole part of its
// number (an empty box is 0), from 0 to 59, and together more than 0 seconds; nullopt otherwise.
std::optional<int16_t> lengthOfBoxes(std::string_view minutes, std::string_view seconds);
// A length in the two boxes: whole minutes ("00" below one minute) and two-digit seconds.
std::string minutesBoxText(int32_t length);
std::string secondsBoxText(int32_t length);

// The options panel `sysset` of `main`: the default period and overtime lengths as minutes and
// seconds (`settxt` 0 to 3), the eight switches (`sqel1` 0 to 7), their two "默认值" buttons,
// and "保存" / "取消". Edits take effect only when saved: the switches then act at once and go
// to date\system.db, the lengths to the match state, and a chosen logo replaces img\logo.png.
class OptionsPanel {
public:
    OptionsPanel(plat::forms::Form& main, LogoChooser& logo, OptionsPanelHooks hooks);

    void connect();

    // Fills the panel from the current lengths and switches (the command bar shows it).
    void fill();

    // The handlers.
    void settxtChange();
    void settxtKeyPress(int& keyAscii);
    void sysconsetClick();
    void mosetClick();
    void qelsaveClick();
    void qelcanclClick();

private:
    plat::forms::TextBox& box(int index) const;
    std::string boxText(int index) const;
    void setBoxText(int index, const std::string& text);
    // The first box of the pair above 59 becomes "00" and takes the focus.
    void capPair(int first);

    OptionsPanelControls m_controls;
    LogoChooser& m_logo;
    OptionsPanelHooks m_hooks;
};

} // namespace scoreboard
