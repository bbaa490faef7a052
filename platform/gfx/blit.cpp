#include "platform/gfx/blit.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace plat::gfx {

namespace {

// The part of `srcRect` (clipped to the source) that lands inside the destination's clip bounds.
struct Mapping {
    Rect dst;   // destination pixels touched (before the clip region)
    int dx = 0; // source x = dest x - dx
    int dy = 0;
};

Mapping mapCopy(const Surface& dst, Point at, const Surface& src, const Rect& srcRect, const Clip& clip)
{
    Rect s = srcRect.intersect(src.rect());
    Mapping m;
    m.dx = at.x - srcRect.left;
    m.dy = at.y - srcRect.top;
    m.dst = s.offset(m.dx, m.dy).intersect(dst.rect()).intersect(clip.bounds());
    return m;
}

uint32_t applyRop(Rop rop, uint32_t s, uint32_t d)
{
    switch (rop) {
    case Rop::SrcCopy:
        return s;
    case Rop::SrcPaint:
        return (d & 0xFF000000u) | ((s | d) & 0x00FFFFFFu);
    case Rop::SrcAnd:
        return (d & 0xFF000000u) | ((s & d) & 0x00FFFFFFu);
    case Rop::SrcInvert:
        return (d & 0xFF000000u) | ((s ^ d) & 0x00FFFFFFu);
    case Rop::NotSrcCopy:
        return (s & 0xFF000000u) | (~s & 0x00FFFFFFu);
    case Rop::DstInvert:
        return d ^ 0x00FFFFFFu;
    case Rop::Blackness:
        return 0xFF000000u;
    case Rop::Whiteness:
        return 0xFFFFFFFFu;
    }
    return s;
}

struct Sample {
    float r, g, b, a; // premultiplied by alpha for interpolation
};

Sample fetch(const Surface& src, int x, int y)
{
    uint32_t p = src.pixel(x, y);
    float a = float(p >> 24) / 255.0f;
    return {float(p & 255) * a, float((p >> 8) & 255) * a, float((p >> 16) & 255) * a, a};
}

// The source pixel (or a smooth mix of the four nearest) for destination pixel (x, y).
uint32_t sampleAt(const Surface& src, const Rect& srcRect, const Rect& dstRect, int x, int y, StretchMode mode)
{
    const double fx = (x - dstRect.left + 0.5) * srcRect.width() / double(dstRect.width());
    const double fy = (y - dstRect.top + 0.5) * srcRect.height() / double(dstRect.height());
    if (mode == StretchMode::Nearest) {
        int sx = std::clamp(srcRect.left + int(fx), srcRect.left, srcRect.right - 1);
        int sy = std::clamp(srcRect.top + int(fy), srcRect.top, srcRect.bottom - 1);
        return src.pixel(sx, sy);
    }
    const double px = srcRect.left + fx - 0.5;
    const double py = srcRect.top + fy - 0.5;
    int x0 = int(std::floor(px)), y0 = int(std::floor(py));
    float tx = float(px - x0), ty = float(py - y0);
    auto cx = [&](int v) { return std::clamp(v, srcRect.left, srcRect.right - 1); };
    auto cy = [&](int v) { return std::clamp(v, srcRect.top, srcRect.bottom - 1); };
    Sample a = fetch(src, cx(x0), cy(y0)), b = fetch(src, cx(x0 + 1), cy(y0));
    Sample c = fetch(src, cx(x0), cy(y0 + 1)), d = fetch(src, cx(x0 + 1), cy(y0 + 1));
    auto lerp2 = [&](float p, float q, float r, float s) {
        float top = p + (q - p) * tx, bottom = r + (s - r) * tx;
        return top + (bottom - top) * ty;
    };
    float alpha = lerp2(a.a, b.a, c.a, d.a);
    if (alpha <= 0.0f)
        return 0;
    auto channel = [&](float v) { return uint32_t(std::clamp(int(v / alpha + 0.5f), 0, 255)); };
    uint32_t r = channel(lerp2(a.r, b.r, c.r, d.r));
    uint32_t g = channel(lerp2(a.g, b.g, c.g, d.g));
    uint32_t bl = channel(lerp2(a.b, b.b, c.b, d.b));
    uint32_t al = uint32_t(std::clamp(int(alpha * 255.0f + 0.5f), 0, 255));
    return r | (g << 8) | (bl << 16) | (al << 24);
}

} // namespace

void blit(Surface& dst, Point at, const Surface& src, const Rect& srcRect, const Clip& clip, Rop rop)
{
    Mapping m = mapCopy(dst, at, src, srcRect, clip);
    if (&dst == &src && rop == Rop::SrcCopy) {
        // Overlapping copy within one surface: go through a copy of the source rows.
        Surface copy(m.dst.width(), m.dst.height());
        blit(copy, {0, 0}, src, m.dst.offset(-m.dx, -m.dy), Clip(copy.rect()));
        blit(dst, {m.dst.left, m.dst.top}, copy, copy.rect(), clip, rop);
        return;
    }
    clip.forEachSpan(m.dst, [&](int y, int x0, int x1) {
        uint32_t* d = dst.row(y);
        const uint32_t* s = src.row(y - m.dy) - m.dx;
        if (rop == Rop::SrcCopy) {
            std::memcpy(d + x0, s + x0, size_t(x1 - x0) * sizeof(uint32_t));
            return;
        }
        for (int x = x0; x < x1; ++x)
            d[x] = applyRop(rop, s[x], d[x]);
    });
}

void blit(Surface& dst, Point at, const Surface& src, Rop rop)
{
    blit(dst, at, src, src.rect(), Clip(dst.rect()), rop);
}

void blitKeyed(Surface& dst, Point at, const Surface& src, const Rect& srcRect, Color key, const Clip& clip)
{
    Mapping m = mapCopy(dst, at, src, srcRect, clip);
    key &= 0x00FFFFFFu;
    clip.forEachSpan(m.dst, [&](int y, int x0, int x1) {
        uint32_t* d = dst.row(y);
        const uint32_t* s = src.row(y - m.dy) - m.dx;
        for (int x = x0; x < x1; ++x)
            if ((s[x] & 0x00FFFFFFu) != key)
                d[x] = s[x];
    });
}

void stretchBlit(Surface& dst, const Rect& dstRect, const Surface& src, const Rect& srcRect, const Clip& clip,
    StretchMode mode)
{
    Rect sr = srcRect.intersect(src.rect());
    if (dstRect.isEmpty() || sr.isEmpty())
        return;
    if (dstRect.width() == srcRect.width() && dstRect.height() == srcRect.height() && sr == srcRect) {
        blit(dst, {dstRect.left, dstRect.top}, src, srcRect, clip);
        return;
    }
    Rect area = dstRect.intersect(dst.rect());
    clip.forEachSpan(area, [&](int y, int x0, int x1) {
        uint32_t* d = dst.row(y);
        for (int x = x0; x < x1; ++x)
            d[x] = sampleAt(src, sr, dstRect, x, y, mode);
    });
}

void alphaBlend(Surface& dst, Point at, const Surface& src, const Rect& srcRect, const Clip& clip, uint8_t constantAlpha)
{
    Mapping m = mapCopy(dst, at, src, srcRect, clip);
    clip.forEachSpan(m.dst, [&](int y, int x0, int x1) {
        uint32_t* d = dst.row(y);
        const uint32_t* s = src.row(y - m.dy) - m.dx;
        for (int x = x0; x < x1; ++x) {
            unsigned a = s[x] >> 24;
            if (constantAlpha != 255)
                a = (a * constantAlpha + 127) / 255;
            d[x] = blendPixel(d[x], s[x] & 0x00FFFFFFu, a);
        }
    });
}

void alphaBlendStretched(Surface& dst, const Rect& dstRect, const Surface& src, const Rect& srcRect, const Clip& clip,
    StretchMode mode, uint8_t constantAlpha)
{
    Rect sr = srcRect.intersect(src.rect());
    if (dstRect.isEmpty() || sr.isEmpty())
        return;
    if (dstRect.width() == sr.width() && dstRect.height() == sr.height()) {
        alphaBlend(dst, {dstRect.left, dstRect.top}, src, sr, clip, constantAlpha);
        return;
    }
    Rect area = dstRect.intersect(dst.rect());
    clip.forEachSpan(area, [&](int y, int x0, int x1) {
        uint32_t* d = dst.row(y);
        for (int x = x0; x < x1; ++x) {
            uint32_t s = sampleAt(src, sr, dstRect, x, y, mode);
            unsigned a = s >> 24;
            if (constantAlpha != 255)
                a = (a * constantAlpha + 127) / 255;
            d[x] = blendPixel(d[x], s & 0x00FFFFFFu, a);
        }
    });
}

} // namespace plat::gfx
