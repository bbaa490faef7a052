#include "platform/gfx/device_context.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/picture_header.h"

#include "blank_png.h"
#include "tests/support/gif_writer.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace plat::gfx;

namespace {

class PictureFiles : public ::testing::Test {
protected:
    std::string path(const char* name) const { return (m_dir / name).string(); }
    void write(const std::string& file, const std::vector<uint8_t>& bytes) const
    {
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    }

private:
    const TempFolder m_dir{"gfx-pictures-XXXXXX"};
};

void le16(std::vector<uint8_t>& b, int v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void le32(std::vector<uint8_t>& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}

// An uncompressed 24-bit BMP, bottom-up rows padded to 4 bytes.
std::vector<uint8_t> tinyBmp(int w, int h, Color c)
{
    const int rowBytes = (w * 3 + 3) & ~3;
    std::vector<uint8_t> b = {'B', 'M'};
    le32(b, uint32_t(54 + rowBytes * h));
    le32(b, 0);
    le32(b, 54);
    le32(b, 40);
    le32(b, uint32_t(w));
    le32(b, uint32_t(h));
    le16(b, 1);
    le16(b, 24);
    for (int i = 0; i < 6; ++i)
        le32(b, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            b.insert(b.end(), {uint8_t(blueOf(c)), uint8_t(greenOf(c)), uint8_t(redOf(c))});
        b.resize(b.size() + size_t(rowBytes - w * 3), 0);
    }
    return b;
}

std::vector<uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

// A small PNG whose header claims another size.
std::vector<uint8_t> pngSized(uint32_t w, uint32_t h)
{
    std::vector<uint8_t> b = bytesOf(test::blankPng(1, 1));
    for (int i = 0; i < 4; ++i) {
        b[size_t(16 + i)] = uint8_t(w >> (24 - 8 * i));
        b[size_t(20 + i)] = uint8_t(h >> (24 - 8 * i));
    }
    return b;
}

// A GIF whose screen is `w` x `h`, with `frames` images of `fw` x `fh` whose data is cut short
// (enough for the header check, which never decodes).
std::vector<uint8_t> gifHeaderOnly(int w, int h, int frames, int fw, int fh)
{
    std::vector<uint8_t> b = {'G', 'I', 'F', '8', '9', 'a'};
    le16(b, w);
    le16(b, h);
    b.insert(b.end(), {0, 0, 0});
    for (int i = 0; i < frames; ++i) {
        b.insert(b.end(), {0x21, 0xF9, 4, 0, 10, 0, 0, 0});
        b.push_back(0x2C);
        le16(b, 0);
        le16(b, 0);
        le16(b, fw);
        le16(b, fh);
        b.insert(b.end(), {0, 2, 1, 0x44, 0});
    }
    b.push_back(0x3B);
    return b;
}

// A JPEG start with an APP0 segment, then a baseline frame header of `w` x `h`.
std::vector<uint8_t> jpegHeaderOnly(int w, int h)
{
    std::vector<uint8_t> b = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
    b.insert(b.end(), {0xFF, 0xC0, 0, 11, 8, uint8_t(h >> 8), uint8_t(h), uint8_t(w >> 8), uint8_t(w), 1, 1, 0x11, 0});
    return b;
}

std::vector<uint8_t> bmpOf(int w, int h)
{
    std::vector<uint8_t> b = tinyBmp(1, 1, rgb(1, 2, 3));
    for (int i = 0; i < 4; ++i) {
        b[size_t(18 + i)] = uint8_t(uint32_t(w) >> (8 * i));
        b[size_t(22 + i)] = uint8_t(uint32_t(h) >> (8 * i));
    }
    return b;
}

} // namespace

TEST(PictureHeader, SizeIsReadWithoutDecodingAndCheckedAgainstTheLimits)
{
    using F = PictureHeader::Format;
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        F format;
        int64_t width, height, frames;
        bool withinLimits;
    } cases[] = {
        {"small PNG", bytesOf(test::blankPng(3, 2)), F::Png, 3, 2, 1, true},
        {"PNG at the side limit", bytesOf(test::blankPng(8192, 1)), F::Png, 8192, 1, 1, true},
        {"PNG one pixel wider", bytesOf(test::blankPng(8193, 1)), F::Png, 8193, 1, 1, false},
        {"PNG 30000 x 30000", bytesOf(test::blankPng(30000, 30000)), F::Png, 30000, 30000, 1, false},
        {"PNG of 0 x 5", bytesOf(test::blankPng(0, 5)), F::Png, 0, 5, 1, false},
        {"PNG of 4 G x 4 G", pngSized(0xFFFFFFFF, 0xFFFFFFFF), F::Png, 0xFFFFFFFF, 0xFFFFFFFF, 1, false},
        {"GIF of two frames", gifHeaderOnly(2, 2, 2, 2, 2), F::Gif, 2, 2, 2, true},
        {"GIF screen too wide", gifHeaderOnly(9000, 2, 1, 2, 2), F::Gif, 9000, 2, 1, false},
        {"GIF frame larger than its screen", gifHeaderOnly(2, 2, 1, 60000, 60000), F::Gif, 2, 2, 1, false},
        {"GIF of 2 full-size frames", gifHeaderOnly(8192, 8192, 2, 8192, 8192), F::Gif, 8192, 8192, 2, false},
        {"GIF of 1000 frames 300 x 300", gifHeaderOnly(300, 300, 1000, 300, 300), F::Gif, 300, 300, 1000, false},
        {"GIF of 100 frames 300 x 300", gifHeaderOnly(300, 300, 100, 300, 300), F::Gif, 300, 300, 100, true},
        {"JPEG 640 x 480", jpegHeaderOnly(640, 480), F::Jpeg, 640, 480, 1, true},
        {"JPEG 30000 x 30000", jpegHeaderOnly(30000, 30000), F::Jpeg, 30000, 30000, 1, false},
        {"JPEG of unknown height", jpegHeaderOnly(640, 0), F::Jpeg, 640, 0, 1, false},
        {"BMP 3 x 2", tinyBmp(3, 2, rgb(1, 2, 3)), F::Bmp, 3, 2, 1, true},
        {"BMP stored top row first", bmpOf(3, -2), F::Bmp, 3, 2, 1, true},
        {"BMP 30000 x -30000", bmpOf(30000, -30000), F::Bmp, 30000, 30000, 1, false},
        {"BMP of the lowest height", bmpOf(3, INT32_MIN), F::Bmp, 3, 2147483648, 1, false},
    };
    for (const Case& c : cases) {
        const std::string bytes(c.bytes.begin(), c.bytes.end());
        std::optional<PictureHeader> h = readPictureHeader(bytes);
        ASSERT_TRUE(h) << c.what;
        EXPECT_EQ(h->format, c.format) << c.what;
        EXPECT_EQ(h->width, c.width) << c.what;
        EXPECT_EQ(h->height, c.height) << c.what;
        EXPECT_EQ(h->frames, c.frames) << c.what;
        EXPECT_EQ(withinPictureLimits(*h), c.withinLimits) << c.what;
    }

    const std::string png = test::blankPng(3, 2);
    std::vector<uint8_t> jpegWithoutFrame = jpegHeaderOnly(1, 1);
    jpegWithoutFrame.resize(20);
    jpegWithoutFrame.insert(jpegWithoutFrame.end(), {0xFF, 0xDA, 0, 2});
    for (const std::string& none : {std::string(), std::string("GIF89a"), png.substr(0, 20), std::string("BM\x10"),
             std::string("\xFF\xD8\xFF"), std::string(jpegWithoutFrame.begin(), jpegWithoutFrame.end()),
             std::string("P6 30000 30000 255\n"), std::string("RIFF\0\0\0\0WEBPVP8 ")})
        EXPECT_FALSE(readPictureHeader(none)) << none;
}

TEST(PictureHeader, AGifsFramesAfterAStrayByteCountAsTheDecoderFindsThem)
{
    // The decoder passes over a byte that starts no block and decodes the frames after it: 1000
    // frames of 300 x 300 are over the limits, however they follow the screen.
    std::vector<uint8_t> bytes = gifHeaderOnly(300, 300, 1000, 300, 300);
    bytes.insert(bytes.begin() + 13, 0x00);
    const auto header = readPictureHeader(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    ASSERT_TRUE(header);
    EXPECT_GE(header->frames, 1000);
    EXPECT_FALSE(withinPictureLimits(*header));
}

TEST_F(PictureFiles, APictureOverTheLimitsIsRefusedBeforeDecoding)
{
    // Decoded, this file would take 3.6 GB.
    const std::string huge = test::blankPng(30000, 30000);
    write(path("huge.png"), bytesOf(huge));
    Picture p;
    EXPECT_FALSE(p.load(path("huge.png")));
    EXPECT_TRUE(p.isEmpty());
    EXPECT_EQ(p.error(), "picture too large");

    // The same kind of file within the limits decodes.
    write(path("wide.png"), bytesOf(test::blankPng(8192, 3)));
    ASSERT_TRUE(p.load(path("wide.png"))) << p.error();
    EXPECT_EQ(p.width(), 8192);
    EXPECT_EQ(p.image().colorAt(8191, 2), rgb(0, 0, 0));

    // A picture the header check does not know is refused too, though SDL_image could read it.
    std::ofstream(path("pixel.pnm"), std::ios::binary) << "P6 1 1 255\n\x01\x02\x03";
    EXPECT_FALSE(p.load(path("pixel.pnm")));
}

TEST_F(PictureFiles, PngRoundTripKeepsAlpha)
{
    Surface s(3, 2, opaque(rgb(10, 20, 30)));
    s.setPixel(1, 0, 0x80FF0000u); // half-transparent blue
    s.setPixel(2, 1, 0x00000000u);
    ASSERT_TRUE(savePng(s, path("shot.png")));
    Picture p;
    ASSERT_TRUE(p.load(path("shot.png")));
    EXPECT_EQ(p.width(), 3);
    EXPECT_EQ(p.height(), 2);
    EXPECT_EQ(p.frameCount(), 1u);
    EXPECT_EQ(p.image().pixels(), s.pixels());
}

TEST_F(PictureFiles, BmpIsOpaque)
{
    write(path("a.bmp"), tinyBmp(3, 2, rgb(200, 100, 50)));
    Picture p = Picture::fromFile(path("a.bmp"));
    ASSERT_FALSE(p.isEmpty()) << p.error();
    EXPECT_EQ(p.width(), 3);
    EXPECT_EQ(p.image().pixel(2, 1), opaque(rgb(200, 100, 50)));
}

TEST_F(PictureFiles, AnimatedGifGivesEveryFrameAndDelay)
{
    write(path("anim.gif"), bytesOf(test_support::tinyGif({{{0, 0, 0, 0}, 10}, {{1, 1, 1, 1}, 25}})));
    Picture p;
    ASSERT_TRUE(p.load(path("anim.gif"))) << p.error();
    ASSERT_EQ(p.frameCount(), 2u);
    EXPECT_TRUE(p.isAnimated());
    EXPECT_EQ(p.frame(0).delayMs, 100);
    EXPECT_EQ(p.frame(1).delayMs, 250);
    EXPECT_EQ(p.frame(0).image.colorAt(1, 1), rgb(255, 0, 0));
    EXPECT_EQ(p.frame(1).image.colorAt(0, 0), rgb(0, 0, 255));
}

TEST_F(PictureFiles, MissingOrBrokenFilesGiveAnEmptyPicture)
{
    write(path("garbage.png"), {0x89, 'P', 'N', 'G', 1, 2, 3});
    std::vector<uint8_t> gif = bytesOf(test_support::tinyGif({{{0, 0, 0, 0}, 10}}));
    gif.resize(gif.size() / 2);
    write(path("cut.gif"), gif);
    write(path("empty.jpg"), {});
    for (std::string name : {"none.png", "garbage.png", "cut.gif", "empty.jpg", ""}) {
        Picture p = Picture::fromFile(name.empty() ? name : path(name.c_str()));
        Picture q;
        EXPECT_FALSE(q.load(name.empty() ? name : path(name.c_str()))) << name;
        EXPECT_TRUE(q.isEmpty()) << name;
        EXPECT_FALSE(q.error().empty()) << name;
        EXPECT_TRUE(p.isEmpty()) << name;
        EXPECT_EQ(p.image().width(), 0) << name;
    }
    EXPECT_FALSE(savePng(Surface(), path("nothing.png")));
    EXPECT_FALSE(savePng(Surface(1, 1), path("no/such/dir/x.png")));
}

TEST_F(PictureFiles, PictureDrawnAtASize)
{
    Surface icon(2, 2, opaque(rgb(255, 0, 0)));
    icon.setPixel(1, 1, 0u); // transparent corner
    Picture p(icon);
    Surface s(6, 6, opaque(rgb(0, 0, 255)));
    DeviceContext dc(s);
    dc.drawPicture(p, 1, 1, 4, 4);
    EXPECT_EQ(s.colorAt(0, 0), rgb(0, 0, 255));
    EXPECT_EQ(s.colorAt(1, 1), rgb(255, 0, 0));
    EXPECT_EQ(s.colorAt(4, 4), rgb(0, 0, 255)); // the transparent quarter shows the background
    EXPECT_EQ(s.colorAt(5, 5), rgb(0, 0, 255));
    dc.drawPicture(Picture(), 0, 0, 6, 6); // an empty picture draws nothing
    EXPECT_EQ(s.colorAt(0, 0), rgb(0, 0, 255));
}
