// What the text box draws on its own window: the border, the legend background (flat or
// gradient) and separator, the caption turned or level, the line numbers, colour write-back.
#include "controls/core/mdl_declarations.h"
#include "platform/forms/fonts.h"
#include "platform/gfx/system_colors.h"
#include "text_box_helpers.h"

namespace qel::testing {
namespace {

using namespace plat::win;
using plat::gfx::Rect;

constexpr Color kBorder = 0xFF8080, kLegend = 0xEDD0BF, kInk = 0x0000FF;

class TextBoxDrawingTest : public TextControlsTest {
protected:
    qelTextBox& box(BoxProps props, int w = 200, int h = 100) { return place<qelTextBox>("box", 20, 20, w, h, props.bag); }
    static Color at(qelTextBox& b, int x, int y) { return imagePixel(b.hwnd(), x, y); }
    // The bounds of the pixels of one colour within a part of the control's image.
    static Rect inkBounds(qelTextBox& b, Color ink, Rect within)
    {
        within = within.intersect(WindowImage(b.hwnd()).rect());
        Rect r{1 << 20, 1 << 20, -1, -1};
        for (int y = within.top; y < within.bottom; ++y)
            for (int x = within.left; x < within.right; ++x)
                if (at(b, x, y) == ink) {
                    r.left = std::min(r.left, x);
                    r.top = std::min(r.top, y);
                    r.right = std::max(r.right, x + 1);
                    r.bottom = std::max(r.bottom, y + 1);
                }
        return r.right < 0 ? Rect{} : r;
    }
};

TEST_F(TextBoxDrawingTest, WithoutLegendOnlyTheBorder)
{
    qelTextBox& b = box(BoxProps().set("ScrollBars", int32_t(0)));
    for (int x = 0; x < 200; ++x) {
        EXPECT_EQ(at(b, x, 0), kBorder) << x;
        EXPECT_EQ(at(b, x, 99), kBorder) << x;
    }
    for (int y = 0; y < 100; ++y) {
        EXPECT_EQ(at(b, 0, y), kBorder) << y;
        EXPECT_EQ(at(b, 199, y), kBorder) << y;
    }
    EXPECT_EQ(inkBounds(b, 0xFFFFFF, {1, 1, 199, 99}), (Rect{1, 1, 199, 99})) << "inside, the back colour only";

    qelTextBox& none = place<qelTextBox>("none", 300, 20, 100, 50, BoxProps().set("ScrollBars", int32_t(0)).set("DisplayBorder", false).bag);
    EXPECT_EQ(inkBounds(none, 0xFFFFFF, {0, 0, 100, 50}), (Rect{0, 0, 100, 50})) << "nothing at all";
}

TEST_F(TextBoxDrawingTest, FlatLegendBackgroundAndSeparator)
{
    qelTextBox& b = box(BoxProps().set("LegendType", int32_t(1)).set("LegendWidth", int32_t(450)));
    // The box (15, 15)-(450, ScaleHeight - 30): pixels 1 to 30, rows 1 to 98; the separator at 30.
    EXPECT_EQ(at(b, 1, 1), kLegend);
    EXPECT_EQ(at(b, 29, 97), kLegend);
    EXPECT_EQ(at(b, 30, 5), kBorder) << "the separator";
    EXPECT_EQ(at(b, 31, 5), 0xFFFFFFu);
    EXPECT_EQ(at(b, 0, 50), kBorder) << "the border over the legend's edge";
}

TEST_F(TextBoxDrawingTest, GradientsRunTheirWay)
{
    qelTextBox& rows = box(BoxProps().set("LegendType", int32_t(1)).set("LegendWidth", int32_t(450)).set("LegendGradient", int32_t(2)));
    rows.setLegendBackColor1(0x000000);
    rows.setLegendBackColor2(0xFFFFFF);
    EXPECT_LT(at(rows, 10, 10) & 0xFF, at(rows, 10, 80) & 0xFF) << "top to bottom: darker above";
    EXPECT_EQ(at(rows, 5, 40), at(rows, 20, 40)) << "one colour per row";
    qelTextBox& columns = place<qelTextBox>("columns", 300, 20, 200, 100,
        BoxProps().set("LegendType", int32_t(1)).set("LegendWidth", int32_t(450)).set("LegendGradient", int32_t(1)).bag);
    columns.setLegendBackColor1(0x000000);
    columns.setLegendBackColor2(0xFFFFFF);
    EXPECT_LT(at(columns, 3, 40) & 0xFF, at(columns, 25, 40) & 0xFF) << "left to right";
    EXPECT_EQ(at(columns, 10, 10), at(columns, 10, 80)) << "one colour per column";
}

TEST_F(TextBoxDrawingTest, LevelCaptionStartsAtItsCorner)
{
    qelTextBox& b = box(BoxProps()
                            .set("LegendType", int32_t(1))
                            .set("LegendWidth", int32_t(1200))
                            .set("LegendOrientation", int32_t(1))
                            .set("LegendAlignmentX", int32_t(0))
                            .set("LegendAlignmentY", int32_t(0))
                            .set("LegendText", std::string("Name")));
    b.setLegendForeColor(kInk);
    const Rect ink = inkBounds(b, kInk, {0, 0, 80, 100});
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left, 2) << "starting at (30, 0) twips";
    EXPECT_LE(ink.left, 4);
    EXPECT_LT(ink.top, 6);
    EXPECT_GT(ink.width(), ink.height()) << "level text";
}

TEST_F(TextBoxDrawingTest, TurnedCaptionReadsUpFromNearTheBottom)
{
    qelTextBox& b = box(BoxProps()
                            .set("LegendType", int32_t(1))
                            .set("LegendWidth", int32_t(400))
                            .set("LegendAlignmentX", int32_t(0))
                            .set("LegendAlignmentY", int32_t(0))
                            .set("LegendText", std::string("Name")));
    b.setLegendForeColor(kInk);
    const Rect ink = inkBounds(b, kInk, {0, 0, 27, 100});
    ASSERT_FALSE(ink.isEmpty());
    // The reference point is ScaleHeight - 60 twips (row 96); the text runs up from there.
    EXPECT_LE(ink.bottom, 97);
    EXPECT_GT(ink.bottom, 90);
    EXPECT_GT(ink.height(), ink.width()) << "turned text";
    EXPECT_LT(ink.left, 4);
}

TEST_F(TextBoxDrawingTest, CentredTurnedCaption)
{
    qelTextBox& b = box(BoxProps().set("LegendType", int32_t(1)).set("LegendWidth", int32_t(600)).set("LegendAlignmentY", int32_t(2)).set(
        "LegendText", std::string("Centre")));
    b.setLegendForeColor(kInk);
    const Rect ink = inkBounds(b, kInk, {0, 0, 40, 100});
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 50, 4) << "vertically centred";
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 20, 4) << "horizontally centred in the legend";
}

TEST_F(TextBoxDrawingTest, LineNumbersOfTheVisibleLines)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true).set("LegendType", int32_t(2)).set("LegendAutosize", true));
    b.setLegendForeColor(kInk);
    b.setText(numberedLines(10));
    const int needed = plat::forms::openFont(b.LegendFont()).textExtent("10").width * 15 + 60;
    EXPECT_GE(b.LegendWidth(), needed) << "wide enough for the largest number";
    // One label per visible line, at (i - first) × line pitch + 60 twips.
    const int pitch = b.TextLineHeightPixels();
    const int rows = int(b.Text1(1).height()) / (pitch * 15);
    for (int i = 0; i < 10; ++i) {
        const int top = (i * pitch * 15 + 60) / 15;
        const Rect ink = inkBounds(b, kInk, {1, top, b.LegendWidth() / 15, top + pitch});
        EXPECT_EQ(ink.isEmpty(), i >= rows) << "line " << i + 1;
    }
    // Scrolled to line 5 of 10, six rows show lines 5 to 10: the sixth row has a label now.
    b.setFirstVisibleLine(5);
    session.settle();
    ASSERT_EQ(b.FirstVisibleLine(), 4);
    const int sixth = (5 * pitch * 15 + 60) / 15;
    EXPECT_FALSE(inkBounds(b, kInk, {1, sixth, b.LegendWidth() / 15, sixth + pitch}).isEmpty()) << "the numbers follow the scrolling";
}

TEST_F(TextBoxDrawingTest, LineNumbersSurviveAFullDrawing)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true).set("LegendType", int32_t(2)).set("LegendWidth", int32_t(450)));
    b.setLegendForeColor(kInk);
    b.setText(numberedLines(3));
    ASSERT_FALSE(inkBounds(b, kInk, {1, 1, 30, 99}).isEmpty());
    b.setBorderColor(0x00FF00); // a full drawing
    EXPECT_FALSE(inkBounds(b, kInk, {1, 1, 30, 99}).isEmpty()) << "the numbers are drawn again";
}

TEST_F(TextBoxDrawingTest, RefreshNumPrintsOnlyWhenForcedOrScrolled)
{
    qelTextBox& b = box(BoxProps().set("MultiLine", true).set("LegendType", int32_t(2)).set("LegendWidth", int32_t(450)));
    b.setLegendForeColor(kInk);
    b.setText(numberedLines(3));
    plat::gfx::Surface& image = WindowImage(b.hwnd());
    auto wipe = [&] {
        for (int y = 1; y < 99; ++y)
            for (int x = 1; x < 30; ++x)
                image.setPixel(x, y, 0xFF000000u | kLegend);
    };
    wipe();
    b.RefreshNum(false);
    b.RefreshNum(false);
    EXPECT_TRUE(inkBounds(b, kInk, {1, 1, 30, 99}).isEmpty()) << "first line unchanged: nothing printed";
    b.RefreshNum(true);
    EXPECT_FALSE(inkBounds(b, kInk, {1, 1, 30, 99}).isEmpty());
}

TEST_F(TextBoxDrawingTest, UnRefreshControlLeavesTheWindowAsItWas)
{
    qelTextBox& b = box(BoxProps().set("LegendType", int32_t(1)));
    b.setUnRefreshControl(true);
    const plat::gfx::Surface before = WindowImage(b.hwnd());
    b.setBorderColor(0x00FF00);
    const bool skip = b.SkipRepaint();
    b.Refresh();
    b.RefreshNum(true);
    EXPECT_TRUE(WindowImage(b.hwnd()).pixels() == before.pixels());
    EXPECT_EQ(b.SkipRepaint(), skip);
    b.setUnRefreshControl(false);
    b.Refresh();
    EXPECT_EQ(at(b, 0, 0), 0x00FF00u);
}

TEST_F(TextBoxDrawingTest, SystemColoursReadBackAsPlainValuesAfterADrawing)
{
    qelTextBox& b = box(BoxProps().set("LegendType", int32_t(1)));
    EXPECT_EQ(b.LegendForeColor(), plat::gfx::systemColor(plat::gfx::ColorHighlight)) << "the default &H8000000D, drawn once";
    b.setBorderColor(plat::gfx::systemColorCode(plat::gfx::ColorWindowText));
    EXPECT_EQ(b.BorderColor(), plat::gfx::systemColor(plat::gfx::ColorWindowText));
}

TEST(SplitColorTest, SplitsIntoRedGreenBlue)
{
    const RGBRecord c = SplitColor(0x00123456);
    EXPECT_EQ(c.Red, 0x56);
    EXPECT_EQ(c.Green, 0x34);
    EXPECT_EQ(c.Blue, 0x12);
}

TEST_F(TextBoxDrawingTest, APaintRequestDoesNotDrawAgain)
{
    qelTextBox& b = box(BoxProps().set("LegendType", int32_t(1)));
    WindowImage(b.hwnd()).setPixel(5, 50, 0xFF123456u);
    InvalidateRect(b.hwnd());
    session.settle();
    EXPECT_EQ(at(b, 5, 50), 0x123456u) << "the kept picture is shown as it is";
    EXPECT_TRUE(b.SkipRepaint());
}

} // namespace
} // namespace qel::testing
