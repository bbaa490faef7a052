#include "platform/forms/line.h"
#include "platform/forms/colors.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/property_table.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"
#include <cstdlib>
#include <map>

namespace plat::forms {

using namespace plat::win;

void Line::setPoints(double x1, double y1, double x2, double y2)
{
    m_x1 = x1, m_y1 = y1, m_x2 = x2, m_y2 = y2;
    changed();
}

void Line::setBorderColor(uint32_t color)
{
    m_borderColor = color;
    changed();
}

void Line::setBorderWidth(int pixels)
{
    m_borderWidth = std::max(1, pixels);
    changed();
}

void Line::setBorderStyle(int style)
{
    m_borderStyle = style;
    changed();
}

void Line::onPlaced()
{
    SetFocusable(hwnd(), false);
    // It has no events: clicks on it belong to whatever lies behind.
    SetWindowTransparentToMouse(hwnd(), true);
    changed();
}

void Line::changed()
{
    if (m_loading || !hwnd())
        return;
    int ax = pixelsFromTwips(m_x1), ay = pixelsFromTwips(m_y1);
    int bx = pixelsFromTwips(m_x2), by = pixelsFromTwips(m_y2);
    int w = m_borderWidth;
    int lead = (w - 1) / 2; // a thick line is centred on its points
    int left = std::min(ax, bx) - lead, top = std::min(ay, by) - lead;
    int right = std::max(ax, bx) - lead + w, bottom = std::max(ay, by) - lead + w;
    move(twipsFromPixels(left), twipsFromPixels(top), twipsFromPixels(right - left), twipsFromPixels(bottom - top));

    // Every point from one end to the other, both ends included, stamped with a w x w square.
    std::map<int, std::vector<std::pair<int, int>>> rows;
    int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
    int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    int err = dx + dy;
    for (int x = ax, y = ay;;) {
        for (int k = 0; k < w; ++k)
            rows[y - lead + k - top].emplace_back(x - lead - left, x - lead - left + w);
        if (x == bx && y == by)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    gfx::Region region;
    if (m_borderStyle != 0) {
        for (auto& row : rows) {
            // Named apart, not bound: the lambda below takes y, which clang 14 cannot do for a binding.
            const int y = row.first;
            auto& spans = row.second;
            std::sort(spans.begin(), spans.end());
            int l = spans.front().first, r = spans.front().second;
            auto flush = [&] { region = gfx::Region::combine(region, gfx::Region::fromRect({l, y, r, y + 1}), gfx::Region::Combine::Or); };
            for (auto& [sl, sr] : spans) {
                if (sl > r) {
                    flush();
                    l = sl;
                }
                r = std::max(r, sr);
            }
            flush();
        }
    }
    m_pixels = region;
    WindowImage(hwnd()).fill(gfx::opaque(resolveColor(m_borderColor)));
    SetWindowRgn(hwnd(), m_pixels);
    ImageChanged(hwnd());
}

const auto& Line::storedProperties()
{
    using P = PropertiesOf<Line>;
    static const auto table = propertyTable(P::property("X1", &Line::x1, &Line::setX1, 0.0),
        P::property("Y1", &Line::y1, &Line::setY1, 0.0), P::property("X2", &Line::x2, &Line::setX2, 1215.0),
        P::property("Y2", &Line::y2, &Line::setY2, 0.0),
        P::property("BorderColor", &Line::borderColor, &Line::setBorderColor, 0x80000008u),
        P::property("BorderWidth", &Line::borderWidth, &Line::setBorderWidth, 1),
        P::property("BorderStyle", &Line::borderStyle, &Line::setBorderStyle, 1));
    return table;
}

void Line::readProperties(PropertyBag& bag)
{
    m_loading = true;
    storedProperties().read(*this, bag);
    m_loading = false;
    changed();
}

void Line::writeProperties(PropertyBag& bag) const { storedProperties().write(*this, bag); }

} // namespace plat::forms
