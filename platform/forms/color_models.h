#pragma once
#include "platform/gfx/surface.h"

namespace plat::forms {

// Hue, saturation and luminance on the colour dialog's scales: hue 0..239 (red 0, green 80,
// blue 160), saturation and luminance 0..240.
struct Hsl {
    int hue = 0;
    int saturation = 0;
    int luminance = 0;
    bool operator==(const Hsl&) const = default;
};

constexpr int kHslMax = 240;

Hsl rgbToHsl(gfx::Color color);
gfx::Color hslToRgb(const Hsl& hsl);

} // namespace plat::forms
