#include "platform/forms/edit_engine.h"
#include "platform/forms/clipboard.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_render.h"
#include "platform/system/utf8.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms {

using namespace plat::win;
using gfx::systemColor;

namespace {
constexpr int kTopMargin = 1;

gfx::TextLineStyle lineStyle(gfx::Color color)
{
    gfx::TextLineStyle style;
    style.color = color;
    return style;
}
} // namespace

EditEngine::~EditEngine() { stopBlink(); }

namespace {

void switchTextInput(bool on)
{
    if (WindowSystem::current())
        win::sys().setTextInput(on);
}

} // namespace

void EditEngine::detach()
{
    stopBlink();
    m_hwnd = 0;
    if (m_focused)
        switchTextInput(false);
    m_focused = false;
}

// --- options ---

void EditEngine::setMultiLine(bool on)
{
    m_multiLine = on;
    m_buffer.setMultiLine(on);
}

void EditEngine::setAlignment(int alignment) { m_alignment = std::clamp(alignment, 0, 2); }

void EditEngine::setMargins(int left, int right)
{
    m_leftMargin = std::max(0, left);
    m_rightMargin = std::max(0, right);
}

// --- measuring ---

gfx::Rect EditEngine::textArea() const
{
    gfx::Rect r = frame ? frame() : gfx::Rect{};
    r.left += m_leftMargin;
    r.right -= m_rightMargin;
    r.top += kTopMargin;
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

int EditEngine::visibleLines() const
{
    if (!m_multiLine)
        return 1;
    return std::max(1, textArea().height() / lineHeight());
}

int EditEngine::lineOf(int position) const
{
    int lo = 0, hi = lineCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (m_lines[size_t(mid)].start <= position)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

int EditEngine::widestLine() const
{
    int widest = 0;
    for (int i = 0; i < lineCount(); ++i)
        widest = std::max(widest, lineWidth(i));
    return widest;
}

int EditEngine::lineOffset(int line) const
{
    const int room = textArea().width();
    const int w = lineWidth(line);
    switch (m_alignment) {
    case 1:
        return std::max(0, room - w - 1);
    case 2:
        return std::max(0, (room - w) / 2);
    default:
        return 0;
    }
}

int EditEngine::xOf(int position) const
{
    const int line = lineOf(position);
    return textArea().left + lineOffset(line) + widthOf(m_lines[size_t(line)].start, position) - m_scrollX;
}

int EditEngine::positionInLine(int line, int x) const
{
    const EditLine& l = m_lines[size_t(line)];
    int at = textArea().left + lineOffset(line) - m_scrollX;
    for (int i = l.start; i < l.end; ++i) {
        const int a = widthOf(i, i + 1);
        if (x < at + a / 2)
            return i;
        at += a;
    }
    return l.end;
}

int EditEngine::positionAt(gfx::Point p) const
{
    int line = 0;
    if (m_multiLine) {
        const int row = p.y - textArea().top;
        const int rows = row < 0 ? -1 - (-row - 1) / lineHeight() : row / lineHeight();
        line = std::clamp(m_topLine + rows, 0, lineCount() - 1);
    }
    return positionInLine(line, p.x);
}

gfx::Point EditEngine::caretPoint() const
{
    const int line = lineOf(m_buffer.caret());
    return {xOf(m_buffer.caret()), textArea().top + (line - m_topLine) * lineHeight()};
}

// --- layout and scrolling ---

void EditEngine::relayout()
{
    m_lines = breakLines(m_buffer.chars(), m_font, m_passwordChar, m_multiLine, wraps() ? std::max(1, textArea().width()) : 0);
    m_topLine = std::clamp(m_topLine, 0, maxTopLine());
    if (wraps())
        m_scrollX = 0;
    else if (m_multiLine)
        m_scrollX = std::clamp(m_scrollX, 0, maxScrollX());
}

void EditEngine::ensureCaretVisible()
{
    const int line = lineOf(m_buffer.caret());
    if (m_multiLine) {
        const int visible = visibleLines();
        if (line < m_topLine)
            m_topLine = line;
        else if (line >= m_topLine + visible)
            m_topLine = line - visible + 1;
    }
    if (wraps()) {
        m_scrollX = 0;
        return;
    }
    // Sideways the caret is brought in with a quarter of the width to spare.
    const int room = textArea().width();
    const EditLine& l = m_lines[size_t(line)];
    const int x = lineOffset(line) + widthOf(l.start, m_buffer.caret());
    if (x < m_scrollX)
        m_scrollX = std::max(0, x - room / 4);
    else if (x > m_scrollX + room - 1)
        m_scrollX = x - room + 1 + room / 4;
    m_scrollX = std::clamp(m_scrollX, 0, std::max(maxScrollX(), x - room + 1));
}

void EditEngine::lineScroll(int characters, int lines)
{
    m_topLine = std::clamp(m_topLine + lines, 0, maxTopLine());
    if (!wraps()) {
        const int64_t x = int64_t(m_scrollX) + int64_t(characters) * characterStep();
        m_scrollX = int(std::clamp<int64_t>(x, 0, maxScrollX()));
    }
    scrolled();
    redraw();
}

void EditEngine::scrollTo(int topLine, int scrollX)
{
    m_topLine = std::clamp(topLine, 0, maxTopLine());
    m_scrollX = wraps() ? 0 : std::clamp(scrollX, 0, maxScrollX());
    redraw();
}

bool EditEngine::wheel(int delta)
{
    if (!m_multiLine || lineCount() <= visibleLines())
        return false;
    lineScroll(0, -delta * kWheelLines / WHEEL_DELTA);
    return true;
}

// --- text and selection ---

std::string EditEngine::selText() const { return sys::encodeUtf8(m_buffer.selectedChars()); }

void EditEngine::setText(std::u32string text)
{
    m_buffer.setText(std::move(text));
    m_topLine = 0;
    m_scrollX = 0;
    m_goalX = -1;
    relayout();
    ensureCaretVisible();
    scrolled();
    redraw();
}

void EditEngine::select(int anchor, int caret)
{
    m_buffer.setSelection(anchor, caret);
    afterMove();
}

bool EditEngine::replaceSelection(std::u32string_view text) { return afterEdit(m_buffer.replaceSelection(text, false), false); }

// --- after a move or an edit ---

void EditEngine::afterMove(bool keepGoal)
{
    if (!keepGoal)
        m_goalX = -1;
    m_buffer.endTypingRun();
    followCaret();
}

bool EditEngine::afterEdit(bool changed, bool byUser)
{
    m_goalX = -1;
    relayout();
    followCaret();
    if (changed && byUser && onUserChange)
        onUserChange();
    return changed;
}

bool EditEngine::insertLimited(std::u32string_view text, bool typing)
{
    const bool changed = afterEdit(m_buffer.replaceSelection(text, true, typing));
    if (m_buffer.insertionCut() && onLimitReached)
        onLimitReached();
    return changed;
}

// --- keys and characters ---

void EditEngine::moveTo(int position, bool extend, bool keepGoal)
{
    m_buffer.moveCaret(position, extend);
    afterMove(keepGoal);
}

// Up and Down keep the caret's x (its goal) from line to line; Page Up and Down scroll the view
// along with the caret.
bool EditEngine::verticalMove(int lines, bool extend)
{
    const int caretAt = m_buffer.caret();
    const int line = lineOf(caretAt);
    const int target = std::clamp(line + lines, 0, lineCount() - 1);
    if (m_goalX < 0)
        m_goalX = xOf(caretAt) + m_scrollX;
    if (target == line) {
        moveTo(caretAt, extend, true);
        return true;
    }
    const int position = positionInLine(target, m_goalX - m_scrollX);
    if (lines < -1 || lines > 1)
        m_topLine = std::clamp(m_topLine + (target - line), 0, maxTopLine());
    moveTo(position, extend, true);
    return true;
}

bool EditEngine::keyDown(int vk, int shift)
{
    const bool extend = shift & 1;
    const bool ctrl = shift & 2;
    const int caretAt = m_buffer.caret();
    auto to = [&](int position) {
        moveTo(position, extend);
        return true;
    };
    switch (vk) {
    case VK_LEFT:
        if (m_buffer.hasSelection() && !extend && !ctrl)
            return to(m_buffer.selectionStart());
        return to(ctrl ? m_buffer.previousWordStart(caretAt) : m_buffer.clampPosition(caretAt - 1));
    case VK_RIGHT:
        if (m_buffer.hasSelection() && !extend && !ctrl)
            return to(m_buffer.selectionEnd());
        if (!ctrl && caretAt < length() && m_buffer.chars()[size_t(caretAt)] == U'\r')
            return to(m_buffer.clampPosition(caretAt + 2));
        return to(ctrl ? m_buffer.nextWordStart(caretAt) : m_buffer.clampPosition(caretAt + 1));
    case VK_UP:
        return m_multiLine ? verticalMove(-1, extend) : keyDown(VK_LEFT, shift);
    case VK_DOWN:
        return m_multiLine ? verticalMove(1, extend) : keyDown(VK_RIGHT, shift);
    case VK_PRIOR:
        return m_multiLine && verticalMove(-visibleLines(), extend);
    case VK_NEXT:
        return m_multiLine && verticalMove(visibleLines(), extend);
    case VK_HOME:
        return to(ctrl || !m_multiLine ? 0 : m_lines[size_t(lineOf(caretAt))].start);
    case VK_END:
        return to(ctrl || !m_multiLine ? length() : m_lines[size_t(lineOf(caretAt))].end);
    case VK_DELETE:
        if (extend)
            return cut();
        if (m_locked)
            return false;
        return afterEdit(m_buffer.deleteForward());
    case VK_INSERT:
        if (ctrl)
            return copy();
        if (extend)
            return paste();
        return false;
    default:
        break;
    }
    if (ctrl && !extend) {
        switch (vk) {
        case 'A':
            selectAll();
            return true;
        case 'C':
            return copy();
        case 'X':
            return cut();
        case 'V':
            return paste();
        case 'Z':
            return undo();
        default:
            break;
        }
    }
    return false;
}

bool EditEngine::character(char32_t c)
{
    if (m_locked || !m_enabled)
        return false;
    if (c == 8)
        return afterEdit(m_buffer.deleteBackward());
    if (c == 13)
        return m_multiLine && insertLimited(U"\r\n", false);
    if (c < 32 || c == 127)
        return false;
    if (acceptsChar && !acceptsChar(c))
        return false;
    const char32_t one[1] = {c};
    return insertLimited(std::u32string_view(one, 1), true);
}

// --- clipboard and undo ---

bool EditEngine::copy()
{
    if (m_passwordChar || !m_buffer.hasSelection())
        return false;
    Clipboard::setText(selText());
    return true;
}

bool EditEngine::cut()
{
    if (m_passwordChar || m_locked || !m_buffer.hasSelection())
        return false;
    Clipboard::setText(selText());
    return afterEdit(m_buffer.replaceSelection({}, false));
}

bool EditEngine::paste()
{
    if (m_locked)
        return false;
    // Asked once: the desktop's clipboard may have to be fetched from another program.
    std::u32string pasted = sys::decodeUtf8(Clipboard::getText());
    if (pasted.empty())
        return false;
    if (acceptsChar)
        std::erase_if(pasted, [this](char32_t c) { return !acceptsChar(c); });
    return insertLimited(pasted, false);
}

bool EditEngine::undo()
{
    if (m_locked)
        return false;
    return afterEdit(m_buffer.undo());
}

// --- mouse and focus ---

void EditEngine::pressAt(gfx::Point p, bool extend)
{
    m_buffer.moveCaret(positionAt(p), extend);
    m_dragging = true;
    afterMove();
}

void EditEngine::dragTo(gfx::Point p)
{
    if (!m_dragging)
        return;
    const int position = positionAt(p);
    if (position != m_buffer.caret()) {
        m_buffer.moveCaret(position, true);
        afterMove();
    }
}

void EditEngine::selectWordAt(gfx::Point p)
{
    auto [start, end] = m_buffer.wordAt(positionAt(p));
    m_dragging = false;
    select(start, end);
}

void EditEngine::setLocked(bool on)
{
    m_locked = on;
    if (m_focused)
        switchTextInput(!on);
}

void EditEngine::focusChanged(bool focused)
{
    m_focused = focused;
    switchTextInput(focused && !m_locked);
    if (focused)
        restartBlink();
    else
        cancelInput();
    redraw(true);
}

void EditEngine::cancelInput()
{
    stopBlink();
    m_dragging = false;
}

// --- line lookups ---

int EditEngine::lineIndex(int line) const
{
    if (line < 0)
        line = lineOf(m_buffer.caret());
    if (line >= lineCount())
        return -1;
    return m_lines[size_t(line)].start;
}

int EditEngine::lineLength(int charIndex) const
{
    if (charIndex < 0) {
        const int a = m_buffer.selectionStart(), b = m_buffer.selectionEnd();
        const EditLine& first = m_lines[size_t(lineOf(a))];
        const EditLine& last = m_lines[size_t(lineOf(b))];
        return (a - first.start) + std::max(0, last.end - b);
    }
    if (charIndex > length())
        return 0;
    const EditLine& l = m_lines[size_t(lineOf(charIndex))];
    return l.end - l.start;
}

int EditEngine::lineFromChar(int charIndex) const
{
    if (charIndex < 0)
        charIndex = m_buffer.selectionStart();
    return lineOf(std::min(charIndex, length()));
}

std::string EditEngine::lineText(int line, int capacity) const
{
    if (line < 0 || line >= lineCount() || capacity <= 0)
        return {};
    const EditLine& l = m_lines[size_t(line)];
    const int count = std::min(capacity, l.end - l.start);
    return sys::encodeUtf8(std::u32string_view(m_buffer.chars()).substr(size_t(l.start), size_t(count)));
}

// --- caret ---

void EditEngine::restartBlink()
{
    if (!m_focused || !m_hwnd || !IsWindow(m_hwnd))
        return;
    m_caretOn = true;
    m_blinking = true;
    SetTimer(m_hwnd, TimerId(reinterpret_cast<uintptr_t>(this)), kCaretBlinkMs, [this](HWND, TimerId) {
        m_caretOn = !m_caretOn;
        redraw(true);
    });
}

void EditEngine::stopBlink()
{
    if (m_blinking && m_hwnd && WindowSystem::current() && IsWindow(m_hwnd))
        KillTimer(m_hwnd, TimerId(reinterpret_cast<uintptr_t>(this)));
    m_blinking = false;
    m_caretOn = false;
}

void EditEngine::followCaret()
{
    ensureCaretVisible();
    scrolled();
    restartBlink();
    redraw();
}

void EditEngine::scrolled() const
{
    if (onScrolled)
        onScrolled();
}

void EditEngine::redraw(bool caretOnly) const
{
    if (onRedraw)
        onRedraw(caretOnly);
}

// --- drawing ---

void EditEngine::draw(gfx::DeviceContext& dc, const gfx::Rect& clipRect, gfx::Color fore) const
{
    gfx::Surface& s = dc.surface();
    const gfx::Clip clip(clipRect);
    const gfx::Rect area = textArea();
    const int lh = lineHeight();
    const gfx::Color textColor = m_enabled ? fore : systemColor(gfx::ColorGrayText);
    const bool showSelection = m_buffer.hasSelection() && (m_focused || !m_hideSelection);
    const int selA = m_buffer.selectionStart(), selB = m_buffer.selectionEnd();
    const int last = std::min(lineCount(), m_topLine + visibleLines() + 1);
    for (int i = m_topLine; i < last; ++i) {
        const EditLine& l = m_lines[size_t(i)];
        const int y = area.top + (i - m_topLine) * lh;
        const int x0 = area.left + lineOffset(i) - m_scrollX;
        std::u32string shownText;
        shownText.reserve(size_t(l.end - l.start));
        for (int k = l.start; k < l.end; ++k)
            shownText.push_back(m_passwordChar ? m_passwordChar : m_buffer.chars()[size_t(k)]);
        gfx::drawTextLine(s, clip, m_font, {x0, y}, shownText, lineStyle(textColor));
        if (!showSelection)
            continue;
        const int a = std::max(l.start, selA), b = std::min(l.end, selB);
        if (a >= b)
            continue;
        const gfx::Rect sel = gfx::Rect{x0 + widthOf(l.start, a), y, x0 + widthOf(l.start, b), y + lh}.intersect(clipRect);
        if (sel.isEmpty())
            continue;
        dc.fillRect(sel, systemColor(gfx::ColorHighlight));
        gfx::drawTextLine(s, gfx::Clip(sel), m_font, {x0, y}, shownText, lineStyle(systemColor(gfx::ColorHighlightText)));
    }
    if (caretShown()) {
        const gfx::Point c = caretPoint();
        const gfx::Rect caretRect = gfx::Rect{c.x, c.y, c.x + 1, c.y + lh}.intersect(clipRect);
        if (!caretRect.isEmpty())
            dc.invertRect(caretRect);
    }
}

} // namespace plat::forms
