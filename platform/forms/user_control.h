#pragma once
#include "platform/forms/ambient.h"
#include "platform/forms/control.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/surface.h"
#include <memory>
#include <optional>

namespace plat::forms {

// The host side of a custom-drawn control: the classes of the control set derive from it.
// It owns a child window whose base procedure turns paints, size changes, focus changes
// and keys into the virtual handlers below; the control set puts its own WindowProc in
// front of that procedure (SetWindowProc) and passes every message on to it.
//
// The control draws into the window's persistent image (what AutoRedraw keeps) and tells
// the compositor with refreshImage(). Its Enabled property is its own: the window stays
// enabled, so mouse messages keep arriving while it is False.
class UserControl : public Control {
public:
    UserControl();
    ~UserControl() override;

    // The persistent image of the control's window (its size in pixels).
    gfx::Surface& image();
    // A device context on the persistent image, made on first use with the ambient font;
    // it lasts as long as the window.
    gfx::DeviceContext& dc();
    // Inner size in twips.
    double scaleWidth() const;
    double scaleHeight() const;
    // Tells the compositor that the image (or a part of it, in pixels) changed.
    void refreshImage(std::optional<gfx::Rect> part = std::nullopt);

    Ambient ambient() const;
    Control& extender() { return *this; }
    const Control& extender() const { return *this; }

    bool enabled() const override { return m_ownEnabled; }
    void setEnabled(bool enabled) override { m_ownEnabled = enabled; }

    // A control that holds others (a frame) says so; their windows go into its window.
    bool isContainer() const override { return m_containerControl; }

protected:
    // The control takes the focus by default; one that never should says so here.
    bool canTakeFocus() const override { return true; }
    // A press gives the control the focus once the control's own handling of it is over; a
    // control that takes the focus itself, before its events run, says so here.
    virtual bool takesFocusWhenPressed() const { return false; }
    void setContainerControl(bool on) { m_containerControl = on; }

    virtual void onPaint() {}
    virtual void onResize() {}
    virtual void onGotFocus() {}
    virtual void onLostFocus() {}
    // shift: 1 Shift, 2 Ctrl, 4 Alt. A handler may change the code (0 drops the key).
    virtual void onKeyDown(int& keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void onKeyUp(int& keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void onKeyPress(int& keyAscii) { (void)keyAscii; }

    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    // The window asks for its first paint as it is made.
    win::HWND createWindow(win::HWND parent, const gfx::Rect& pixels) override;

private:
    bool m_ownEnabled = true;
    bool m_containerControl = false;
    std::unique_ptr<gfx::DeviceContext> m_dc;
};

// The Shift argument of key events from the current key state: 1 Shift, 2 Ctrl, 4 Alt.
int currentShiftState();

} // namespace plat::forms
