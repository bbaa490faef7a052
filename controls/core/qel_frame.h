#pragma once
#include "controls/core/drawn_control.h"
#include "controls/core/image_holder.h"
#include "controls/core/property_table.h"
#include "platform/forms/font_desc.h"
#include "platform/forms/picture_ref.h"
#include <string>

namespace qel {

// The titled panel: a title bar (solid or gradient) with its caption and an optional picture,
// a solid or gradient background or none (see-through), and a border that may round the
// corners, cutting the frame's window to that shape. It is a container: controls placed in it
// have their windows inside its window, so they move, show, hide and clip with it, and its
// Enabled is passed on to every control inside (a frame inside passes it on again). The frame
// has no focus, no Click and no look of its own for the mouse.
class qelFrame : public DrawnControl {
public:
    qelFrame();
    std::string className() const override { return "qelFrame"; }

    // 0 see-through (only what is drawn shows), 1 opaque with background.
    int BackStyle() const { return m_backStyle; }
    void setBackStyle(int style);
    // 0 left, 1 right, 2 centred, any other value left.
    int TextPosition() const { return m_textPosition; }
    void setTextPosition(int position);
    const std::string& Caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    bool ShowTitle() const { return m_showTitle; }
    void setShowTitle(bool on);
    // Twips.
    int TitleHeight() const { return m_titleHeight; }
    void setTitleHeight(int twips);
    uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(uint32_t color);
    uint32_t TitleColor1() const { return m_titleColor1; }
    void setTitleColor1(uint32_t color);
    uint32_t TitleColor2() const { return m_titleColor2; }
    void setTitleColor2(uint32_t color);
    uint32_t BackColor1() const { return m_backColor1; }
    void setBackColor1(uint32_t color);
    uint32_t BackColor2() const { return m_backColor2; }
    void setBackColor2(uint32_t color);
    const plat::forms::FontDesc& Font() const { return SurfaceFont(); }
    void setFont(const plat::forms::FontDesc& font);
    bool ShowBackGround() const { return m_showBackGround; }
    void setShowBackGround(bool on);
    // 0 solid, 2 top to bottom, any other value left to right.
    int TitleGradient() const { return m_titleGradient; }
    void setTitleGradient(int gradient);
    int BackGradient() const { return m_backGradient; }
    void setBackGradient(int gradient);
    // Enabled (DrawnControl): after its repaint it is passed on to every control inside.
    uint32_t BorderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t color);
    bool DisplayBorder() const { return m_displayBorder; }
    void setDisplayBorder(bool on);
    bool BreakCorner() const { return m_breakCorner; }
    void setBreakCorner(bool on);
    // PCTcolor's picture. Set makes the grey copy at once.
    const plat::gfx::Picture& Picture() const { return m_picture.PCTcolor.Picture(); }
    void setPicture(const plat::gfx::Picture& picture);
    // A picture of the resources folder (as stored layouts name it); a path that does not load
    // gives no picture. A picture made in code (above) is not stored.
    void setPicture(const plat::forms::PictureRef& picture);
    const plat::forms::PictureRef& PictureSource() const { return m_pictureRef; }
    // Pixels.
    int RoundAngle() const { return m_roundAngle; }
    void setRoundAngle(int pixels);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);
    // 0 left of the title bar, any other value right.
    int PictureAlignment() const { return m_pictureAlignment; }
    void setPictureAlignment(int alignment);
    bool DisplayPicture() const { return m_displayPicture; }
    void setDisplayPicture(bool on);
    // Twips.
    int PictureOffsetX() const { return m_pictureOffsetX; }
    void setPictureOffsetX(int twips);
    int PictureOffsetY() const { return m_pictureOffsetY; }
    void setPictureOffsetY(int twips);
    bool GrayPictureWhenDisabled() const { return m_grayPictureWhenDisabled; }
    void setGrayPictureWhenDisabled(bool on);

    // Redraws now, unless UnRefreshControl is set.
    void Refresh();

    // The picture holders over the title bar (PCTcolor, PCTgray).
    const ImageHolder& PCTcolor() const { return m_picture.PCTcolor; }
    const ImageHolder& PCTgray() const { return m_picture.PCTgray; }

    static const auto& StoredProperties();
    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

    static constexpr uint32_t kDefaultBorderColor = 0xFF8080;
    static constexpr uint32_t kDefaultTitleColor1 = 0xC85A21;
    static constexpr uint32_t kDefaultTitleColor2 = 0xE4C6B5;
    static constexpr uint32_t kDefaultBackColor1 = 0xFBFBFB;
    static constexpr uint32_t kDefaultBackColor2 = 0xDCDCDC;

protected:
    bool canTakeFocus() const override { return false; }
    void Redraw() override { Refresh(); }
    void OnEnabledSet() override;
    void onContainedControlsPlaced() override;

private:
    void DrawTitle();
    void DrawCaptionLine();
    void DrawBackground();
    void PlacePictures();
    void PlaceHolder(ImageHolder& holder);
    void DrawBorder();

    int m_backStyle{};
    int m_textPosition{};
    std::string m_caption{};
    bool m_showTitle{};
    int m_titleHeight{};
    uint32_t m_foreColor{};
    uint32_t m_titleColor1{};
    uint32_t m_titleColor2{};
    uint32_t m_backColor1{};
    uint32_t m_backColor2{};
    bool m_showBackGround{};
    int m_titleGradient{};
    int m_backGradient{};
    uint32_t m_borderColor{};
    bool m_displayBorder{};
    bool m_breakCorner{};
    plat::forms::PictureRef m_pictureRef{};
    int m_roundAngle{};
    int m_borderWidth{};
    int m_pictureAlignment{};
    bool m_displayPicture{};
    int m_pictureOffsetX{};
    int m_pictureOffsetY{};
    bool m_grayPictureWhenDisabled{};

    GrayedPicture m_picture;
};

inline const auto& qelFrame::StoredProperties()
{
    using C = qelFrame;
    using P = PropertiesOf<C>;
    static const auto table = propertyTable(P::property("UnRefreshControl", &C::UnRefreshControl, &C::setUnRefreshControl, false),
        P::property("BackColor1", &C::BackColor1, &C::setBackColor1, kDefaultBackColor1),
        P::property("BackColor2", &C::BackColor2, &C::setBackColor2, kDefaultBackColor2),
        P::property("BackGradient", &C::BackGradient, &C::setBackGradient, 2).pages(),
        P::property("BackStyle", &C::BackStyle, &C::setBackStyle, 1).pages(),
        P::property("Caption", &C::Caption, &C::setCaption, std::string("Caption")).pages(),
        P::property("Font", &C::Font, &C::setFont, ambientFont<C>(), ambientTypeface<C>()),
        P::property("ForeColor", &C::ForeColor, &C::setForeColor, 0xFFFFFFu),
        P::property("ShowBackGround", &C::ShowBackGround, &C::setShowBackGround, true).pages(),
        P::property("ShowTitle", &C::ShowTitle, &C::setShowTitle, true).pages(),
        P::property("TextPosition", &C::TextPosition, &C::setTextPosition, 2).pages(),
        P::property("TitleColor1", &C::TitleColor1, &C::setTitleColor1, kDefaultTitleColor1),
        P::property("TitleColor2", &C::TitleColor2, &C::setTitleColor2, kDefaultTitleColor2),
        P::property("TitleGradient", &C::TitleGradient, &C::setTitleGradient, 1).pages(),
        P::property("TitleHeight", &C::TitleHeight, &C::setTitleHeight, 250).pages(),
        P::property("Enabled", &C::Enabled, &C::setEnabled, true).pages(),
        P::property("BorderColor", &C::BorderColor, &C::setBorderColor, kDefaultBorderColor),
        P::property("DisplayBorder", &C::DisplayBorder, &C::setDisplayBorder, true).pages(),
        P::property("BreakCorner", &C::BreakCorner, &C::setBreakCorner, true).pages(),
        P::property(
            "Picture", &C::PictureSource, [](C& c, const plat::forms::PictureRef& p) { c.setPicture(p); }, plat::forms::PictureRef{}),
        P::property("RoundAngle", &C::RoundAngle, &C::setRoundAngle, 7).pages(),
        P::property("BorderWidth", &C::BorderWidth, &C::setBorderWidth, 1).pages(),
        P::property("PictureAlignment", &C::PictureAlignment, &C::setPictureAlignment, 0).pages(),
        P::property("DisplayPicture", &C::DisplayPicture, &C::setDisplayPicture, true).pages(),
        P::property("PictureOffsetX", &C::PictureOffsetX, &C::setPictureOffsetX, 0).pages(),
        P::property("PictureOffsetY", &C::PictureOffsetY, &C::setPictureOffsetY, 0).pages(),
        P::property("GrayPictureWhenDisabled", &C::GrayPictureWhenDisabled, &C::setGrayPictureWhenDisabled, true).pages(),
        P::property("UseMnemonic", &C::UseMnemonic, &C::setUseMnemonic, true, keepsItsValue));
    return table;
}

} // namespace qel
