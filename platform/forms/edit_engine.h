#pragma once
#include "platform/forms/edit_buffer.h"
#include "platform/forms/edit_lines.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/font.h"
#include "platform/window/types.h"
#include <functional>
#include <string>
#include <vector>

namespace plat::forms {

// The editing of a text shown in a rectangle of a window, as every edit field of the system does
// it: the text with its caret, selection and undo; its shown lines (one line, lines ended by the
// line breaks, or those wrapped at the width as well) with their alignment; scrolling by lines
// and sideways by pixels; the keys, characters and mouse moves of an edit field; the clipboard
// commands; the blinking caret; and the drawing of the text, the selection and the caret.
//
// The field that holds it gives it the rectangle its text and margins fill, draws around the
// text (background, border, scroll bars) and hears of what happens through the hooks. Options
// only store; the field lays the text out again (relayout) when its options are set.
class EditEngine {
public:
    static constexpr int kCaretBlinkMs = 530;
    // Lines a notch of the mouse wheel scrolls.
    static constexpr int kWheelLines = 3;

    EditEngine() = default;
    ~EditEngine();
    EditEngine(const EditEngine&) = delete;
    EditEngine& operator=(const EditEngine&) = delete;

    // The window the text is drawn in and whose timer blinks the caret; detach stops the caret
    // and forgets the focus.
    void attach(win::HWND hwnd) { m_hwnd = hwnd; }
    void detach();

    // --- hooks set by the field ---
    // The rectangle of the window, in pixels, that the text and its margins fill.
    std::function<gfx::Rect()> frame;
    // The view may have moved (a caret move, an edit, a scroll): a field with scroll bars sets them.
    std::function<void()> onScrolled;
    // Something shown changed; `caretOnly` when only the caret blinked or the focus came or went.
    std::function<void(bool caretOnly)> onRedraw;
    // The user changed the text (typing, deleting, cut, paste, undo).
    std::function<void()> onUserChange;
    // Typed or pasted characters found no room within the maximum length and were dropped.
    std::function<void()> onLimitReached;
    // Whether a typed or pasted character may go in (none: every one); a paste loses the refused.
    std::function<bool(char32_t)> acceptsChar;

    // --- options ---
    void setMultiLine(bool on);
    bool multiLine() const { return m_multiLine; }
    // A multi-line text wraps its long lines at the width instead of scrolling sideways.
    void setWrapping(bool on) { m_wrapping = on; }
    bool wraps() const { return m_multiLine && m_wrapping; }
    // Shown in place of every character; 0 for none. Such a text is not copied or cut.
    void setPasswordChar(char32_t c) { m_passwordChar = c; }
    char32_t passwordChar() const { return m_passwordChar; }
    // 0 left, 1 right, 2 centre.
    void setAlignment(int alignment);
    int alignment() const { return m_alignment; }
    // A locked field takes no typing; while it has the focus the backend's text input follows.
    void setLocked(bool on);
    bool locked() const { return m_locked; }
    // Characters the user may type or paste; 0 no limit.
    void setMaxLength(int characters) { m_buffer.setMaxLength(characters); }
    int maxLength() const { return m_buffer.maxLength(); }
    // Whether the selection is hidden while the field has no focus.
    void setHideSelection(bool on) { m_hideSelection = on; }
    void setFont(const gfx::Font& font) { m_font = font; }
    const gfx::Font& font() const { return m_font; }
    // A disabled field takes no typing and greys its text.
    void setEnabled(bool on) { m_enabled = on; }
    // Pixels kept free left and right of the text (a line's top margin is fixed).
    void setMargins(int left, int right);
    int leftMargin() const { return m_leftMargin; }
    int rightMargin() const { return m_rightMargin; }

    // --- text and selection ---
    const EditBuffer& buffer() const { return m_buffer; }
    const std::u32string& chars() const { return m_buffer.chars(); }
    std::string text() const { return m_buffer.text(); }
    int length() const { return m_buffer.length(); }
    int caret() const { return m_buffer.caret(); }
    int selStart() const { return m_buffer.selectionStart(); }
    int selLength() const { return m_buffer.selectionEnd() - m_buffer.selectionStart(); }
    std::string selText() const;
    // Replaces everything: caret at the start, view at the top left, nothing to undo.
    void setText(std::u32string text);
    void select(int anchor, int caret);
    void selectAll() { select(0, length()); }
    // Code's replacement of the selection (no limit, no user-change notice); whether it changed.
    bool replaceSelection(std::u32string_view text);
    void forgetUndo() { m_buffer.forgetUndo(); }

    // --- input; each returns whether it did something ---
    bool keyDown(int vk, int shift);
    bool character(char32_t c);
    bool copy();
    bool cut();
    bool paste();
    bool undo();
    // A press puts the caret at the point (extending the selection with Shift) and starts a drag
    // that moves the caret with the mouse until the release.
    void pressAt(gfx::Point p, bool extend);
    void dragTo(gfx::Point p);
    void release() { m_dragging = false; }
    bool dragging() const { return m_dragging; }
    // A double click selects the word under it.
    void selectWordAt(gfx::Point p);
    // Scrolls a multi-line text that does not fit by kWheelLines a notch.
    bool wheel(int delta);
    // Also switches the backend's text input: a real keyboard gives characters only while it is
    // on, and it is on while a field that takes typing has the focus.
    void focusChanged(bool focused);
    bool focused() const { return m_focused; }
    // Stops the caret and any drag, as a field does when it is disabled.
    void cancelInput();

    // --- layout and scrolling ---
    // Breaks the text into lines again and keeps the view within them.
    void relayout();
    void ensureCaretVisible();
    // Scrolls by lines and, unless the text wraps, sideways by characters of characterStep pixels.
    void lineScroll(int characters, int lines);
    // Puts the view where a scroll bar says.
    void scrollTo(int topLine, int scrollX);
    int topLine() const { return m_topLine; }
    int scrollX() const { return m_scrollX; }
    int maxTopLine() const { return std::max(0, lineCount() - visibleLines()); }
    int maxScrollX() const { return std::max(0, widestLine() + 1 - textArea().width()); }
    // The font's average character width, pixels.
    int characterStep() const { return std::max(1, m_font.metrics().averageCharWidth); }

    // --- what is shown ---
    // The frame without the margins: where the lines are laid out.
    gfx::Rect textArea() const;
    const std::vector<EditLine>& lines() const { return m_lines; }
    int lineCount() const { return int(m_lines.size()); }
    int lineHeight() const { return std::max(1, m_font.metrics().height); }
    int visibleLines() const;
    int lineOf(int position) const;
    int lineWidth(int line) const { return widthOf(m_lines[size_t(line)].start, m_lines[size_t(line)].end); }
    int widestLine() const;
    // The window x of a character position, and the position nearest to a window x in a line.
    int xOf(int position) const;
    int positionInLine(int line, int x) const;
    // The character position nearest to a window point.
    int positionAt(gfx::Point p) const;
    // The caret's top in window pixels, and whether it is drawn now.
    gfx::Point caretPoint() const;
    bool caretShown() const { return m_focused && m_caretOn && m_enabled; }

    // --- line lookups (-1 stands for the caret's or the selection's place) ---
    // The first character of a line (-1: the caret's); -1 beyond the last line.
    int lineIndex(int line) const;
    // The length of the line holding a character; with -1 the unselected characters of the
    // lines the selection touches; 0 beyond the text.
    int lineLength(int charIndex) const;
    // The line holding a character (-1: the start of the selection).
    int lineFromChar(int charIndex) const;
    // The text of a line, at most `capacity` characters; empty beyond the last line.
    std::string lineText(int line, int capacity) const;

    // Draws the lines, the selection and the caret, clipped to `clip`; `fore` is the text colour
    // of an enabled field.
    void draw(gfx::DeviceContext& dc, const gfx::Rect& clip, gfx::Color fore) const;

private:
    int widthOf(int from, int to) const { return shownWidth(m_buffer.chars(), from, to, m_font, m_passwordChar); }
    int lineOffset(int line) const;
    void afterMove(bool keepGoal = false);
    // After an edit: layout, caret, drawing, and the user-change notice when `byUser` and changed.
    bool afterEdit(bool changed, bool byUser = true);
    // Inserts in place of the selection within the maximum length; tells when some had no room.
    bool insertLimited(std::u32string_view text, bool typing);
    bool verticalMove(int lines, bool extend);
    void moveTo(int position, bool extend, bool keepGoal = false);
    // Brings the caret into view, then the bars, a fresh blink and the drawing.
    void followCaret();
    void scrolled() const;
    void restartBlink();
    void stopBlink();
    void redraw(bool caretOnly = false) const;

    EditBuffer m_buffer;
    win::HWND m_hwnd = 0;
    bool m_multiLine = false;
    bool m_wrapping = false;
    char32_t m_passwordChar = 0;
    int m_alignment = 0;
    bool m_locked = false;
    bool m_hideSelection = true;
    bool m_enabled = true;
    gfx::Font m_font;
    int m_leftMargin = 1;
    int m_rightMargin = 1;

    std::vector<EditLine> m_lines{EditLine{}};
    int m_topLine = 0;
    int m_scrollX = 0;
    int m_goalX = -1; // kept across Up and Down
    bool m_focused = false;
    bool m_caretOn = false;
    bool m_blinking = false;
    bool m_dragging = false;
};

} // namespace plat::forms
