#include "platform/gfx/device_context.h"
#include "platform/gfx/picture.h"

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
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path()
            / ("gfx-pictures-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string path(const char* name) const { return (m_dir / name).string(); }
    void write(const std::string& file, const std::vector<uint8_t>& bytes) const
    {
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    }

private:
    std::filesystem::path m_dir;
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

// A 2 × 2 GIF with a two-colour palette (red, blue) and one frame per entry of `frames`, each a
// colour index for all four pixels and a delay in hundredths of a second. The LZW data is written
// with a clear code every two pixels so that every code stays 3 bits wide.
std::vector<uint8_t> tinyGif(const std::vector<std::pair<int, int>>& frames)
{
    std::vector<uint8_t> b = {'G', 'I', 'F', '8', '9', 'a'};
    le16(b, 2);
    le16(b, 2);
    b.insert(b.end(), {0x80, 0, 0, 255, 0, 0, 0, 0, 255});
    for (auto [index, delay] : frames) {
        b.insert(b.end(), {0x21, 0xF9, 4, 0x04});
        le16(b, delay);
        b.insert(b.end(), {0, 0});
        b.push_back(0x2C);
        le16(b, 0);
        le16(b, 0);
        le16(b, 2);
        le16(b, 2);
        b.push_back(0);
        b.push_back(2); // minimum code size
        const int codes[] = {4, index, index, 4, index, index, 5};
        uint32_t bits = 0;
        int count = 0;
        std::vector<uint8_t> data;
        for (int c : codes) {
            bits |= uint32_t(c) << count;
            count += 3;
            while (count >= 8) {
                data.push_back(uint8_t(bits));
                bits >>= 8;
                count -= 8;
            }
        }
        if (count > 0)
            data.push_back(uint8_t(bits));
        b.push_back(uint8_t(data.size()));
        b.insert(b.end(), data.begin(), data.end());
        b.push_back(0);
    }
    b.push_back(0x3B);
    return b;
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

} // namespace

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
    write(path("anim.gif"), tinyGif({{0, 10}, {1, 25}}));
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
    std::vector<uint8_t> gif = tinyGif({{0, 10}});
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
