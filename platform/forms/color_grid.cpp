#include "platform/forms/color_grid.h"
#include "platform/forms/edges.h"
#include "platform/gfx/system_colors.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms {

using namespace plat::win;
using gfx::systemColor;

void ColorGrid::setColors(std::vector<gfx::Color> colors, int columns)
{
    m_colors = std::move(colors);
    m_columns = std::max(1, columns);
    if (m_selected >= int(m_colors.size()))
        m_selected = -1;
    redraw();
}

void ColorGrid::setColor(int index, gfx::Color color)
{
    if (index < 0 || index >= int(m_colors.size()))
        return;
    m_colors[size_t(index)] = color;
    redraw();
}

void ColorGrid::setSelected(int index)
{
    m_selected = index >= 0 && index < int(m_colors.size()) ? index : -1;
    redraw();
}

gfx::Rect ColorGrid::cellRect(int index) const
{
    int col = index % m_columns, row = index / m_columns;
    return gfx::Rect::fromSize(col * kCellWidth, row * kCellHeight, kCellWidth, kCellHeight);
}

void ColorGrid::choose(int index)
{
    setSelected(index);
    if (m_selected >= 0 && onChoose)
        onChoose(m_selected);
}

void ColorGrid::onGotFocus()
{
    if (m_selected < 0 && !m_colors.empty())
        m_selected = 0;
    redraw();
}

void ColorGrid::onKeyDown(int& keyCode, int)
{
    int n = int(m_colors.size());
    if (n == 0)
        return;
    int i = std::max(0, m_selected);
    int next = i;
    switch (keyCode) {
    case VK_LEFT:
        next = i - 1;
        break;
    case VK_RIGHT:
        next = i + 1;
        break;
    case VK_UP:
        next = i - m_columns;
        break;
    case VK_DOWN:
        next = i + m_columns;
        break;
    case VK_SPACE:
        break;
    default:
        return;
    }
    if (next >= 0 && next < n)
        choose(next);
}

LRESULT ColorGrid::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
        LRESULT r = UserControl::windowProc(hwnd, msg, wParam, lParam); // takes the focus
        int x = loWordSigned(lParam), y = hiWordSigned(lParam);
        for (int i = 0; i < int(m_colors.size()); ++i)
            if (cellRect(i).contains(x, y)) {
                choose(i);
                break;
            }
        return r;
    }
    return UserControl::windowProc(hwnd, msg, wParam, lParam);
}

void ColorGrid::redraw()
{
    if (!hwnd())
        return;
    gfx::DeviceContext& d = dc();
    d.fillRect(d.surface().rect(), systemColor(gfx::ColorBtnFace));
    bool focused = GetFocus() == hwnd();
    for (int i = 0; i < int(m_colors.size()); ++i) {
        gfx::Rect cell = cellRect(i);
        gfx::Rect swatch{cell.left + 3, cell.top + 3, cell.right - 3, cell.bottom - 3};
        gfx::Rect inner = drawSunkenEdge(d, swatch);
        d.fillRect(inner, m_colors[size_t(i)]);
        if (i == m_selected) {
            d.frameRect({cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1}, systemColor(gfx::ColorWindowText));
            if (focused)
                d.drawFocusRect(cell);
        }
    }
    refreshImage();
}

} // namespace plat::forms
