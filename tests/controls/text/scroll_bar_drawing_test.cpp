// Pixels of the bars' pictures: frame, faces, separators, arrow glyphs, thumb, the looks of the
// arrows, the page highlight, the disabled look, the turned vertical bar and colour write-back.
#include "controls/text/qel_h_scroll.h"
#include "controls/text/qel_v_scroll.h"
#include "platform/gfx/system_colors.h"
#include "scroll_bar_helpers.h"

namespace qel::testing {
namespace {

using namespace plat::win;

constexpr Color kBorder = 0xFF8080, kBack = 0xFFFFFF, kFront = 0xF0D0BF;
constexpr Color kArrow = 0x0000FF, kHover = 0x00FF00, kDown = 0xBE9E8D, kPage = 0x00FFFF;

// A 134 × 17 pixel bar (2010 × 255 twips) with a red glyph colour, a green hover colour and a
// yellow page highlight, so each element can be told apart.
class ScrollBarDrawingTest : public TextControlsTest {
protected:
    qelHScroll* bar = nullptr;
    void SetUp() override
    {
        TextControlsTest::SetUp();
        bar = &place<qelHScroll>("bar", 100, 100, 134, 17);
        bar->setArrowColor(kArrow);
        bar->setMouseHoverColor(kHover);
        bar->setLargeChangeColor(kPage);
    }
    Color at(int x, int y) const { return imagePixel(bar->hwnd(), x, y); }
    // The columns of one image row from x0 to x1, as a string of letters per colour.
    std::string row(int y, int x0, int x1, const std::vector<std::pair<Color, char>>& names) const
    {
        std::string out;
        for (int x = x0; x <= x1; ++x) {
            char c = '?';
            for (auto [colour, name] : names)
                if (at(x, y) == colour)
                    c = name;
            out += c;
        }
        return out;
    }
};

TEST_F(ScrollBarDrawingTest, FrameFacesSeparatorsTrackAndThumb)
{
    const std::vector<std::pair<Color, char>> names = {{kBorder, 'B'}, {kBack, '.'}, {kFront, 'F'}, {kArrow, 'A'}};
    // Row 3: frame, Min face, separator at 18, track, thumb 62 to 72, track, separator at 115,
    // Max face, frame.
    EXPECT_EQ(row(3, 0, 133, names),
        "B" + std::string(17, 'F') + "B" + std::string(43, '.') + "B" + std::string(9, 'F') + "B" + std::string(42, '.') + "B"
            + std::string(17, 'F') + "B");
    EXPECT_EQ(at(66, 0), kBorder) << "the frame's top row";
    EXPECT_EQ(at(66, 16), kBorder) << "the frame's bottom row";
    EXPECT_EQ(at(66, 15), kFront) << "the thumb face reaches H - 30";
    EXPECT_EQ(at(30, 15), kBack);
}

TEST_F(ScrollBarDrawingTest, ArrowGlyphsAreTrianglesPointingToTheEnds)
{
    const std::vector<std::pair<Color, char>> names = {{kFront, '.'}, {kArrow, '#'}};
    std::vector<std::string> minGlyph, maxGlyph;
    for (int y = 4; y <= 12; ++y) {
        minGlyph.push_back(row(y, 5, 10, names));
        maxGlyph.push_back(row(y, 123, 128, names));
    }
    EXPECT_EQ(minGlyph, (std::vector<std::string>{"......", "....#.", "...##.", "..###.", ".####.", "..###.", "...##.", "....#.", "......"}));
    EXPECT_EQ(maxGlyph, (std::vector<std::string>{"......", ".#....", ".##...", ".###..", ".####.", ".###..", ".##...", ".#....", "......"}));
}

TEST_F(ScrollBarDrawingTest, HoverFrameAndPressedFace)
{
    session.mouseMove(105, 108);
    ASSERT_EQ(bar->MinArrowState(), ArrowHover);
    // Lines x = 15 and x = 255 (rows 1 to 15), y = 15 (columns 1 to 16), y = H - 30 (columns 2 to 16).
    for (int y = 1; y <= 15; ++y) {
        EXPECT_EQ(at(1, y), kHover) << y;
        EXPECT_EQ(at(17, y), kHover) << y;
    }
    for (int x = 1; x <= 16; ++x)
        EXPECT_EQ(at(x, 1), kHover) << x;
    EXPECT_EQ(at(1, 15), kHover);
    EXPECT_EQ(at(16, 15), kHover);
    EXPECT_EQ(at(3, 3), kFront) << "inside the frame the face stays";
    EXPECT_EQ(at(120, 1), kFront) << "the other arrow is plain";
    session.mouseDown(105, 108);
    EXPECT_EQ(at(3, 3), kDown) << "pressed: the face in DownColor";
    EXPECT_EQ(at(7, 8), kArrow) << "the glyph over it";
    session.mouseUp(105, 108);
    EXPECT_EQ(at(3, 3), kFront);
    EXPECT_EQ(at(1, 5), kHover) << "back to the hover look";
}

TEST_F(ScrollBarDrawingTest, PageAreaHighlightWhilePaging)
{
    session.mouseMove(200, 108);
    session.mouseDown(200, 108);
    // Value 60: thumb at 1065 (column 71) to 1215; highlight from 1230 to W - 300 (columns 82 to 114).
    EXPECT_EQ(bar->ThumbPos(), 1065);
    EXPECT_EQ(at(81, 8), kBorder) << "the thumb's far edge";
    EXPECT_EQ(at(82, 8), kPage);
    EXPECT_EQ(at(114, 8), kPage);
    EXPECT_EQ(at(115, 8), kBorder) << "the separator";
    EXPECT_EQ(at(60, 8), kBack) << "the other side is not highlighted";
    session.mouseUp(200, 108);
    EXPECT_EQ(at(90, 8), kBack) << "gone after the release";
}

TEST_F(ScrollBarDrawingTest, PageHighlightTowardMin)
{
    session.mouseMove(130, 108);
    session.mouseDown(130, 108);
    // Value 40: thumb at 795 (column 53); highlight from 285 to ThumbPos - 15 (columns 19 to 52).
    EXPECT_EQ(bar->ThumbPos(), 795);
    EXPECT_EQ(at(19, 8), kPage);
    EXPECT_EQ(at(52, 8), kPage);
    EXPECT_EQ(at(53, 8), kBorder);
    session.mouseUp(130, 108);
}

TEST_F(ScrollBarDrawingTest, ADisabledBarHasGreyGlyphsAndNoThumb)
{
    session.mouseMove(105, 108); // hover state set, but not drawn while disabled
    bar->setEnabled(false);
    EXPECT_EQ(at(66, 8), kBack) << "no thumb";
    EXPECT_EQ(at(9, 8), 0x99A8ACu) << "grey glyph";
    EXPECT_EQ(at(124, 8), 0x99A8ACu);
    EXPECT_EQ(at(1, 5), kFront) << "no arrow looks";
}

TEST_F(ScrollBarDrawingTest, VerticalBarIsTheHorizontalPictureTurned)
{
    qelVScroll& v = place<qelVScroll>("v", 400, 100, 17, 134);
    v.setArrowColor(kArrow);
    auto vat = [&](int x, int y) { return imagePixel(v.hwnd(), x, y); };
    for (int i = 0; i < 134; ++i)
        for (int j = 0; j < 17; ++j)
            ASSERT_EQ(vat(j, i), at(i, j)) << "along " << i << ", across " << j;
}

TEST_F(ScrollBarDrawingTest, SystemColoursAreWrittenBackAsTheirValues)
{
    bar->setBackColor(plat::gfx::systemColorCode(plat::gfx::ColorWindow));
    EXPECT_EQ(bar->BackColor(), plat::gfx::systemColor(plat::gfx::ColorWindow));
    EXPECT_EQ(at(30, 8), plat::gfx::systemColor(plat::gfx::ColorWindow));
}

TEST_F(ScrollBarDrawingTest, APaintRequestShowsTheKeptPicture)
{
    const int32_t before = bar->ThumbPos();
    InvalidateRect(bar->hwnd());
    session.settle();
    EXPECT_TRUE(bar->SkipRepaint());
    EXPECT_EQ(bar->ThumbPos(), before);
    EXPECT_EQ(screenPixel(100 + 66, 108), kFront) << "the screen shows the thumb";
}

} // namespace
} // namespace qel::testing
