#include "platform/gfx/area_reducer.h"
#include "platform/gfx/bounded_picture.h"
#include "platform/gfx/picture.h"

#include "blank_png.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <string>
#include <vector>

using namespace plat::gfx;

namespace {

constexpr uint32_t kOpaqueRed = 0xFF0000FFu, kOpaqueBlue = 0xFFFF0000u, kClear = 0x00000000u, kClearGreen = 0x0000FF00u;

Surface row(std::vector<uint32_t> pixels)
{
    Surface s(int(pixels.size()), 1);
    for (size_t x = 0; x < pixels.size(); ++x)
        s.setPixel(int(x), 0, pixels[x]);
    return s;
}

std::vector<uint32_t> pixelsOf(const Surface& s)
{
    return {s.pixels().begin(), s.pixels().end()};
}

TEST(AreaReducer, EachResultPixelAveragesExactlyWhatItCovers)
{
    struct Case {
        const char* what;
        std::vector<uint32_t> from;
        int width;
        std::vector<uint32_t> expected;
    } cases[] = {
        {"pairs", {kOpaqueRed, kOpaqueRed, kOpaqueBlue, kOpaqueBlue}, 2, {kOpaqueRed, kOpaqueBlue}},
        {"a pixel split between two", {kOpaqueRed, 0xFF000000u, kOpaqueBlue}, 2, {0xFF0000AAu, 0xFFAA0000u}},
        {"see-through pixels lend no colour", {kClearGreen, kOpaqueBlue}, 1, {0x80FF0000u}},
        {"all see-through stays see-through", {kClearGreen, kClear}, 1, {kClear}},
        {"one from many", {kOpaqueRed, kOpaqueRed, kOpaqueRed, kOpaqueBlue}, 1, {0xFF4000BFu}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pixelsOf(scalePicture(row(c.from), {c.width, 1})), c.expected) << c.what;
}

TEST(AreaReducer, RowsAverageAsColumnsDo)
{
    Surface column(1, 3);
    column.setPixel(0, 0, kOpaqueRed);
    column.setPixel(0, 1, 0xFF000000u);
    column.setPixel(0, 2, kOpaqueBlue);
    EXPECT_EQ(pixelsOf(scalePicture(column, {1, 2})), (std::vector<uint32_t>{0xFF0000AAu, 0xFFAA0000u}));
}

TEST(AreaReducer, AnEnlargedSideIsFilteredSmoothly)
{
    const Surface wide = scalePicture(row({kOpaqueRed, kOpaqueBlue}), {8, 1});
    EXPECT_EQ(wide.pixel(0, 0), kOpaqueRed);
    EXPECT_EQ(wide.pixel(7, 0), kOpaqueBlue);
    EXPECT_NE(wide.pixel(4, 0), kOpaqueRed);
    EXPECT_NE(wide.pixel(4, 0), kOpaqueBlue);
}

class BoundedPictureFiles : public ::testing::Test {
protected:
    std::string write(const char* name, const std::string& bytes) const
    {
        const std::string file = (m_dir / name).string();
        std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return file;
    }
    std::string save(const char* name, const Surface& picture) const
    {
        const std::string file = (m_dir / name).string();
        EXPECT_TRUE(savePng(picture, file));
        return file;
    }

private:
    const TempFolder m_dir{"gfx-bounded-XXXXXX"};
};

// Left half opaque red, right half half-transparent blue: 40 x 20.
Surface halves()
{
    Surface s(40, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            s.setPixel(x, y, x < 20 ? kOpaqueRed : 0x80FF0000u);
    return s;
}

TEST_F(BoundedPictureFiles, APictureWithinTheBoundIsDecodedAsItIs)
{
    const std::string file = save("halves.png", halves());
    std::string error;
    const auto bounded = loadBoundedPicture(file, {40, 20}, PictureFit::Scale, error);
    ASSERT_TRUE(bounded) << error;
    EXPECT_EQ(bounded->original, (Size{40, 20}));
    EXPECT_EQ(pixelsOf(bounded->image), pixelsOf(Picture::fromFile(file).image()));
}

TEST_F(BoundedPictureFiles, ALargerPictureIsScaledDownInProportionOrCut)
{
    const std::string file = save("halves.png", halves());
    struct Case {
        const char* what;
        Size bound;
        PictureFit fit;
        Size size;
        uint32_t left, right;
    } cases[] = {
        {"scaled to the narrower side", {10, 10}, PictureFit::Scale, {10, 5}, kOpaqueRed, 0x80FF0000u},
        {"scaled to the lower side", {100, 4}, PictureFit::Scale, {8, 4}, kOpaqueRed, 0x80FF0000u},
        {"cut to the top-left part", {10, 10}, PictureFit::Crop, {10, 10}, kOpaqueRed, kOpaqueRed},
        {"cut on one side only", {30, 100}, PictureFit::Crop, {30, 20}, kOpaqueRed, 0x80FF0000u},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto bounded = loadBoundedPicture(file, c.bound, c.fit, error);
        ASSERT_TRUE(bounded) << c.what << ": " << error;
        EXPECT_EQ(bounded->original, (Size{40, 20})) << c.what;
        ASSERT_EQ((Size{bounded->image.width(), bounded->image.height()}), c.size) << c.what;
        EXPECT_EQ(bounded->image.pixel(0, 0), c.left) << c.what;
        EXPECT_EQ(bounded->image.pixel(c.size.width - 1, c.size.height - 1), c.right) << c.what;
    }
}

TEST_F(BoundedPictureFiles, AHugePngIsReducedAsItIsDecoded)
{
    const std::string file = write("huge.png", test::plainPng(8000, 6000, 0x3366CC));
    std::string error;
    const auto bounded = loadBoundedPicture(file, {1024, 768}, PictureFit::Scale, error);
    ASSERT_TRUE(bounded) << error;
    EXPECT_EQ(bounded->original, (Size{8000, 6000}));
    ASSERT_EQ((Size{bounded->image.width(), bounded->image.height()}), (Size{1024, 768}));
    for (auto [x, y] : {std::pair{0, 0}, {512, 384}, {1023, 767}})
        EXPECT_EQ(bounded->image.pixel(x, y), 0xFFCC6633u) << x << "," << y;
}

TEST_F(BoundedPictureFiles, FilesThatAreNoPictureWithinTheLimitsGiveNothing)
{
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"over the limits", test::blankPng(30000, 30000)},
        {"not a picture", "hello"},
        {"cut short", test::plainPng(64, 64, 0x123456).substr(0, 60)},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(loadBoundedPicture(write("bad.png", c.bytes), {100, 100}, PictureFit::Scale, error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
    std::string error;
    EXPECT_FALSE(loadBoundedPicture((std::filesystem::temp_directory_path() / "no-such-picture.png").string(), {10, 10},
        PictureFit::Scale, error));
}

} // namespace
