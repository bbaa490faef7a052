#pragma once
#include "platform/forms/control.h"
#include "platform/gfx/device_context.h"
#include <functional>

namespace plat::forms {

// The key events of a control that takes the keyboard. The codes come by reference: a handler
// that sets one to 0 drops the key.
class KeyEvents {
public:
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void(int& keyAscii)> onKeyPress;

protected:
    // KeyDown for WM_KEYDOWN, KeyUp for any other message.
    void raiseKeyEvent(win::UINT msg, int& code, int shift);
    void raiseKeyPress(int& ascii);
};

// GotFocus and LostFocus.
class FocusEvents {
public:
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

protected:
    void raiseFocusEvent(bool gained);
};

// What the standard input controls (text box, list box, combo box, list view) share: a
// border of BorderStyle and Appearance around an inner part, drawing deferred to the window's
// paint and held back while the stored properties load, and the key and focus messages turned
// into their events before the control's own handling.
class InputControl : public Control, public KeyEvents, public FocusEvents {
public:
    void refresh() { redraw(); }

protected:
    // BorderStyle 0 none, 1 a border: sunken (2 pixels) with Appearance 1, a line with 0.
    static int borderWidth(int borderStyle, int appearance);
    static void drawBorder(gfx::DeviceContext& dc, const gfx::Rect& r, int borderStyle, int appearance);
    // The control's own rectangle in pixels, from 0,0 (its window's, once it has one).
    gfx::Rect ownRect() const;
    // The rectangle inside a border of `border` pixels (never turned inside out).
    gfx::Rect innerRect(int border) const;

    // Drawing waits for the window's paint, so that a run of changes draws once.
    void redraw();
    void paintNow();
    virtual void paintWindow(gfx::DeviceContext& dc) = 0;

    // Joins the inner part to the new window, then lays out.
    template <class Part> void placePart(Part& part)
    {
        part.attach(hwnd());
        part.setEnabled(enabled());
        layOut();
    }
    virtual void layOut() = 0;

    bool canTakeFocus() const override { return true; }
    // Paint, focus and keys; every other message goes to controlProc. The control's own part
    // of a key comes after the event and only while the control still has this window and the
    // handler left the code: keyDown for WM_KEYDOWN, character for WM_CHAR above 0.
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    virtual win::LRESULT controlProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) = 0;
    // Before GotFocus / LostFocus.
    virtual void focusChanged(bool gained) = 0;
    virtual void keyDown(int code, int shift) = 0;
    virtual void character(int ascii) = 0;

    bool m_loading = false;
};

} // namespace plat::forms
