#include "platform/gfx/device_context.h"
#include "platform/gfx/face_map.h"
#include "platform/gfx/font_library.h"
#include "platform/gfx/freetype_face.h"
#include "platform/gfx/text_layout.h"
#include "platform/gfx/text_render.h"
#include "platform/gfx/units.h"
#include "platform/window/twips.h"

#include <gtest/gtest.h>

using namespace plat::gfx;

namespace {

constexpr Color kPaper = 0x000000;
constexpr Color kInk = rgb(0, 255, 0);

// Pixels that took some of the text colour, within `area`.
int inkIn(const Surface& s, const Rect& area)
{
    int n = 0;
    Rect a = area.intersect(s.rect());
    for (int y = a.top; y < a.bottom; ++y)
        for (int x = a.left; x < a.right; ++x)
            n += s.colorAt(x, y) != kPaper;
    return n;
}

Rect inkBounds(const Surface& s)
{
    Rect r;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.colorAt(x, y) != kPaper)
                r = r.unite({x, y, x + 1, y + 1});
    return r;
}

Surface drawn(const Font& font, std::string_view text, int w, int h, Point at = {0, 0})
{
    Surface s(w, h, opaque(kPaper));
    DeviceContext dc(s);
    dc.setFont(font);
    dc.setTextColor(kInk);
    dc.setBackMode(BackMode::Transparent);
    dc.textOut(at.x, at.y, text);
    return s;
}

FontRequest request(const char* face, double points, bool bold)
{
    FontRequest r;
    r.face = face;
    r.points = points;
    r.bold = bold;
    return r;
}

} // namespace

TEST(FontSize, PointsAtNinetySixDots)
{
    EXPECT_EQ(pointsToPixels(270), 360);
    EXPECT_EQ(pointsToPixels(9), 12);
    EXPECT_EQ(pointsToPixels(26.25), 35);
    EXPECT_EQ(pointsToPixels(219.75), 293);
    EXPECT_EQ(request("Arial", 14.25, false).emPixels(), 19);
}

TEST(FaceMap, FormNamesMapToInstalledFaces)
{
    struct Case {
        const char* name;
        double points;
        std::vector<std::string> acceptable;
    } cases[] = {
        {"宋体", 12, {"宋体", "SimSun", "AR PL UMing CN", "AR PL UMing TW"}},
        {"黑体", 12, {"黑体", "SimHei", "WenQuanYi Micro Hei"}},
        // Display sizes take Noto's CJK faces (installed by the setup) before the older stand-ins.
        {"宋体", 60, {"宋体", "SimSun", "Noto Serif CJK SC"}},
        {"黑体", 26.25, {"黑体", "SimHei", "Noto Sans CJK SC"}},
        {"宋体", 12, {"宋体", "SimSun", "AR PL UMing CN", "AR PL UMing TW"}}, // after a large one
        {"Arial", 12, {"Arial", "Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"tahoma", 12, {"Tahoma", "Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"DS-Digital", 12, {"DS-Digital", "DSEG7 Classic"}},
    };
    for (const auto& c : cases) {
        auto file = FontLibrary::instance().resolve(request(c.name, c.points, false));
        ASSERT_TRUE(file.has_value()) << c.name;
        EXPECT_NE(std::find(c.acceptable.begin(), c.acceptable.end(), file->family), c.acceptable.end())
            << c.name << " went to " << file->family;
    }
}

TEST(FaceMap, ClockStandInIsScaledOnlyWhenStandingIn)
{
    FaceMapping m = mapFace("DS-Digital");
    ASSERT_GE(m.candidates.size(), 2u);
    EXPECT_EQ(m.candidates.front().family, "DS-Digital");
    EXPECT_EQ(m.candidates.front().scaleX, 1.0);
    EXPECT_EQ(m.candidates.back().family, "DSEG7 Classic");
    EXPECT_LT(m.candidates.back().scaleX, 1.0);
    EXPECT_TRUE(mapFace("黑体").chinese);
    EXPECT_FALSE(mapFace("Arial").chinese);
}

TEST(ChineseText, StartInHeiShowsBothCharacters)
{
    const Font font = Font::open(request("黑体", 26.25, true));
    const Size extent = font.textExtent("开始");
    EXPECT_GT(extent.width, 50);
    Surface s = drawn(font, "开始", 100, 60);
    const int half = extent.width / 2;
    EXPECT_GT(inkIn(s, {0, 0, half, 60}), 100);          // 开
    EXPECT_GT(inkIn(s, {half, 0, extent.width, 60}), 100); // 始
    EXPECT_EQ(inkIn(s, {extent.width + 2, 0, 100, 60}), 0);
}

TEST(ChineseText, LatinFaceBorrowsChineseGlyphs)
{
    const Font font = Font::open(request("Arial", 12, false));
    Surface s = drawn(font, "中", 40, 30);
    EXPECT_GT(inkIn(s, s.rect()), 20);
    EXPECT_GT(font.advance(U'中'), font.advance(U'i'));
}

TEST(ChineseText, SyntheticBoldIsHeavier)
{
    const Font regular = Font::open(request("黑体", 20, false));
    const Font bold = Font::open(request("黑体", 20, true));
    EXPECT_GT(inkIn(drawn(bold, "开始", 80, 40), {0, 0, 80, 40}), inkIn(drawn(regular, "开始", 80, 40), {0, 0, 80, 40}));
}

TEST(UnreadableBytes, AMarkIsDrawnAsTheReplacementCharacter)
{
    // The mark a byte the code page could not read leaves in the text (U+DCFF as UTF-8 writes it).
    const Font font = Font::open(request("Arial", 12, false));
    const Surface mark = drawn(font, "a\xED\xB3\xBF" "b", 60, 24);
    EXPECT_EQ(mark.pixels(), drawn(font, "a\xEF\xBF\xBD" "b", 60, 24).pixels());
    EXPECT_EQ(font.textSize("a\xED\xB3\xBF" "b"), font.textSize("a\xEF\xBF\xBD" "b"));
}

TEST(ClockFace, DigitsAreDrawn)
{
    const Font font = Font::open(request("DS-Digital", 270, true));
    Surface s = drawn(font, "8888", 800, 330);
    const int advance = font.advance(U'8');
    for (int i = 0; i < 4; ++i)
        EXPECT_GT(inkIn(s, {i * advance, 0, (i + 1) * advance, 330}), 5000) << i;
}

// The clock label is 11940 × 4905 twips (796 × 327 pixels) and draws its caption into the
// rectangle from (1, 1) to (795, 328); the text must fit across and its digits must not be cut.
TEST(ClockFace, FitsTheClockLabel)
{
    const Font clock = Font::open(request("DS-Digital", 270, true));
    for (const char* text : {"12:00", "59.9", "00:00"}) {
        EXPECT_LE(clock.textExtent(text).width, 794) << text;
        Surface label(plat::win::pixelsFromTwips(11940), plat::win::pixelsFromTwips(4905), opaque(kPaper));
        DeviceContext dc(label);
        dc.setFont(clock);
        dc.setTextColor(kInk);
        dc.setBackMode(BackMode::Transparent);
        Rect r{1, 1, label.width() - 1, label.height() + 1};
        dc.drawText(text, r, DT_CENTER);
        Rect ink = inkBounds(label);
        EXPECT_GT(ink.top, 1) << text;
        EXPECT_LT(ink.bottom, label.height()) << text;
        EXPECT_GT(ink.left, 1) << text;
        EXPECT_LT(ink.right, label.width() - 1) << text;
    }
    const Font score = Font::open(request("DS-Digital", 219.75, true));
    const int em = pointsToPixels(219.75);
    EXPECT_LE(score.textExtent("999").width, 3 * em * 11 / 20); // digits about half an em wide
}

TEST(GlyphCache, RedrawUsesTheCachedGlyphs)
{
    const Font clock = Font::open(request("DS-Digital", 270, true));
    Surface first = drawn(clock, "12:00", 800, 330);
    auto* face = dynamic_cast<FreeTypeFace*>(clock.face());
    ASSERT_NE(face, nullptr);
    const size_t cached = face->cachedGlyphs();
    Surface second = drawn(Font::open(request("DS-Digital", 270, true)), "12:00", 800, 330);
    EXPECT_EQ(first.pixels(), second.pixels());
    EXPECT_EQ(face->cachedGlyphs(), cached);
    EXPECT_EQ(Font::open(request("DS-Digital", 270, true)).face(), clock.face()); // one sized face shared
}

TEST(RotatedText, RealFaceInkStaysInTheTurnedCell)
{
    FontRequest r = request("Arial", 14.25, false);
    r.escapement = 900;
    const Font font = Font::open(r);
    Surface s = drawn(font, "Legend", 60, 120, {10, 110});
    const Rect cell = textLineRect(font, {10, 110}, font.textExtent("Legend").width);
    EXPECT_EQ(cell.width(), font.metrics().height);
    EXPECT_EQ(cell.bottom, 110);
    Rect ink = inkBounds(s);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_EQ(ink.intersect(cell), ink);
    EXPECT_GT(ink.height(), ink.width()); // a word standing up
}

TEST(FontMetrics, LineHeightIsAscentPlusDescent)
{
    for (const char* face : {"宋体", "黑体", "Arial", "DS-Digital"}) {
        const Font f = Font::open(request(face, 9, false));
        const FontMetrics& m = f.metrics();
        EXPECT_EQ(m.height, m.ascent + m.descent) << face;
        EXPECT_GE(m.height, 12) << face;
        EXPECT_EQ(f.textExtent("A").height, m.height) << face;
    }
}

TEST(FontLibrary, UnknownFaceStillDrawsText)
{
    const Font f = Font::open(request("No Such Face 123", 12, false));
    EXPECT_FALSE(f.isNull());
    EXPECT_GT(inkIn(drawn(f, "Hello", 80, 30), {0, 0, 80, 30}), 20);
    EXPECT_FALSE(FontLibrary::instance().addFontFile("/no/such/font.ttf"));
}
