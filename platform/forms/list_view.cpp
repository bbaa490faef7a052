#include "platform/forms/list_view.h"
#include "platform/forms/look_properties.h"
#include "platform/forms/list_entries.h"
#include "platform/forms/list_text.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/user_control.h"
#include "platform/system/utf8.h"
#include "platform/window/api.h"
#include "platform/window/mouse_shift.h"
#include "platform/window/twips.h"
#include "platform/window/virtual_keys.h"
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace plat::forms {

using namespace plat::win;

namespace {
constexpr int kWheelRows = 3;
} // namespace

ListView::ListView()
{
    m_vbar.onScroll = [this] {
        m_top = m_vbar.value();
        redraw();
    };
    m_hbar.onScroll = [this] {
        m_scrollX = m_hbar.value();
        redraw();
    };
}

ListView::~ListView() = default;

// --- properties ---

void ListView::setView(int view)
{
    m_view = std::clamp(view, 0, 3);
    contentChanged();
}

void ListView::setFullRowSelect(bool on)
{
    m_fullRowSelect = on;
    redraw();
}

void ListView::setGridLines(bool on)
{
    m_gridLines = on;
    redraw();
}

void ListView::setHideSelection(bool on)
{
    m_hideSelection = on;
    redraw();
}

void ListView::setHideColumnHeaders(bool on)
{
    m_hideColumnHeaders = on;
    contentChanged();
}

void ListView::setMultiSelect(bool on)
{
    m_multiSelect = on;
    if (!on) {
        ListItem* keep = selectedItem();
        for (int i = 1; i <= m_items.count(); ++i)
            m_items.item(i)->m_selected = m_items.item(i) == keep;
    }
    redraw();
}

void ListView::setSorted(bool on)
{
    m_sorted = on;
    if (on)
        resort();
}

void ListView::setSortKey(int key)
{
    m_sortKey = std::max(0, key);
    if (m_sorted)
        resort();
}

void ListView::setSortOrder(int order)
{
    m_sortOrder = order == 1 ? 1 : 0;
    if (m_sorted)
        resort();
}

void ListView::showLook(Look what)
{
    if (what == Look::Font)
        contentChanged();
    else
        redraw();
}

// --- selection ---

ListItem* ListView::selectedItem() const
{
    if (m_focus && m_focus->m_selected)
        return m_focus;
    for (int i = 1; i <= m_items.count(); ++i)
        if (m_items.item(i)->m_selected)
            return m_items.item(i);
    return nullptr;
}

void ListView::setSelectedItem(ListItem* item)
{
    if (item) {
        selectItem(*item, true);
        return;
    }
    for (int i = 1; i <= m_items.count(); ++i)
        m_items.item(i)->m_selected = false;
    redraw();
}

void ListView::selectItem(ListItem& item, bool on)
{
    if (on && !m_multiSelect)
        for (int i = 1; i <= m_items.count(); ++i)
            m_items.item(i)->m_selected = false;
    item.m_selected = on;
    if (on)
        m_focus = m_anchor = &item;
    redraw();
}

bool ListView::selectRange(int from, int to, bool keepOthers)
{
    bool changed = false;
    int lo = std::min(from, to), hi = std::max(from, to);
    for (int i = 1; i <= m_items.count(); ++i) {
        ListItem* it = m_items.item(i);
        bool want = (i >= lo && i <= hi) || (keepOthers && it->m_selected);
        changed = changed || it->m_selected != want;
        it->m_selected = want;
    }
    return changed;
}

// --- changes from the collections ---

void ListView::contentChanged()
{
    layOut();
    redraw();
}

void ListView::itemInserted(ListItem&) { contentChanged(); }

void ListView::itemRemoving(ListItem& item)
{
    if (m_focus == &item)
        m_focus = nullptr;
    if (m_anchor == &item)
        m_anchor = nullptr;
    if (m_pressedItem == &item)
        m_pressedItem = nullptr;
}

void ListView::itemsClearing()
{
    m_focus = m_anchor = m_pressedItem = nullptr;
    m_top = 0;
}

// --- sorting ---

std::string ListView::sortText(const ListItem& item) const { return m_sortKey == 0 ? item.text() : item.subItem(m_sortKey); }

bool ListView::sortsBefore(const ListItem& a, const ListItem& b) const
{
    std::string x = sortText(a), y = sortText(b);
    return m_sortOrder == 0 ? ListEntries::sortsBefore(x, y) : ListEntries::sortsBefore(y, x);
}

size_t ListView::sortedPosition(const ListItem& item) const
{
    auto& v = m_items.m_items;
    auto at = std::upper_bound(v.begin(), v.end(), &item,
        [this](const ListItem* x, const std::unique_ptr<ListItem>& e) { return sortsBefore(*x, *e); });
    return size_t(at - v.begin());
}

void ListView::resort()
{
    auto& v = m_items.m_items;
    std::stable_sort(v.begin(), v.end(), [this](const auto& a, const auto& b) { return sortsBefore(*a, *b); });
    m_items.renumber();
    contentChanged();
}

// --- geometry ---

int ListView::rowHeight() const { return std::max(1, drawFont().metrics().height) + (report() ? 3 : 1); }

int ListView::headerHeight() const { return report() && !m_hideColumnHeaders ? std::max(1, drawFont().metrics().height) + 6 : 0; }

int ListView::visibleRows() const { return std::max(1, m_rows.height() / rowHeight()); }

int ListView::columnWidth(int column) const
{
    const ColumnHeader* c = m_columns.item(column);
    return c ? std::max(0, pixelsFromTwips(c->width())) : 0;
}

int ListView::columnLeft(int column) const
{
    int x = 0;
    for (int i = 1; i < column; ++i)
        x += columnWidth(i);
    return x;
}

int ListView::contentWidth() const { return report() ? columnLeft(m_columns.count() + 1) : m_rows.width(); }

void ListView::layOut()
{
    m_inner = innerRect(borderWidth(1, m_appearance));
    int bar = GetSystemMetrics(SM_CXVSCROLL);
    int hh = headerHeight();
    int rh = rowHeight();
    int total = m_items.count() * rh;
    int width = report() ? columnLeft(m_columns.count() + 1) : 0;
    bool vNeeded = total > m_inner.height() - hh;
    bool hNeeded = report() && width > m_inner.width() - (vNeeded ? bar : 0);
    if (hNeeded && !vNeeded)
        vNeeded = total > m_inner.height() - hh - bar;
    m_rows = {m_inner.left, m_inner.top + hh, m_inner.right - (vNeeded ? bar : 0), m_inner.bottom - (hNeeded ? bar : 0)};
    m_rows.right = std::max(m_rows.left, m_rows.right);
    m_rows.bottom = std::max(m_rows.top, m_rows.bottom);
    m_header = {m_inner.left, m_inner.top, m_rows.right, m_inner.top + hh};
    int maxTop = std::max(0, m_items.count() - visibleRows());
    m_top = std::clamp(m_top, 0, maxTop);
    m_scrollX = std::clamp(m_scrollX, 0, std::max(0, width - m_rows.width()));
    if (vNeeded) {
        m_vbar.setRect({m_rows.right, m_inner.top, m_inner.right, m_rows.bottom});
        m_vbar.setRange(m_items.count(), visibleRows());
        m_vbar.setValue(m_top);
    } else {
        m_vbar.cancel();
        m_vbar.setRect({});
        m_vbar.setRange(0, 0);
    }
    if (hNeeded) {
        m_hbar.setRect({m_inner.left, m_rows.bottom, m_rows.right, m_inner.bottom});
        m_hbar.setRange(width, m_rows.width());
        m_hbar.setLineStep(std::max(1, drawFont().metrics().averageCharWidth));
        m_hbar.setValue(m_scrollX);
    } else {
        m_hbar.cancel();
        m_hbar.setRect({});
        m_hbar.setRange(0, 0);
    }
}

gfx::Rect ListView::itemRect(const ListItem& item) const
{
    int row = item.index() - 1 - m_top;
    if (row < 0 || row > visibleRows())
        return {};
    int y = m_rows.top + row * rowHeight();
    int x = m_rows.left - m_scrollX;
    return {x, y, x + std::max(contentWidth(), m_rows.width()), y + rowHeight()};
}

gfx::Rect ListView::headerRect(int column) const
{
    if (!m_columns.item(column) || headerHeight() == 0)
        return {};
    int x = m_header.left - m_scrollX + columnLeft(column);
    return {x, m_header.top, x + columnWidth(column), m_header.bottom};
}

void ListView::ensureVisible(const ListItem& item)
{
    int row = item.index() - 1;
    if (row < m_top)
        m_top = row;
    else if (row >= m_top + visibleRows())
        m_top = row - visibleRows() + 1;
    layOut();
    redraw();
}

ListItem* ListView::hitTest(gfx::Point p) const
{
    if (!m_rows.contains(p.x, p.y))
        return nullptr;
    int row = m_top + (p.y - m_rows.top) / rowHeight();
    return m_items.item(row + 1);
}

// Without FullRowSelect only the first column takes a click on a row.
bool ListView::onLabel(const ListItem&, gfx::Point p) const
{
    if (m_fullRowSelect || !report())
        return true;
    int x = p.x - (m_rows.left - m_scrollX);
    return x >= 0 && x < columnWidth(1);
}

int ListView::columnAt(gfx::Point p) const
{
    if (!m_header.contains(p.x, p.y))
        return 0;
    for (int c = 1; c <= m_columns.count(); ++c)
        if (headerRect(c).contains(p.x, p.y))
            return c;
    return 0;
}

// --- input ---

void ListView::raiseItemClick(ListItem& item)
{
    if (onItemClick)
        onItemClick(item);
}

bool ListView::moveFocus(int row, int shift)
{
    if (m_items.count() == 0)
        return false;
    row = std::clamp(row, 1, m_items.count());
    ListItem* target = m_items.item(row);
    bool changed = false;
    if (m_multiSelect && (shift & kShiftMask)) {
        int anchor = m_anchor ? m_anchor->index() : (m_focus ? m_focus->index() : row);
        changed = selectRange(anchor, row, (shift & kCtrlMask) != 0);
        m_focus = target;
    } else if (m_multiSelect && (shift & kCtrlMask)) {
        m_focus = target;
    } else {
        changed = !target->m_selected || m_focus != target;
        selectRange(row, row, false);
        m_focus = m_anchor = target;
    }
    ensureVisible(*target);
    return changed;
}

void ListView::release(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const gfx::Point p = pointOf(lParam);
    if (m_pressedColumn) {
        int column = std::exchange(m_pressedColumn, 0);
        redraw();
        if (columnAt(p) == column && onColumnClick)
            if (ColumnHeader* c = m_columns.item(column))
                onColumnClick(*c);
        return;
    }
    bool onRows = std::exchange(m_pressOnRows, false);
    ListItem* item = std::exchange(m_pressedItem, nullptr);
    auto stashed = std::move(onClick);
    onClick = nullptr;
    raiseMouseEvents(hwnd, WM_LBUTTONUP, wParam, lParam);
    if (!onClick)
        onClick = std::move(stashed);
    if (!onRows || this->hwnd() != hwnd)
        return;
    if (item)
        raiseItemClick(*item);
    if (this->hwnd() == hwnd && onClick)
        onClick();
}

void ListView::keyDown(int code, int shift)
{
    int row = m_focus ? m_focus->index() : 0;
    int page = std::max(1, visibleRows() - 1);
    int target = -1;
    switch (code) {
    case VK_UP:
        target = row <= 1 ? 1 : row - 1;
        break;
    case VK_DOWN:
        target = row + 1;
        break;
    case VK_HOME:
        target = 1;
        break;
    case VK_END:
        target = m_items.count();
        break;
    case VK_PRIOR:
        target = row - 1 <= m_top ? row - page : m_top + 1;
        break;
    case VK_NEXT: {
        int bottom = m_top + visibleRows();
        target = row >= bottom ? row + page : bottom;
        break;
    }
    case VK_SPACE:
        if (m_multiSelect && (shift & kCtrlMask) && m_focus) {
            m_focus->m_selected = !m_focus->m_selected;
            m_anchor = m_focus;
            redraw();
            raiseItemClick(*m_focus);
        }
        return;
    case VK_LEFT:
    case VK_RIGHT:
        if (m_hbar.scrollable()) {
            m_hbar.setValue(m_scrollX + (code == VK_LEFT ? -1 : 1) * std::max(1, drawFont().metrics().averageCharWidth));
            m_scrollX = m_hbar.value();
            redraw();
        }
        return;
    default:
        return;
    }
    if (m_items.count() == 0)
        return;
    ListItem* before = m_focus;
    bool changed = moveFocus(target, shift);
    redraw();
    if ((changed || m_focus != before) && m_focus && m_focus->m_selected)
        raiseItemClick(*m_focus);
}

void ListView::character(int ascii)
{
    if (ascii <= 32 || m_items.count() == 0)
        return;
    std::string prefix = sys::encodeUtf8(std::u32string(1, char32_t(ascii)));
    int n = m_items.count(), from = m_focus ? m_focus->index() : 0;
    for (int step = 1; step <= n; ++step) {
        ListItem* it = m_items.item((from + step - 1) % n + 1);
        if (ListEntries::startsWith(it->text(), prefix)) {
            moveFocus(it->index(), 0);
            redraw();
            raiseItemClick(*it);
            break;
        }
    }
}

LRESULT ListView::controlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const gfx::Point p = pointOf(lParam);
    const int shift = mouseShift(wParam);
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
        if (!takeFocus(hwnd))
            return 0;
        if (msg != WM_RBUTTONDOWN && (m_vbar.mouseDown(p) || m_hbar.mouseDown(p))) {
            m_pressOnBar = true;
            redraw();
            return 0;
        }
        if (int column = columnAt(p)) {
            if (msg != WM_RBUTTONDOWN)
                m_pressedColumn = column;
            redraw();
            return 0;
        }
        if (m_header.contains(p.x, p.y))
            return 0;
        ListItem* item = hitTest(p);
        if (item && !onLabel(*item, p))
            item = nullptr;
        if (msg != WM_RBUTTONDOWN) {
            m_pressOnRows = msg == WM_LBUTTONDOWN;
            m_pressedItem = item;
        }
        if (!item) {
            if (!(shift & kCtrlMask))
                setSelectedItem(nullptr);
        } else if (m_multiSelect && (shift & kCtrlMask) && !(shift & kShiftMask)) {
            item->m_selected = !item->m_selected;
            m_focus = m_anchor = item;
        } else if (!(msg == WM_RBUTTONDOWN && item->m_selected)) {
            moveFocus(item->index(), m_multiSelect ? (shift & kShiftMask) : 0);
        }
        redraw();
        break;
    }
    case WM_MOUSEMOVE:
        if (m_vbar.tracking() || m_hbar.tracking()) {
            (m_vbar.tracking() ? m_vbar : m_hbar).mouseMove(p);
            redraw();
            return 0;
        }
        if (m_pressedColumn)
            return 0;
        break;
    case WM_LBUTTONUP:
        if (std::exchange(m_pressOnBar, false) || m_vbar.tracking() || m_hbar.tracking()) {
            m_vbar.mouseUp();
            m_hbar.mouseUp();
            redraw();
            return 0;
        }
        release(hwnd, wParam, lParam);
        return 0;
    case WM_MOUSEWHEEL:
        if (m_vbar.scrollable()) {
            m_vbar.setValue(m_top - hiWordSigned(LPARAM(wParam)) * kWheelRows / WHEEL_DELTA);
            m_top = m_vbar.value();
            redraw();
            return 0;
        }
        break;
    default:
        break;
    }
    return passOn(hwnd, msg, wParam, lParam);
}

void ListView::onPlaced()
{
    m_vbar.setOwner(hwnd());
    m_hbar.setOwner(hwnd());
    contentChanged();
}

void ListView::onRemoved()
{
    m_vbar.setOwner(0);
    m_hbar.setOwner(0);
}

// --- stored properties ---
// The columns are kept as one line each: the width in twips, the alignment, then the text.

static std::string columnsText(const ColumnHeaders& columns)
{
    std::string out;
    for (int i = 1; i <= columns.count(); ++i) {
        const ColumnHeader* c = columns.item(i);
        out += std::to_string(int(roundHalfEven(c->width()))) + "," + std::to_string(c->alignment()) + "," + c->text() + "\r\n";
    }
    return out;
}

static void readColumns(ColumnHeaders& columns, const std::string& text)
{
    columns.clear();
    for (const std::string& line : splitListText(text)) {
        size_t a = line.find(','), b = a == std::string::npos ? a : line.find(',', a + 1);
        if (b == std::string::npos)
            throw PropertyError("ColumnHeaders", "a column needs \"width,alignment,text\", found \"" + line + "\"");
        columns.add(line.substr(b + 1), std::atof(line.substr(0, a).c_str()), std::atoi(line.substr(a + 1, b - a - 1).c_str()));
    }
}

const auto& ListView::storedProperties()
{
    using P = PropertiesOf<ListView>;
    using L = ListView;
    static const auto table = join(inputLookProperties<L>(),
        propertyTable(P::property("Appearance", &L::appearance, &L::setAppearance, 1, keepsItsValue),
            P::property("View", &L::view, &L::setView, 0, keepsItsValue),
            P::property("FullRowSelect", &L::fullRowSelect, &L::setFullRowSelect, false, keepsItsValue),
            P::property("GridLines", &L::gridLines, &L::setGridLines, false, keepsItsValue),
            P::property("HideSelection", &L::hideSelection, &L::setHideSelection, true, keepsItsValue),
            P::property("HideColumnHeaders", &L::hideColumnHeaders, &L::setHideColumnHeaders, false, keepsItsValue),
            P::property("MultiSelect", &L::multiSelect, &L::setMultiSelect, false, keepsItsValue),
            P::property("SortKey", &L::sortKey, &L::setSortKey, 0, keepsItsValue),
            P::property("SortOrder", &L::sortOrder, &L::setSortOrder, 0, keepsItsValue),
            P::property("Sorted", &L::sorted, &L::setSorted, false, keepsItsValue),
            P::property("ColumnHeaders", [](const L& list) { return columnsText(list.m_columns); },
                [](L& list, const std::string& text) { readColumns(list.m_columns, text); }, std::string(), keepsItsValue)));
    return table;
}

void ListView::readProperties(PropertyBag& bag)
{
    struct Loading {
        bool& flag;
        ~Loading() { flag = false; }
    } loading{m_loading};
    beginLoading();
    storedProperties().read(*this, bag);
    endLoading();
}

void ListView::writeProperties(PropertyBag& bag) const { storedProperties().write(*this, bag); }

} // namespace plat::forms
