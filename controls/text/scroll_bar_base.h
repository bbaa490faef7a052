#pragma once
#include "controls/core/drawn_control.h"
#include "controls/text/fixed_point.h"
#include "controls/text/window_timer.h"
#include "platform/forms/property_bag.h"
#include <cstdint>
#include <functional>
#include <string>

namespace qel {

enum class ScrollAxis { Horizontal, Vertical };

// Look and press state of an arrow button.
enum ArrowState : int32_t { ArrowNormal = 0, ArrowHover = 1, ArrowPressed = 2 };

// The owner-drawn scroll bar that qelHScroll, qelVScroll and the embedded bars share: a
// fixed-point Value between Min and Max, two 255-twip arrow buttons, a track and a thumb whose
// length is a percentage of the track. Value moves by the arrows (SmallChange, repeated by
// Timer1 while held), by presses in the track beside the thumb (LargeChange, repeated by Timer2
// up to the end of the range), by dragging the thumb, by the wheel (WheelChange) and by the keys.
//
// Everything is told along the bar: "along" is x and the width for a horizontal bar, y and the
// height for a vertical one; the vertical bar draws the horizontal picture turned.
class ScrollBarBase : public DrawnControl {
public:
    // Raised with the bar's own Value storage: a handler that assigns to it changes Value.
    std::function<void(Fixed& Value)> Change;
    // A mouse move that drags the thumb, before the thumb moves.
    std::function<void()> Scroll;

    ~ScrollBarBase() override;

    uint32_t BackColor() const { return m_backColor; }
    void setBackColor(uint32_t c) { Store(m_backColor, c); }
    uint32_t BorderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t c) { Store(m_borderColor, c); }
    uint32_t ArrowColor() const { return m_arrowColor; }
    void setArrowColor(uint32_t c) { Store(m_arrowColor, c); }
    uint32_t FrontColor() const { return m_frontColor; }
    void setFrontColor(uint32_t c) { Store(m_frontColor, c); }
    // While False: no thumb, grey glyphs, no arrow looks, no paging, no repeat, no keys; arrow
    // presses, thumb drags and the wheel still act.
    void setEnabled(bool on) override;
    bool EnableWheel() const { return m_enableWheel; }
    void setEnableWheel(bool on) { Store(m_enableWheel, on); }
    Fixed Min() const { return m_min; }
    void setMin(Fixed v);
    Fixed Max() const { return m_max; }
    virtual void setMax(Fixed v);
    Fixed Value() const { return m_value; }
    virtual void setValue(Fixed v);
    Fixed SmallChange() const { return m_smallChange; }
    void setSmallChange(Fixed v) { Store(m_smallChange, v); }
    Fixed LargeChange() const { return m_largeChange; }
    void setLargeChange(Fixed v) { Store(m_largeChange, v); }
    Fixed WheelChange() const { return m_wheelChange; }
    void setWheelChange(Fixed v) { Store(m_wheelChange, v); }
    uint32_t DownColor() const { return m_downColor; }
    void setDownColor(uint32_t c) { Store(m_downColor, c); }
    uint32_t MouseHoverColor() const { return m_mouseHoverColor; }
    void setMouseHoverColor(uint32_t c) { Store(m_mouseHoverColor, c); }
    // The interval of both repeat timers, milliseconds; does not repaint.
    int32_t MouseInterval() const { return m_mouseInterval; }
    void setMouseInterval(int32_t ms);
    uint32_t LargeChangeColor() const { return m_largeChangeColor; }
    void setLargeChangeColor(uint32_t c) { Store(m_largeChangeColor, c); }

    // Draws the whole bar (nothing while UnRefreshControl is True).
    void Refresh();

    // --- state, for hosts and tests ---
    ScrollAxis Axis() const { return m_axis; }
    ArrowState MinArrowState() const { return m_minArrowState; }
    ArrowState MaxArrowState() const { return m_maxArrowState; }
    int32_t ThumbPos() const { return m_thumbPos; }
    int32_t ThumbLength() const { return m_thumbLength; }
    int32_t LastPointerPos() const { return m_lastPointerPos; }
    int32_t PageDirection() const { return m_pageDirection; }
    bool Hovered() const { return m_mouseInside; }
    bool LeaveSeen() const { return m_leaveSeen; }
    bool SkipRepaint() const { return m_imageCurrent; }
    const WindowTimer& Timer1() const { return m_timer1; }
    const WindowTimer& Timer2() const { return m_timer2; }

    // The nearest multiple of 15 at or above a whole number of twips: Int((x + 14) / 15) × 15.
    static Fixed RoundUpToPixel(Fixed x);

    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    explicit ScrollBarBase(ScrollAxis axis);

    // The thumb's length as a percentage of the track (ScrollWidth or ScrollHeight).
    uint8_t ThumbPercent() const { return m_thumbPercent; }
    void setThumbPercent(uint8_t percent);
    const char* ThumbPercentKey() const;

    // --- what the embedded bars change ---
    virtual bool Embedded() const { return false; }
    // Whether the thumb-dragging moves of the left button raise Change.
    virtual bool ChangeOnMove() const { return true; }

    // Clamps Value, places the thumb from it and repaints.
    void UpdateThumb();
    // The Value Let's common part: Change with the old value (unless `silent`), the new value
    // stored unclamped, UpdateThumb.
    void AssignValue(Fixed v, bool silent);
    void RaiseChange();

    // Lengths in twips: along the bar and across it.
    double Along() const;
    double Across() const;

    void Redraw() override { Refresh(); }
    void onPlaced() override;
    void OnResized() override;
    void HandleMessage(plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam) override;
    void OnMouseButton(plat::win::UINT msg, MouseEventArgs& args) override;
    void OnMouseLeave() override;
    void onKeyDown(int& keyCode, int shift) override;

    Fixed m_min{};
    Fixed m_max{};
    Fixed m_value{};

private:
    // The pointer's place along the bar, twips.
    int32_t PointerAlong(const MouseEventArgs& a) const { return m_axis == ScrollAxis::Horizontal ? a.x : a.y; }
    bool InMinArrow(int32_t p) const { return p <= 255; }
    bool InMaxArrow(int32_t p) const { return p >= Along() - 270; }
    bool InMinPage(int32_t p) const { return p > 255 && p < m_thumbPos; }
    bool InMaxPage(int32_t p) const { return p < Along() - 270 && p > m_thumbPos + m_thumbLength; }
    int32_t ThumbLengthFor(double along) const;
    // ThumbPos kept at or after 270, then at or before the end of the track (that bound wins).
    void ClampThumb();

    void OnMouseMove(plat::win::WPARAM wParam, plat::win::LPARAM lParam);
    void OnWheel(plat::win::WPARAM wParam);
    void OnLeftDown(int32_t pointer);
    void OnLeftUp(int32_t pointer);
    void OnLeftDoubleClick(int32_t pointer);
    void DragThumb(int32_t pointer);
    void Timer1Tick();
    void Timer2Tick();

    // Drawing in the horizontal bar's coordinates (twips); the vertical bar turns them.
    void Box(double a1, double b1, double a2, double b2, plat::gfx::Color color);
    void Line(double a1, double b1, double a2, double b2, plat::gfx::Color color);
    void DrawArrowLooks();
    void DrawGlyphs(plat::gfx::Color color);

    ScrollAxis m_axis;
    // All of it 0 until the properties are set or read.
    uint32_t m_backColor = 0;
    uint32_t m_borderColor = 0;
    uint32_t m_arrowColor = 0;
    uint32_t m_frontColor = 0;
    bool m_enableWheel = false;
    uint8_t m_thumbPercent = 0;
    Fixed m_smallChange{};
    Fixed m_largeChange{};
    Fixed m_wheelChange{};
    uint32_t m_downColor = 0;
    uint32_t m_mouseHoverColor = 0;
    int32_t m_mouseInterval = 0;
    uint32_t m_largeChangeColor = 0;

    ArrowState m_minArrowState = ArrowNormal;
    ArrowState m_maxArrowState = ArrowNormal;
    int32_t m_thumbPos = 0;
    int32_t m_thumbLength = 0;
    int32_t m_lastPointerPos = 0;
    int32_t m_pageDirection = 0;
    WindowTimer m_timer1;
    WindowTimer m_timer2;
};

} // namespace qel
