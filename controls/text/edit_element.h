#pragma once
#include "controls/text/edit_messages.h"
#include "platform/forms/control.h"
#include "platform/forms/edit_engine.h"
#include "platform/forms/font_desc.h"
#include "platform/forms/mouse_events.h"
#include <functional>
#include <string>

namespace qel {

// A plain edit field in a window of its own, answering the edit messages (EM_LINESCROLL,
// EM_GETFIRSTVISIBLELINE, EM_LINEINDEX, EM_CHARFROMPOS, EM_SETMARGINS, WM_PASTE, ...) the way the
// system's edit control does; the text box is made of three of them. Its text, caret, keys and
// drawing are the edit engine's, filling the window but for the margins. Kinds:
// - SingleLine: one line, scrolled sideways to follow the caret;
// - Wrapping: several lines, long lines wrap at the field's width;
// - Scrolling: several lines that do not wrap, with an own horizontal scroll bar of
//   SM_CYHSCROLL pixels at the bottom (its owner may cut it off with a window region); its
//   scroll information is what GetScrollInfo gives. When every line fits, the bar is off: a
//   range of 0 to 0 with a page of 1.
//
// Key, character and mouse events come first and take their codes by reference (0 drops the
// key). Change follows every change of the text, by the user or by code. Each time it draws its
// text it sends WM_CTLCOLOREDIT to its parent, and it passes WM_SETCURSOR up to the parent first.
class EditElement : public plat::forms::Control, public plat::forms::MouseEvents {
public:
    enum class Kind { SingleLine, Wrapping, Scrolling };
    static constexpr int kCaretBlinkMs = plat::forms::EditEngine::kCaretBlinkMs;

    explicit EditElement(Kind kind = Kind::SingleLine);
    ~EditElement() override;
    std::string className() const override { return "EditElement"; }
    Kind kind() const { return m_kind; }
    bool multiLine() const { return m_kind != Kind::SingleLine; }

    // --- text and selection ---
    std::string text() const { return m_engine.text(); }
    const std::u32string& chars() const { return m_engine.chars(); }
    // Caret at the start; Change when the text differs.
    void setText(const std::string& utf8);
    int selStart() const { return m_engine.selStart(); }
    void setSelStart(int position) { m_engine.select(position, position); }
    int selLength() const { return m_engine.selLength(); }
    void setSelLength(int characters) { m_engine.select(selStart(), selStart() + std::max(0, characters)); }
    std::string selText() const { return m_engine.selText(); }
    // Replaces the selection; Change when the text changed.
    void setSelText(const std::string& utf8);
    int caret() const { return m_engine.caret(); }

    // --- look and rules ---
    // 0 left, 1 right, 2 centre.
    int alignment() const { return m_engine.alignment(); }
    void setAlignment(int alignment);
    bool locked() const { return m_engine.locked(); }
    void setLocked(bool on) { m_engine.setLocked(on); }
    // Characters the user may type or paste; 0 no limit.
    int maxLength() const { return m_engine.maxLength(); }
    void setMaxLength(int characters) { m_engine.setMaxLength(characters); }
    // Shown in place of every character; empty for none (only its first character counts).
    const std::string& passwordChar() const { return m_passwordText; }
    void setPasswordChar(const std::string& c);
    const plat::forms::FontDesc& font() const { return m_fontDesc; }
    void setFont(const plat::forms::FontDesc& font);
    uint32_t foreColor() const { return m_foreColor; }
    void setForeColor(uint32_t color);
    uint32_t backColor() const { return m_backColor; }
    void setBackColor(uint32_t color);
    void setEnabled(bool enabled) override;

    // --- the edit messages as calls (the window procedure answers the messages with them) ---
    // EM_GETFIRSTVISIBLELINE: the top line; a single-line field gives its first visible character.
    int FirstVisibleLine() const;
    // EM_LINESCROLL: a multi-line field scrolls by lines (and, unless it wraps, by characters,
    // each CharacterStep pixels); a single-line field does nothing and gives False.
    bool LineScroll(int characters, int lines);
    // The font's average character width, pixels.
    int CharacterStep() const { return m_engine.characterStep(); }
    int LineCount() const { return m_engine.lineCount(); }
    // EM_LINEINDEX: the first character of a line (-1: the caret's); -1 beyond the last line.
    int LineIndex(int line) const { return m_engine.lineIndex(line); }
    // EM_LINELENGTH: the length of the line holding a character; with -1 the unselected
    // characters of the lines the selection touches; 0 beyond the text.
    int LineLength(int charIndex) const { return m_engine.lineLength(charIndex); }
    // EM_LINEFROMCHAR: the line holding a character (-1: the start of the selection).
    int LineFromChar(int charIndex) const { return m_engine.lineFromChar(charIndex); }
    // EM_CHARFROMPOS: the character nearest to a point of the window (pixels) in the low word,
    // its line in the high word.
    uint32_t CharFromPos(int x, int y) const;
    // The character nearest to a point of the window (pixels), counted from 0, unmasked.
    int CharIndexAt(int x, int y) const { return m_engine.positionAt({x, y}); }
    // EM_GETLINE: the text of a line, at most `capacity` characters; empty beyond the last line.
    std::string GetLine(int line, int capacity) const { return m_engine.lineText(line, capacity); }
    bool Undo() { return m_engine.undo(); }
    void EmptyUndoBuffer() { m_engine.forgetUndo(); }
    bool Copy() { return m_engine.copy(); }
    bool Cut() { return m_engine.cut(); }
    bool Paste() { return m_engine.paste(); }
    // EM_SCROLLCARET.
    void ScrollCaret();
    // EM_SETMARGINS: pixels kept free left and right of the text.
    void SetMargins(plat::win::WPARAM which, int left, int right);
    int LeftMargin() const { return m_engine.leftMargin(); }
    int RightMargin() const { return m_engine.rightMargin(); }
    // The field's own horizontal scroll bar (SB_HORZ; only the Scrolling kind has one).
    bool GetScrollInfo(int bar, SCROLLINFO& info) const;

    // --- what is shown ---
    int VisibleLines() const { return m_engine.visibleLines(); }
    int LineHeight() const { return m_engine.lineHeight(); }
    int ScrollX() const { return m_engine.scrollX(); }
    const std::vector<plat::forms::EditLine>& Lines() const { return m_engine.lines(); }
    bool Focused() const { return m_engine.focused(); }
    bool CaretShown() const { return m_engine.caretShown(); }
    // The caret's place in window pixels (the top of its line).
    plat::gfx::Point CaretPoint() const { return m_engine.caretPoint(); }
    // The text area: the window without the margins (and the own bar of a Scrolling field).
    plat::gfx::Rect TextArea() const { return m_engine.textArea(); }

    std::function<void()> onChange;
    // Whether a typed or pasted character may go in (none: every character); a pasted text
    // loses the characters refused.
    std::function<bool(char32_t)> acceptsChar;
    std::function<void(int& KeyCode, int Shift)> onKeyDown;
    std::function<void(int& KeyAscii)> onKeyPress;
    std::function<void(int& KeyCode, int Shift)> onKeyUp;

protected:
    bool canTakeFocus() const override { return true; }
    plat::win::LRESULT windowProc(plat::win::HWND hwnd, plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam) override;
    void onPlaced() override;
    void onRemoved() override;

private:
    bool hasOwnBar() const { return m_kind == Kind::Scrolling; }
    // The window without the own bar: what the text and its margins fill.
    plat::gfx::Rect frame() const;
    // Lays the text out again, keeping the caret in view, and draws.
    void relayout();
    void raiseChange();
    void mouseDown(plat::gfx::Point p, int shift);
    // Draws into the window's image; `content` also tells the parent (WM_CTLCOLOREDIT).
    void draw(bool content = true);

    Kind m_kind;
    plat::forms::EditEngine m_engine;
    std::string m_passwordText;
    plat::forms::FontDesc m_fontDesc;
    uint32_t m_foreColor = 0x80000008u;
    uint32_t m_backColor = 0x80000005u;
};

} // namespace qel
