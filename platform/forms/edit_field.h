#pragma once
#include "platform/forms/edit_buffer.h"
#include "platform/forms/inset_scroll_bar.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/font.h"
#include "platform/window/types.h"
#include <functional>
#include <string>
#include <vector>

namespace plat::forms {

// The editing part of a text box (and of a combo box that takes typed text): lays the text
// out in its rectangle of the owner's window, scrolls it, draws it with the selection and a
// blinking caret, and does what keys, characters and the mouse do to it. The owner raises its
// events first and passes on what they left.
class EditField {
public:
    static constexpr int kCaretBlinkMs = 530;

    EditField();
    ~EditField();
    EditField(const EditField&) = delete;
    EditField& operator=(const EditField&) = delete;

    // The window it draws in and takes its timers from.
    void attach(win::HWND hwnd);
    void detach();

    // --- options ---
    void setRect(const gfx::Rect& r);
    const gfx::Rect& rect() const { return m_rect; }
    void setMultiLine(bool on);
    bool multiLine() const { return m_multiLine; }
    // 0 none, 1 horizontal, 2 vertical, 3 both (a multi-line field only); without a horizontal
    // bar a multi-line field wraps its lines at its width.
    void setScrollBars(int bars);
    void setPasswordChar(char32_t c);
    // 0 left, 1 right, 2 centre.
    void setAlignment(int alignment);
    void setMaxLength(int characters) { m_buffer.setMaxLength(characters); }
    void setLocked(bool on) { m_locked = on; }
    bool locked() const { return m_locked; }
    void setHideSelection(bool on);
    void setFont(const gfx::Font& font);
    void setColors(gfx::Color fore, gfx::Color back);
    void setEnabled(bool on);

    // --- text and selection ---
    std::string text() const { return m_buffer.text(); }
    const std::u32string& chars() const { return m_buffer.chars(); }
    int length() const { return m_buffer.length(); }
    // Caret at the start, nothing selected; no change notice (the owner raises its own).
    void setText(std::string_view utf8);
    int selStart() const { return m_buffer.selectionStart(); }
    int selLength() const { return m_buffer.selectionEnd() - m_buffer.selectionStart(); }
    std::string selText() const;
    void setSelStart(int position);
    void setSelLength(int characters);
    // Replaces the selection (no change notice); returns whether the text changed.
    bool setSelText(std::string_view utf8);
    void select(int anchor, int caret);
    void selectAll();
    int caret() const { return m_buffer.caret(); }

    // --- input; each returns whether it did something ---
    bool keyDown(int vk, int shift);
    bool character(char32_t c);
    bool mouseDown(gfx::Point p, int shift);
    bool doubleClick(gfx::Point p);
    void mouseMove(gfx::Point p);
    void mouseUp(gfx::Point p);
    bool wheel(int delta);
    void focusChanged(bool focused);
    bool copy();
    bool cut();
    bool paste();
    bool undo();

    void draw(gfx::DeviceContext& dc);

    // The user changed the text (typing, deleting, cut, paste, undo).
    std::function<void()> onUserChange;
    // Typed or pasted characters found no room within the maximum length and were dropped.
    std::function<void()> onLimitReached;
    // Something visible changed outside an input the owner is handling (the caret blinked,
    // a scroll-bar arrow repeated): the owner draws again.
    std::function<void()> onRedraw;

    // --- what is shown (for the owner and for tests) ---
    int lineCount() const { return int(m_lines.size()); }
    // The characters a line shows: its first one and the one after its last.
    std::pair<int, int> lineRange(int line) const
    {
        return line >= 0 && line < lineCount() ? std::pair{m_lines[size_t(line)].start, m_lines[size_t(line)].end} : std::pair{0, 0};
    }
    int firstVisibleLine() const { return m_topLine; }
    int visibleLines() const;
    int lineHeight() const;
    int scrollX() const { return m_scrollX; }
    // The caret's top in window pixels, and whether it is drawn now.
    gfx::Point caretPoint() const;
    bool caretShown() const { return m_focused && m_caretOn && m_enabled; }
    // The character position nearest to a window point.
    int positionAt(gfx::Point p) const;
    const InsetScrollBar& verticalBar() const { return m_vbar; }
    const InsetScrollBar& horizontalBar() const { return m_hbar; }

private:
    struct Line {
        int start = 0; // first character
        int end = 0;   // after the last character shown (the break not counted)
        int next = 0;  // where the next line starts
    };
    gfx::Rect textArea() const;
    bool wraps() const { return m_multiLine && !(m_scrollBars & 1); }
    bool hasVerticalBar() const { return m_multiLine && (m_scrollBars & 2); }
    bool hasHorizontalBar() const { return m_multiLine && (m_scrollBars & 1); }
    char32_t shown(char32_t c) const { return m_passwordChar && c != U'\r' && c != U'\n' ? m_passwordChar : c; }
    int advance(int position) const;
    int widthOf(int from, int to) const;
    void layout();
    void layoutBars();
    int lineOf(int position) const;
    int lineWidth(int line) const;
    int lineOffset(int line) const;
    int xOf(int position) const; // window pixels
    int positionInLine(int line, int x) const;
    void ensureCaretVisible();
    void afterMove(bool keepGoal = false);
    bool afterEdit(bool changed);
    // Inserts in place of the selection within the maximum length; tells when some had no room.
    bool insertLimited(std::u32string_view text, bool typing);
    void restartBlink();
    void stopBlink();
    void redraw();

    EditBuffer m_buffer;
    win::HWND m_hwnd = 0;
    gfx::Rect m_rect;
    bool m_multiLine = false;
    int m_scrollBars = 0;
    char32_t m_passwordChar = 0;
    int m_alignment = 0;
    bool m_locked = false;
    bool m_hideSelection = true;
    bool m_enabled = true;
    gfx::Font m_font;
    gfx::Color m_fore = 0;
    gfx::Color m_back = 0xFFFFFF;

    std::vector<Line> m_lines;
    int m_topLine = 0;
    int m_scrollX = 0;
    int m_goalX = -1; // kept across Up and Down
    bool m_focused = false;
    bool m_caretOn = false;
    bool m_blinking = false;
    bool m_dragging = false;
    InsetScrollBar m_vbar{InsetScrollBar::Orientation::Vertical};
    InsetScrollBar m_hbar{InsetScrollBar::Orientation::Horizontal};
};

} // namespace plat::forms
