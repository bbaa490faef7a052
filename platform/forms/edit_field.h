#pragma once
#include "platform/forms/edit_engine.h"
#include "platform/forms/inset_scroll_bar.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/font.h"
#include "platform/window/types.h"
#include <functional>
#include <string>

namespace plat::forms {

// The editing part of a text box (and of a combo box that takes typed text): the edit engine
// in its rectangle of the owner's window, with a margin of two pixels left and right, and the
// inset scroll bars of a multi-line box. The owner raises its events first and passes on what
// they left.
class EditField {
public:
    static constexpr int kCaretBlinkMs = EditEngine::kCaretBlinkMs;

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
    bool multiLine() const { return m_engine.multiLine(); }
    // 0 none, 1 horizontal, 2 vertical, 3 both (a multi-line field only); without a horizontal
    // bar a multi-line field wraps its lines at its width.
    void setScrollBars(int bars);
    void setPasswordChar(char32_t c);
    // 0 left, 1 right, 2 centre.
    void setAlignment(int alignment);
    void setMaxLength(int characters) { m_engine.setMaxLength(characters); }
    void setLocked(bool on) { m_engine.setLocked(on); }
    bool locked() const { return m_engine.locked(); }
    void setHideSelection(bool on) { m_engine.setHideSelection(on); }
    void setFont(const gfx::Font& font);
    void setColors(gfx::Color fore, gfx::Color back);
    void setEnabled(bool on) { m_engine.setEnabled(on); }

    // --- text and selection ---
    std::string text() const { return m_engine.text(); }
    const std::u32string& chars() const { return m_engine.chars(); }
    int length() const { return m_engine.length(); }
    // Caret at the start, nothing selected; no change notice (the owner raises its own).
    void setText(std::string_view utf8);
    int selStart() const { return m_engine.selStart(); }
    int selLength() const { return m_engine.selLength(); }
    std::string selText() const { return m_engine.selText(); }
    void setSelStart(int position) { select(position, position); }
    void setSelLength(int characters) { select(selStart(), selStart() + std::max(0, characters)); }
    // Replaces the selection (no change notice); returns whether the text changed.
    bool setSelText(std::string_view utf8);
    void select(int anchor, int caret) { m_engine.select(anchor, caret); }
    void selectAll() { m_engine.selectAll(); }
    int caret() const { return m_engine.caret(); }

    // --- input; each returns whether it did something ---
    bool keyDown(int vk, int shift) { return m_engine.keyDown(vk, shift); }
    bool character(char32_t c) { return m_engine.character(c); }
    bool mouseDown(gfx::Point p, int shift);
    bool doubleClick(gfx::Point p);
    void mouseMove(gfx::Point p);
    void mouseUp(gfx::Point p);
    bool wheel(int delta) { return m_engine.wheel(delta); }
    void focusChanged(bool focused);
    bool copy() { return m_engine.copy(); }
    bool cut() { return m_engine.cut(); }
    bool paste() { return m_engine.paste(); }
    bool undo() { return m_engine.undo(); }

    void draw(gfx::DeviceContext& dc);

    // The user changed the text (typing, deleting, cut, paste, undo).
    std::function<void()> onUserChange;
    // Typed or pasted characters found no room within the maximum length and were dropped.
    std::function<void()> onLimitReached;
    // Something visible changed outside an input the owner is handling (the caret blinked,
    // a scroll-bar arrow repeated): the owner draws again.
    std::function<void()> onRedraw;

    // --- what is shown (for the owner and for tests) ---
    const EditEngine& engine() const { return m_engine; }
    int lineCount() const { return m_engine.lineCount(); }
    // The characters a line shows: its first one and the one after its last.
    std::pair<int, int> lineRange(int line) const
    {
        return line >= 0 && line < lineCount() ? std::pair{m_engine.lines()[size_t(line)].start, m_engine.lines()[size_t(line)].end} : std::pair{0, 0};
    }
    int firstVisibleLine() const { return m_engine.topLine(); }
    int visibleLines() const { return m_engine.visibleLines(); }
    int lineHeight() const { return m_engine.lineHeight(); }
    int scrollX() const { return m_engine.scrollX(); }
    // The caret's top in window pixels, and whether it is drawn now.
    gfx::Point caretPoint() const { return m_engine.caretPoint(); }
    bool caretShown() const { return m_engine.caretShown(); }
    // The character position nearest to a window point.
    int positionAt(gfx::Point p) const { return m_engine.positionAt(p); }
    const InsetScrollBar& verticalBar() const { return m_vbar; }
    const InsetScrollBar& horizontalBar() const { return m_hbar; }

private:
    // The rectangle without the scroll bars.
    gfx::Rect field() const;
    bool hasVerticalBar() const { return m_engine.multiLine() && (m_scrollBars & 2); }
    bool hasHorizontalBar() const { return m_engine.multiLine() && (m_scrollBars & 1); }
    // Lays the text out again for new options, keeping the caret in view.
    void relayout();
    void layoutBars();
    void redraw() const
    {
        if (onRedraw)
            onRedraw();
    }

    EditEngine m_engine;
    gfx::Rect m_rect;
    int m_scrollBars = 0;
    gfx::Color m_fore = 0;
    gfx::Color m_back = 0xFFFFFF;
    InsetScrollBar m_vbar{InsetScrollBar::Orientation::Vertical};
    InsetScrollBar m_hbar{InsetScrollBar::Orientation::Horizontal};
};

} // namespace plat::forms
