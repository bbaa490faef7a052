#include "platform/forms/edit_field.h"
#include "platform/gfx/system_colors.h"
#include "platform/system/utf8.h"
#include "platform/window/api.h"

namespace plat::forms {

using namespace plat::win;

namespace {
constexpr int kMarginX = 2;
} // namespace

EditField::EditField()
{
    m_engine.setMargins(kMarginX, kMarginX);
    m_engine.setWrapping(true);
    m_engine.frame = [this] { return field(); };
    m_engine.onScrolled = [this] { layoutBars(); };
    m_engine.onRedraw = [this](bool) { redraw(); };
    m_engine.onUserChange = [this] {
        if (onUserChange)
            onUserChange();
    };
    m_engine.onLimitReached = [this] {
        if (onLimitReached)
            onLimitReached();
    };
    m_vbar.onScroll = [this] { m_engine.scrollTo(m_vbar.value(), m_engine.scrollX()); };
    m_hbar.onScroll = [this] { m_engine.scrollTo(m_engine.topLine(), m_hbar.value()); };
    m_engine.relayout();
}

EditField::~EditField() { detach(); }

void EditField::attach(HWND hwnd)
{
    m_engine.attach(hwnd);
    m_vbar.setOwner(hwnd);
    m_hbar.setOwner(hwnd);
}

void EditField::detach()
{
    m_engine.detach();
    m_vbar.setOwner(0);
    m_hbar.setOwner(0);
}

// --- options ---

void EditField::setRect(const gfx::Rect& r)
{
    m_rect = r;
    relayout();
}

void EditField::relayout()
{
    m_engine.relayout();
    m_engine.ensureCaretVisible();
    layoutBars();
}

void EditField::setMultiLine(bool on)
{
    m_engine.setMultiLine(on);
    relayout();
}

void EditField::setScrollBars(int bars)
{
    m_scrollBars = std::clamp(bars, 0, 3);
    m_engine.setWrapping(!(m_scrollBars & 1));
    relayout();
}

void EditField::setPasswordChar(char32_t c)
{
    m_engine.setPasswordChar(c);
    relayout();
}

void EditField::setAlignment(int alignment)
{
    m_engine.setAlignment(alignment);
    relayout();
}

void EditField::setFont(const gfx::Font& font)
{
    m_engine.setFont(font);
    relayout();
}

void EditField::setColors(gfx::Color fore, gfx::Color back)
{
    m_fore = fore;
    m_back = back;
}

gfx::Rect EditField::field() const
{
    gfx::Rect r = m_rect;
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    if (hasVerticalBar())
        r.right -= bar;
    if (hasHorizontalBar())
        r.bottom -= bar;
    return r;
}

void EditField::layoutBars()
{
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    if (hasVerticalBar()) {
        m_vbar.setRect({m_rect.right - bar, m_rect.top, m_rect.right, m_rect.bottom - (hasHorizontalBar() ? bar : 0)});
        m_vbar.setRange(m_engine.lineCount(), m_engine.visibleLines());
        m_vbar.setValue(m_engine.topLine());
    } else {
        m_vbar.setRect({});
    }
    if (hasHorizontalBar()) {
        m_hbar.setRect({m_rect.left, m_rect.bottom - bar, m_rect.right - (hasVerticalBar() ? bar : 0), m_rect.bottom});
        m_hbar.setRange(m_engine.widestLine() + 1, m_engine.textArea().width());
        m_hbar.setLineStep(m_engine.characterStep());
        m_hbar.setValue(m_engine.scrollX());
    } else {
        m_hbar.setRect({});
    }
}

// --- text ---

void EditField::setText(std::string_view utf8) { m_engine.setText(sys::decodeUtf8(utf8)); }

bool EditField::setSelText(std::string_view utf8) { return m_engine.replaceSelection(sys::decodeUtf8(utf8)); }

// --- mouse and focus: the bars take what falls on them ---

bool EditField::mouseDown(gfx::Point p, int shift)
{
    if (m_vbar.mouseDown(p) || m_hbar.mouseDown(p)) {
        redraw();
        return true;
    }
    if (!m_rect.contains(p.x, p.y))
        return false;
    m_engine.pressAt(p, shift & 1);
    return true;
}

bool EditField::doubleClick(gfx::Point p)
{
    if (m_vbar.contains(p) || m_hbar.contains(p))
        return mouseDown(p, 0);
    if (!m_rect.contains(p.x, p.y))
        return false;
    m_engine.selectWordAt(p);
    return true;
}

void EditField::mouseMove(gfx::Point p)
{
    if (m_vbar.tracking() || m_hbar.tracking()) {
        (m_vbar.tracking() ? m_vbar : m_hbar).mouseMove(p);
        redraw();
        return;
    }
    m_engine.dragTo(p);
}

void EditField::mouseUp(gfx::Point)
{
    if (m_vbar.tracking() || m_hbar.tracking()) {
        m_vbar.mouseUp();
        m_hbar.mouseUp();
        redraw();
    }
    m_engine.release();
}

void EditField::focusChanged(bool focused)
{
    if (!focused) {
        m_vbar.cancel();
        m_hbar.cancel();
    }
    m_engine.focusChanged(focused);
}

// --- drawing ---

void EditField::draw(gfx::DeviceContext& dc)
{
    dc.fillRect(m_rect, m_back);
    m_engine.draw(dc, field().intersect(dc.surface().rect()), m_fore);
    if (hasVerticalBar())
        m_vbar.draw(dc);
    if (hasHorizontalBar())
        m_hbar.draw(dc);
    if (hasVerticalBar() && hasHorizontalBar()) {
        const int bar = GetSystemMetrics(SM_CXVSCROLL);
        dc.fillRect({m_rect.right - bar, m_rect.bottom - bar, m_rect.right, m_rect.bottom}, gfx::systemColor(gfx::ColorBtnFace));
    }
}

} // namespace plat::forms
