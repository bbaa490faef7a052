#pragma once
#include "platform/forms/entry_list.h"
#include "platform/forms/input_control.h"
#include "platform/forms/list_panel.h"
#include "platform/forms/mouse_events.h"
#include <functional>
#include <string>

namespace plat::forms {

// A list of text entries in a white field with a sunken border; its own scroll bar shows when
// they do not all fit. Entries count from 0; an index outside the list is ignored (reading
// gives an empty text or 0), never an error.
//
// Click follows a press on an entry (raised with the button's release, after MouseUp), a
// change of the selection by the keys, and a new ListIndex set by code; DblClick a double
// click.
class ListBox : public InputControl, public MouseEvents, public EntryList {
public:
    ListBox();
    ~ListBox() override;
    std::string className() const override { return "ListBox"; }

    void clear() override;
    // The selected entry (-1: none); with MultiSelect, the entry with the focus frame.
    int listIndex() const { return m_panel.listIndex(); }
    void setListIndex(int index);
    // The selected entry's text; setting it selects the entry of that text.
    std::string text() const { return m_entries.text(listIndex()); }
    void setText(const std::string& text);
    bool selected(int index) const { return m_entries.selected(index); }
    void setSelected(int index, bool on);
    int selCount() const { return m_entries.selectedCount(); }
    int topIndex() const { return m_panel.topIndex(); }
    void setTopIndex(int index);
    // 0 one entry, 1 simple (a click toggles), 2 extended (Shift and Ctrl).
    int multiSelect() const { return m_panel.multiSelect(); }
    void setMultiSelect(int mode);
    void setSorted(bool on);
    using InputControl::appearance;
    using InputControl::setAppearance;

    const ListPanel& panel() const { return m_panel; }
    // The entry under a point of the list's window (-1: none).
    int entryAt(gfx::Point p) const { return m_panel.rowAt(p); }
    // Where an entry's row is in the list's window (empty while scrolled out of view).
    gfx::Rect entryRect(int index) const;

    std::function<void()> onScroll;

    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

protected:
    win::LRESULT controlProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    bool raiseMouse(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override { return raiseMouseEvents(hwnd, msg, wParam, lParam); }
    void layOut() override;
    void paintWindow(gfx::DeviceContext& dc) override;
    void entryAdded(int index) override;
    void entryRemoved(int index) override;
    void entriesChanged() override { redraw(); }
    void focusChanged(bool gained) override;
    void keyDown(int code, int shift) override;
    void character(int ascii) override;

private:
    static const auto& storedProperties();
    void raiseClick();
    win::LRESULT releaseOnList(win::HWND hwnd, win::WPARAM wParam, win::LPARAM lParam);

    ListPanel m_panel{m_entries};
    bool m_pressOnEntry = false;
};

} // namespace plat::forms
