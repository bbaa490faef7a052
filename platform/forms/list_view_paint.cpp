// Drawing of the list view: the rows with their cells, the selection, the grid, the header.
#include "platform/forms/colors.h"
#include "platform/forms/edges.h"
#include "platform/forms/list_view.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_render.h"
#include "platform/system/utf8.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"

namespace plat::forms {

using namespace plat::win;
using gfx::systemColor;

namespace {

constexpr int kCellPadding = 6;

// The text as it fits in `room` pixels: whole, or cut with "..." after it.
std::u32string fitted(const gfx::Font& font, std::u32string text, int room)
{
    if (font.width(text) <= room)
        return text;
    const std::u32string dots = U"...";
    int dotsWidth = font.width(dots);
    while (!text.empty() && font.width(text) + dotsWidth > room)
        text.pop_back();
    return text + dots;
}

void drawCell(gfx::DeviceContext& dc, const gfx::Font& font, const std::string& utf8, const gfx::Rect& cell, int alignment,
    gfx::Color color, const gfx::Rect& clip)
{
    int room = cell.width() - 2 * kCellPadding;
    if (room <= 0)
        return;
    std::u32string text = fitted(font, sys::decodeUtf8(utf8), room);
    int w = font.width(text);
    int x = alignment == 1 ? cell.right - kCellPadding - w : alignment == 2 ? cell.left + (cell.width() - w) / 2 : cell.left + kCellPadding;
    int y = cell.top + (cell.height() - font.metrics().height) / 2;
    gfx::TextLineStyle style;
    style.color = color;
    gfx::drawTextLine(dc.surface(), gfx::Clip(cell.intersect(clip)), font, {x, y}, text, style);
}

// The first column's text starts this far in, past the selection's edge.
constexpr int kFirstColumnInset = 2;

} // namespace

double ListView::columnWidthToShow(std::string_view text, int column) const
{
    const int inset = column == 1 ? kFirstColumnInset : 0;
    return twipsFromPixels(drawFont().width(sys::decodeUtf8(text)) + 2 * kCellPadding + inset);
}

void ListView::paintWindow(gfx::DeviceContext& dc)
{
    gfx::Surface& s = dc.surface();
    dc.setClipRegion(std::nullopt);
    dc.fillRect(s.rect(), resolveColor(m_backColor));
    drawBorder(dc, s.rect(), 1, m_appearance);
    paintRows(dc);
    paintHeader(dc);
    dc.setClipRegion(std::nullopt);
    if (!m_vbar.rect().isEmpty())
        m_vbar.draw(dc);
    if (!m_hbar.rect().isEmpty())
        m_hbar.draw(dc);
    if (!m_vbar.rect().isEmpty() && !m_hbar.rect().isEmpty())
        dc.fillRect({m_rows.right, m_rows.bottom, m_inner.right, m_inner.bottom}, systemColor(gfx::ColorBtnFace));
}

void ListView::paintRows(gfx::DeviceContext& dc)
{
    gfx::Rect clip = m_rows.intersect(dc.surface().rect());
    if (clip.isEmpty())
        return;
    dc.setClipRegion(gfx::Region::fromRect(clip));
    int rh = rowHeight();
    int x0 = m_rows.left - m_scrollX;
    bool focused = hwnd() && GetFocus() == hwnd();
    gfx::Color fore = enabled() ? resolveColor(m_foreColor) : systemColor(gfx::ColorGrayText);
    gfx::Color selBack = focused ? systemColor(gfx::ColorHighlight) : systemColor(gfx::ColorBtnFace);
    // Without the focus the selection stays readable whatever the list's own colours: button
    // text on button face.
    gfx::Color selFore = focused ? systemColor(gfx::ColorHighlightText) : systemColor(gfx::ColorBtnText);
    int columns = m_columns.count();

    if (report() && m_gridLines) {
        gfx::Color grid = systemColor(gfx::Color3DLight);
        for (int y = m_rows.top + rh - 1; y < m_rows.bottom; y += rh)
            dc.fillRect({m_rows.left, y, m_rows.right, y + 1}, grid);
        for (int c = 1; c <= columns; ++c) {
            int x = x0 + columnLeft(c + 1) - 1;
            dc.fillRect({x, m_rows.top, x + 1, m_rows.bottom}, grid);
        }
    }

    int shown = m_rows.height() / rh + 1;
    for (int row = m_top; row < std::min(m_items.count(), m_top + shown); ++row) {
        const ListItem& item = *m_items.item(row + 1);
        int y = m_rows.top + (row - m_top) * rh;
        int textWidth = drawFont().width(sys::decodeUtf8(item.text()));
        gfx::Rect label;
        if (!report())
            label = {m_rows.left + 2, y, std::min(m_rows.right, m_rows.left + 2 + textWidth + 2 * kCellPadding), y + rh};
        else if (m_fullRowSelect)
            label = {x0, y, x0 + contentWidth(), y + rh - (m_gridLines ? 1 : 0)};
        else
            label = {x0 + kFirstColumnInset, y, x0 + std::min(columnWidth(1), kFirstColumnInset + textWidth + 2 * kCellPadding),
                y + rh - (m_gridLines ? 1 : 0)};
        bool showSelected = item.selected() && (focused || !m_hideSelection);
        if (showSelected && enabled())
            dc.fillRect(label, selBack);
        if (!report()) {
            gfx::Rect cell{m_rows.left + 2, y, m_rows.right, y + rh};
            drawCell(dc, drawFont(), item.text(), cell, 0, showSelected ? selFore : fore, clip);
        } else {
            for (int c = 1; c <= columns; ++c) {
                gfx::Rect cell{x0 + columnLeft(c), y, x0 + columnLeft(c) + columnWidth(c), y + rh};
                if (cell.right <= clip.left || cell.left >= clip.right)
                    continue;
                bool inSelection = showSelected && (m_fullRowSelect || c == 1);
                const std::string text = c == 1 ? item.text() : item.subItem(c - 1);
                drawCell(dc, drawFont(), text, c == 1 ? gfx::Rect{cell.left + kFirstColumnInset, cell.top, cell.right, cell.bottom} : cell,
                    c == 1 ? 0 : m_columns.item(c)->alignment(), inSelection ? selFore : fore, clip);
            }
        }
        if (focused && &item == m_focus)
            dc.drawFocusRect(label.intersect(clip));
    }
}

void ListView::paintHeader(gfx::DeviceContext& dc)
{
    if (headerHeight() == 0)
        return;
    gfx::Rect clip = m_header.intersect(dc.surface().rect());
    if (clip.isEmpty())
        return;
    dc.setClipRegion(gfx::Region::fromRect(clip));
    gfx::Color face = systemColor(gfx::ColorBtnFace);
    gfx::Color text = enabled() ? systemColor(gfx::ColorBtnText) : systemColor(gfx::ColorGrayText);
    int end = m_header.left - m_scrollX;
    for (int c = 1; c <= m_columns.count(); ++c) {
        gfx::Rect r = headerRect(c);
        end = r.right;
        if (r.width() <= 0)
            continue;
        dc.fillRect(r, face);
        gfx::Rect textRect = r;
        if (m_pressedColumn == c) {
            dc.frameRect(r, systemColor(gfx::ColorBtnShadow));
            textRect = r.offset(1, 1);
        } else {
            drawRaisedEdge(dc, r);
        }
        drawCell(dc, drawFont(), m_columns.item(c)->text(), textRect, c == 1 ? 0 : m_columns.item(c)->alignment(), text, clip);
    }
    if (end < m_header.right) {
        gfx::Rect rest{end, m_header.top, m_header.right + 2, m_header.bottom};
        dc.fillRect(rest, face);
        drawRaisedEdge(dc, rest);
    }
}

} // namespace plat::forms
