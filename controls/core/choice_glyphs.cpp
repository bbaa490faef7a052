#include "controls/core/choice_glyphs.h"
#include <algorithm>
#include <cmath>

namespace qel {

using plat::gfx::Color;
using plat::gfx::opaque;
using plat::gfx::rgb;
using plat::gfx::Surface;

namespace {

struct Rgb {
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Color toColor(Rgb c) { return rgb(int(std::lround(c.r)), int(std::lround(c.g)), int(std::lround(c.b))); }

constexpr Rgb kWhite{255, 255, 255};

bool ticked(int cell) { return cell >= GlyphTicked; }
bool hovered(int cell) { return cell == GlyphClearHover || cell == GlyphTickedHover; }
bool disabled(int cell) { return cell == GlyphClearDisabled || cell == GlyphTickedDisabled; }

// --- check box ---

constexpr Rgb kBoxFrame{28, 81, 128};
constexpr Rgb kBoxFrameDisabled{202, 200, 187};
constexpr Rgb kBoxFaceTop{221, 220, 218};
constexpr Rgb kRingPale{254, 241, 207};
constexpr Rgb kRingOrange{250, 200, 101};
constexpr Rgb kRingDeep{249, 184, 64};
constexpr Rgb kBoxHoverCentre{231, 230, 226};
constexpr Rgb kTickGreen{33, 161, 33};
constexpr Rgb kTickDisabled{202, 200, 187};

// The tick's pixels by row: first and last column of each run.
struct TickRun {
    int row, from, to;
};
constexpr TickRun kTick[] = {
    {3, 9, 9}, {4, 8, 9}, {5, 3, 3}, {5, 7, 9}, {6, 3, 4}, {6, 6, 8}, {7, 3, 7}, {8, 4, 6}, {9, 5, 5},
};

Rgb boxPixel(int cell, int x, int y)
{
    const int last = kGlyphSize - 1;
    if (x == 0 || y == 0 || x == last || y == last)
        return disabled(cell) ? kBoxFrameDisabled : kBoxFrame;
    if (disabled(cell))
        return kWhite;
    // 0 at the inner top-left pixel, 1 at the inner bottom-right one.
    const double diagonal = double(x - 1 + y - 1) / double(2 * (last - 2));
    if (!hovered(cell))
        return mix(kBoxFaceTop, kWhite, diagonal);
    const bool ring = x <= 2 || y <= 2 || x >= last - 2 || y >= last - 2;
    if (!ring)
        return kBoxHoverCentre;
    return diagonal <= 0.5 ? mix(kRingPale, kRingOrange, diagonal * 2) : mix(kRingOrange, kRingDeep, diagonal * 2 - 1);
}

Surface drawCheckBoxGlyphs()
{
    Surface s(kGlyphSize * kGlyphCells, kGlyphSize, opaque(0xFFFFFF));
    for (int cell = 0; cell < kGlyphCells; ++cell) {
        const int ox = cell * kGlyphSize;
        for (int y = 0; y < kGlyphSize; ++y)
            for (int x = 0; x < kGlyphSize; ++x)
                s.setPixel(ox + x, y, opaque(toColor(boxPixel(cell, x, y))));
        if (!ticked(cell))
            continue;
        const Color tick = opaque(toColor(disabled(cell) ? kTickDisabled : kTickGreen));
        for (const TickRun& run : kTick)
            for (int x = run.from; x <= run.to; ++x)
                s.setPixel(ox + x, run.row, tick);
    }
    return s;
}

// --- option button ---

constexpr Rgb kRoundRing{33, 84, 129};
constexpr Rgb kRoundRingDisabled{203, 201, 187};
constexpr Rgb kRoundFaceTop{224, 224, 219};
constexpr Rgb kBandPale{254, 223, 156};
constexpr Rgb kBandOrange{249, 189, 72};
constexpr Rgb kRoundCentre{241, 241, 239};
constexpr Rgb kDotCore{33, 161, 33};
constexpr Rgb kDotRim{98, 190, 98};
constexpr Rgb kDotDisabled{192, 191, 181};
constexpr Rgb kDotDisabledRim{208, 207, 199};

constexpr double kCentre = kGlyphSize / 2.0;
constexpr double kOuter = kGlyphSize / 2.0; // the circle is 13 pixels across
constexpr double kRingInner = kOuter - 1.0;  // a one-pixel ring
constexpr double kBandInner = kRingInner - 2.0;

// The colour at a point of the cell (pixel units from the cell's top-left corner).
Rgb roundSample(int cell, double px, double py)
{
    const double r = std::hypot(px - kCentre, py - kCentre);
    if (r > kOuter)
        return kWhite;
    if (r > kRingInner)
        return disabled(cell) ? kRoundRingDisabled : kRoundRing;
    if (disabled(cell))
        return kRoundCentre;
    const double diagonal = (px + py - 2.0) / (2.0 * kGlyphSize - 4.0);
    if (!hovered(cell))
        return mix(kRoundFaceTop, kWhite, diagonal);
    if (r > kBandInner)
        return mix(kBandPale, kBandOrange, diagonal);
    return kRoundCentre;
}

// The ring is anti-aliased by averaging 4 × 4 samples per pixel.
Rgb roundPixel(int cell, int x, int y)
{
    constexpr int n = 4;
    Rgb sum{0, 0, 0};
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            Rgb c = roundSample(cell, x + (i + 0.5) / n, y + (j + 0.5) / n);
            sum.r += c.r;
            sum.g += c.g;
            sum.b += c.b;
        }
    return {sum.r / (n * n), sum.g / (n * n), sum.b / (n * n)};
}

// The dot: rows and columns 4-8 without the four corners; its inner 3 × 3 is the core.
bool inDot(int x, int y)
{
    if (x < 4 || x > 8 || y < 4 || y > 8)
        return false;
    return !((x == 4 || x == 8) && (y == 4 || y == 8));
}
bool inDotCore(int x, int y) { return x >= 5 && x <= 7 && y >= 5 && y <= 7; }

Surface drawOptionButtonGlyphs()
{
    Surface s(kGlyphSize * kGlyphCells, kGlyphSize, opaque(0xFFFFFF));
    for (int cell = 0; cell < kGlyphCells; ++cell) {
        const int ox = cell * kGlyphSize;
        for (int y = 0; y < kGlyphSize; ++y)
            for (int x = 0; x < kGlyphSize; ++x) {
                Rgb c = roundPixel(cell, x, y);
                if (ticked(cell) && inDot(x, y)) {
                    const bool core = inDotCore(x, y);
                    if (disabled(cell))
                        c = core ? kDotDisabled : kDotDisabledRim;
                    else
                        c = core ? kDotCore : kDotRim;
                }
                s.setPixel(ox + x, y, opaque(toColor(c)));
            }
    }
    return s;
}

} // namespace

int GlyphCellFor(bool enabled, bool mouseInside, int value)
{
    if (!enabled)
        return value != 0 ? GlyphTickedDisabled : GlyphClearDisabled;
    if (value == 1)
        return mouseInside ? GlyphTickedHover : GlyphTicked;
    if (value == 0)
        return mouseInside ? GlyphClearHover : GlyphClear;
    return GlyphTickedDisabled;
}

const Surface& CheckBoxGlyphs()
{
    static const Surface glyphs = drawCheckBoxGlyphs();
    return glyphs;
}

const Surface& OptionButtonGlyphs()
{
    static const Surface glyphs = drawOptionButtonGlyphs();
    return glyphs;
}

} // namespace qel
