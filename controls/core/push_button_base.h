#pragma once
#include "controls/core/drawn_control.h"
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

    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

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
    // The properties a derived button adds, in their place: after DisabledBackColor.
    virtual void InitExtraProperties() {}
    virtual void ReadExtraProperties(plat::forms::PropertyBag& bag) { (void)bag; }
    virtual void WriteExtraProperties(plat::forms::PropertyBag& bag) const { (void)bag; }
    // Where "UnRefreshControl" is written: first (push button) or last.
    virtual bool WritesUnRefreshControlFirst() const { return true; }
    // A new instance paints once its defaults are set (the toggle button does).
    virtual bool PaintsNewInstance() const { return false; }

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

    int32_t m_textPosition = 2;
    std::string m_caption = "Caption";
    uint32_t m_foreColor = 0x733C00;
    uint32_t m_backColor1 = 0xFBFBFB;
    uint32_t m_backColor2 = 0xDCDCDC;
    uint32_t m_backColorPushed1 = 0xC8C8C8;
    uint32_t m_backColorPushed2 = 0xEBEBEB;
    int32_t m_backGradient = 2;
    uint32_t m_borderColor = 0x733C00;
    bool m_breakCorner = true;
    GrayedPicture m_picture;
    plat::forms::PictureRef m_pictureSource;
    int32_t m_pictureAlignment = 0;
    bool m_displayPicture = true;
    int32_t m_pictureOffsetX = 0;
    int32_t m_pictureOffsetY = 0;
    bool m_grayPictureWhenDisabled = true;
    bool m_drawFocus = true;
    bool m_drawMouseInRect = true;
    uint32_t m_disabledBackColor = 0xE7E7E7;
    bool m_enterRepeats = true;
    bool m_keyRepeated = false; // the key-down being handled is an auto-repeat
};

} // namespace qel
