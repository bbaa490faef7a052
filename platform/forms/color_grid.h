#pragma once
#include "platform/forms/user_control.h"
#include "platform/gfx/surface.h"
#include <functional>
#include <vector>

namespace plat::forms {

// The swatches of the colour dialog (its basic and its custom colours): a grid of sunken
// colour cells, the chosen one framed. A click chooses a cell; the arrows move the choice
// while the grid has the focus.
class ColorGrid : public UserControl {
public:
    static constexpr int kCellWidth = 26;
    static constexpr int kCellHeight = 22;

    std::string className() const override { return "ColorGrid"; }

    void setColors(std::vector<gfx::Color> colors, int columns);
    const std::vector<gfx::Color>& colors() const { return m_colors; }
    void setColor(int index, gfx::Color color);
    int columns() const { return m_columns; }
    // The chosen cell, -1 for none.
    int selected() const { return m_selected; }
    void setSelected(int index);
    // A cell's rectangle in the grid's window.
    gfx::Rect cellRect(int index) const;

    // A cell was chosen by the user.
    std::function<void(int index)> onChoose;

protected:
    void onPaint() override { redraw(); }
    void onResize() override { redraw(); }
    void onGotFocus() override;
    void onLostFocus() override { redraw(); }
    void onKeyDown(int& keyCode, int shift) override;
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    void redraw();
    void choose(int index);

    std::vector<gfx::Color> m_colors;
    int m_columns = 8;
    int m_selected = -1;
};

} // namespace plat::forms
