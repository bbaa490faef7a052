#include "controls/text/edit_element.h"
#include "controls/core/drawn_control.h"
#include "platform/forms/clipboard.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_render.h"
#include "platform/gfx/utf8.h"
#include "platform/window/api.h"

namespace qel {

using namespace plat;
using namespace plat::win;

namespace {
constexpr int kTopMargin = 1;
} // namespace

EditElement::EditElement(Kind kind) : m_kind(kind)
{
    m_buffer.setMultiLine(multiLine());
    m_font = DrawingFont(m_fontDesc);
    relayout();
}

EditElement::~EditElement() { stopBlink(); }

void EditElement::onPlaced()
{
    relayout();
    draw(false);
}

void EditElement::onRemoved()
{
    stopBlink();
    m_focused = false;
}

// --- text and selection ---

void EditElement::setText(const std::string& utf8)
{
    // Code may give a single-line field line breaks; it keeps them (typing and pasting cannot).
    std::u32string chars = gfx::decodeUtf8(utf8);
    const bool changed = chars != m_buffer.chars();
    m_buffer.setText(std::move(chars));
    m_topLine = 0;
    m_scrollX = 0;
    m_goalX = -1;
    relayout();
    ensureCaretVisible();
    draw();
    if (changed)
        raiseChange();
}

void EditElement::setSelStart(int position)
{
    m_buffer.setSelection(position, position);
    afterMove();
}

void EditElement::setSelLength(int characters)
{
    const int start = selStart();
    m_buffer.setSelection(start, start + std::max(0, characters));
    afterMove();
}

std::string EditElement::selText() const { return gfx::encodeUtf8(m_buffer.selectedChars()); }

void EditElement::setSelText(const std::string& utf8) { afterEdit(m_buffer.replaceSelection(gfx::decodeUtf8(utf8), false)); }

// --- look and rules ---

void EditElement::setAlignment(int alignment)
{
    m_alignment = std::clamp(alignment, 0, 2);
    relayout();
    draw();
}

void EditElement::setPasswordChar(const std::string& c)
{
    m_passwordText = c;
    const std::u32string chars = gfx::decodeUtf8(c);
    m_passwordChar = chars.empty() ? 0 : chars.front();
    relayout();
    ensureCaretVisible();
    draw();
}

void EditElement::setFont(const forms::FontDesc& font)
{
    m_fontDesc = font;
    m_font = DrawingFont(font);
    relayout();
    ensureCaretVisible();
    draw();
}

void EditElement::setForeColor(uint32_t color)
{
    m_foreColor = color;
    draw(false);
}

void EditElement::setBackColor(uint32_t color)
{
    m_backColor = color;
    draw(false);
}

void EditElement::setEnabled(bool enabled)
{
    Control::setEnabled(enabled);
    if (!enabled) {
        stopBlink();
        m_dragging = false;
    }
    draw(false);
}

// --- measuring ---

int EditElement::LineHeight() const { return std::max(1, m_font.metrics().height); }

gfx::Rect EditElement::TextArea() const
{
    const gfx::Rect client = hwnd() ? gfx::Rect::fromSize(0, 0, GetWindowRect(hwnd()).width(), GetWindowRect(hwnd()).height())
                                    : gfx::Rect::fromSize(0, 0, pixelRect().width(), pixelRect().height());
    gfx::Rect r = client;
    r.left += m_leftMargin;
    r.right -= m_rightMargin;
    r.top += kTopMargin;
    if (hasOwnBar())
        r.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

int EditElement::VisibleLines() const
{
    if (!multiLine())
        return 1;
    return std::max(1, TextArea().height() / LineHeight());
}

int EditElement::widthOf(int from, int to) const { return shownWidth(m_buffer.chars(), from, to, m_font, m_passwordChar); }

int EditElement::lineOf(int position) const
{
    int lo = 0, hi = LineCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (m_lines[size_t(mid)].start <= position)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

int EditElement::lineWidth(int line) const { return widthOf(m_lines[size_t(line)].start, m_lines[size_t(line)].end); }

int EditElement::widestLine() const
{
    int widest = 0;
    for (int i = 0; i < LineCount(); ++i)
        widest = std::max(widest, lineWidth(i));
    return widest;
}

int EditElement::lineOffset(int line) const
{
    const int room = TextArea().width();
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

int EditElement::xOf(int position) const
{
    const int line = lineOf(position);
    return TextArea().left + lineOffset(line) + widthOf(m_lines[size_t(line)].start, position) - m_scrollX;
}

int EditElement::positionInLine(int line, int x) const
{
    const EditLine& l = m_lines[size_t(line)];
    int at = TextArea().left + lineOffset(line) - m_scrollX;
    for (int i = l.start; i < l.end; ++i) {
        const int a = widthOf(i, i + 1);
        if (x < at + a / 2)
            return i;
        at += a;
    }
    return l.end;
}

int EditElement::positionAt(gfx::Point p) const
{
    int line = 0;
    if (multiLine()) {
        const int row = p.y - TextArea().top;
        const int rows = row < 0 ? -1 - (-row - 1) / LineHeight() : row / LineHeight();
        line = std::clamp(m_topLine + rows, 0, LineCount() - 1);
    }
    return positionInLine(line, p.x);
}

int EditElement::maxTopLine() const { return std::max(0, LineCount() - VisibleLines()); }

int EditElement::maxScrollX() const { return std::max(0, widestLine() + 1 - TextArea().width()); }

gfx::Point EditElement::CaretPoint() const
{
    const int line = lineOf(m_buffer.caret());
    return {xOf(m_buffer.caret()), TextArea().top + (line - m_topLine) * LineHeight()};
}

// --- layout and scrolling ---

void EditElement::relayout()
{
    m_lines = breakLines(m_buffer.chars(), m_font, m_passwordChar, multiLine(), wraps() ? std::max(1, TextArea().width()) : 0);
    m_topLine = std::clamp(m_topLine, 0, maxTopLine());
    if (wraps())
        m_scrollX = 0;
    else if (multiLine())
        m_scrollX = std::clamp(m_scrollX, 0, maxScrollX());
}

void EditElement::ensureCaretVisible()
{
    const int line = lineOf(m_buffer.caret());
    if (multiLine()) {
        const int visible = VisibleLines();
        if (line < m_topLine)
            m_topLine = line;
        else if (line >= m_topLine + visible)
            m_topLine = line - visible + 1;
    }
    if (wraps()) {
        m_scrollX = 0;
        return;
    }
    const int room = TextArea().width();
    const EditLine& l = m_lines[size_t(line)];
    const int x = lineOffset(line) + widthOf(l.start, m_buffer.caret());
    if (x < m_scrollX)
        m_scrollX = std::max(0, x - room / 4);
    else if (x > m_scrollX + room - 1)
        m_scrollX = x - room + 1 + room / 4;
    m_scrollX = std::clamp(m_scrollX, 0, std::max(maxScrollX(), x - room + 1));
}

int EditElement::FirstVisibleLine() const
{
    if (!multiLine())
        return positionInLine(0, TextArea().left);
    return m_topLine;
}

bool EditElement::LineScroll(int characters, int lines)
{
    if (!multiLine())
        return false;
    m_topLine = std::clamp(m_topLine + lines, 0, maxTopLine());
    if (!wraps()) {
        const int64_t x = int64_t(m_scrollX) + int64_t(characters) * CharacterStep();
        m_scrollX = int(std::clamp<int64_t>(x, 0, maxScrollX()));
    }
    draw();
    return true;
}

int EditElement::CharacterStep() const { return std::max(1, m_font.metrics().averageCharWidth); }

void EditElement::ScrollCaret()
{
    ensureCaretVisible();
    draw();
}

void EditElement::SetMargins(WPARAM which, int left, int right)
{
    if (which & EC_LEFTMARGIN)
        m_leftMargin = std::max(0, left);
    if (which & EC_RIGHTMARGIN)
        m_rightMargin = std::max(0, right);
    relayout();
    ensureCaretVisible();
    draw();
}

bool EditElement::GetScrollInfo(int bar, SCROLLINFO& info) const
{
    if (bar != SB_HORZ || !hasOwnBar())
        return false;
    const int widest = widestLine();
    const int page = TextArea().width();
    info.nMin = 0;
    if (widest + 1 <= page) {
        info.nMax = 0;
        info.nPage = 1;
    } else {
        info.nMax = widest;
        info.nPage = uint32_t(page);
    }
    info.nPos = m_scrollX;
    info.nTrackPos = m_scrollX;
    return true;
}

// --- lookups ---

int EditElement::LineIndex(int line) const
{
    if (line < 0)
        line = lineOf(m_buffer.caret());
    if (line >= LineCount())
        return -1;
    return m_lines[size_t(line)].start;
}

int EditElement::LineLength(int charIndex) const
{
    if (charIndex < 0) {
        const int a = m_buffer.selectionStart(), b = m_buffer.selectionEnd();
        const EditLine& first = m_lines[size_t(lineOf(a))];
        const EditLine& last = m_lines[size_t(lineOf(b))];
        return (a - first.start) + std::max(0, last.end - b);
    }
    if (charIndex > m_buffer.length())
        return 0;
    const EditLine& l = m_lines[size_t(lineOf(charIndex))];
    return l.end - l.start;
}

int EditElement::LineFromChar(int charIndex) const
{
    if (charIndex < 0)
        charIndex = m_buffer.selectionStart();
    return lineOf(std::min(charIndex, m_buffer.length()));
}

uint32_t EditElement::CharFromPos(int x, int y) const
{
    const int position = positionAt({x, y});
    return (uint32_t(position) & 0xFFFFu) | (uint32_t(lineOf(position)) << 16);
}

std::string EditElement::GetLine(int line, int capacity) const
{
    if (line < 0 || line >= LineCount() || capacity <= 0)
        return {};
    const EditLine& l = m_lines[size_t(line)];
    const int count = std::min(capacity, l.end - l.start);
    return gfx::encodeUtf8(std::u32string_view(m_buffer.chars()).substr(size_t(l.start), size_t(count)));
}

// --- editing commands ---

bool EditElement::Undo()
{
    if (m_locked)
        return false;
    return afterEdit(m_buffer.undo());
}

void EditElement::EmptyUndoBuffer()
{
    // Setting the text again forgets the step before it; the caret and selection stay.
    const int anchor = m_buffer.anchor(), caretAt = m_buffer.caret();
    m_buffer.setText(m_buffer.chars());
    m_buffer.setSelection(anchor, caretAt);
}

bool EditElement::Copy()
{
    if (m_passwordChar || !m_buffer.hasSelection())
        return false;
    forms::Clipboard::setText(selText());
    return true;
}

bool EditElement::Cut()
{
    if (m_passwordChar || m_locked || !m_buffer.hasSelection())
        return false;
    forms::Clipboard::setText(selText());
    return afterEdit(m_buffer.replaceSelection({}, false));
}

bool EditElement::Paste()
{
    if (m_locked || !forms::Clipboard::hasText())
        return false;
    std::u32string pasted = gfx::decodeUtf8(forms::Clipboard::getText());
    if (acceptsChar)
        std::erase_if(pasted, [this](char32_t c) { return !acceptsChar(c); });
    return afterEdit(m_buffer.replaceSelection(pasted, true));
}

void EditElement::afterMove()
{
    m_goalX = -1;
    m_buffer.endTypingRun();
    ensureCaretVisible();
    restartBlink();
    draw();
}

bool EditElement::afterEdit(bool changed)
{
    m_goalX = -1;
    relayout();
    ensureCaretVisible();
    restartBlink();
    draw();
    if (changed)
        raiseChange();
    return changed;
}

void EditElement::raiseChange()
{
    if (onChange)
        onChange();
}

// --- caret ---

void EditElement::restartBlink()
{
    if (!m_focused || !hwnd() || !IsWindow(hwnd()))
        return;
    m_caretOn = true;
    m_blinking = true;
    SetTimer(hwnd(), TimerId(reinterpret_cast<uintptr_t>(this)), kCaretBlinkMs, [this](HWND, TimerId) {
        m_caretOn = !m_caretOn;
        draw(false);
    });
}

void EditElement::stopBlink()
{
    if (m_blinking && hwnd() && WindowSystem::current() && IsWindow(hwnd()))
        KillTimer(hwnd(), TimerId(reinterpret_cast<uintptr_t>(this)));
    m_blinking = false;
    m_caretOn = false;
}

// --- drawing ---

void EditElement::draw(bool content)
{
    if (!hwnd() || !WindowSystem::current() || !IsWindow(hwnd()))
        return;
    gfx::Surface& s = WindowImage(hwnd());
    gfx::DeviceContext dc(s);
    const gfx::Color back = gfx::toRgb(m_backColor);
    dc.fillRect(s.rect(), back);
    if (hasOwnBar()) {
        const int bar = GetSystemMetrics(SM_CYHSCROLL);
        dc.fillRect({0, s.height() - bar, s.width(), s.height()}, gfx::systemColor(gfx::ColorScrollBar));
    }
    const gfx::Rect area = TextArea();
    const gfx::Clip clip(area.intersect(s.rect()));
    const int lh = LineHeight();
    const gfx::Color fore = enabled() ? gfx::toRgb(m_foreColor) : gfx::systemColor(gfx::ColorGrayText);
    const bool showSelection = m_buffer.hasSelection() && m_focused;
    const int selA = m_buffer.selectionStart(), selB = m_buffer.selectionEnd();
    const int last = std::min(LineCount(), m_topLine + VisibleLines() + 1);
    for (int i = m_topLine; i < last; ++i) {
        const EditLine& l = m_lines[size_t(i)];
        const int y = area.top + (i - m_topLine) * lh;
        const int x0 = area.left + lineOffset(i) - m_scrollX;
        std::u32string shownText;
        for (int k = l.start; k < l.end; ++k)
            shownText.push_back(m_passwordChar ? m_passwordChar : m_buffer.chars()[size_t(k)]);
        gfx::TextLineStyle style;
        style.color = fore;
        gfx::drawTextLine(s, clip, m_font, {x0, y}, shownText, style);
        if (!showSelection)
            continue;
        const int a = std::max(l.start, selA), b = std::min(l.end, selB);
        if (a >= b)
            continue;
        const gfx::Rect sel = gfx::Rect{x0 + widthOf(l.start, a), y, x0 + widthOf(l.start, b), y + lh}.intersect(area);
        if (sel.isEmpty())
            continue;
        dc.fillRect(sel, gfx::systemColor(gfx::ColorHighlight));
        gfx::TextLineStyle highlighted;
        highlighted.color = gfx::systemColor(gfx::ColorHighlightText);
        gfx::drawTextLine(s, gfx::Clip(sel), m_font, {x0, y}, shownText, highlighted);
    }
    if (CaretShown()) {
        const gfx::Point c = CaretPoint();
        const gfx::Rect caretRect = gfx::Rect{c.x, c.y, c.x + 1, c.y + lh}.intersect(area);
        if (!caretRect.isEmpty())
            dc.invertRect(caretRect);
    }
    ImageChanged(hwnd());
    // The system's edit control asks its parent for colours each time it paints.
    if (content) {
        if (const HWND parent = GetParent(hwnd()))
            SendMessage(parent, WM_CTLCOLOREDIT, 0, LPARAM(hwnd()));
    }
}

} // namespace qel
