#pragma once
#include "platform/forms/edit_field.h"
#include "platform/forms/input_control.h"
#include "platform/forms/mouse_events.h"
#include <functional>
#include <string>

namespace plat::forms {

// A field the user types text into: a white field in a sunken border, a blinking caret,
// selection with the mouse and with Shift and the arrows, the program's own clipboard
// (Ctrl+C / Ctrl+X / Ctrl+V, Ctrl+Insert / Shift+Delete / Shift+Insert) and one level of undo
// (Ctrl+Z). Characters arrive as WM_CHAR, Chinese text included.
//
// Events: KeyDown, KeyPress and KeyUp come first and take their codes by reference (0 drops
// the key: nothing is inserted or done); Change follows every change of the text, by the
// user or by code.
//
// Characters typed or pasted beyond MaxLength are dropped, and the field flashes so that the
// refusal shows.
class TextBox : public InputControl, public MouseEvents {
public:
    TextBox();
    ~TextBox() override;
    std::string className() const override { return "TextBox"; }

    std::string text() const { return m_field.text(); }
    void setText(const std::string& text);
    // Characters the user may type or paste (0: no limit); text set by code is not cut.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int characters);
    // The user can select and copy but not change the text.
    bool locked() const { return m_locked; }
    void setLocked(bool on);
    // Selection, in characters.
    int selStart() const { return m_field.selStart(); }
    void setSelStart(int position) { m_field.setSelStart(position); }
    int selLength() const { return m_field.selLength(); }
    void setSelLength(int characters) { m_field.setSelLength(characters); }
    std::string selText() const { return m_field.selText(); }
    void setSelText(const std::string& text);
    void selectAll() { m_field.selectAll(); }
    // Whenever the box takes the focus (Tab, a click, code) its whole text is selected, so that
    // what is typed next replaces it; a click into the box that has the focus places the caret.
    bool selectsOnFocus() const { return m_selectsOnFocus; }
    void setSelectsOnFocus(bool on) { m_selectsOnFocus = on; }
    // The field shows inverted for a moment after a refused character.
    static constexpr int kFlashMs = 150;
    bool flashing() const { return m_flashing; }
    // 0 left, 1 right, 2 centre.
    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    bool multiLine() const { return m_multiLine; }
    void setMultiLine(bool on);
    // 0 none, 1 horizontal, 2 vertical, 3 both; they show on a multi-line box only.
    int scrollBars() const { return m_scrollBars; }
    void setScrollBars(int bars);
    // Shown in place of every character; empty for none.
    const std::string& passwordChar() const { return m_passwordChar; }
    void setPasswordChar(const std::string& c);
    // The selection shows only while the box has the focus.
    bool hideSelection() const { return m_hideSelection; }
    void setHideSelection(bool on);
    // 0 none, 1 a border: sunken with Appearance 1 (3D), a single line with 0 (flat).
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    using InputControl::appearance;
    using InputControl::setAppearance;

    // The editing part (for a look at the caret, the lines and the scroll position).
    const EditField& editField() const { return m_field; }

    std::function<void()> onChange;

    void initProperties() override;
    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

protected:
    win::LRESULT controlProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    bool raiseMouse(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override { return raiseMouseEvents(hwnd, msg, wParam, lParam); }
    void onRemoved() override;
    void layOut() override;
    void paintWindow(gfx::DeviceContext& dc) override;
    void focusChanged(bool gained) override;
    void keyDown(int code, int shift) override { m_field.keyDown(code, shift); }
    void character(int ascii) override { m_field.character(char32_t(ascii)); }

private:
    static const auto& textProperty();
    static const auto& storedProperties();
    void raiseChange();
    void flash();
    void endFlash();

    EditField m_field;
    int m_maxLength = 0;
    bool m_locked = false;
    int m_alignment = 0;
    bool m_multiLine = false;
    int m_scrollBars = 0;
    std::string m_passwordChar;
    bool m_hideSelection = true;
    int m_borderStyle = 1;
    bool m_selectsOnFocus = false;
    bool m_flashing = false;
};

} // namespace plat::forms
