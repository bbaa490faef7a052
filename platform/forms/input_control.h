#pragma once
#include "platform/forms/control.h"
#include "platform/forms/font_desc.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/font.h"
#include <cstdint>
#include <functional>
#include <memory>

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

// ForeColor, BackColor and Font of a standard control, kept as given (a colour may be a system
// colour code, resolved where it is drawn). Every change goes to the control's lookChanged,
// which passes it on to what draws.
class ColorsAndFont {
public:
    uint32_t foreColor() const { return m_foreColor; }
    void setForeColor(uint32_t color);
    uint32_t backColor() const { return m_backColor; }
    void setBackColor(uint32_t color);
    const FontDesc& font() const { return m_font; }
    void setFont(const FontDesc& font);

protected:
    enum class Look { ForeColor, BackColor, Font };

    ColorsAndFont(uint32_t foreColor, uint32_t backColor) : m_foreColor(foreColor), m_backColor(backColor) {}
    virtual ~ColorsAndFont() = default;
    virtual void lookChanged(Look what) = 0;

    uint32_t m_foreColor;
    uint32_t m_backColor;
    FontDesc m_font;
};

// The font a control takes when its layout names none: its form's.
FontDesc formFont(const Control& control);

// What an input control hands on to the part inside its border that draws and takes the input
// (the list panel, the edit field): the window, Enabled, the font and the colours.
class InnerPart {
public:
    virtual ~InnerPart() = default;
    virtual void attach(win::HWND hwnd) = 0;
    virtual void detach() = 0;
    virtual void setEnabled(bool on) = 0;
    virtual void setFont(const gfx::Font& font) = 0;
    virtual void setColors(gfx::Color fore, gfx::Color back) = 0;
};

// What the standard input controls (text box, list box, combo box, list view) share: a
// border of BorderStyle and Appearance around an inner part, window-text colours on a window
// background in the form's font, drawing deferred to the window's paint and held back while
// the stored properties load, and the key and focus messages turned into their events before
// the control's own handling.
class InputControl : public Control, public KeyEvents, public FocusEvents, public ColorsAndFont {
public:
    void refresh() { redraw(); }
    // The inner part follows; the control repaints.
    void setEnabled(bool enabled) override;

protected:
    InputControl();

    // A new control takes the form's font.
    void initProperties() override;
    // While the properties are set or read nothing draws; loaded() follows them.
    void beginLoading() { m_loading = true; }
    void endLoading();
    // The default repaints.
    virtual void loaded() { redraw(); }

    // The font and colours as drawn.
    const gfx::Font& drawFont() const { return m_drawFont; }
    gfx::Color foreRgb() const;
    gfx::Color backRgb() const;
    // The part that draws and takes the input, given the font and colours at once and from
    // then on the window (when placed), Enabled, the font and the colours. A control whose
    // drawing is its own has none.
    template <class Part> void setInnerPart(Part& part)
    {
        m_part = std::make_unique<PartOf<Part>>(part);
        m_part->setFont(m_drawFont);
        m_part->setColors(foreRgb(), backRgb());
    }
    // The new colours or font go to the inner part; then the control repaints.
    virtual void showLook(Look what);
    // The inner part joins the window, takes Enabled, and the control lays out.
    void onPlaced() override;
    void onRemoved() override;

    // 0 flat (a single line), 1 3D (sunken); any other value is taken as the nearer one. The
    // controls that have it publish it.
    int appearance() const { return m_appearance; }
    void setAppearance(int appearance);

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

    virtual void layOut() = 0;

    bool canTakeFocus() const override { return true; }
    // Paint, size (layOut), the window's end (onRemoved), focus and keys; every other message
    // goes to controlProc. The control's own part of a key comes after the event and only while
    // the control still has this window and the handler left the code: keyDown for WM_KEYDOWN,
    // character for WM_CHAR above 0.
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    virtual win::LRESULT controlProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) = 0;
    // A press takes the focus unless the control has it; false when the control has lost this
    // window meanwhile (a focus handler may remove it), and the press goes no further.
    bool takeFocus(win::HWND hwnd);
    // A mouse message's point in window pixels.
    static gfx::Point pointOf(win::LPARAM lParam);
    // The end of controlProc for a message it leaves: the mouse events (while the control still
    // has this window), else the default handling.
    win::LRESULT passOn(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    // Raises the mouse events of a mouse message; false when there are none (the default).
    virtual bool raiseMouse(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    // Before GotFocus / LostFocus.
    virtual void focusChanged(bool gained) = 0;
    virtual void keyDown(int code, int shift) = 0;
    virtual void character(int ascii) = 0;

    bool m_loading = false;
    int m_appearance = 1;

private:
    template <class Part> class PartOf final : public InnerPart {
    public:
        explicit PartOf(Part& part) : m_part(part) {}
        void attach(win::HWND hwnd) override { m_part.attach(hwnd); }
        void detach() override { m_part.detach(); }
        void setEnabled(bool on) override { m_part.setEnabled(on); }
        void setFont(const gfx::Font& font) override { m_part.setFont(font); }
        void setColors(gfx::Color fore, gfx::Color back) override { m_part.setColors(fore, back); }

    private:
        Part& m_part;
    };

    void lookChanged(Look what) final;

    gfx::Font m_drawFont;
    std::unique_ptr<InnerPart> m_part;
};

} // namespace plat::forms
