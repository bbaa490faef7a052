#include "platform/forms/color_models.h"
#include <algorithm>
#include <cmath>

namespace plat::forms {

Hsl rgbToHsl(gfx::Color color)
{
    double r = gfx::redOf(color) / 255.0, g = gfx::greenOf(color) / 255.0, b = gfx::blueOf(color) / 255.0;
    double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    double l = (hi + lo) / 2;
    double h = 0, s = 0;
    double d = hi - lo;
    if (d > 1e-12) {
        s = l <= 0.5 ? d / (hi + lo) : d / (2 - hi - lo);
        if (hi == r)
            h = (g - b) / d + (g < b ? 6 : 0);
        else if (hi == g)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h /= 6;
    }
    Hsl out;
    out.hue = int(std::lround(h * kHslMax)) % kHslMax;
    out.saturation = int(std::lround(s * kHslMax));
    out.luminance = int(std::lround(l * kHslMax));
    return out;
}

static double channel(double p, double q, double t)
{
    if (t < 0)
        t += 1;
    if (t > 1)
        t -= 1;
    if (t < 1.0 / 6)
        return p + (q - p) * 6 * t;
    if (t < 0.5)
        return q;
    if (t < 2.0 / 3)
        return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

gfx::Color hslToRgb(const Hsl& hsl)
{
    double h = double(((hsl.hue % kHslMax) + kHslMax) % kHslMax) / kHslMax;
    double s = std::clamp(hsl.saturation, 0, kHslMax) / double(kHslMax);
    double l = std::clamp(hsl.luminance, 0, kHslMax) / double(kHslMax);
    double r, g, b;
    if (s <= 0) {
        r = g = b = l;
    } else {
        double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
        double p = 2 * l - q;
        r = channel(p, q, h + 1.0 / 3);
        g = channel(p, q, h);
        b = channel(p, q, h - 1.0 / 3);
    }
    auto byte = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return gfx::rgb(byte(r), byte(g), byte(b));
}

} // namespace plat::forms
