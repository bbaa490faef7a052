#include "platform/forms/list_panel.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_render.h"
#include "platform/system/utf8.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms {

using namespace plat::win;
using gfx::systemColor;

namespace {
constexpr int kTextMargin = 2;
constexpr int kWheelRows = 3;
} // namespace

ListPanel::ListPanel(ListEntries& entries)
    : m_entries(entries)
{
    m_bar.onScroll = [this] {
        m_top = m_bar.value();
        if (onScroll)
            onScroll();
        if (onRedraw)
            onRedraw();
    };
}

void ListPanel::attach(HWND hwnd)
{
    m_hwnd = hwnd;
    m_bar.setOwner(hwnd);
}

void ListPanel::detach()
{
    m_bar.setOwner(0);
    m_hwnd = 0;
    m_dragging = false;
}

void ListPanel::setRect(const gfx::Rect& r)
{
    m_rect = r;
    updateBar();
}

void ListPanel::setFont(const gfx::Font& font)
{
    m_font = font;
    updateBar();
}

int ListPanel::rowHeight() const { return std::max(1, m_font.metrics().height); }

void ListPanel::setColors(gfx::Color fore, gfx::Color back)
{
    m_fore = fore;
    m_back = back;
}

void ListPanel::setMultiSelect(int mode)
{
    m_multiSelect = std::clamp(mode, 0, 2);
    if (m_multiSelect == 0)
        m_entries.selectOnly(m_index);
}

int ListPanel::visibleRows() const { return std::max(1, m_rect.height() / rowHeight()); }

bool ListPanel::needsBar() const { return m_entries.count() > visibleRows(); }

gfx::Rect ListPanel::rowsRect() const
{
    gfx::Rect r = m_rect;
    if (needsBar())
        r.right = std::max(r.left, r.right - GetSystemMetrics(SM_CXVSCROLL));
    return r;
}

void ListPanel::updateBar()
{
    int maxTop = std::max(0, m_entries.count() - visibleRows());
    m_top = std::clamp(m_top, 0, maxTop);
    if (needsBar()) {
        m_bar.setRect({m_rect.right - GetSystemMetrics(SM_CXVSCROLL), m_rect.top, m_rect.right, m_rect.bottom});
        m_bar.setRange(m_entries.count(), visibleRows());
        m_bar.setValue(m_top);
    } else {
        m_bar.cancel();
        m_bar.setRect({});
        m_bar.setRange(0, 0);
    }
}

void ListPanel::scrollTo(int top)
{
    int before = m_top;
    m_top = std::clamp(top, 0, std::max(0, m_entries.count() - visibleRows()));
    updateBar();
    if (m_top != before && onScroll)
        onScroll();
}

void ListPanel::setTopIndex(int index) { scrollTo(index); }

void ListPanel::ensureVisible(int index)
{
    if (!m_entries.valid(index))
        return;
    if (index < m_top)
        scrollTo(index);
    else if (index >= m_top + visibleRows())
        scrollTo(index - visibleRows() + 1);
}

bool ListPanel::setListIndex(int index)
{
    if (index < -1 || index >= m_entries.count())
        return false;
    bool changed = index != m_index;
    if (m_multiSelect == 0) {
        for (int i = 0; i < m_entries.count(); ++i)
            if (m_entries.selected(i) != (i == index))
                changed = true;
        m_entries.selectOnly(index);
    }
    m_index = index;
    m_anchor = index;
    ensureVisible(index);
    return changed;
}

void ListPanel::entriesInserted(int index)
{
    if (m_index >= index && m_index >= 0)
        ++m_index;
    if (m_anchor >= index && m_anchor >= 0)
        ++m_anchor;
    updateBar();
}

void ListPanel::entryRemoved(int index)
{
    if (m_index == index)
        m_index = m_multiSelect == 0 ? -1 : std::min(index, m_entries.count() - 1);
    else if (m_index > index)
        --m_index;
    if (m_anchor == index)
        m_anchor = m_index;
    else if (m_anchor > index)
        --m_anchor;
    updateBar();
}

void ListPanel::entriesCleared()
{
    m_index = m_anchor = -1;
    m_top = 0;
    m_dragging = false;
    updateBar();
}

int ListPanel::rowAt(gfx::Point p) const
{
    gfx::Rect rows = rowsRect();
    if (!rows.contains(p.x, p.y) || m_entries.empty())
        return -1;
    int row = m_top + (p.y - rows.top) / rowHeight();
    return std::min(row, m_entries.count() - 1);
}

bool ListPanel::selectRange(int from, int to, bool keepOthers)
{
    bool changed = false;
    int lo = std::min(from, to), hi = std::max(from, to);
    for (int i = 0; i < m_entries.count(); ++i) {
        bool want = (i >= lo && i <= hi) || (keepOthers && m_entries.selected(i));
        if (m_entries.selected(i) != want) {
            m_entries.setSelected(i, want);
            changed = true;
        }
    }
    return changed;
}

// The focus row goes to `index`; what that does to the selection depends on the mode.
bool ListPanel::moveTo(int index, int shift)
{
    if (m_entries.empty())
        return false;
    index = std::clamp(index, 0, m_entries.count() - 1);
    bool changed = false;
    switch (m_multiSelect) {
    case 0:
        changed = setListIndex(index);
        break;
    case 1:
        changed = m_index != index;
        m_index = index;
        break;
    default:
        if (shift & 1) {
            if (m_anchor < 0)
                m_anchor = m_index >= 0 ? m_index : index;
            changed = selectRange(m_anchor, index, (shift & 2) != 0);
        } else if (!(shift & 2)) {
            changed = selectRange(index, index, false);
            m_anchor = index;
        }
        changed = changed || m_index != index;
        m_index = index;
        break;
    }
    ensureVisible(index);
    return changed;
}

bool ListPanel::mouseDown(gfx::Point p, int shift, bool* onRow)
{
    if (onRow)
        *onRow = false;
    if (m_bar.mouseDown(p))
        return false;
    int row = rowAt(p);
    if (row < 0)
        return false;
    if (onRow)
        *onRow = true;
    m_dragging = true;
    if (m_multiSelect == 1) {
        m_entries.setSelected(row, !m_entries.selected(row));
        m_index = row;
        ensureVisible(row);
        return true;
    }
    if (m_multiSelect == 2 && (shift & 2) && !(shift & 1)) {
        m_entries.setSelected(row, !m_entries.selected(row));
        m_index = m_anchor = row;
        ensureVisible(row);
        return true;
    }
    return moveTo(row, shift);
}

bool ListPanel::mouseMove(gfx::Point p, bool buttonDown)
{
    if (m_bar.tracking()) {
        m_bar.mouseMove(p);
        return false;
    }
    if (!m_dragging || !buttonDown || m_multiSelect == 1 || m_entries.empty())
        return false;
    gfx::Rect rows = rowsRect();
    int row;
    if (p.y < rows.top)
        row = std::max(0, m_top - 1); // above the list: it scrolls up one row per move
    else if (p.y >= rows.top + visibleRows() * rowHeight())
        row = std::min(m_entries.count() - 1, m_top + visibleRows());
    else
        row = std::min(m_entries.count() - 1, m_top + (p.y - rows.top) / rowHeight());
    if (row == m_index)
        return false;
    return moveTo(row, m_multiSelect == 2 ? 1 : 0);
}

void ListPanel::mouseUp()
{
    m_bar.mouseUp();
    m_dragging = false;
}

bool ListPanel::hotTrack(gfx::Point p)
{
    int row = rowAt(p);
    if (row < 0 || row == m_index)
        return false;
    return setListIndex(row);
}

bool ListPanel::keyDown(int vk, int shift)
{
    if (m_entries.empty())
        return false;
    int from = m_index;
    int page = std::max(1, visibleRows() - 1);
    switch (vk) {
    case VK_UP:
    case VK_LEFT:
        return moveTo(from < 0 ? 0 : from - 1, shift);
    case VK_DOWN:
    case VK_RIGHT:
        return moveTo(from < 0 ? 0 : from + 1, shift);
    case VK_HOME:
        return moveTo(0, shift);
    case VK_END:
        return moveTo(m_entries.count() - 1, shift);
    case VK_PRIOR:
        // To the top row shown, then a page up.
        return moveTo(from <= m_top ? from - page : m_top, shift);
    case VK_NEXT: {
        int bottom = m_top + visibleRows() - 1;
        return moveTo(from < 0 ? 0 : from >= bottom ? from + page : bottom, shift);
    }
    case VK_SPACE:
        if (m_multiSelect == 0 || from < 0)
            return false;
        if (m_multiSelect == 2 && !(shift & 2))
            return false;
        m_entries.setSelected(from, !m_entries.selected(from));
        m_anchor = from;
        return true;
    default:
        return false;
    }
}

bool ListPanel::character(char32_t c)
{
    if (c < 33 || m_entries.empty() || m_multiSelect == 1)
        return false;
    std::u32string one(1, c);
    int found = m_entries.findPrefix(sys::encodeUtf8(one), m_index);
    if (found < 0)
        return false;
    return moveTo(found, 0);
}

bool ListPanel::wheel(int delta)
{
    if (!needsBar())
        return false;
    int before = m_top;
    scrollTo(m_top - delta * kWheelRows / WHEEL_DELTA);
    return m_top != before;
}

void ListPanel::draw(gfx::DeviceContext& dc)
{
    dc.fillRect(m_rect, m_back);
    gfx::Surface& s = dc.surface();
    gfx::Rect rows = rowsRect();
    gfx::Rect clipRect = rows.intersect(s.rect());
    int rh = rowHeight();
    gfx::Color fore = m_enabled ? m_fore : systemColor(gfx::ColorGrayText);
    int shown = rows.height() / rh + 1;
    int focusRow = m_index >= 0 ? m_index : (m_entries.empty() ? -1 : 0);
    for (int i = m_top; i < std::min(m_entries.count(), m_top + shown); ++i) {
        gfx::Rect row{rows.left, rows.top + (i - m_top) * rh, rows.right, rows.top + (i - m_top + 1) * rh};
        bool selected = m_entries.selected(i);
        gfx::TextLineStyle style;
        style.color = fore;
        if (selected && m_enabled) {
            dc.fillRect(row.intersect(clipRect), systemColor(gfx::ColorHighlight));
            style.color = systemColor(gfx::ColorHighlightText);
        }
        gfx::Rect textClip = gfx::Rect{row.left + 1, row.top, row.right - 1, row.bottom}.intersect(clipRect);
        gfx::drawTextLine(s, gfx::Clip(textClip), m_font, {row.left + kTextMargin, row.top}, sys::decodeUtf8(m_entries.text(i)), style);
        if (m_focused && m_focusFrame && i == focusRow)
            dc.drawFocusRect(row.intersect(clipRect));
    }
    if (needsBar())
        m_bar.draw(dc);
}

} // namespace plat::forms
