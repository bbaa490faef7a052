#pragma once
#include "platform/gfx/device_context.h"
#include "platform/window/types.h"
#include <functional>

namespace plat::forms {

// A plain scroll bar drawn inside a control's own window (the list controls and the multi-line
// text box): two arrow buttons, the track and a thumb sized to the visible part. The owner
// gives it its rectangle, passes mouse messages on and draws it with the rest of its image.
// Holding an arrow or the track repeats the step (first after 400 ms, then every 50 ms).
class InsetScrollBar {
public:
    enum class Orientation { Vertical, Horizontal };
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 50;

    explicit InsetScrollBar(Orientation orientation = Orientation::Vertical);
    ~InsetScrollBar();
    InsetScrollBar(const InsetScrollBar&) = delete;
    InsetScrollBar& operator=(const InsetScrollBar&) = delete;

    // The window whose timer repeats the steps.
    void setOwner(win::HWND hwnd);
    void setRect(const gfx::Rect& r) { m_rect = r; }
    const gfx::Rect& rect() const { return m_rect; }
    // The scrolled content has `total` units of which `page` show; the value runs from 0 to
    // total - page.
    void setRange(int total, int page);
    int total() const { return m_total; }
    int page() const { return m_page; }
    int value() const { return m_value; }
    int maxValue() const { return std::max(0, m_total - m_page); }
    // Clamps; returns whether the value changed (no onScroll: the caller moved it).
    bool setValue(int value);
    void setLineStep(int units) { m_lineStep = std::max(1, units); }
    // Whether there is anything to scroll.
    bool scrollable() const { return m_total > m_page; }

    void draw(gfx::DeviceContext& dc) const;
    bool contains(gfx::Point p) const { return m_rect.contains(p.x, p.y); }
    // A press on the bar starts tracking and returns true; anything else returns false.
    bool mouseDown(gfx::Point p);
    void mouseMove(gfx::Point p);
    void mouseUp();
    bool tracking() const { return m_pressed != Part::None; }
    void cancel();

    // The user moved the value (arrows, track, thumb).
    std::function<void()> onScroll;

private:
    enum class Part { None, LineBack, PageBack, Thumb, PageForward, LineForward };
    bool vertical() const { return m_orientation == Orientation::Vertical; }
    int length() const { return vertical() ? m_rect.height() : m_rect.width(); }
    int thickness() const { return vertical() ? m_rect.width() : m_rect.height(); }
    int arrowLength() const;
    void thumbSpan(int& start, int& size) const; // along the bar, relative to its start
    gfx::Rect span(int start, int size) const;
    Part partAt(gfx::Point p) const;
    int along(gfx::Point p) const;
    void step(Part part);
    void repeat();
    void startTimer(int ms);
    void stopTimer();
    void scrollTo(int value);

    Orientation m_orientation;
    win::HWND m_owner = 0;
    gfx::Rect m_rect;
    int m_total = 0;
    int m_page = 0;
    int m_value = 0;
    int m_lineStep = 1;
    Part m_pressed = Part::None;
    bool m_pressedInside = false;
    gfx::Point m_pointer;
    int m_grabOffset = 0;
    bool m_timer = false;
};

} // namespace plat::forms
