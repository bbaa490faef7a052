#include "platform/forms/inset_scroll_bar.h"
#include "platform/forms/edges.h"
#include "platform/gfx/system_colors.h"
#include "platform/window/api.h"

namespace plat::forms {

using namespace plat::win;
using gfx::systemColor;

InsetScrollBar::InsetScrollBar(Orientation orientation)
    : m_orientation(orientation)
{
}

InsetScrollBar::~InsetScrollBar() { stopTimer(); }

void InsetScrollBar::setOwner(HWND hwnd)
{
    stopTimer();
    m_owner = hwnd;
}

void InsetScrollBar::setRange(int total, int page)
{
    m_total = std::max(0, total);
    m_page = std::max(0, page);
    m_value = std::clamp(m_value, 0, maxValue());
}

bool InsetScrollBar::setValue(int value)
{
    int v = std::clamp(value, 0, maxValue());
    if (v == m_value)
        return false;
    m_value = v;
    return true;
}

int InsetScrollBar::arrowLength() const { return std::min(thickness(), length() / 2); }

void InsetScrollBar::thumbSpan(int& start, int& size) const
{
    int arrow = arrowLength();
    int track = length() - 2 * arrow;
    if (!scrollable() || track < 8) {
        start = size = 0;
        return;
    }
    size = std::max(8, int(int64_t(track) * m_page / m_total));
    size = std::min(size, track);
    int room = track - size;
    start = arrow + (maxValue() ? int(int64_t(room) * m_value / maxValue()) : 0);
}

gfx::Rect InsetScrollBar::span(int start, int size) const
{
    if (vertical())
        return {m_rect.left, m_rect.top + start, m_rect.right, m_rect.top + start + size};
    return {m_rect.left + start, m_rect.top, m_rect.left + start + size, m_rect.bottom};
}

int InsetScrollBar::along(gfx::Point p) const { return vertical() ? p.y - m_rect.top : p.x - m_rect.left; }

InsetScrollBar::Part InsetScrollBar::partAt(gfx::Point p) const
{
    if (!contains(p))
        return Part::None;
    int a = along(p);
    int arrow = arrowLength();
    if (a < arrow)
        return Part::LineBack;
    if (a >= length() - arrow)
        return Part::LineForward;
    int start = 0, size = 0;
    thumbSpan(start, size);
    if (size == 0)
        return Part::None;
    if (a < start)
        return Part::PageBack;
    if (a >= start + size)
        return Part::PageForward;
    return Part::Thumb;
}

void InsetScrollBar::draw(gfx::DeviceContext& dc) const
{
    if (m_rect.isEmpty())
        return;
    int arrow = arrowLength();
    bool live = scrollable();
    gfx::Color arrowColor = live ? systemColor(gfx::ColorBtnText) : systemColor(gfx::ColorGrayText);

    // The track: the classic dither of button face and highlight.
    gfx::Rect track = span(arrow, length() - 2 * arrow);
    gfx::Surface& s = dc.surface();
    gfx::Rect onSurface = track.offset(dc.origin().x, dc.origin().y).intersect(s.rect());
    uint32_t light = gfx::opaque(systemColor(gfx::ColorBtnHighlight)), face = gfx::opaque(systemColor(gfx::ColorBtnFace));
    for (int y = onSurface.top; y < onSurface.bottom; ++y)
        for (int x = onSurface.left; x < onSurface.right; ++x)
            s.setPixel(x, y, ((x + y) & 1) ? light : face);
    if (m_pressedInside && (m_pressed == Part::PageBack || m_pressed == Part::PageForward)) {
        int start = 0, size = 0;
        thumbSpan(start, size);
        gfx::Rect pressed = m_pressed == Part::PageBack ? span(arrow, start - arrow) : span(start + size, length() - arrow - start - size);
        dc.fillRect(pressed, systemColor(gfx::Color3DDkShadow));
    }

    auto button = [&](gfx::Rect r, bool pressed, ArrowDirection direction) {
        dc.fillRect(r, systemColor(gfx::ColorBtnFace));
        gfx::Rect inner = r;
        if (pressed) {
            dc.frameRect(r, systemColor(gfx::ColorBtnShadow));
            inner = r.offset(1, 1);
        } else {
            drawRaisedEdge(dc, r);
        }
        drawArrow(dc, inner, direction, arrowColor);
    };
    button(span(0, arrow), m_pressed == Part::LineBack && m_pressedInside, vertical() ? ArrowDirection::Up : ArrowDirection::Left);
    button(span(length() - arrow, arrow), m_pressed == Part::LineForward && m_pressedInside,
        vertical() ? ArrowDirection::Down : ArrowDirection::Right);

    int start = 0, size = 0;
    thumbSpan(start, size);
    if (size > 0) {
        gfx::Rect thumb = span(start, size);
        dc.fillRect(thumb, systemColor(gfx::ColorBtnFace));
        drawRaisedEdge(dc, thumb);
    }
}

void InsetScrollBar::scrollTo(int value)
{
    if (setValue(value) && onScroll)
        onScroll();
}

void InsetScrollBar::step(Part part)
{
    switch (part) {
    case Part::LineBack:
        scrollTo(m_value - m_lineStep);
        break;
    case Part::LineForward:
        scrollTo(m_value + m_lineStep);
        break;
    case Part::PageBack:
        scrollTo(m_value - std::max(1, m_page));
        break;
    case Part::PageForward:
        scrollTo(m_value + std::max(1, m_page));
        break;
    default:
        break;
    }
}

bool InsetScrollBar::mouseDown(gfx::Point p)
{
    Part part = partAt(p);
    if (!contains(p))
        return false;
    m_pointer = p;
    if (!scrollable())
        return true; // a disabled bar takes the press and does nothing
    m_pressed = part;
    m_pressedInside = true;
    if (part == Part::Thumb) {
        int start = 0, size = 0;
        thumbSpan(start, size);
        m_grabOffset = along(p) - start;
    } else if (part != Part::None) {
        step(part);
        startTimer(kFirstRepeatMs);
    }
    return true;
}

void InsetScrollBar::mouseMove(gfx::Point p)
{
    m_pointer = p;
    if (m_pressed == Part::Thumb) {
        int start = 0, size = 0;
        thumbSpan(start, size);
        int arrow = arrowLength();
        int room = length() - 2 * arrow - size;
        if (room <= 0)
            return;
        int wanted = along(p) - m_grabOffset - arrow;
        scrollTo(int((int64_t(std::clamp(wanted, 0, room)) * maxValue() + room / 2) / room));
        return;
    }
    if (m_pressed == Part::LineBack || m_pressed == Part::LineForward)
        m_pressedInside = partAt(p) == m_pressed;
}

void InsetScrollBar::repeat()
{
    if (m_pressed == Part::None) {
        stopTimer();
        return;
    }
    Part under = partAt(m_pointer);
    // The track pages on until the thumb has reached the pointer.
    if (under == m_pressed)
        step(m_pressed);
    startTimer(kRepeatMs);
}

void InsetScrollBar::mouseUp() { cancel(); }

void InsetScrollBar::cancel()
{
    m_pressed = Part::None;
    m_pressedInside = false;
    stopTimer();
}

void InsetScrollBar::startTimer(int ms)
{
    if (!m_owner || !IsWindow(m_owner))
        return;
    m_timer = true;
    SetTimer(m_owner, TimerId(reinterpret_cast<uintptr_t>(this)), uint32_t(ms), [this](HWND, TimerId) { repeat(); });
}

void InsetScrollBar::stopTimer()
{
    if (m_timer && m_owner && WindowSystem::current() && IsWindow(m_owner))
        KillTimer(m_owner, TimerId(reinterpret_cast<uintptr_t>(this)));
    m_timer = false;
}

} // namespace plat::forms
