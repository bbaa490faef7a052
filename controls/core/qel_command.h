#pragma once
#include "controls/core/push_button_base.h"
#include "platform/window/api.h"

namespace qel {

// The custom-drawn push button of every form: a gradient face with a rounded border, an
// optional picture beside the caption (its gray copy while disabled), an orange frame while the
// mouse is over it and a blue one while it has the focus. Click comes when the left button goes
// down, on Enter (every auto-repeat) and on Space (once per hold); the arrow keys move the focus.
//
// Members, in interface order: WindowProc, hDc, hwnd, TextPosition, Caption, ForeColor,
// BackColor1, BackColor2, BackColorPushed1, BackColorPushed2, Font, BackGradient, Enabled,
// BorderColor, BreakCorner, Picture, PictureAlignment, DisplayPicture, PictureOffsetX,
// PictureOffsetY, GrayPictureWhenDisabled, DrawFocus, DrawMouseInRect, DisabledBackColor,
// UnRefreshControl, Refresh. Events: Click, KeyDown, KeyPress, KeyUp, MouseHover, MouseLeave,
// MouseWheel, MouseDown, MouseUp, MouseDblClick, MouseMove.
class qelCommand : public PushButtonBase {
public:
    std::string className() const override { return "qelCommand"; }

    static const auto& StoredProperties()
    {
        static const auto table = ButtonProperties<true>();
        return table;
    }
    // Out of line, so that the table's code and the class's virtual table are made once, in
    // qel_command.cpp, not in every file that makes a button.
    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    // A press takes the focus before Click runs, so a Click that gives the focus to another
    // control (the box to type into next) keeps it there.
    bool takesFocusWhenPressed() const override { return true; }
    void OnMouseButton(plat::win::UINT msg, MouseEventArgs& args) override
    {
        const bool press = msg == plat::win::WM_LBUTTONDOWN || msg == plat::win::WM_RBUTTONDOWN || msg == plat::win::WM_MBUTTONDOWN;
        if (press && hwnd() && plat::win::GetFocus() != hwnd())
            setFocus();
        PushButtonBase::OnMouseButton(msg, args);
    }
};

} // namespace qel
