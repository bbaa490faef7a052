#pragma once
#include "controls/core/drawn_control.h"
#include "controls/core/property_table.h"
#include "platform/forms/picture_ref.h"
#include "platform/forms/property_bag.h"
#include <functional>
#include <string>

namespace qel {

// The push button as qelCommand and qelToggleButton share it: the properties, the face
// (gradient or flat background, caption, picture left or right with its gray copy while
// disabled, rounded border through the window's shape), the hover and focus frames, the
// mouse, key and focus rules, and persistence. A button is "pushed" while its pushed flag is
// set; the toggle button keeps that flag as its Value and overrides when it changes.
class PushButtonBase : public DrawnControl {
public:
    // Raised when the left button goes down (or on its double-click press), on Enter (every
    // auto-repeated key-down too, unless EnterRepeats is off) and on the first Space key-down of
    // a hold; never on release.
    std::function<void()> Click;

    PushButtonBase();

    // 0 left, 1 right, 2 centre; any other value draws left.
    int32_t TextPosition() const { return m_textPosition; }
    void setTextPosition(int32_t v) { Store(m_textPosition, v); }
    const std::string& Caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(uint32_t c);
    uint32_t BackColor1() const { return m_backColor1; }
    void setBackColor1(uint32_t c) { Store(m_backColor1, c); }
    uint32_t BackColor2() const { return m_backColor2; }
    void setBackColor2(uint32_t c) { Store(m_backColor2, c); }
    uint32_t BackColorPushed1() const { return m_backColorPushed1; }
    void setBackColorPushed1(uint32_t c) { Store(m_backColorPushed1, c); }
    uint32_t BackColorPushed2() const { return m_backColorPushed2; }
    void setBackColorPushed2(uint32_t c) { Store(m_backColorPushed2, c); }
    const plat::forms::FontDesc& Font() const { return SurfaceFont(); }
    void setFont(const plat::forms::FontDesc& font);
    // 0 flat, 1 left to right, 2 top to bottom; other values draw as 1.
    int32_t BackGradient() const { return m_backGradient; }
    void setBackGradient(int32_t v) { Store(m_backGradient, v); }
    uint32_t BorderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t c) { Store(m_borderColor, c); }
    bool BreakCorner() const { return m_breakCorner; }
    void setBreakCorner(bool on) { Store(m_breakCorner, on); }
    // PCTcolor's picture.
    const plat::gfx::Picture& Picture() const { return m_picture.PCTcolor.Picture(); }
    void setPicture(const plat::gfx::Picture& picture);
    // A picture of the resources folder (as stored layouts name it); a path that does not load
    // gives no picture.
    void setPicture(const plat::forms::PictureRef& picture);
    const plat::forms::PictureRef& PictureSource() const { return m_pictureSource; }
    // 0 left of the caption, any other value right of it.
    int32_t PictureAlignment() const { return m_pictureAlignment; }
    void setPictureAlignment(int32_t v) { Store(m_pictureAlignment, v); }
    bool DisplayPicture() const { return m_displayPicture; }
    void setDisplayPicture(bool on) { Store(m_displayPicture, on); }
    int32_t PictureOffsetX() const { return m_pictureOffsetX; }
    void setPictureOffsetX(int32_t twips) { Store(m_pictureOffsetX, twips); }
    int32_t PictureOffsetY() const { return m_pictureOffsetY; }
    void setPictureOffsetY(int32_t twips) { Store(m_pictureOffsetY, twips); }
    bool GrayPictureWhenDisabled() const { return m_grayPictureWhenDisabled; }
    void setGrayPictureWhenDisabled(bool on) { Store(m_grayPictureWhenDisabled, on); }
    bool DrawFocus() const { return m_drawFocus; }
    void setDrawFocus(bool on) { Store(m_drawFocus, on); }
    bool DrawMouseInRect() const { return m_drawMouseInRect; }
    void setDrawMouseInRect(bool on) { Store(m_drawMouseInRect, on); }
    uint32_t DisabledBackColor() const { return m_disabledBackColor; }
    void setDisabledBackColor(uint32_t c) { Store(m_disabledBackColor, c); }
    // Whether a held Enter clicks on every auto-repeat. A button whose action toggles (the start
    // button) turns it off, so one press of Enter acts once however long it is held.
    bool EnterRepeats() const { return m_enterRepeats; }
    void setEnterRepeats(bool on) { m_enterRepeats = on; }

    // Redraws the whole button; callers pass True (the mouse-leave handling passes False).
    void Refresh(bool withFocus = true);
    // The orange frame while the mouse is over the button, the blue one while it has the focus.
    void DrawHoverFrame();
    void DrawFocusFrame();

    // The picture holders, for hosts and tests.
    const ImageHolder& PCTcolor() const { return m_picture.PCTcolor; }
    const ImageHolder& PCTgray() const { return m_picture.PCTgray; }

    bool Pushed() const { return m_pushed; }

    // The stored properties of the push button, with what a derived button adds (`own`) after
    // DrawMouseInRect, and UnRefreshControl first or after DisabledBackColor.
    template<bool UnRefreshControlFirst, class... Own>
    static auto ButtonProperties(Own... own);

protected:
    // The pushed flag changes.
    virtual void OnLeftPress() { m_pushed = true; }
    // Before the hover frame of a left release.
    virtual void OnLeftRelease()
    {
        m_pushed = false;
        Refresh(true);
    }
    virtual bool LeaveClearsPushed() const { return true; }

    bool m_pushed = false;

    void Redraw() override { Refresh(true); }
    void HandleMessage(plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam) override;
    void OnMouseButton(plat::win::UINT msg, MouseEventArgs& args) override;
    void OnMouseHover() override;
    void OnMouseLeave() override;
    void onKeyDown(int& keyCode, int shift) override;
    void onKeyUp(int& keyCode, int shift) override;
    void onGotFocus() override { GotFocusHandling(); }
    void onLostFocus() override;

private:
    void GotFocusHandling();
    void RaiseClick();
    void DrawFrameLines(const plat::gfx::Color (&colours)[8]);
    plat::gfx::Rect CaptionRect() const;
    void PlacePicture();
    void DrawBorder();

    int32_t m_textPosition{};
    std::string m_caption{};
    uint32_t m_foreColor{};
    uint32_t m_backColor1{};
    uint32_t m_backColor2{};
    uint32_t m_backColorPushed1{};
    uint32_t m_backColorPushed2{};
    int32_t m_backGradient{};
    uint32_t m_borderColor{};
    bool m_breakCorner{};
    GrayedPicture m_picture;
    plat::forms::PictureRef m_pictureSource;
    int32_t m_pictureAlignment{};
    bool m_displayPicture{};
    int32_t m_pictureOffsetX{};
    int32_t m_pictureOffsetY{};
    bool m_grayPictureWhenDisabled{};
    bool m_drawFocus{};
    bool m_drawMouseInRect{};
    uint32_t m_disabledBackColor{};
    bool m_enterRepeats = true;
    bool m_keyRepeated = false; // the key-down being handled is an auto-repeat
};

template<bool UnRefreshControlFirst, class... Own>
auto PushButtonBase::ButtonProperties(Own... own)
{
    using B = PushButtonBase;
    using P = PropertiesOf<B>;
    using plat::forms::PropertyBag;
    const auto unRefreshControl = P::property("UnRefreshControl", &B::UnRefreshControl, &B::setUnRefreshControl, false);
    // A layout that stores no pushed colours presses in its face colours (grey only when it
    // stores no face); a written layout leaves them out when reading gives them back anyway.
    const auto pushedFrom = [](const char* faceKey, uint32_t grey) {
        return [faceKey, grey](const PushButtonBase&, const PropertyBag& bag) { return bag.readProperty(faceKey, grey); };
    };
    const auto head = propertyTable(P::property("BackColor1", &B::BackColor1, &B::setBackColor1, 0xFBFBFBu),
        P::property("BackColor2", &B::BackColor2, &B::setBackColor2, 0xDCDCDCu),
        P::property("BackColorPushed1", &B::BackColorPushed1, &B::setBackColorPushed1, pushedFrom("BackColor1", 0xC8C8C8u)),
        P::property("BackColorPushed2", &B::BackColorPushed2, &B::setBackColorPushed2, pushedFrom("BackColor2", 0xEBEBEBu)),
        P::property("BackGradient", &B::BackGradient, &B::setBackGradient, 2).pages(),
        P::property("Caption", &B::Caption, &B::setCaption, std::string("Caption")).pages(),
        P::property("Font", &B::Font, &B::setFont, ambientFont<B>(), ambientTypeface<B>()),
        P::property("ForeColor", &B::ForeColor, &B::setForeColor, 0x733C00u),
        P::property("TextPosition", &B::TextPosition, &B::setTextPosition, 2).pages(),
        P::property("Enabled", &B::Enabled, &B::setEnabled, true).pages(),
        P::property("BorderColor", &B::BorderColor, &B::setBorderColor, 0x733C00u),
        P::property("BreakCorner", &B::BreakCorner, &B::setBreakCorner, true).pages(),
        P::property(
            "Picture", &B::PictureSource, [](PushButtonBase& b, const plat::forms::PictureRef& p) { b.setPicture(p); },
            plat::forms::PictureRef{}),
        P::property("PictureAlignment", &B::PictureAlignment, &B::setPictureAlignment, 0).pages(),
        P::property("DisplayPicture", &B::DisplayPicture, &B::setDisplayPicture, true).pages(),
        P::property("PictureOffsetX", &B::PictureOffsetX, &B::setPictureOffsetX, 0).pages(),
        P::property("PictureOffsetY", &B::PictureOffsetY, &B::setPictureOffsetY, 0).pages(),
        P::property("GrayPictureWhenDisabled", &B::GrayPictureWhenDisabled, &B::setGrayPictureWhenDisabled, true).pages(),
        P::property("DrawFocus", &B::DrawFocus, &B::setDrawFocus, true).pages(),
        P::property("DrawMouseInRect", &B::DrawMouseInRect, &B::setDrawMouseInRect, true).pages(), own...,
        P::property("DisabledBackColor", &B::DisabledBackColor, &B::setDisabledBackColor, 0xE7E7E7u));
    const auto tail = propertyTable(P::property("UseMnemonic", &B::UseMnemonic, &B::setUseMnemonic, true, keepsItsValue),
        P::property("EnterRepeats", &B::EnterRepeats, &B::setEnterRepeats, true, keepsItsValue));
    if constexpr (UnRefreshControlFirst)
        return join(propertyTable(unRefreshControl), head, tail);
    else
        return join(head, propertyTable(unRefreshControl), tail);
}

} // namespace qel
