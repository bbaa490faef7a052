#include "controls/text/edit_element.h"
#include "controls/core/drawn_control.h"
#include "platform/forms/fonts.h"
#include "platform/gfx/system_colors.h"
#include "platform/system/utf8.h"
#include "platform/window/api.h"

namespace qel {

using namespace plat;
using namespace plat::win;

EditElement::EditElement(Kind kind) : m_kind(kind)
{
    m_engine.setMultiLine(multiLine());
    m_engine.setWrapping(m_kind == Kind::Wrapping);
    m_engine.setFont(forms::openFont(m_fontDesc));
    m_engine.frame = [this] { return frame(); };
    m_engine.onRedraw = [this](bool caretOnly) { draw(!caretOnly); };
    m_engine.onUserChange = [this] { raiseChange(); };
    m_engine.acceptsChar = [this](char32_t c) { return !acceptsChar || acceptsChar(c); };
    m_engine.relayout();
}

EditElement::~EditElement() = default;

void EditElement::onPlaced()
{
    m_engine.attach(hwnd());
    m_engine.relayout();
    draw(false);
}

void EditElement::onRemoved() { m_engine.detach(); }

gfx::Rect EditElement::frame() const
{
    gfx::Rect r = hwnd() ? gfx::Rect::fromSize(0, 0, GetWindowRect(hwnd()).width(), GetWindowRect(hwnd()).height())
                         : gfx::Rect::fromSize(0, 0, pixelRect().width(), pixelRect().height());
    if (hasOwnBar())
        r.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    return r;
}

void EditElement::relayout()
{
    m_engine.relayout();
    m_engine.ensureCaretVisible();
    draw();
}

// --- text and selection ---

void EditElement::setText(const std::string& utf8)
{
    // Code may give a single-line field line breaks; it keeps them (typing and pasting cannot).
    std::u32string chars = sys::decodeUtf8(utf8);
    const bool changed = chars != m_engine.chars();
    m_engine.setText(std::move(chars));
    if (changed)
        raiseChange();
}

void EditElement::setSelText(const std::string& utf8)
{
    if (m_engine.replaceSelection(sys::decodeUtf8(utf8)))
        raiseChange();
}

void EditElement::raiseChange()
{
    if (onChange)
        onChange();
}

// --- look and rules ---

void EditElement::setAlignment(int alignment)
{
    m_engine.setAlignment(alignment);
    m_engine.relayout();
    draw();
}

void EditElement::setPasswordChar(const std::string& c)
{
    m_passwordText = c;
    const std::u32string chars = sys::decodeUtf8(c);
    m_engine.setPasswordChar(chars.empty() ? 0 : chars.front());
    relayout();
}

void EditElement::setFont(const forms::FontDesc& font)
{
    m_fontDesc = font;
    m_engine.setFont(forms::openFont(font));
    relayout();
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
    m_engine.setEnabled(enabled);
    if (!enabled)
        m_engine.cancelInput();
    draw(false);
}

// --- the edit messages ---

int EditElement::FirstVisibleLine() const
{
    if (!multiLine())
        return m_engine.positionInLine(0, TextArea().left);
    return m_engine.topLine();
}

bool EditElement::LineScroll(int characters, int lines)
{
    if (!multiLine())
        return false;
    m_engine.lineScroll(characters, lines);
    return true;
}

void EditElement::ScrollCaret()
{
    m_engine.ensureCaretVisible();
    draw();
}

void EditElement::SetMargins(WPARAM which, int left, int right)
{
    m_engine.setMargins(which & EC_LEFTMARGIN ? left : m_engine.leftMargin(), which & EC_RIGHTMARGIN ? right : m_engine.rightMargin());
    relayout();
}

bool EditElement::GetScrollInfo(int bar, SCROLLINFO& info) const
{
    if (bar != SB_HORZ || !hasOwnBar())
        return false;
    const int widest = m_engine.widestLine();
    const int page = TextArea().width();
    info.nMin = 0;
    if (widest + 1 <= page) {
        info.nMax = 0;
        info.nPage = 1;
    } else {
        info.nMax = widest;
        info.nPage = uint32_t(page);
    }
    info.nPos = m_engine.scrollX();
    info.nTrackPos = m_engine.scrollX();
    return true;
}

uint32_t EditElement::CharFromPos(int x, int y) const
{
    const int position = m_engine.positionAt({x, y});
    return (uint32_t(position) & 0xFFFFu) | (uint32_t(m_engine.lineOf(position)) << 16);
}

// --- drawing ---

void EditElement::draw(bool content)
{
    if (!hwnd() || !WindowSystem::current() || !IsWindow(hwnd()))
        return;
    gfx::Surface& s = WindowImage(hwnd());
    gfx::DeviceContext dc(s);
    dc.fillRect(s.rect(), gfx::toRgb(m_backColor));
    if (hasOwnBar()) {
        const int bar = GetSystemMetrics(SM_CYHSCROLL);
        dc.fillRect({0, s.height() - bar, s.width(), s.height()}, gfx::systemColor(gfx::ColorScrollBar));
    }
    m_engine.draw(dc, TextArea().intersect(s.rect()), gfx::toRgb(m_foreColor));
    ImageChanged(hwnd());
    // The system's edit control asks its parent for colours each time it paints.
    if (content) {
        if (const HWND parent = GetParent(hwnd()))
            SendMessage(parent, WM_CTLCOLOREDIT, 0, LPARAM(hwnd()));
    }
}

} // namespace qel
