#pragma once
#include "platform/forms/control.h"
#include "platform/gfx/region.h"

namespace plat::forms {

// A rectangle, square, oval, circle or rounded rectangle or square. Its window covers the
// pixels it paints: the border alone while its inside is see-through.
class Shape : public Control {
public:
    enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };

    std::string className() const override { return "Shape"; }

    int shape() const { return m_shape; }
    void setShape(int shape);
    uint32_t borderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t color);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);
    // 0 transparent, otherwise solid.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    uint32_t fillColor() const { return m_fillColor; }
    void setFillColor(uint32_t color);
    // 0 solid, 1 transparent (the patterns draw as transparent).
    int fillStyle() const { return m_fillStyle; }
    void setFillStyle(int style);
    uint32_t backColor() const { return m_backColor; }
    void setBackColor(uint32_t color);
    // 0 transparent, 1 opaque (the inside in BackColor, under the fill).
    int backStyle() const { return m_backStyle; }
    void setBackStyle(int style);

    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

    // The outline of the shape in its window (pixels).
    gfx::Region outline() const;

protected:
    win::LRESULT windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    void onPlaced() override;

private:
    static const auto& storedProperties();
    void changed();

    int m_shape = Rectangle;
    uint32_t m_borderColor = 0x80000008u;
    int m_borderWidth = 1;
    int m_borderStyle = 1;
    uint32_t m_fillColor = 0;
    int m_fillStyle = 1;
    uint32_t m_backColor = 0x80000005u;
    int m_backStyle = 0;
    bool m_loading = false;
};

} // namespace plat::forms
