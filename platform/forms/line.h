#pragma once
#include "platform/forms/control.h"
#include "platform/gfx/region.h"

namespace plat::forms {

// A straight line between two points of its container (twips). Its window covers exactly
// the line's pixels.
class Line : public Control {
public:
    std::string className() const override { return "Line"; }

    double x1() const { return m_x1; }
    double y1() const { return m_y1; }
    double x2() const { return m_x2; }
    double y2() const { return m_y2; }
    void setX1(double v) { setPoints(v, m_y1, m_x2, m_y2); }
    void setY1(double v) { setPoints(m_x1, v, m_x2, m_y2); }
    void setX2(double v) { setPoints(m_x1, m_y1, v, m_y2); }
    void setY2(double v) { setPoints(m_x1, m_y1, m_x2, v); }
    void setPoints(double x1, double y1, double x2, double y2);
    uint32_t borderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t color);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);
    // 0 transparent (not drawn), otherwise drawn solid.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);

    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

    // The pixels the line covers, relative to its window (for tests and hit-testing).
    const gfx::Region& pixels() const { return m_pixels; }

protected:
    void onPlaced() override;

private:
    static const auto& storedProperties();
    void changed();

    double m_x1 = 0, m_y1 = 0, m_x2 = 1215, m_y2 = 0;
    uint32_t m_borderColor = 0x80000008u;
    int m_borderWidth = 1;
    int m_borderStyle = 1;
    bool m_loading = false;
    gfx::Region m_pixels;
};

} // namespace plat::forms
