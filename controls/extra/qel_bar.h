#pragma once
#include "controls/core/drawn_control.h"
#include "controls/core/property_table.h"
#include "platform/forms/picture_ref.h"
#include "platform/forms/property_bag.h"
#include "platform/gfx/picture.h"
#include <cmath>
#include <functional>
#include <string>

namespace qel {

// The horizontal progress bar that the user can also set with the mouse (a slider). The value
// between Min and Max shows as a part filled from the left, a colour gradient or a stretched
// picture over a background gradient or picture, with an optional label at one of nine places
// and an optional ring of BorderColor around it.
//
// The drawing goes on the inner surface pct, a child window that covers the control inside the
// ring; its presses set the value (InteractiveControl), its click, double click and the keys are
// passed on as Click, DblClick and the key events. The control's own window, seen only as the
// ring, gives the common mouse events. UnRefreshControl is stored but does not stop drawing.
//
// Members, in interface order: WindowProc, Alignment, ForeColor, Value, InteractiveButton,
// InteractiveControl, DisplayLabel, Font, DisplayBorder, BackPicture, FrontPicture, LeftColor,
// BorderStyle, Decimals, RightColor, BackColorTop, BackColorBottom, OffSetX, OffSetY, Min, Max,
// BorderColor, GradientMode, hwnd, UnRefreshControl.
class qelBar : public DrawnControl {
public:
    using ValueEvent = std::function<void(double& NewValue, double& OldValue)>;

    // "Happens when Value is changed"
    ValueEvent Change;
    std::function<void()> Click;
    std::function<void()> DblClick;
    // "Happens when interaction is completed."
    ValueEvent InteractionComplete;
    // "Happens when Value=Max"
    std::function<void(double& Value)> ValueIsMax;
    // "Happens when Value=Min"
    std::function<void(double& Value)> ValueIsMin;
    // (MouseWheel's parameter is the WheelSens; the key and mouse events come from DrawnControl.)

    qelBar();
    ~qelBar() override;
    std::string className() const override { return "qelBar"; }

    // 1 top left ... 9 bottom right (rows of three); any other value leaves the label where the
    // drawing ended.
    int32_t Alignment() const { return m_alignment; }
    void setAlignment(int32_t v) { Store(m_alignment, v); }
    uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(uint32_t c) { Store(m_foreColor, c); }
    // Kept within [Min, Max] (not a number: Min); raises Change on every assignment, then
    // ValueIsMin and ValueIsMax when they hold.
    double Value() const { return m_value; }
    void setValue(double v);
    // "Define wich button is used to Interactive option"
    int32_t InteractiveButton() const { return m_interactiveButton; }
    void setInteractiveButton(int32_t v) { m_interactiveButton = v; }
    // "Active or not the Interactive option (allows to change value by using mouse)"
    bool InteractiveControl() const { return m_interactiveControl; }
    void setInteractiveControl(bool v) { m_interactiveControl = v; }
    // "Define how to display label": 1 percentage, 2 value, 3 value/maximum, other none.
    int32_t DisplayLabel() const { return m_displayLabel; }
    void setDisplayLabel(int32_t v) { Store(m_displayLabel, v); }
    const plat::forms::FontDesc& Font() const { return SurfaceFont(); }
    void setFont(const plat::forms::FontDesc& font);
    bool DisplayBorder() const { return m_displayBorder; }
    void setDisplayBorder(bool v);
    // Set without a redraw; the next change that redraws shows it.
    const plat::gfx::Picture& BackPicture() const { return m_backImg; }
    void setBackPicture(const plat::gfx::Picture& picture);
    void setBackPicture(const plat::forms::PictureRef& picture);
    // The resources-folder pictures as stored layouts name them (empty for a picture set directly).
    const plat::forms::PictureRef& BackPictureSource() const { return m_backSource; }
    const plat::gfx::Picture& FrontPicture() const { return m_frontImg; }
    void setFrontPicture(const plat::gfx::Picture& picture);
    void setFrontPicture(const plat::forms::PictureRef& picture);
    const plat::forms::PictureRef& FrontPictureSource() const { return m_frontSource; }
    uint32_t LeftColor() const { return m_leftColor; }
    void setLeftColor(uint32_t c) { Store(m_leftColor, c); }
    // "3D effect or not": 1 gives pct a sunken two-pixel frame; no redraw.
    int32_t BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int32_t v);
    // "Number of decimal to use to display percentage": 23 and above are stored as 22.
    int32_t Decimals() const { return m_decimals; }
    void setDecimals(int32_t v) { Store(m_decimals, v >= 23 ? 22 : v); }
    uint32_t RightColor() const { return m_rightColor; }
    void setRightColor(uint32_t c) { Store(m_rightColor, c); }
    // The bottom row of the background shows BackColorTop, the top row BackColorBottom.
    uint32_t BackColorTop() const { return m_backColorTop; }
    void setBackColorTop(uint32_t c) { Store(m_backColorTop, c); }
    uint32_t BackColorBottom() const { return m_backColorBottom; }
    void setBackColorBottom(uint32_t c) { Store(m_backColorBottom, c); }
    // "Offset (pixels) of text"
    int32_t OffSetX() const { return m_offSetX; }
    void setOffSetX(int32_t v) { Store(m_offSetX, v); }
    int32_t OffSetY() const { return m_offSetY; }
    void setOffSetY(int32_t v) { Store(m_offSetY, v); }
    // "Min of the range": stored without test but for not a number; "Max of the range": stored
    // only above Min.
    // Neither moves Value or redraws.
    double Min() const { return m_min; }
    void setMin(double v)
    {
        if (!std::isnan(v))
            m_min = v;
    }
    double Max() const { return m_max; }
    void setMax(double v)
    {
        if (v > m_min)
            m_max = v;
    }
    // The control's own background, seen as the ring.
    uint32_t BorderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t c);
    // "Define how to display gradient": 2 spans the whole width, other values the filled part.
    int32_t GradientMode() const { return m_gradientMode; }
    void setGradientMode(int32_t v) { Store(m_gradientMode, v); }

    // --- for hosts and tests ---
    // The inner surface's window and its drawing area (pixels, inside its frame).
    plat::win::HWND PictureWindow() const { return m_pct; }
    int DrawingWidth() const;
    int DrawingHeight() const;
    // The label text the last drawing pass wrote.
    const std::string& LabelText() const { return m_labelText; }
    bool Drawn() const { return m_imageCurrent; }

    static const auto& StoredProperties();
    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    void Redraw() override;
    void OnResized() override;
    void onPlaced() override;
    void onRemoved() override;

private:
    void DrawingPass();
    void Layout();
    void DrawBackground(int W, int H);
    void DrawFrame();
    void ShowRing();
    void RaiseValueEvents(double newValue, double oldValue, bool interaction);
    plat::win::LRESULT PictureProc(plat::win::HWND hwnd, plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam);
    // Where Value stands from Min (0) to Max (1); 0 when they are equal. Defined for every pair
    // of bounds: an infinite one counts as the farthest double.
    double FilledFraction() const;
    // F, the fill's width in pixels for a drawing area W wide.
    static double FillWidth(double fraction, int W);
    // An infinite number as the farthest double of its sign; any other as it is.
    static double Farthest(double v);
    void PicturePress(int button, int x, int y);
    int FrameInset() const { return m_borderStyle == 1 ? 2 : 0; }

    int32_t m_alignment{};
    uint32_t m_foreColor{};
    double m_value{};
    int32_t m_interactiveButton{};
    bool m_interactiveControl{};
    int32_t m_displayLabel{};
    bool m_displayBorder{};
    plat::gfx::Picture m_backImg;
    plat::forms::PictureRef m_backSource;
    plat::gfx::Picture m_frontImg;
    plat::forms::PictureRef m_frontSource;
    uint32_t m_leftColor{};
    int32_t m_borderStyle{};
    int32_t m_decimals{};
    uint32_t m_rightColor{};
    uint32_t m_backColorTop{};
    uint32_t m_backColorBottom{};
    int32_t m_offSetX{};
    int32_t m_offSetY{};
    double m_min{};
    double m_max{};
    uint32_t m_borderColor{};
    int32_t m_gradientMode{};

    plat::win::HWND m_pct = 0;
    plat::gfx::Surface m_tpn;
    std::string m_labelText;
    bool m_leftPressedOnPicture = false;
};

// In the order they are written. Reading and a new bar follow it: Min before Max (Max is taken
// only above Min) and both before Value (kept within them); DisplayBorder and BorderStyle, which
// size the inner surface, before BackPicture, which is drawn on it.
inline const auto& qelBar::StoredProperties()
{
    using B = qelBar;
    using P = PropertiesOf<B>;
    using plat::forms::PictureRef;
    static const auto table = propertyTable(P::property("BorderColor", &B::BorderColor, &B::setBorderColor, 0xFF8080u),
        P::property("DisplayBorder", &B::DisplayBorder, &B::setDisplayBorder, true).pages(),
        P::property("Decimals", &B::Decimals, &B::setDecimals, 2).pages(),
        P::property("BackColorTop", &B::BackColorTop, &B::setBackColorTop, 0xDCDCDCu),
        P::property("BackColorBottom", &B::BackColorBottom, &B::setBackColorBottom, 0xFBFBFBu),
        P::property("LeftColor", &B::LeftColor, &B::setLeftColor, 0xC85A21u),
        P::property("RightColor", &B::RightColor, &B::setRightColor, 0xE4C6B5u), P::property("Min", &B::Min, &B::setMin, 1.0).pages(),
        P::property("Max", &B::Max, &B::setMax, 100.0).pages(), P::property("OffSetX", &B::OffSetX, &B::setOffSetX, 0).pages(),
        P::property("OffSetY", &B::OffSetY, &B::setOffSetY, 0).pages(),
        P::property("Alignment", &B::Alignment, &B::setAlignment, 5).pages(), P::property("Value", &B::Value, &B::setValue, 50.0).pages(),
        P::property("InteractiveControl", &B::InteractiveControl, &B::setInteractiveControl, false).pages(),
        P::property("DisplayLabel", &B::DisplayLabel, &B::setDisplayLabel, 1).pages(),
        P::property("GradientMode", &B::GradientMode, &B::setGradientMode, 2).pages(),
        P::property("UnRefreshControl", &B::UnRefreshControl, &B::setUnRefreshControl, false),
        P::property("ForeColor", &B::ForeColor, &B::setForeColor, 0x404040u),
        P::property("BorderStyle", &B::BorderStyle, &B::setBorderStyle, 0).pages(),
        P::property("InteractiveButton", &B::InteractiveButton, &B::setInteractiveButton, 1).pages(),
        P::property(
            "BackPicture", &B::BackPictureSource, [](B& b, const PictureRef& p) { b.setBackPicture(p); }, PictureRef{}, keepsItsValue),
        P::property(
            "FrontPicture", &B::FrontPictureSource, [](B& b, const PictureRef& p) { b.setFrontPicture(p); }, PictureRef{}, keepsItsValue),
        P::property("Font", &B::Font, &B::setFont, ambientFont<B>()));
    return table;
}

} // namespace qel
