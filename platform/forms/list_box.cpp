#include "platform/forms/list_box.h"
#include "platform/forms/user_control.h"
#include "platform/forms/look_properties.h"
#include "platform/window/api.h"
#include "platform/window/mouse_shift.h"
#include <utility>

namespace plat::forms {

using namespace plat::win;

ListBox::ListBox()
{
    setInnerPart(m_panel);
    m_panel.onScroll = [this] {
        if (onScroll)
            onScroll();
    };
    m_panel.onRedraw = [this] { redraw(); };
}

ListBox::~ListBox() { m_panel.detach(); }

void ListBox::entryAdded(int index)
{
    m_panel.entriesInserted(index);
    redraw();
}

void ListBox::entryRemoved(int index)
{
    m_panel.entryRemoved(index);
    redraw();
}

void ListBox::clear()
{
    m_entries.clear();
    m_panel.entriesCleared();
    m_newIndex = -1;
    redraw();
}

void ListBox::raiseClick()
{
    if (!m_loading && onClick)
        onClick();
}

void ListBox::setListIndex(int index)
{
    bool changed = m_panel.setListIndex(index);
    redraw();
    if (changed)
        raiseClick();
}

void ListBox::setText(const std::string& text)
{
    int found = m_entries.findExact(text);
    if (found >= 0)
        setListIndex(found);
}

void ListBox::setSelected(int index, bool on)
{
    if (!m_entries.valid(index))
        return;
    if (multiSelect() == 0) {
        if (on)
            setListIndex(index);
        else if (index == listIndex())
            setListIndex(-1);
        return;
    }
    bool changed = m_entries.selected(index) != on;
    m_entries.setSelected(index, on);
    redraw();
    if (changed)
        raiseClick();
}

void ListBox::setTopIndex(int index)
{
    m_panel.setTopIndex(index);
    redraw();
}

void ListBox::setMultiSelect(int mode)
{
    m_panel.setMultiSelect(mode);
    redraw();
}

void ListBox::setSorted(bool on)
{
    m_sorted = on;
    if (on && !m_entries.empty()) {
        std::string current = text();
        m_entries.sort();
        m_panel.setListIndex(multiSelect() == 0 && !current.empty() ? m_entries.findExact(current) : listIndex());
    }
    redraw();
}

gfx::Rect ListBox::entryRect(int index) const
{
    int row = index - m_panel.topIndex();
    if (!m_entries.valid(index) || row < 0 || row > m_panel.visibleRows())
        return {};
    gfx::Rect r = m_panel.rect();
    int h = m_panel.rowHeight();
    return {r.left, r.top + row * h, r.right, r.top + (row + 1) * h};
}

void ListBox::layOut()
{
    m_panel.setRect(innerRect(borderWidth(1, m_appearance)));
    redraw();
}

void ListBox::paintWindow(gfx::DeviceContext& dc)
{
    drawBorder(dc, dc.surface().rect(), 1, m_appearance);
    m_panel.draw(dc);
}

void ListBox::focusChanged(bool gained)
{
    m_panel.setFocused(gained);
    redraw();
}

void ListBox::keyDown(int code, int shift)
{
    bool changed = m_panel.keyDown(code, shift);
    redraw();
    if (changed)
        raiseClick();
}

void ListBox::character(int ascii)
{
    if (m_panel.character(char32_t(ascii))) {
        redraw();
        raiseClick();
    }
}

LRESULT ListBox::controlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const gfx::Point p = pointOf(lParam);
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!takeFocus(hwnd))
            return 0;
        if (m_panel.onScrollBar(p)) {
            m_panel.mouseDown(p, mouseShift(wParam));
            redraw();
            return 0; // the scroll bar is not the list: no mouse events
        }
        m_panel.mouseDown(p, mouseShift(wParam), &m_pressOnEntry);
        if (msg == WM_LBUTTONDBLCLK)
            m_pressOnEntry = false; // the double click's second press raises DblClick, not Click
        redraw();
        break;
    case WM_MOUSEMOVE:
        if (m_panel.scrollBarTracking()) {
            m_panel.mouseMove(p, true);
            redraw();
            return 0;
        }
        if (m_panel.mouseMove(p, (wParam & MK_LBUTTON) != 0))
            redraw();
        break;
    case WM_LBUTTONUP:
        if (m_panel.scrollBarTracking()) {
            m_panel.mouseUp();
            redraw();
            return 0;
        }
        m_panel.mouseUp();
        return releaseOnList(hwnd, wParam, lParam);
    case WM_RBUTTONDOWN:
        takeFocus(hwnd);
        break;
    case WM_MOUSEWHEEL:
        if (m_panel.wheel(hiWordSigned(LPARAM(wParam)))) {
            redraw();
            return 0;
        }
        break;
    default:
        break;
    }
    return passOn(hwnd, msg, wParam, lParam);
}

// MouseUp, then Click when the press was on an entry (wherever the button is released: a drag
// may end outside the list).
LRESULT ListBox::releaseOnList(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    bool click = std::exchange(m_pressOnEntry, false);
    auto stashed = std::move(onClick);
    onClick = nullptr;
    raiseMouseEvents(hwnd, WM_LBUTTONUP, wParam, lParam);
    if (!onClick)
        onClick = std::move(stashed);
    if (click && this->hwnd() == hwnd)
        raiseClick();
    return 0;
}

const auto& ListBox::storedProperties()
{
    using P = PropertiesOf<ListBox>;
    using L = ListBox;
    static const auto table = join(inputLookProperties<L>(),
        propertyTable(P::property("Appearance", &L::appearance, &L::setAppearance, 1, keepsItsValue),
            P::property("MultiSelect", &L::multiSelect, &L::setMultiSelect, 0, keepsItsValue),
            P::property("Sorted", &L::sorted, &L::setSorted, false, keepsItsValue),
            P::property("List", &L::listText, &L::setListText, std::string(), keepsItsValue)));
    return table;
}

void ListBox::readProperties(PropertyBag& bag)
{
    beginLoading();
    storedProperties().read(*this, bag);
    endLoading();
}

void ListBox::writeProperties(PropertyBag& bag) const { storedProperties().write(*this, bag); }

} // namespace plat::forms
