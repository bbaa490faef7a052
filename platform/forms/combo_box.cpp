#include "platform/forms/combo_box.h"
#include "platform/forms/edges.h"
#include "platform/forms/user_control.h"
#include "platform/forms/look_properties.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_render.h"
#include "platform/system/utf8.h"
#include "platform/window/api.h"
#include "platform/window/mouse_shift.h"
#include "platform/window/twips.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms {

using namespace plat::win;
using gfx::systemColor;

constexpr int kKeyF4 = VK_F1 + 3;

ComboBox::ComboBox()
{
    setInnerPart(m_field);
    m_field.onUserChange = [this] { afterTyping(); };
    m_field.onRedraw = [this] { redraw(); };
    m_dropDown.onChoose = [this](int index) {
        m_buttonPushed = false;
        chooseByUser(index, true);
    };
    m_dropDown.onCancel = [this] {
        m_buttonPushed = false;
        redraw();
    };
}

ComboBox::~ComboBox()
{
    m_dropDown.onChoose = nullptr;
    m_dropDown.onCancel = nullptr;
    m_field.detach();
}

// --- the list ---

void ComboBox::entryAdded(int index)
{
    if (m_listIndex >= index)
        ++m_listIndex;
    showDropDown(false);
    redraw();
}

void ComboBox::entryRemoved(int index)
{
    if (m_listIndex == index)
        m_listIndex = -1; // a typed text stays; a dropdown list shows nothing
    else if (m_listIndex > index)
        --m_listIndex;
    showDropDown(false);
    redraw();
}

void ComboBox::clear()
{
    showDropDown(false);
    m_entries.clear();
    m_listIndex = -1;
    m_newIndex = -1;
    m_field.setText("");
    redraw();
}

void ComboBox::setSorted(bool on)
{
    m_sorted = on;
    if (on && !m_entries.empty()) {
        std::string chosen = m_entries.text(m_listIndex);
        bool had = m_listIndex >= 0;
        m_entries.sort();
        m_listIndex = had ? m_entries.findExact(chosen) : -1;
    }
    redraw();
}

// --- the choice and the text ---

void ComboBox::raiseClick()
{
    if (!m_loading && onClick)
        onClick();
}

void ComboBox::raiseChange()
{
    if (!m_loading && onChange)
        onChange();
}

bool ComboBox::choose(int index)
{
    if (index < -1 || index >= m_entries.count())
        return false;
    bool changed = index != m_listIndex;
    m_listIndex = index;
    if (editable()) {
        m_field.setText(m_entries.text(index));
        if (hwnd() && GetFocus() == hwnd())
            m_field.selectAll();
    }
    return changed;
}

void ComboBox::chooseByUser(int index, bool always)
{
    bool changed = choose(index);
    redraw();
    if (changed || always)
        raiseClick();
}

void ComboBox::setListIndex(int index)
{
    bool changed = choose(index);
    redraw();
    if (changed)
        raiseClick();
}

std::string ComboBox::text() const { return editable() ? m_field.text() : m_entries.text(m_listIndex); }

void ComboBox::setText(const std::string& text)
{
    if (!editable()) {
        int found = m_entries.findExact(text);
        if (found >= 0)
            setListIndex(found);
        return;
    }
    m_listIndex = m_entries.findExact(text);
    if (text == m_field.text()) {
        redraw();
        return;
    }
    m_field.setText(text);
    redraw();
    raiseChange();
}

void ComboBox::afterTyping()
{
    m_listIndex = m_entries.findExact(m_field.text());
    redraw();
    raiseChange();
}

void ComboBox::setStyle(int style)
{
    m_style = std::clamp(style, 0, 2);
    if (!editable())
        m_field.setText("");
    else
        m_field.setText(m_entries.text(m_listIndex));
    layOut();
}

void ComboBox::setLocked(bool on)
{
    m_locked = on;
    m_field.setLocked(on);
    if (on)
        showDropDown(false);
}

void ComboBox::showDropDown(bool show)
{
    if (!show) {
        if (m_dropDown.isOpen()) {
            m_dropDown.close();
            m_buttonPushed = false;
            redraw();
        }
        return;
    }
    if (m_dropDown.isOpen() || !hwnd() || m_locked || !enabled() || !IsWindowVisible(hwnd()))
        return;
    HWND own = hwnd();
    if (onDropDown)
        onDropDown();
    if (hwnd() != own)
        return;
    int highlight = m_listIndex;
    if (highlight < 0 && editable() && !m_field.text().empty())
        highlight = m_entries.findPrefix(m_field.text());
    m_dropDown.open(GetScreenRect(hwnd()), highlight, drawFont(), foreRgb(), backRgb());
    m_buttonPushed = true;
    redraw();
}

// --- look ---

void ComboBox::showLook(Look what)
{
    InputControl::showLook(what);
    if (what == Look::Font)
        layOut();
}

void ComboBox::setEnabled(bool enabled)
{
    if (!enabled)
        showDropDown(false);
    InputControl::setEnabled(enabled);
}

int ComboBox::boxHeight() const { return std::max(1, drawFont().metrics().height) + 8; }

gfx::Rect ComboBox::buttonRect() const
{
    gfx::Rect r = ownRect();
    int w = GetSystemMetrics(SM_CXVSCROLL);
    return {std::max(2, r.width() - 2 - w), 2, std::max(2, r.width() - 2), std::max(2, r.height() - 2)};
}

gfx::Rect ComboBox::fieldRect() const
{
    gfx::Rect r = ownRect();
    return {3, 3, std::max(3, buttonRect().left - 1), std::max(3, r.height() - 3)};
}

void ComboBox::layOut()
{
    // The box's own resize below reports here again; the outer call finishes the layout.
    if (m_sizing)
        return;
    if (hwnd() && GetWindowRect(hwnd()).height() != boxHeight()) {
        m_sizing = true;
        move(left(), top(), width(), twipsFromPixels(boxHeight()));
        m_sizing = false;
    }
    m_field.setRect(fieldRect());
    redraw();
}

void ComboBox::onRemoved()
{
    m_dropDown.close();
    InputControl::onRemoved();
}

void ComboBox::paintWindow(gfx::DeviceContext& dc)
{
    gfx::Surface& s = dc.surface();
    dc.fillRect(s.rect(), backRgb());
    drawSunkenEdge(dc, s.rect());
    bool focused = GetFocus() == hwnd();
    if (editable()) {
        m_field.draw(dc);
    } else {
        gfx::Rect field = fieldRect();
        gfx::TextLineStyle style;
        style.color = enabled() ? foreRgb() : systemColor(gfx::ColorGrayText);
        if (focused && !m_dropDown.isOpen() && enabled()) {
            dc.fillRect(field, systemColor(gfx::ColorHighlight));
            style.color = systemColor(gfx::ColorHighlightText);
        }
        int y = field.top + (field.height() - drawFont().metrics().height) / 2;
        gfx::drawTextLine(s, gfx::Clip(field.intersect(s.rect())), drawFont(), {field.left + 2, y},
            sys::decodeUtf8(m_entries.text(m_listIndex)), style);
        if (focused && !m_dropDown.isOpen())
            dc.drawFocusRect(field);
    }
    gfx::Rect button = buttonRect();
    dc.fillRect(button, systemColor(gfx::ColorBtnFace));
    gfx::Rect arrow = button;
    if (m_buttonPushed) {
        dc.frameRect(button, systemColor(gfx::ColorBtnShadow));
        arrow = button.offset(1, 1);
    } else {
        drawRaisedEdge(dc, button);
    }
    drawArrow(dc, arrow, ArrowDirection::Down, enabled() ? systemColor(gfx::ColorBtnText) : systemColor(gfx::ColorGrayText));
}

// --- input ---

bool ComboBox::keyWhileClosed(int vk, int shift)
{
    (void)shift;
    int n = m_entries.count();
    int i = m_listIndex;
    int target;
    switch (vk) {
    case VK_UP:
        target = i <= 0 ? 0 : i - 1;
        break;
    case VK_DOWN:
        target = i < 0 ? 0 : std::min(n - 1, i + 1);
        break;
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
        if (editable())
            return false; // these move the caret in the typed text
        target = vk == VK_HOME ? 0 : vk == VK_END ? n - 1 : vk == VK_PRIOR ? std::max(0, i - (ComboDropDown::kMaxRows - 1))
                                                                            : std::min(n - 1, std::max(0, i) + ComboDropDown::kMaxRows - 1);
        break;
    default:
        return false;
    }
    if (n > 0 && !m_locked)
        chooseByUser(target, false);
    return true;
}

void ComboBox::focusChanged(bool gained)
{
    if (gained) {
        if (editable()) {
            m_field.focusChanged(true);
            m_field.selectAll();
        }
    } else {
        showDropDown(false);
        m_field.focusChanged(false);
    }
    redraw();
}

void ComboBox::keyDown(int code, int shift)
{
    bool altArrow = (shift & 4) && (code == VK_DOWN || code == VK_UP);
    if (m_dropDown.isOpen()) {
        if (code == VK_RETURN || code == kKeyF4 || altArrow) {
            int chosen = m_dropDown.highlighted();
            showDropDown(false);
            if (chosen >= 0)
                chooseByUser(chosen, false);
        } else if (code == VK_ESCAPE) {
            showDropDown(false);
        } else {
            m_dropDown.keyDown(code);
        }
        return;
    }
    if (code == kKeyF4 || altArrow) {
        showDropDown(true);
        return;
    }
    if (keyWhileClosed(code, shift))
        return;
    if (editable())
        m_field.keyDown(code, shift);
}

void ComboBox::character(int ascii)
{
    if (ascii == 13 || ascii == 27)
        return;
    if (editable()) {
        m_field.character(char32_t(ascii));
    } else if (!m_locked && ascii > 32) {
        int found = m_entries.findPrefix(sys::encodeUtf8(std::u32string(1, char32_t(ascii))), m_listIndex);
        if (found >= 0)
            chooseByUser(found, false);
    }
}

LRESULT ComboBox::controlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const gfx::Point p = pointOf(lParam);
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const bool focusing = GetFocus() != hwnd;
        if (!takeFocus(hwnd))
            return 0;
        bool onButton = buttonRect().contains(p.x, p.y);
        if (onButton || !editable()) {
            showDropDown(true);
            return 0;
        }
        if (msg == WM_LBUTTONDBLCLK) {
            m_field.doubleClick(p);
            if (onDblClick)
                onDblClick();
        } else if (!(focusing && GetFocus() == hwnd)) {
            // The press that gave the focus keeps the whole text selected, so what is typed
            // next replaces it (a "0" in a number box does not become "012").
            m_field.mouseDown(p, mouseShift(wParam) & kShiftMask);
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON)
            m_field.mouseMove(p);
        return 0;
    case WM_LBUTTONUP:
        m_field.mouseUp(p);
        return 0;
    case WM_MOUSEWHEEL:
        if (m_dropDown.wheel(hiWordSigned(LPARAM(wParam))))
            return 0;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

// --- stored properties ---

// A new combo box shows its name; a dropdown list (Style 2) stores no Text.
const auto& ComboBox::storedProperties()
{
    using P = PropertiesOf<ComboBox>;
    using C = ComboBox;
    static const auto table = join(inputLookProperties<C>(),
        propertyTable(P::property("Style", &C::style, &C::setStyle, 0, keepsItsValue),
            P::property("Sorted", &C::sorted, &C::setSorted, false, keepsItsValue),
            P::property("Locked", &C::locked, &C::setLocked, false, keepsItsValue),
            P::property("List", &C::listText, &C::setListText, std::string(), keepsItsValue),
            P::property("Text", [](const C& c) { return c.editable() ? c.text() : std::string(); }, &C::setText, std::string(),
                &C::name)));
    return table;
}

void ComboBox::initProperties()
{
    beginLoading();
    storedProperties().init(*this);
    endLoading();
}

void ComboBox::readProperties(PropertyBag& bag)
{
    beginLoading();
    storedProperties().read(*this, bag);
    endLoading();
}

void ComboBox::writeProperties(PropertyBag& bag) const { storedProperties().write(*this, bag); }

} // namespace plat::forms
