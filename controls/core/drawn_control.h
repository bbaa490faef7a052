#pragma once
#include "controls/core/common_events.h"
#include "controls/core/gradient.h"
#include "controls/core/image_holder.h"
#include "controls/core/mdl_declarations.h"
#include "controls/core/window_hook.h"
#include "platform/forms/font_desc.h"
#include "platform/forms/user_control.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/region.h"
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qel {

// The skeleton every custom-drawn control of the set shares:
// - WindowProc sees every message of the control's window first (through WindowHook, installed
//   by StartSubclass in run mode, after the stored properties are read), turns mouse messages
//   into the common events (CommonEvents), and always ends by passing the message on to the previous
//   procedure, returning its result;
// - the repaint convention: a setter clears the image-current flag, stores, and calls the paint
//   handler, which runs the control's Redraw unless the image is current or the properties are
//   loading; a platform paint only marks the image current; UnRefreshControl is honoured by
//   each control's Refresh;
// - the drawing surface: a persistent face with a device context (twips are the callers'
//   business: the context draws in pixels), image holders laid over it, the window's shape and
//   see-through mode; ShowImage puts the result on the screen.
class DrawnControl : public plat::forms::UserControl, public CommonEvents {
public:
    DrawnControl();
    ~DrawnControl() override;

    // The message entry of the control's window once it is subclassed.
    plat::win::LRESULT WindowProc(plat::win::HWND hwnd, plat::win::UINT uMsg, plat::win::WPARAM wParam, plat::win::LPARAM lParam);
    // The device context of the drawing surface.
    plat::gfx::DeviceContext& hDc() { return m_dc; }

    bool UnRefreshControl() const { return m_unRefreshControl; }
    // Only stores: no repaint.
    void setUnRefreshControl(bool on) { m_unRefreshControl = on; }

    // The control's own enabled state; its window stays enabled. A disabled control leaves the
    // tab order, so focus moves pass over it.
    bool Enabled() const { return m_enabled; }
    bool enabled() const override { return m_enabled; }
    void setEnabled(bool enabled) override;

    // Whether "&" in the caption marks the next character as a mnemonic (and "&&" shows one "&").
    // Captions that come from data (team names, titles, referee names) turn it off, so an "&"
    // in them is shown as it is.
    bool UseMnemonic() const { return m_useMnemonic; }
    void setUseMnemonic(bool on);

    // The host's wrapper of the placed control (name, position, size, tag, tooltip, visibility).
    plat::forms::Control& GetExtender() { return extender(); }

    // --- state, for hosts and tests ---
    bool Subclassed() const { return m_hook.Installed(); }
    const plat::win::WndProc& PreviousWindowProc() const { return m_hook.PreviousWindowProc(); }
    bool ImageCurrent() const { return m_imageCurrent; }
    bool Loading() const { return m_loading; }
    bool MouseInside() const { return m_mouseInside; }
    bool HasFocus() const { return m_hasFocus; }
    // The drawn face before the image holders are laid over it.
    const plat::gfx::Surface& Face() const { return m_face; }

    // Twips per pixel of the screen.
    static int Tx();
    static int Ty();
    // N(x): the nearest integer, ties to even.
    static int N(double v);
    // OleTranslateColor written back into the property: a system colour becomes its RGB value.
    static plat::gfx::Color TranslateColor(uint32_t& property);

protected:
    // --- lifecycle ---
    // Installs the hook (only in run mode), arms hover and leave tracking, clears mouse-inside.
    void StartSubclass();
    void BeginLoading() { m_loading = true; }
    // End of a new instance's defaults.
    void EndInitialising() { m_loading = false; }
    // End of reading the stored properties: loading cleared, Redraw, StartSubclass.
    void EndReading();
    // A new instance's initial values, and a stored layout read, through the control's table of
    // stored properties (the control as its own class, so the table reaches its members).
    template<class Self, class Table>
    void InitFrom(Self& self, const Table& table)
    {
        BeginLoading();
        table.init(self);
        EndInitialising();
    }
    template<class Self, class Table>
    void ReadFrom(Self& self, const Table& table, const plat::forms::PropertyBag& bag)
    {
        BeginLoading();
        table.read(self, bag);
        EndReading();
    }

    // --- repaint convention ---
    void PropertyChanged();
    void PaintHandler();
    // A plain setter: image-current cleared, the value stored, the paint handler called.
    template<class T, class V>
    void Store(T& member, V&& value)
    {
        m_imageCurrent = false;
        member = std::forward<V>(value);
        PaintHandler();
    }
    // The control's full redraw as the paint handler and EndReading run it.
    virtual void Redraw() = 0;

    // --- messages ---
    // The common handling of a message before it is passed on (mouse events, paint flag).
    virtual void HandleMessage(plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam);
    // First hover after a leave raises MouseHover and sets mouse-inside.
    virtual void OnMouseHover();
    // Raises MouseLeave and clears mouse-inside.
    virtual void OnMouseLeave();
    void RaiseKeyDown(int KeyCode, int Shift);
    void RaiseKeyUp(int KeyCode, int Shift);
    void RaiseKeyPress(int KeyAscii);
    // The focus moves to the next (or previous) control in tab order, after the current message.
    void MoveFocusOn(bool forward);
    // Enabled Let did its repaint; a container passes it on from here.
    virtual void OnEnabledSet() {}
    // A resize cleared the image-current flag; the paint handler runs after this.
    virtual void OnResized() {}

    // The host's notifications: keys raise the key events; paints and resizes follow the
    // repaint convention.
    void onKeyDown(int& keyCode, int shift) override { RaiseKeyDown(keyCode, shift); }
    void onKeyUp(int& keyCode, int shift) override { RaiseKeyUp(keyCode, shift); }
    void onKeyPress(int& keyAscii) override { RaiseKeyPress(keyAscii); }
    void onPaint() override { PaintHandler(); }
    void onResize() override;
    void onPlaced() override;
    void onRemoved() override;

    // --- drawing surface ---
    plat::gfx::Surface& FaceSurface() { return m_face; }
    // Inner size of the surface, twips.
    double SW() const { return scaleWidth(); }
    double SH() const { return scaleHeight(); }
    plat::gfx::Color SurfaceBackColor() const { return m_dc.backColor(); }
    // The surface's BackColor: setting it fills the surface with it.
    void setSurfaceBackColor(plat::gfx::Color c);
    void ClearSurface();
    const plat::forms::FontDesc& SurfaceFont() const { return m_font; }
    void setSurfaceFont(const plat::forms::FontDesc& font);
    // The surface's text measures in twips (several lines: the widest line, all lines' height).
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    // The height in pixels of one line of text in the surface's font ("A" measured).
    int TextLineHeight() const;
    // Draws text into a pixel rectangle with DrawText flags, in the surface's text colour.
    void DrawCaption(const std::string& text, plat::gfx::Rect rect, unsigned format);
    // Frames a region on the surface with a solid brush (FrameRgn).
    void FrameRegion(const plat::gfx::Region& region, plat::gfx::Color color, int width, int height);
    // The window's shape (SetWindowRgn); none removes a shape set before.
    void SetShape(std::optional<plat::gfx::Region> region);
    bool HasShape() const { return m_hasShape; }
    // DT_NOPREFIX unless UseMnemonic.
    unsigned PrefixFormat() const;
    // See-through: pixels of exactly `key` show what lies behind the control.
    void SetSeeThrough(bool on, plat::gfx::Color key = 0);
    // Picture elements laid over the face whenever the image is shown (in the order added).
    void AddImageHolder(const ImageHolder* holder) { m_holders.push_back(holder); }
    // The face with the visible holders over it goes to the window and the screen.
    void ShowImage();

    // The gradient painters, ending by showing the image.
    void PaintGradientRows(const RGBRecord& c1, const RGBRecord& c2, int width, int height, int first);
    void PaintGradientColumns(const RGBRecord& c1, const RGBRecord& c2, int width, int height, int first);

    // --- flags of the skeleton ---
    bool m_imageCurrent = false;
    bool m_loading = false;
    bool m_mouseInside = false;
    bool m_hasFocus = false;
    bool m_leaveSeen = false;
    bool m_unRefreshControl = false;
    bool m_useMnemonic = true;

private:
    void UpdateFocusable();

    WindowHook m_hook;
    bool m_enabled = true;
    plat::gfx::Surface m_face;
    plat::gfx::DeviceContext m_dc{m_face};
    plat::forms::FontDesc m_font;
    std::vector<const ImageHolder*> m_holders;
    bool m_hasShape = false;
};

// A CreateRoundRectRgn(left, top, right, bottom, ew, eh) as the stored looks expect it: like
// Windows' own, one pixel short of the right and bottom coordinates.
plat::gfx::Region CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
// A CreateRectRgn: the pixels from (left, top) up to, not including, (right, bottom).
plat::gfx::Region CreateRectRgn(int left, int top, int right, int bottom);

} // namespace qel
