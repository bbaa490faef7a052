#pragma once
#include "platform/forms/list_entries.h"
#include "platform/forms/list_panel.h"
#include "platform/gfx/font.h"
#include "platform/window/types.h"
#include <functional>

namespace plat::forms {

// The list a combo box drops: a window of its own above everything, just below the combo box
// (above it when the screen has no room below), that holds the mouse while it is open. The
// row under the pointer is highlighted; releasing the button on a row chooses it, a press
// outside the list closes it. The keys come through the combo box, which keeps the focus.
class ComboDropDown {
public:
    static constexpr int kMaxRows = 8;

    explicit ComboDropDown(ListEntries& entries);
    ~ComboDropDown();
    ComboDropDown(const ComboDropDown&) = delete;
    ComboDropDown& operator=(const ComboDropDown&) = delete;

    // Opens under `comboScreenRect` with `highlighted` shown and in view.
    void open(const gfx::Rect& comboScreenRect, int highlighted, const gfx::Font& font, gfx::Color fore, gfx::Color back);
    void close();
    bool isOpen() const { return m_hwnd != 0; }
    win::HWND hwnd() const { return m_hwnd; }
    int highlighted() const { return m_panel.listIndex(); }
    const ListPanel& panel() const { return m_panel; }

    // Up, Down, Home, End, PageUp, PageDown move the highlight; returns whether it handled the key.
    bool keyDown(int vk);
    bool wheel(int delta);

    // A row was chosen with the mouse.
    std::function<void(int index)> onChoose;
    // A press outside the list (or the mouse taken away) closed it.
    std::function<void()> onCancel;

private:
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    void redraw();
    void paintNow();

    ListEntries& m_entries;
    ListPanel m_panel;
    win::HWND m_hwnd = 0;
    bool m_closing = false;
    bool m_pressOnBar = false;
};

} // namespace plat::forms
