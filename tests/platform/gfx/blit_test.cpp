#include "platform/gfx/blit.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/dib.h"

#include <gtest/gtest.h>

using namespace plat::gfx;

namespace {

Surface numbered(int w, int h)
{
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.setPixel(x, y, opaque(rgb(x * 10, y * 10, 7)));
    return s;
}

} // namespace

TEST(BitBlt, CopiesAndClipsBothSides)
{
    Surface src = numbered(4, 4);
    Surface dst(5, 5, opaque(0));
    DeviceContext dc(dst);
    dc.bitBlt(3, -1, 4, 4, src, 0, 0);
    EXPECT_EQ(dst.colorAt(3, 0), rgb(0, 10, 7)); // source row 1 lands on row 0
    EXPECT_EQ(dst.colorAt(4, 2), rgb(10, 30, 7));
    EXPECT_EQ(dst.colorAt(2, 0), 0u);
    Surface dst2(3, 3, opaque(0));
    DeviceContext dc2(dst2);
    dc2.bitBlt(0, 0, 3, 3, src, 2, 2); // only a 2 × 2 corner of the source exists
    EXPECT_EQ(dst2.colorAt(1, 1), rgb(30, 30, 7));
    EXPECT_EQ(dst2.colorAt(2, 2), 0u);
}

TEST(BitBlt, RasterOperations)
{
    Surface src(1, 1, opaque(0x0F0F0F));
    Surface dst(1, 1, opaque(0x3300FF));
    blit(dst, {0, 0}, src, Rop::SrcInvert);
    EXPECT_EQ(dst.colorAt(0, 0), 0x3C0FF0u);
    blit(dst, {0, 0}, src, Rop::SrcAnd);
    EXPECT_EQ(dst.colorAt(0, 0), 0x0C0F00u);
    blit(dst, {0, 0}, src, Rop::SrcPaint);
    EXPECT_EQ(dst.colorAt(0, 0), 0x0F0F0Fu);
    blit(dst, {0, 0}, src, Rop::NotSrcCopy);
    EXPECT_EQ(dst.colorAt(0, 0), 0xF0F0F0u);
}

TEST(BitBlt, OverlappingCopyWithinOneSurface)
{
    Surface s = numbered(5, 1);
    blit(s, {1, 0}, s, {0, 0, 4, 1}, Clip(s.rect()));
    EXPECT_EQ(s.colorAt(1, 0), rgb(0, 0, 7));
    EXPECT_EQ(s.colorAt(4, 0), rgb(30, 0, 7));
}

TEST(ColorKey, KeyPixelsLetTheBackgroundThrough)
{
    const Color key = rgb(255, 0, 255);
    Surface sprite(3, 1, opaque(key));
    sprite.setPixel(1, 0, opaque(rgb(1, 2, 3)));
    Surface dst(3, 1, opaque(rgb(9, 9, 9)));
    DeviceContext dc(dst);
    dc.transparentBlt(0, 0, 3, 1, sprite, 0, 0, key);
    EXPECT_EQ(dst.colorAt(0, 0), rgb(9, 9, 9));
    EXPECT_EQ(dst.colorAt(1, 0), rgb(1, 2, 3));
    EXPECT_EQ(dst.colorAt(2, 0), rgb(9, 9, 9));
}

TEST(StretchBlt, NearestDoublesAndHalves)
{
    Surface src = numbered(2, 2);
    Surface big(4, 4);
    stretchBlit(big, big.rect(), src, src.rect(), Clip(big.rect()));
    EXPECT_EQ(big.colorAt(0, 0), src.colorAt(0, 0));
    EXPECT_EQ(big.colorAt(1, 1), src.colorAt(0, 0));
    EXPECT_EQ(big.colorAt(2, 1), src.colorAt(1, 0));
    EXPECT_EQ(big.colorAt(3, 3), src.colorAt(1, 1));
    Surface small(1, 1);
    stretchBlit(small, small.rect(), big, big.rect(), Clip(small.rect()));
    EXPECT_EQ(small.colorAt(0, 0), src.colorAt(1, 1));
}

TEST(StretchBlt, BilinearOfAFlatPictureStaysFlat)
{
    Surface src(3, 3, opaque(rgb(40, 80, 120)));
    Surface dst(7, 5);
    stretchBlit(dst, dst.rect(), src, src.rect(), Clip(dst.rect()), StretchMode::Bilinear);
    for (uint32_t p : dst.pixels())
        EXPECT_EQ(p, opaque(rgb(40, 80, 120)));
}

TEST(AlphaBlend, StraightAlphaOverOpaque)
{
    Surface src(3, 1);
    src.setPixel(0, 0, 0x00FFFFFFu);            // transparent
    src.setPixel(1, 0, 0xFF0000FFu);            // opaque red
    src.setPixel(2, 0, (128u << 24) | 0xFFFFu); // half yellow
    Surface dst(3, 1, opaque(0));
    alphaBlend(dst, {0, 0}, src, src.rect(), Clip(dst.rect()));
    EXPECT_EQ(dst.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(dst.pixel(1, 0), 0xFF0000FFu);
    EXPECT_EQ(dst.colorAt(2, 0), rgb(128, 128, 0));
    EXPECT_EQ(dst.pixel(2, 0) >> 24, 255u);
}

TEST(Dib, TopDownBgraRoundTrip)
{
    Surface s(2, 2);
    s.setPixel(0, 0, opaque(rgb(31, 20, 10)));
    s.setPixel(1, 0, opaque(rgb(1, 2, 3)));
    s.setPixel(0, 1, opaque(rgb(255, 0, 0)));
    s.setPixel(1, 1, opaque(rgb(0, 0, 255)));
    std::vector<uint8_t> bits = getDIBits(s, 0, 2);
    ASSERT_EQ(bits.size(), 16u);
    EXPECT_EQ((std::vector<uint8_t>(bits.begin(), bits.begin() + 8)),
        (std::vector<uint8_t>{10, 20, 31, 0, 3, 2, 1, 0})); // blue, green, red, reserved; top row first
    EXPECT_EQ(bits[8 + 2], 255);                             // red of the bottom-left pixel
    Surface copy(2, 2, 0u);
    EXPECT_EQ(setDIBits(copy, 0, 2, bits), 2);
    EXPECT_EQ(copy.pixels(), s.pixels());
}

TEST(Dib, PartialAndOutOfRangeLines)
{
    Surface s(1, 3, opaque(rgb(5, 5, 5)));
    EXPECT_EQ(getDIBits(s, 2, 5).size(), 4u);
    EXPECT_TRUE(getDIBits(s, 3, 1).empty());
    std::vector<uint8_t> two = {1, 2, 3, 0, 4, 5, 6, 0};
    EXPECT_EQ(setDIBits(s, 2, 2, two), 1); // the second row would fall below the surface
    EXPECT_EQ(s.colorAt(0, 2), rgb(3, 2, 1));
    EXPECT_EQ(setDIBits(s, 0, 3, two), 2); // a short buffer writes what it holds
}

TEST(Gray, AverageOfTheChannelsRemainderDropped)
{
    struct Case {
        Color in, out;
    } cases[] = {
        {rgb(31, 20, 10), rgb(20, 20, 20)}, // blue 10, green 20, red 31: 61 / 3 = 20
        {rgb(255, 255, 255), rgb(255, 255, 255)},
        {rgb(255, 0, 0), rgb(85, 85, 85)},
    };
    for (const auto& c : cases) {
        Surface s(1, 1, (0x7Fu << 24) | c.in);
        makeGray(s);
        EXPECT_EQ(s.colorAt(0, 0), c.out);
        EXPECT_EQ(s.pixel(0, 0) >> 24, 0x7Fu); // alpha kept
    }
}

TEST(Gray, ThroughTheDibBuffer)
{
    Surface s(1, 1, opaque(rgb(31, 20, 10)));
    std::vector<uint8_t> bits = getDIBits(s, 0, 1);
    int g = (bits[0] + bits[1] + bits[2]) / 3;
    bits[0] = bits[1] = bits[2] = uint8_t(g);
    setDIBits(s, 0, 1, bits);
    EXPECT_EQ(s.colorAt(0, 0), rgb(20, 20, 20));
}

TEST(BitBlt, ThroughAContextWithOriginAndRoundClip)
{
    Surface src(12, 9, opaque(rgb(1, 1, 1)));
    Surface dst(14, 11, opaque(rgb(9, 9, 9)));
    DeviceContext dc(dst);
    dc.setOrigin({1, 1});
    dc.setClipRegion(Region::roundRect(0, 0, 12, 9, 7, 7).offset(1, 1)); // device pixels
    dc.bitBlt(0, 0, 12, 9, src, 0, 0);
    EXPECT_EQ(dst.colorAt(1, 1), rgb(9, 9, 9));  // the cut corner keeps what was there
    EXPECT_EQ(dst.colorAt(3, 1), rgb(1, 1, 1));  // first pixel of the top edge
    EXPECT_EQ(dst.colorAt(1, 3), rgb(1, 1, 1));  // left edge below the curve
    EXPECT_EQ(dst.colorAt(12, 9), rgb(9, 9, 9)); // bottom-right corner cut too
    EXPECT_EQ(dst.colorAt(13, 5), rgb(9, 9, 9)); // right of the window
}

TEST(StretchAndBlend, ThroughAContext)
{
    Surface src(1, 1, (0x80u << 24) | rgb(255, 255, 255));
    Surface dst(4, 4, opaque(0));
    DeviceContext dc(dst);
    dc.alphaBlend({1, 1, 3, 3}, src, src.rect());
    EXPECT_EQ(dst.colorAt(0, 0), 0u);
    EXPECT_EQ(dst.colorAt(1, 1), rgb(128, 128, 128));
    EXPECT_EQ(dst.colorAt(2, 2), rgb(128, 128, 128));
    EXPECT_EQ(dst.colorAt(3, 3), 0u);
    Surface two(2, 1);
    two.setPixel(0, 0, opaque(rgb(10, 0, 0)));
    two.setPixel(1, 0, opaque(rgb(20, 0, 0)));
    dc.stretchBlt({0, 3, 4, 4}, two, two.rect());
    EXPECT_EQ(dst.colorAt(1, 3), rgb(10, 0, 0));
    EXPECT_EQ(dst.colorAt(2, 3), rgb(20, 0, 0));
}
