#pragma once
#include "platform/gfx/clip.h"
#include "platform/gfx/surface.h"

#include <cstdint>

namespace plat::gfx {

// Raster operations of a blit between two surfaces (the colour bits; alpha follows the source
// for the copying operations and stays for the others).
enum class Rop {
    SrcCopy,    // dest = source
    SrcPaint,   // dest = source | dest
    SrcAnd,     // dest = source & dest
    SrcInvert,  // dest = source ^ dest
    NotSrcCopy, // dest = ~source
    DstInvert,  // dest = ~dest
    Blackness,  // dest = black
    Whiteness,  // dest = white
};

// Copies `srcRect` of `src` so that its top-left lands at `at` in `dst`. Both the source and the
// destination are clipped; pixels outside the source are left alone in the destination.
void blit(Surface& dst, Point at, const Surface& src, const Rect& srcRect, const Clip& clip, Rop rop = Rop::SrcCopy);
void blit(Surface& dst, Point at, const Surface& src, Rop rop = Rop::SrcCopy);

// Copies only the source pixels whose colour differs from `key` (the see-through colour).
void blitKeyed(Surface& dst, Point at, const Surface& src, const Rect& srcRect, Color key, const Clip& clip);

enum class StretchMode {
    Nearest,  // pixel replication / dropping (COLORONCOLOR)
    Bilinear, // smooth, for pictures and icons
};

// Scales `srcRect` of `src` onto `dstRect` of `dst`.
void stretchBlit(Surface& dst, const Rect& dstRect, const Surface& src, const Rect& srcRect, const Clip& clip,
    StretchMode mode = StretchMode::Nearest);

// Source-over blending with each source pixel's alpha (straight, not premultiplied), further
// scaled by `constantAlpha` (255 = as is).
void alphaBlend(Surface& dst, Point at, const Surface& src, const Rect& srcRect, const Clip& clip,
    uint8_t constantAlpha = 255);
// The same, scaling the source to `dstRect` first (an icon or picture drawn at a size).
void alphaBlendStretched(Surface& dst, const Rect& dstRect, const Surface& src, const Rect& srcRect, const Clip& clip,
    StretchMode mode = StretchMode::Bilinear, uint8_t constantAlpha = 255);

// One pixel `s` blended over `d`.
inline uint32_t blendPixel(uint32_t d, uint32_t s, unsigned alpha)
{
    if (alpha >= 255)
        return s | 0xFF000000u;
    if (alpha == 0)
        return d;
    const unsigned inv = 255 - alpha;
    auto mix = [&](int shift) {
        unsigned sc = (s >> shift) & 255, dc = (d >> shift) & 255;
        unsigned v = sc * alpha + dc * inv + 128;
        return ((v + (v >> 8)) >> 8) & 255;
    };
    unsigned da = d >> 24;
    unsigned a = alpha + ((da * inv + 127) / 255);
    return mix(0) | (mix(8) << 8) | (mix(16) << 16) | (std::min(a, 255u) << 24);
}

} // namespace plat::gfx
