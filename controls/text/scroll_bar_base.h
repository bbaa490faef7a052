#pragma once
#include "controls/text/arrow_step_control.h"
#include "controls/text/first_bar_properties.h"
#include "platform/forms/property_bag.h"
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qel {

enum class ScrollAxis { Horizontal, Vertical };

// The owner-drawn scroll bar that qelHScroll, qelVScroll and the embedded bars share: a
// fixed-point Value between Min and Max, two 255-twip arrow buttons, a track and a thumb whose
// length is a percentage of the track. Value moves by the arrows (SmallChange, repeated by
// Timer1 while held), by presses in the track beside the thumb (LargeChange, repeated by Timer2
// up to the end of the range), by dragging the thumb, by the wheel (WheelChange) and by the keys.
//
// Everything is told along the bar: "along" is x and the width for a horizontal bar, y and the
// height for a vertical one; the vertical bar draws the horizontal picture turned.
class ScrollBarBase : public ArrowStepControl {
public:
    // A mouse move that drags the thumb, before the thumb moves.
    std::function<void()> Scroll;

    ~ScrollBarBase() override;

    uint32_t BackColor() const { return m_backColor; }
    void setBackColor(uint32_t c) { Store(m_backColor, c); }
    // While False: no thumb, grey glyphs, no arrow looks, no paging, no repeat, no keys; arrow
    // presses, thumb drags and the wheel still act.
    void setEnabled(bool on) override;
    bool EnableWheel() const { return m_enableWheel; }
    void setEnableWheel(bool on) { Store(m_enableWheel, on); }
    Fixed LargeChange() const { return m_largeChange; }
    void setLargeChange(Fixed v) { Store(m_largeChange, v); }
    Fixed WheelChange() const { return m_wheelChange; }
    void setWheelChange(Fixed v) { Store(m_wheelChange, v); }
    // The interval of both repeat timers, milliseconds; does not repaint.
    void setMouseInterval(int32_t ms) override;
    uint32_t LargeChangeColor() const { return m_largeChangeColor; }
    void setLargeChangeColor(uint32_t c) { Store(m_largeChangeColor, c); }

    // Draws the whole bar (nothing while UnRefreshControl is True).
    void Refresh();

    // --- state, for hosts and tests ---
    ScrollAxis Axis() const { return m_axis; }
    int32_t ThumbPos() const { return m_thumbPos; }
    int32_t ThumbLength() const { return m_thumbLength; }
    int32_t LastPointerPos() const { return m_lastPointerPos; }
    int32_t PageDirection() const { return m_pageDirection; }
    bool Hovered() const { return m_mouseInside; }
    bool LeaveSeen() const { return m_leaveSeen; }
    bool SkipRepaint() const { return m_imageCurrent; }
    const WindowTimer& Timer2() const { return m_timer2; }

    // The nearest multiple of 15 at or above a whole number of twips: Int((x + 14) / 15) × 15.
    static Fixed RoundUpToPixel(Fixed x);

    // The stored properties of a bar along `axis`, in the order they are written (its thumb's
    // length is ScrollWidth or ScrollHeight).
    static const auto& StoredProperties(ScrollAxis axis);

    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    explicit ScrollBarBase(ScrollAxis axis);

    // The thumb's length as a percentage of the track (ScrollWidth or ScrollHeight).
    uint8_t ThumbPercent() const { return m_thumbPercent; }
    void setThumbPercent(uint8_t percent);

    // --- what the embedded bars change ---
    virtual bool Embedded() const { return false; }
    // Whether the thumb-dragging moves of the left button raise Change.
    virtual bool ChangeOnMove() const { return true; }

    // Clamps Value, places the thumb from it and repaints.
    void UpdateThumb();
    void SettleValue() override { UpdateThumb(); }

    // Lengths in twips: along the bar and across it.
    double Along() const;
    double Across() const;

    void Redraw() override { Refresh(); }
    void onPlaced() override;
    void OnResized() override;
    void HandleMessage(plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam) override;
    void OnMouseButton(plat::win::UINT msg, MouseEventArgs& args) override;
    bool OnMinArrow(const MouseEventArgs& args) const override { return InMinArrow(PointerAlong(args)); }
    bool OnMaxArrow(const MouseEventArgs& args) const override { return InMaxArrow(PointerAlong(args)); }
    // A move with the left button alone held drags the thumb while it lay under the pointer.
    void OnPointerMoved(MouseEventArgs& args) override;
    // Page Up and Page Down step by LargeChange besides the arrow keys, Home and End.
    bool StepByKey(int keyCode) override;

private:
    static auto BarProperties(std::string_view thumbKey);

    // The pointer's place along the bar, twips.
    int32_t PointerAlong(const MouseEventArgs& a) const { return m_axis == ScrollAxis::Horizontal ? a.x : a.y; }
    bool InMinArrow(int32_t p) const { return p <= 255; }
    bool InMaxArrow(int32_t p) const { return p >= Along() - 270; }
    bool InMinPage(int32_t p) const { return p > 255 && p < m_thumbPos; }
    bool InMaxPage(int32_t p) const { return p < Along() - 270 && p > m_thumbPos + m_thumbLength; }
    int32_t ThumbLengthFor(double along) const;
    // ThumbPos kept at or after 270, then at or before the end of the track (that bound wins).
    void ClampThumb();

    void OnWheel(plat::win::WPARAM wParam);
    void OnLeftDown(int32_t pointer);
    void OnLeftUp(int32_t pointer);
    void OnLeftDoubleClick(int32_t pointer);
    void DragThumb(int32_t pointer);
    void Timer2Tick();

    // Drawing in the horizontal bar's coordinates (twips); the vertical bar turns them.
    void Box(double a1, double b1, double a2, double b2, plat::gfx::Color color);
    void Line(double a1, double b1, double a2, double b2, plat::gfx::Color color);
    void DrawArrowLooks();
    void DrawGlyphs(plat::gfx::Color color);

    ScrollAxis m_axis;
    // All of it 0 until the properties are set or read.
    uint32_t m_backColor{};
    bool m_enableWheel{};
    uint8_t m_thumbPercent{};
    Fixed m_largeChange{};
    Fixed m_wheelChange{};
    uint32_t m_largeChangeColor{};

    int32_t m_thumbPos = 0;
    int32_t m_thumbLength = 0;
    int32_t m_lastPointerPos = 0;
    int32_t m_pageDirection = 0;
    WindowTimer m_timer2;
};

inline auto ScrollBarBase::BarProperties(std::string_view thumbKey)
{
    using B = ScrollBarBase;
    using P = PropertiesOf<B>;
    // Max before Min, Value after both: a bound is taken only while Value lies on its side of
    // it (a new bar starts at 0, 0, 0), and Value settles between them.
    const auto own = propertyTable(P::property("LargeChange", &B::LargeChange, &B::setLargeChange, Whole(10)).pages(),
        P::property("Max", &B::Max, &B::setMax, Whole(100)).pages(), P::property("Min", &B::Min, &B::setMin, Whole(0)).pages(),
        P::property("WheelChange", &B::WheelChange, &B::setWheelChange, Whole(3)).pages(),
        P::property(thumbKey, &B::ThumbPercent, &B::setThumbPercent, uint8_t(10)).pages(),
        P::property("SmallChange", &B::SmallChange, &B::setSmallChange, Whole(1)).pages(),
        P::property("Value", &B::Value, &B::setValue, Whole(50)).pages(),
        P::property("MouseHoverColor", &B::MouseHoverColor, &B::setMouseHoverColor, uint32_t(0xFFFFFF)),
        P::property("DownColor", &B::DownColor, &B::setDownColor, uint32_t(0xBE9E8D)),
        P::property("MouseInterval", &B::MouseInterval, &B::setMouseInterval, 100).pages(),
        P::property("LargeChangeColor", &B::LargeChangeColor, &B::setLargeChangeColor, uint32_t(0xBE9E8D)),
        // An embedded bar draws nothing until its host lets it.
        P::property("UnRefreshControl", &B::UnRefreshControl, &B::setUnRefreshControl, [](const B& b) { return b.Embedded(); }));
    return join(FirstBarProperties<B>(), own);
}

inline const auto& ScrollBarBase::StoredProperties(ScrollAxis axis)
{
    static const auto horizontal = BarProperties("ScrollWidth");
    static const auto vertical = BarProperties("ScrollHeight");
    return axis == ScrollAxis::Horizontal ? horizontal : vertical;
}

} // namespace qel
