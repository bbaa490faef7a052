#include "controls/pages/control_members.h"
#include "controls/core/qel_check.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "controls/core/qel_option_button.h"
#include "controls/core/qel_toggle_button.h"
#include "controls/extra/qel_bar.h"
#include "controls/extra/qel_list_box.h"
#include "controls/extra/qel_sys_tray.h"
#include "controls/extra/qel_up_down.h"
#include "controls/text/qel_h_scroll.h"
#include "controls/text/qel_v_scroll.h"
#include <map>
#include <string>

namespace qel {
namespace {

using plat::forms::Control;
using Table = MemberTable<Control>;

template<class C>
void ChoiceMembers(Table& t)
{
    t.bind<C>("Caption", &C::Caption, &C::setCaption);
    t.bind<C>("Enabled", &C::Enabled, &C::setEnabled);
    t.bind<C>("Value", &C::Value, &C::setValue);
    t.bind<C>("BackStyle", &C::BackStyle, &C::setBackStyle);
    t.bind<C>("Alignment", &C::Alignment, &C::setAlignment);
}

Table FrameMembers()
{
    using C = qelFrame;
    Table t;
    t.bind<C>("PictureAlignment", &C::PictureAlignment, &C::setPictureAlignment);
    t.bind<C>("BackGradient", &C::BackGradient, &C::setBackGradient);
    t.bind<C>("BackStyle", &C::BackStyle, &C::setBackStyle);
    t.bind<C>("TextPosition", &C::TextPosition, &C::setTextPosition);
    t.bind<C>("TitleGradient", &C::TitleGradient, &C::setTitleGradient);
    t.bind<C>("BreakCorner", &C::BreakCorner, &C::setBreakCorner);
    t.bind<C>("DisplayBorder", &C::DisplayBorder, &C::setDisplayBorder);
    t.bind<C>("DisplayPicture", &C::DisplayPicture, &C::setDisplayPicture);
    t.bind<C>("Enabled", &C::Enabled, &C::setEnabled);
    t.bind<C>("GrayPictureWhenDisabled", &C::GrayPictureWhenDisabled, &C::setGrayPictureWhenDisabled);
    t.bind<C>("ShowBackGround", &C::ShowBackGround, &C::setShowBackGround);
    t.bind<C>("ShowTitle", &C::ShowTitle, &C::setShowTitle);
    t.bind<C>("BorderWidth", &C::BorderWidth, &C::setBorderWidth);
    t.bind<C>("Caption", &C::Caption, &C::setCaption);
    t.bind<C>("PictureOffsetX", &C::PictureOffsetX, &C::setPictureOffsetX);
    t.bind<C>("PictureOffsetY", &C::PictureOffsetY, &C::setPictureOffsetY);
    t.bind<C>("RoundAngle", &C::RoundAngle, &C::setRoundAngle);
    t.bind<C>("TitleHeight", &C::TitleHeight, &C::setTitleHeight);
    return t;
}

Table LabelMembers()
{
    using C = qelLabel;
    Table t;
    t.bind<C>("Alignment", &C::Alignment, &C::setAlignment);
    t.bind<C>("BackStyle", &C::BackStyle, &C::setBackStyle);
    t.bind<C>("BorderStyle", &C::BorderStyle, &C::setBorderStyle);
    t.bind<C>("AutoSize", &C::AutoSize, &C::setAutoSize);
    t.bind<C>("Enabled", &C::Enabled, &C::setEnabled);
    t.bind<C>("Caption", &C::Caption, &C::setCaption);
    return t;
}

Table BarMembers()
{
    using C = qelBar;
    Table t;
    t.bind<C>("Alignment", &C::Alignment, &C::setAlignment);
    t.bind<C>("BorderStyle", &C::BorderStyle, &C::setBorderStyle);
    t.bind<C>("DisplayLabel", &C::DisplayLabel, &C::setDisplayLabel);
    t.bind<C>("GradientMode", &C::GradientMode, &C::setGradientMode);
    t.bind<C>("Decimals", &C::Decimals, &C::setDecimals);
    t.bind<C>("Max", &C::Max, &C::setMax);
    t.bind<C>("Min", &C::Min, &C::setMin);
    t.bind<C>("OffSetX", &C::OffSetX, &C::setOffSetX);
    t.bind<C>("OffSetY", &C::OffSetY, &C::setOffSetY);
    t.bind<C>("Value", &C::Value, &C::setValue);
    t.bind<C>("InteractiveButton", &C::InteractiveButton, &C::setInteractiveButton);
    t.bind<C>("DisplayBorder", &C::DisplayBorder, &C::setDisplayBorder);
    t.bind<C>("InteractiveControl", &C::InteractiveControl, &C::setInteractiveControl);
    return t;
}

Table UpDownMembers()
{
    using C = qelUpDown;
    Table t;
    t.bind<C>("Direction", &C::Direction, &C::setDirection);
    t.bind<C>("Enabled", &C::Enabled, &C::setEnabled);
    t.bind<C>("Max", &C::Max, &C::setMax);
    t.bind<C>("Min", &C::Min, &C::setMin);
    t.bind<C>("MouseInterval", &C::MouseInterval, &C::setMouseInterval);
    t.bind<C>("SmallChange", &C::SmallChange, &C::setSmallChange);
    t.bind<C>("Value", &C::Value, &C::setValue);
    return t;
}

template<class C>
void ScrollMembers(Table& t)
{
    t.bind<C>("Enabled", &C::Enabled, &C::setEnabled);
    t.bind<C>("Max", &C::Max, &C::setMax);
    t.bind<C>("Min", &C::Min, &C::setMin);
    t.bind<C>("MouseInterval", &C::MouseInterval, &C::setMouseInterval);
    t.bind<C>("SmallChange", &C::SmallChange, &C::setSmallChange);
    t.bind<C>("Value", &C::Value, &C::setValue);
    t.bind<C>("EnableWheel", &C::EnableWheel, &C::setEnableWheel);
    t.bind<C>("LargeChange", &C::LargeChange, &C::setLargeChange);
    t.bind<C>("WheelChange", &C::WheelChange, &C::setWheelChange);
}

Table SysTrayMembers()
{
    using C = qelSysTray;
    Table t;
    t.bind<C>("BalloonTipString", &C::BalloonTipString, &C::setBalloonTipString);
    t.bind<C>("PreventFromCrash", &C::PreventFromCrash, &C::setPreventFromCrash);
    return t;
}

// qelListBox's own members that a page could reach; its bar settings go through VScroll.
Table ListBoxMembers()
{
    Table t;
    t.bindPages<qelListBox>(qelListBox::StoredProperties());
    return t;
}

const std::map<std::string, Table, std::less<>>& Tables()
{
    static const std::map<std::string, Table, std::less<>> tables = [] {
        std::map<std::string, Table, std::less<>> m;
        ChoiceMembers<qelCheck>(m["qelCheck"]);
        ChoiceMembers<qelOptionButton>(m["qelOptionButton"]);
        m["qelOptionButton"].bind<qelOptionButton>("Group", &qelOptionButton::Group, &qelOptionButton::setGroup);
        m["qelFrame"] = FrameMembers();
        m["qelLabel"] = LabelMembers();
        m["qelCommand"].bindPages<qelCommand>(qelCommand::StoredProperties());
        m["qelToggleButton"].bindPages<qelToggleButton>(qelToggleButton::StoredProperties());
        m["qelBar"] = BarMembers();
        m["qelUpDown"] = UpDownMembers();
        ScrollMembers<qelHScroll>(m["qelHScroll"]);
        m["qelHScroll"].bind<qelHScroll>("ScrollWidth", &qelHScroll::ScrollWidth, &qelHScroll::setScrollWidth);
        ScrollMembers<qelVScroll>(m["qelVScroll"]);
        m["qelVScroll"].bind<qelVScroll>("ScrollHeight", &qelVScroll::ScrollHeight, &qelVScroll::setScrollHeight);
        m["qelSysTray"] = SysTrayMembers();
        m["qelListBox"] = ListBoxMembers();
        return m;
    }();
    return tables;
}

} // namespace

const MemberTable<Control>* MembersOfClass(std::string_view className)
{
    auto it = Tables().find(className);
    return it == Tables().end() ? nullptr : &it->second;
}

MemberValue ReadMember(Control& control, std::string_view member)
{
    const auto* table = MembersOfClass(control.className());
    if (!table)
        throw PageError("Object doesn't support this property or method: " + std::string(member));
    return table->read(control, member);
}

void WriteMember(Control& control, std::string_view member, const MemberValue& value)
{
    const auto* table = MembersOfClass(control.className());
    if (!table)
        throw PageError("Object doesn't support this property or method: " + std::string(member));
    table->write(control, member, value);
}

} // namespace qel
