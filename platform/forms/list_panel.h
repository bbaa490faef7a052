#pragma once
#include "platform/forms/inset_scroll_bar.h"
#include "platform/forms/list_entries.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/font.h"
#include "platform/window/types.h"
#include <functional>

namespace plat::forms {

// The rows of a list box (and of a combo box's drop-down list): draws the entries in a
// rectangle of the owner's window, with a vertical scroll bar when they do not all fit, and
// moves the selection with the mouse and the keys (arrows, Home, End, PageUp, PageDown, the
// first letter of an entry).
//
// Selection: MultiSelect 0 keeps one selected entry, the ListIndex; 1 (simple) toggles an
// entry per click or Space; 2 (extended) selects ranges with Shift and toggles with Ctrl. With
// several selectable the ListIndex is the entry with the focus frame.
class ListPanel {
public:
    explicit ListPanel(ListEntries& entries);
    ListPanel(const ListPanel&) = delete;
    ListPanel& operator=(const ListPanel&) = delete;

    void attach(win::HWND hwnd);
    void detach();
    void setRect(const gfx::Rect& r);
    const gfx::Rect& rect() const { return m_rect; }
    void setFont(const gfx::Font& font);
    int rowHeight() const;
    void setColors(gfx::Color fore, gfx::Color back);
    void setEnabled(bool on) { m_enabled = on; }
    void setFocused(bool on) { m_focused = on; }
    // A drop-down list shows the selection without the focus frame.
    void setShowFocusFrame(bool on) { m_focusFrame = on; }
    void setMultiSelect(int mode);
    int multiSelect() const { return m_multiSelect; }

    int listIndex() const { return m_index; }
    // Selects the entry (and only it, for MultiSelect 0) and brings it into view; -1 selects
    // nothing. Returns whether the selection changed.
    bool setListIndex(int index);
    int topIndex() const { return m_top; }
    void setTopIndex(int index);
    void ensureVisible(int index);
    // Rows that show whole.
    int visibleRows() const;
    // After entries were added or removed at `index` (count: +n or -n), or all cleared (index -1).
    void entriesInserted(int index);
    void entryRemoved(int index);
    void entriesCleared();

    // The entry under a point of the owner's window; below the last entry the last one,
    // -1 outside the rows or with no entries.
    int rowAt(gfx::Point p) const;
    bool onScrollBar(gfx::Point p) const { return m_bar.contains(p); }

    // --- input; each returns whether the selection changed ---
    // A press on the rows (not on the scroll bar) sets `onRow`.
    bool mouseDown(gfx::Point p, int shift, bool* onRow = nullptr);
    bool mouseMove(gfx::Point p, bool buttonDown);
    void mouseUp();
    bool scrollBarTracking() const { return m_bar.tracking(); }
    // The row under the pointer becomes the selection (a drop-down list follows the pointer).
    bool hotTrack(gfx::Point p);
    bool keyDown(int vk, int shift);
    bool character(char32_t c);
    // Returns whether the list scrolled.
    bool wheel(int delta);

    void draw(gfx::DeviceContext& dc);

    // The list scrolled (by the scroll bar, the wheel or the keys).
    std::function<void()> onScroll;
    // Something visible changed without an input the owner is handling (scroll-bar repeat).
    std::function<void()> onRedraw;

    const InsetScrollBar& scrollBar() const { return m_bar; }

private:
    bool needsBar() const;
    gfx::Rect rowsRect() const;
    void updateBar();
    bool selectRange(int from, int to, bool keepOthers);
    bool moveTo(int index, int shift);
    void scrollTo(int top);

    ListEntries& m_entries;
    win::HWND m_hwnd = 0;
    gfx::Rect m_rect;
    gfx::Font m_font;
    gfx::Color m_fore = 0;
    gfx::Color m_back = 0xFFFFFF;
    bool m_enabled = true;
    bool m_focused = false;
    bool m_focusFrame = true;
    int m_multiSelect = 0;
    int m_index = -1;
    int m_anchor = -1;
    int m_top = 0;
    bool m_dragging = false;
    InsetScrollBar m_bar{InsetScrollBar::Orientation::Vertical};
};

} // namespace plat::forms
