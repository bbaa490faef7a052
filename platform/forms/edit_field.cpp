#include "platform/forms/edit_field.h"
#include "platform/forms/clipboard.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_render.h"
#include "platform/gfx/utf8.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms {

using namespace plat::win;
using gfx::systemColor;

namespace {
constexpr int kMarginX = 2;
constexpr int kMarginTop = 1;
constexpr int kWheelLines = 3;

bool breaksAfter(char32_t c) { return c == U' ' || c == U'\t' || c == 0x3000 || c >= 0x2E80; }
bool breaksBefore(char32_t c) { return c >= 0x2E80; }
gfx::TextLineStyle lineStyle(gfx::Color color)
{
    gfx::TextLineStyle style;
    style.color = color;
    return style;
}
} // namespace

EditField::EditField()
{
    m_vbar.onScroll = [this] {
        m_topLine = m_vbar.value();
        redraw();
    };
    m_hbar.onScroll = [this] {
        m_scrollX = m_hbar.value();
        redraw();
    };
    layout();
}

EditField::~EditField() { detach(); }

void EditField::attach(HWND hwnd)
{
    m_hwnd = hwnd;
    m_vbar.setOwner(hwnd);
    m_hbar.setOwner(hwnd);
}

void EditField::detach()
{
    stopBlink();
    m_vbar.setOwner(0);
    m_hbar.setOwner(0);
    m_hwnd = 0;
    m_focused = false;
}

// --- options ---

void EditField::setRect(const gfx::Rect& r)
{
    m_rect = r;
    layout();
    ensureCaretVisible();
    layoutBars();
}

void EditField::setMultiLine(bool on)
{
    m_multiLine = on;
    m_buffer.setMultiLine(on);
    setRect(m_rect);
}

void EditField::setScrollBars(int bars)
{
    m_scrollBars = std::clamp(bars, 0, 3);
    setRect(m_rect);
}

void EditField::setPasswordChar(char32_t c)
{
    m_passwordChar = c;
    setRect(m_rect);
}

void EditField::setAlignment(int alignment)
{
    m_alignment = std::clamp(alignment, 0, 2);
    setRect(m_rect);
}

void EditField::setHideSelection(bool on) { m_hideSelection = on; }

void EditField::setFont(const gfx::Font& font)
{
    m_font = font;
    setRect(m_rect);
}

void EditField::setColors(gfx::Color fore, gfx::Color back)
{
    m_fore = fore;
    m_back = back;
}

void EditField::setEnabled(bool on) { m_enabled = on; }

// --- measuring and layout ---

int EditField::lineHeight() const { return std::max(1, m_font.metrics().height); }

gfx::Rect EditField::textArea() const
{
    gfx::Rect r = m_rect;
    int bar = GetSystemMetrics(SM_CXVSCROLL);
    if (hasVerticalBar())
        r.right -= bar;
    if (hasHorizontalBar())
        r.bottom -= bar;
    r.left += kMarginX;
    r.right -= kMarginX;
    r.top += kMarginTop;
    if (r.right < r.left)
        r.right = r.left;
    if (r.bottom < r.top)
        r.bottom = r.top;
    return r;
}

int EditField::visibleLines() const
{
    if (!m_multiLine)
        return 1;
    return std::max(1, textArea().height() / lineHeight());
}

int EditField::advance(int position) const { return m_font.advance(shown(m_buffer.chars()[size_t(position)])); }

int EditField::widthOf(int from, int to) const
{
    int w = 0;
    for (int i = from; i < to; ++i)
        w += advance(i);
    return w;
}

void EditField::layout()
{
    m_lines.clear();
    const std::u32string& t = m_buffer.chars();
    int n = int(t.size());
    if (!m_multiLine) {
        m_lines.push_back({0, n, n});
        return;
    }
    int limit = std::max(1, textArea().width());
    int start = 0;
    while (true) {
        int end = start;
        while (end < n && t[size_t(end)] != U'\r' && t[size_t(end)] != U'\n')
            ++end;
        int next = end;
        if (end < n)
            next = end + ((t[size_t(end)] == U'\r' && end + 1 < n && t[size_t(end + 1)] == U'\n') ? 2 : 1);
        // The paragraph [start, end), wrapped at the width when the field wraps.
        int lineStart = start;
        if (wraps()) {
            int width = 0, lastBreak = -1;
            for (int i = start; i < end; ++i) {
                int a = advance(i);
                if (i > lineStart && breaksBefore(t[size_t(i)]))
                    lastBreak = i;
                if (width + a > limit && i > lineStart && !(t[size_t(i)] == U' ')) {
                    int cut = lastBreak > lineStart ? lastBreak : i;
                    m_lines.push_back({lineStart, cut, cut});
                    lineStart = cut;
                    width = widthOf(lineStart, i);
                    lastBreak = -1;
                }
                width += a;
                if (breaksAfter(t[size_t(i)]))
                    lastBreak = i + 1;
            }
        }
        m_lines.push_back({lineStart, end, next});
        if (end >= n)
            break;
        start = next;
        if (start >= n) {
            m_lines.push_back({n, n, n}); // the text ends with a line break
            break;
        }
    }
}

void EditField::layoutBars()
{
    int bar = GetSystemMetrics(SM_CXVSCROLL);
    int maxTop = std::max(0, lineCount() - visibleLines());
    m_topLine = std::clamp(m_topLine, 0, maxTop);
    if (hasVerticalBar()) {
        m_vbar.setRect({m_rect.right - bar, m_rect.top, m_rect.right, m_rect.bottom - (hasHorizontalBar() ? bar : 0)});
        m_vbar.setRange(lineCount(), visibleLines());
        m_vbar.setValue(m_topLine);
    } else {
        m_vbar.setRect({});
    }
    if (hasHorizontalBar()) {
        int widest = 0;
        for (int i = 0; i < lineCount(); ++i)
            widest = std::max(widest, lineWidth(i));
        m_hbar.setRect({m_rect.left, m_rect.bottom - bar, m_rect.right - (hasVerticalBar() ? bar : 0), m_rect.bottom});
        m_hbar.setRange(widest + 1, textArea().width());
        m_hbar.setLineStep(std::max(1, m_font.metrics().averageCharWidth));
        m_hbar.setValue(m_scrollX);
    } else {
        m_hbar.setRect({});
    }
}

int EditField::lineOf(int position) const
{
    int lo = 0, hi = lineCount() - 1;
    while (lo < hi) {
        int mid = (lo + hi + 1) / 2;
        if (m_lines[size_t(mid)].start <= position)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

int EditField::lineWidth(int line) const { return widthOf(m_lines[size_t(line)].start, m_lines[size_t(line)].end); }

int EditField::lineOffset(int line) const
{
    int room = textArea().width();
    int w = lineWidth(line);
    switch (m_alignment) {
    case 1:
        return std::max(0, room - w - 1);
    case 2:
        return std::max(0, (room - w) / 2);
    default:
        return 0;
    }
}

int EditField::xOf(int position) const
{
    int line = lineOf(position);
    return textArea().left + lineOffset(line) + widthOf(m_lines[size_t(line)].start, position) - m_scrollX;
}

int EditField::positionInLine(int line, int x) const
{
    const Line& l = m_lines[size_t(line)];
    int at = textArea().left + lineOffset(line) - m_scrollX;
    for (int i = l.start; i < l.end; ++i) {
        int a = advance(i);
        if (x < at + a / 2)
            return i;
        at += a;
    }
    return l.end;
}

int EditField::positionAt(gfx::Point p) const
{
    int line = 0;
    if (m_multiLine) {
        int row = p.y - textArea().top;
        row = row < 0 ? -1 - (-row - 1) / lineHeight() : row / lineHeight();
        line = std::clamp(m_topLine + row, 0, lineCount() - 1);
    }
    return positionInLine(line, p.x);
}

gfx::Point EditField::caretPoint() const
{
    int line = lineOf(m_buffer.caret());
    return {xOf(m_buffer.caret()), textArea().top + (line - m_topLine) * lineHeight()};
}

void EditField::ensureCaretVisible()
{
    int line = lineOf(m_buffer.caret());
    if (m_multiLine) {
        int visible = visibleLines();
        if (line < m_topLine)
            m_topLine = line;
        else if (line >= m_topLine + visible)
            m_topLine = line - visible + 1;
    }
    if (wraps()) {
        m_scrollX = 0;
        return;
    }
    int room = textArea().width();
    const Line& l = m_lines[size_t(line)];
    int x = lineOffset(line) + widthOf(l.start, m_buffer.caret());
    if (x < m_scrollX)
        m_scrollX = std::max(0, x - room / 4);
    else if (x > m_scrollX + room - 1)
        m_scrollX = x - room + 1 + room / 4;
    int widest = 0;
    if (m_multiLine) {
        for (int i = 0; i < lineCount(); ++i)
            widest = std::max(widest, lineWidth(i));
    } else {
        widest = lineWidth(0);
    }
    m_scrollX = std::clamp(m_scrollX, 0, std::max({0, widest + 1 - room, x - room + 1}));
}

// --- text and selection ---

void EditField::setText(std::string_view utf8)
{
    m_buffer.setText(gfx::decodeUtf8(utf8));
    m_topLine = 0;
    m_scrollX = 0;
    m_goalX = -1;
    layout();
    ensureCaretVisible();
    layoutBars();
    redraw();
}

std::string EditField::selText() const { return gfx::encodeUtf8(m_buffer.selectedChars()); }

void EditField::select(int anchor, int caret)
{
    m_buffer.setSelection(anchor, caret);
    afterMove();
}

void EditField::setSelStart(int position) { select(position, position); }

void EditField::setSelLength(int characters)
{
    int start = selStart();
    select(start, start + std::max(0, characters));
}

bool EditField::setSelText(std::string_view utf8)
{
    bool changed = m_buffer.replaceSelection(gfx::decodeUtf8(utf8), false);
    layout();
    ensureCaretVisible();
    layoutBars();
    restartBlink();
    redraw();
    return changed;
}

void EditField::selectAll() { select(0, length()); }

// --- input ---

void EditField::afterMove(bool keepGoal)
{
    if (!keepGoal)
        m_goalX = -1;
    m_buffer.endTypingRun();
    ensureCaretVisible();
    layoutBars();
    restartBlink();
    redraw();
}

bool EditField::afterEdit(bool changed)
{
    m_goalX = -1;
    layout();
    ensureCaretVisible();
    layoutBars();
    restartBlink();
    redraw();
    if (changed && onUserChange)
        onUserChange();
    return changed;
}

bool EditField::keyDown(int vk, int shift)
{
    bool extend = shift & 1;
    bool ctrl = shift & 2;
    int caret = m_buffer.caret();
    auto moveTo = [&](int position, bool keepGoal = false) {
        m_buffer.moveCaret(position, extend);
        afterMove(keepGoal);
        return true;
    };
    auto vertical = [&](int lines) {
        if (!m_multiLine)
            return moveTo(lines < 0 ? 0 : length());
        int line = lineOf(caret);
        int target = std::clamp(line + lines, 0, lineCount() - 1);
        if (m_goalX < 0)
            m_goalX = xOf(caret) + m_scrollX;
        if (target == line)
            return moveTo(caret, true);
        int position = positionInLine(target, m_goalX - m_scrollX);
        if (lines < -1 || lines > 1)
            m_topLine = std::clamp(m_topLine + (target - line), 0, std::max(0, lineCount() - visibleLines()));
        return moveTo(position, true);
    };
    switch (vk) {
    case VK_LEFT:
        if (m_buffer.hasSelection() && !extend && !ctrl)
            return moveTo(m_buffer.selectionStart());
        return moveTo(ctrl ? m_buffer.previousWordStart(caret) : m_buffer.clampPosition(caret - 1));
    case VK_RIGHT:
        if (m_buffer.hasSelection() && !extend && !ctrl)
            return moveTo(m_buffer.selectionEnd());
        if (!ctrl && caret < length() && m_buffer.chars()[size_t(caret)] == U'\r')
            return moveTo(m_buffer.clampPosition(caret + 2));
        return moveTo(ctrl ? m_buffer.nextWordStart(caret) : m_buffer.clampPosition(caret + 1));
    case VK_UP:
        if (!m_multiLine)
            return keyDown(VK_LEFT, shift);
        return vertical(-1);
    case VK_DOWN:
        if (!m_multiLine)
            return keyDown(VK_RIGHT, shift);
        return vertical(1);
    case VK_PRIOR:
        return m_multiLine ? vertical(-visibleLines()) : false;
    case VK_NEXT:
        return m_multiLine ? vertical(visibleLines()) : false;
    case VK_HOME:
        return moveTo(ctrl || !m_multiLine ? 0 : m_lines[size_t(lineOf(caret))].start);
    case VK_END:
        return moveTo(ctrl || !m_multiLine ? length() : m_lines[size_t(lineOf(caret))].end);
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

bool EditField::character(char32_t c)
{
    if (m_locked)
        return false;
    if (c == 8)
        return afterEdit(m_buffer.deleteBackward());
    if (c == 13) {
        if (!m_multiLine)
            return false;
        return insertLimited(U"\r\n", false);
    }
    if (c < 32 || c == 127)
        return false;
    char32_t one[1] = {c};
    return insertLimited(std::u32string_view(one, 1), true);
}

bool EditField::insertLimited(std::u32string_view text, bool typing)
{
    const bool changed = afterEdit(m_buffer.replaceSelection(text, true, typing));
    if (m_buffer.insertionCut() && onLimitReached)
        onLimitReached();
    return changed;
}

bool EditField::copy()
{
    if (m_passwordChar || !m_buffer.hasSelection())
        return false;
    Clipboard::setText(selText());
    return true;
}

bool EditField::cut()
{
    if (m_passwordChar || m_locked || !m_buffer.hasSelection())
        return false;
    Clipboard::setText(selText());
    return afterEdit(m_buffer.replaceSelection({}, false));
}

bool EditField::paste()
{
    if (m_locked || !Clipboard::hasText())
        return false;
    return insertLimited(gfx::decodeUtf8(Clipboard::getText()), false);
}

bool EditField::undo()
{
    if (m_locked)
        return false;
    return afterEdit(m_buffer.undo());
}

bool EditField::mouseDown(gfx::Point p, int shift)
{
    if (m_vbar.mouseDown(p) || m_hbar.mouseDown(p)) {
        redraw();
        return true;
    }
    if (!m_rect.contains(p.x, p.y))
        return false;
    m_buffer.moveCaret(positionAt(p), shift & 1);
    m_dragging = true;
    afterMove();
    return true;
}

bool EditField::doubleClick(gfx::Point p)
{
    if (m_vbar.contains(p) || m_hbar.contains(p))
        return mouseDown(p, 0);
    if (!m_rect.contains(p.x, p.y))
        return false;
    auto [start, end] = m_buffer.wordAt(positionAt(p));
    m_dragging = false;
    select(start, end);
    return true;
}

void EditField::mouseMove(gfx::Point p)
{
    if (m_vbar.tracking() || m_hbar.tracking()) {
        (m_vbar.tracking() ? m_vbar : m_hbar).mouseMove(p);
        redraw();
        return;
    }
    if (!m_dragging)
        return;
    int position = positionAt(p);
    if (position != m_buffer.caret()) {
        m_buffer.moveCaret(position, true);
        afterMove();
    }
}

void EditField::mouseUp(gfx::Point)
{
    if (m_vbar.tracking() || m_hbar.tracking()) {
        m_vbar.mouseUp();
        m_hbar.mouseUp();
        redraw();
    }
    m_dragging = false;
}

bool EditField::wheel(int delta)
{
    if (!m_multiLine || lineCount() <= visibleLines())
        return false;
    int lines = -delta * kWheelLines / WHEEL_DELTA;
    m_topLine = std::clamp(m_topLine + lines, 0, std::max(0, lineCount() - visibleLines()));
    layoutBars();
    redraw();
    return true;
}

void EditField::focusChanged(bool focused)
{
    m_focused = focused;
    if (focused) {
        restartBlink();
    } else {
        stopBlink();
        m_dragging = false;
        m_vbar.cancel();
        m_hbar.cancel();
    }
    redraw();
}

// --- caret ---

void EditField::restartBlink()
{
    if (!m_focused || !m_hwnd || !IsWindow(m_hwnd))
        return;
    m_caretOn = true;
    m_blinking = true;
    SetTimer(m_hwnd, TimerId(reinterpret_cast<uintptr_t>(this)), kCaretBlinkMs, [this](HWND, TimerId) {
        m_caretOn = !m_caretOn;
        redraw();
    });
}

void EditField::stopBlink()
{
    if (m_blinking && m_hwnd && WindowSystem::current() && IsWindow(m_hwnd))
        KillTimer(m_hwnd, TimerId(reinterpret_cast<uintptr_t>(this)));
    m_blinking = false;
    m_caretOn = false;
}

void EditField::redraw()
{
    if (onRedraw)
        onRedraw();
}

// --- drawing ---

void EditField::draw(gfx::DeviceContext& dc)
{
    gfx::Surface& s = dc.surface();
    dc.fillRect(m_rect, m_back);
    int bar = GetSystemMetrics(SM_CXVSCROLL);
    gfx::Rect field = m_rect;
    if (hasVerticalBar())
        field.right -= bar;
    if (hasHorizontalBar())
        field.bottom -= bar;
    gfx::Rect clipRect = field.intersect(s.rect());
    gfx::Clip clip(clipRect);
    gfx::Rect area = textArea();
    int lh = lineHeight();
    gfx::Color fore = m_enabled ? m_fore : systemColor(gfx::ColorGrayText);
    bool showSelection = m_buffer.hasSelection() && (m_focused || !m_hideSelection);
    int selA = m_buffer.selectionStart(), selB = m_buffer.selectionEnd();
    int last = std::min(lineCount(), m_topLine + visibleLines() + 1);
    for (int i = m_topLine; i < last; ++i) {
        const Line& l = m_lines[size_t(i)];
        int y = area.top + (i - m_topLine) * lh;
        int x0 = area.left + lineOffset(i) - m_scrollX;
        std::u32string shownText;
        shownText.reserve(size_t(l.end - l.start));
        for (int k = l.start; k < l.end; ++k)
            shownText.push_back(shown(m_buffer.chars()[size_t(k)]));
        gfx::drawTextLine(s, clip, m_font, {x0, y}, shownText, lineStyle(fore));
        if (!showSelection)
            continue;
        int a = std::max(l.start, selA), b = std::min(l.end, selB);
        if (a >= b)
            continue;
        gfx::Rect sel{x0 + widthOf(l.start, a), y, x0 + widthOf(l.start, b), y + lh};
        gfx::Rect selClip = sel.intersect(clipRect);
        if (selClip.isEmpty())
            continue;
        dc.fillRect(selClip, systemColor(gfx::ColorHighlight));
        gfx::drawTextLine(s, gfx::Clip(selClip), m_font, {x0, y}, shownText, lineStyle(systemColor(gfx::ColorHighlightText)));
    }
    if (caretShown()) {
        gfx::Point c = caretPoint();
        gfx::Rect caretRect = gfx::Rect{c.x, c.y, c.x + 1, c.y + lh}.intersect(clipRect);
        if (!caretRect.isEmpty())
            dc.invertRect(caretRect);
    }
    if (hasVerticalBar())
        m_vbar.draw(dc);
    if (hasHorizontalBar())
        m_hbar.draw(dc);
    if (hasVerticalBar() && hasHorizontalBar())
        dc.fillRect({m_rect.right - bar, m_rect.bottom - bar, m_rect.right, m_rect.bottom}, systemColor(gfx::ColorBtnFace));
}

} // namespace plat::forms
