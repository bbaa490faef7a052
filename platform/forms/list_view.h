#pragma once
#include "platform/forms/column_headers.h"
#include "platform/forms/input_control.h"
#include "platform/forms/inset_scroll_bar.h"
#include "platform/forms/list_items.h"
#include "platform/forms/mouse_events.h"
#include <functional>
#include <string>
#include <string_view>

namespace plat::forms {

// A list of rows with columns. In report view (View 3) a header row names the columns and
// every row shows its text in the first column and its sub-items in the others; the other
// views show the rows' texts in one column. FullRowSelect highlights the whole row, GridLines
// rules the cells; scroll bars of its own show when the rows or the columns do not fit.
//
// Events: ItemClick (a row clicked, or chosen with the keys), Click (any click on the rows'
// area, after MouseUp and ItemClick), ColumnClick (a header clicked), DblClick, the keys and
// the focus. Sorted keeps the rows in the order of SortKey (0: the text, k: SubItems(k)) and
// SortOrder (0 ascending, 1 descending), without regard to case.
class ListView : public InputControl, public MouseEvents {
public:
    enum View { lvwIcon = 0, lvwSmallIcon = 1, lvwList = 2, lvwReport = 3 };

    ListView();
    ~ListView() override;
    std::string className() const override { return "ListView"; }

    ColumnHeaders& columnHeaders() { return m_columns; }
    const ColumnHeaders& columnHeaders() const { return m_columns; }
    // The width (twips) column `column` of report view needs to show `text` whole in the list's font.
    double columnWidthToShow(std::string_view text, int column) const;
    ListItems& listItems() { return m_items; }
    const ListItems& listItems() const { return m_items; }

    int view() const { return m_view; }
    void setView(int view);
    bool fullRowSelect() const { return m_fullRowSelect; }
    void setFullRowSelect(bool on);
    bool gridLines() const { return m_gridLines; }
    void setGridLines(bool on);
    // The selection shows only while the list has the focus.
    bool hideSelection() const { return m_hideSelection; }
    void setHideSelection(bool on);
    bool hideColumnHeaders() const { return m_hideColumnHeaders; }
    void setHideColumnHeaders(bool on);
    bool multiSelect() const { return m_multiSelect; }
    void setMultiSelect(bool on);
    bool sorted() const { return m_sorted; }
    void setSorted(bool on);
    int sortKey() const { return m_sortKey; }
    void setSortKey(int key);
    int sortOrder() const { return m_sortOrder; }
    void setSortOrder(int order);
    using InputControl::appearance;
    using InputControl::setAppearance;

    // The selected row (the one with the focus when several are); null when none is.
    ListItem* selectedItem() const;
    // Null clears the selection.
    void setSelectedItem(ListItem* item);
    // The row at a point of the list's window (pixels), or null.
    ListItem* hitTest(gfx::Point p) const;

    // --- what is shown (window pixels) ---
    int rowHeight() const;
    int headerHeight() const;
    int topIndex() const { return m_top; } // the first row shown, from 0
    int visibleRows() const;
    int scrollX() const { return m_scrollX; }
    // The row's rectangle across all columns (empty while it is out of view).
    gfx::Rect itemRect(const ListItem& item) const;
    // A column's header rectangle.
    gfx::Rect headerRect(int column) const;
    const InsetScrollBar& verticalBar() const { return m_vbar; }
    const InsetScrollBar& horizontalBar() const { return m_hbar; }

    std::function<void(ListItem& item)> onItemClick;
    std::function<void(ColumnHeader& column)> onColumnClick;

    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

protected:
    win::LRESULT controlProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    bool raiseMouse(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override { return raiseMouseEvents(hwnd, msg, wParam, lParam); }
    void onPlaced() override;
    void onRemoved() override;
    void layOut() override;
    void paintWindow(gfx::DeviceContext& dc) override;
    // What the rows measure follows the font.
    void showLook(Look what) override;
    void loaded() override { contentChanged(); }
    void focusChanged(bool) override { redraw(); }
    void keyDown(int code, int shift) override;
    void character(int ascii) override;

private:
    static const auto& storedProperties();
    friend class ListItem;
    friend class ListItems;
    friend class ColumnHeader;
    friend class ColumnHeaders;
    // What the collections tell the list.
    void contentChanged();
    void itemInserted(ListItem& item);
    void itemRemoving(ListItem& item);
    void itemsClearing();
    void selectItem(ListItem& item, bool on);
    void ensureVisible(const ListItem& item);
    size_t sortedPosition(const ListItem& item) const;

    bool report() const { return m_view == lvwReport; }
    std::string sortText(const ListItem& item) const;
    bool sortsBefore(const ListItem& a, const ListItem& b) const;
    void resort();
    int columnWidth(int column) const; // pixels, from 1
    int columnLeft(int column) const;  // content pixels
    int contentWidth() const;
    void paintHeader(gfx::DeviceContext& dc);
    void paintRows(gfx::DeviceContext& dc);
    int columnAt(gfx::Point p) const; // a header at a point, 0 for none
    bool onLabel(const ListItem& item, gfx::Point p) const;
    // Moves the focus row with the keys; returns whether the selection changed.
    bool moveFocus(int row, int shift);
    bool selectRange(int from, int to, bool keepOthers);
    void raiseItemClick(ListItem& item);
    void release(win::HWND hwnd, win::WPARAM wParam, win::LPARAM lParam);

    ColumnHeaders m_columns{*this};
    ListItems m_items{*this};
    int m_view = lvwIcon;
    bool m_fullRowSelect = false;
    bool m_gridLines = false;
    bool m_hideSelection = true;
    bool m_hideColumnHeaders = false;
    bool m_multiSelect = false;
    bool m_sorted = false;
    int m_sortKey = 0;
    int m_sortOrder = 0;

    ListItem* m_focus = nullptr;
    ListItem* m_anchor = nullptr;
    int m_top = 0;
    int m_scrollX = 0;
    gfx::Rect m_inner;
    gfx::Rect m_rows;   // where the rows show
    gfx::Rect m_header; // where the header shows
    InsetScrollBar m_vbar{InsetScrollBar::Orientation::Vertical};
    InsetScrollBar m_hbar{InsetScrollBar::Orientation::Horizontal};

    // The press being followed until its release.
    ListItem* m_pressedItem = nullptr;
    bool m_pressOnRows = false;
    int m_pressedColumn = 0;
    bool m_pressOnBar = false;
};

} // namespace plat::forms
