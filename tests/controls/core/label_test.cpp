#include "controls_fixture.h"
#include "controls/core/qel_label.h"
#include "platform/forms/fonts.h"
#include "platform/gfx/system_colors.h"

namespace qel::testing {
namespace {

using namespace plat::win;
using plat::gfx::Surface;

class LabelTest : public ControlsTest {
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        form.setBackColor(0x00FF00);
    }
    qelLabel& label(const std::string& caption, int w = 120, int h = 30)
    {
        PropertyBag stored;
        stored.writeProperty("Caption", caption, std::string("\x01"));
        stored.writeProperty("BackColor", uint32_t(0xFFFFFF), uint32_t(1));
        ++m_count;
        qelLabel& l = place<qelLabel>("l" + std::to_string(m_count), 20, 40 * m_count, w, h, stored);
        show();
        return l;
    }
    // Rows of the image with any pixel that is not the background.
    static std::vector<int> inkRows(HWND h, Color background)
    {
        const Surface& s = WindowImage(h);
        std::vector<int> rows;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                if (s.colorAt(x, y) != background) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }
    static std::vector<uint32_t> pixels(const qelLabel& l) { return WindowImage(l.hwnd()).pixels(); }
    static int lineHeight(const qelLabel& l) { return plat::forms::openFont(l.Font()).metrics().height; }

private:
    int m_count = 0;
};

TEST_F(LabelTest, AutoSizeFitsTheCaptionOnceAndAResizeTurnsItOff)
{
    qelLabel& l = label("裁判数量");
    const plat::gfx::Size text = plat::forms::openFont(l.Font()).textSize("裁判数量");
    l.setAutoSize(true);
    EXPECT_TRUE(l.AutoSize());
    EXPECT_EQ(l.width(), text.width * 15);
    EXPECT_EQ(l.height(), text.height * 15);
    l.setCaption("A much longer caption than before");
    EXPECT_EQ(l.width(), text.width * 15) << "a caption change keeps the size";
    EXPECT_TRUE(l.AutoSize());
    l.setWidth(3000);
    EXPECT_FALSE(l.AutoSize()) << "any later resize turns AutoSize off";
}

TEST_F(LabelTest, AutoSizeMeasuresTheWidestLineAndEveryLine)
{
    qelLabel& l = label("a\r\nbbbbbb\r\ncc");
    l.setAutoSize(true);
    const plat::gfx::Font f = plat::forms::openFont(l.Font());
    EXPECT_EQ(l.width(), f.textExtent("bbbbbb").width * 15);
    EXPECT_EQ(l.height(), 3 * f.metrics().height * 15);
}

TEST_F(LabelTest, SeeThroughShowsWhatLiesBehindWhereverTheBackColourIs)
{
    qelLabel& l = label("Text");
    l.setForeColor(0x0000FF);
    l.setBackStyle(0);
    const plat::gfx::Rect r = GetScreenRect(l.hwnd());
    EXPECT_EQ(screenPixel(r.right - 2, r.bottom - 2), 0x00FF00u) << "the form shows through the background";
    EXPECT_GT(screenPixelsOfColor(r, 0x0000FF), 0) << "the text stays";

    // A frame in the background colour is see-through as well.
    l.setBorderStyle(1);
    l.setBorderColor(0xFFFFFF);
    EXPECT_EQ(imagePixel(l.hwnd(), 0, 0), 0xFFFFFFu);
    EXPECT_EQ(screenPixel(r.left, r.top), 0x00FF00u);

    l.setBackStyle(1);
    EXPECT_EQ(screenPixel(r.right - 2, r.bottom - 2), 0xFFFFFFu) << "opaque again";
}

TEST_F(LabelTest, AlignmentAndBorderStyleValues)
{
    qelLabel& l = label("Caption", 200);
    l.setAlignment(1);
    const auto right = pixels(l);
    l.setAlignment(5);
    EXPECT_EQ(pixels(l), right) << "Alignment 5 draws right-aligned";
    l.setAlignment(2);
    EXPECT_NE(pixels(l), right);
    l.setAlignment(0);
    EXPECT_NE(pixels(l), right);

    const auto none = pixels(l);
    l.setBorderStyle(2);
    EXPECT_EQ(pixels(l), none) << "BorderStyle 2 draws no frame";
    l.setBorderStyle(1);
    for (auto [x, y] : {std::pair{0, 0}, {199, 0}, {0, 29}, {199, 29}, {100, 29}})
        EXPECT_EQ(imagePixel(l.hwnd(), x, y), 0xC56A31u) << x << "," << y;
}

TEST_F(LabelTest, AnEmptyCaptionDrawsOnlyTheBackgroundAndTheFrame)
{
    qelLabel& l = label("");
    EXPECT_EQ(countColour(l.hwnd(), 0xFFFFFF), 120 * 30);
    l.setBorderStyle(1);
    EXPECT_EQ(countColour(l.hwnd(), 0xC56A31), 2 * 120 + 2 * 28);
    EXPECT_EQ(countColour(l.hwnd(), 0xFFFFFF), 118 * 28);
}

TEST_F(LabelTest, TwoLinesStartAtTheTopAndALongLineIsClippedNotWrapped)
{
    qelLabel& two = label("First\r\nSecond", 200, 60);
    const std::vector<int> rows = inkRows(two.hwnd(), 0xFFFFFF);
    ASSERT_FALSE(rows.empty());
    EXPECT_LE(rows.front(), 1 + lineHeight(two) / 2) << "text starts at the top edge";
    EXPECT_GT(rows.back(), lineHeight(two)) << "the second line lies below the first";

    qelLabel& one = label("A single line that is far too long for the label to hold", 60, 60);
    const std::vector<int> rowsOne = inkRows(one.hwnd(), 0xFFFFFF);
    ASSERT_FALSE(rowsOne.empty());
    EXPECT_LT(rowsOne.back(), 1 + lineHeight(one)) << "one line only";
}

TEST_F(LabelTest, DisabledTextIsGreyAndMouseEventsStillCome)
{
    qelLabel& l = label("禁用 Disabled");
    plat::forms::FontDesc big;
    big.size = 16;
    big.setBold(true);
    l.setFont(big);
    l.setEnabled(false);
    EXPECT_GT(countColour(l.hwnd(), 0x99A8AC), 0);
    EXPECT_EQ(countColour(l.hwnd(), 0x000000), 0);
    int downs = 0;
    l.MouseDown = [&](int& Button, int&, int&, int&, int&) { downs += Button; };
    const plat::gfx::Rect r = GetScreenRect(l.hwnd());
    session.click(r.left + 5, r.top + 5);
    EXPECT_EQ(downs, 1);
    EXPECT_NE(GetFocus(), l.hwnd()) << "a label takes no focus";
}

TEST_F(LabelTest, ASystemBackColourReadsBackAsItsValue)
{
    qelLabel& l = label("x");
    l.setBackColor(plat::gfx::systemColorCode(plat::gfx::ColorInfoBk));
    EXPECT_EQ(l.BackColor(), plat::gfx::systemColor(plat::gfx::ColorInfoBk));
    EXPECT_EQ(imagePixel(l.hwnd(), 100, 25), plat::gfx::systemColor(plat::gfx::ColorInfoBk));
}

TEST_F(LabelTest, UnRefreshControlFreezesTheImage)
{
    qelLabel& l = label("Frozen");
    const auto before = pixels(l);
    l.setUnRefreshControl(true);
    l.setCaption("Changed");
    l.setBackColor(0x0000FF);
    l.setBorderStyle(1);
    l.Refresh();
    EXPECT_EQ(pixels(l), before);
    l.setWidth(l.width() + 150);
    EXPECT_EQ(WindowImage(l.hwnd()).colorAt(10, 10), 0xFFFFFFu) << "a resize draws nothing either";
    l.setUnRefreshControl(false);
    session.settle();
    EXPECT_EQ(WindowImage(l.hwnd()).colorAt(10, 10), 0xFFFFFFu) << "turning it off redraws nothing by itself";
    l.Refresh();
    EXPECT_EQ(WindowImage(l.hwnd()).colorAt(10, 10), 0x0000FFu);
}

TEST_F(LabelTest, DataCaptionsShowTheirAmpersand)
{
    qelLabel& l = label("A&&B");
    const auto doubled = pixels(l);
    l.setCaption("A&B");
    EXPECT_NE(pixels(l), doubled) << "designed captions: \"&\" marks a mnemonic";
    l.setUseMnemonic(false);
    EXPECT_EQ(pixels(l), doubled);
}

TEST_F(LabelTest, HoverAndLeaveAreReportedWithoutTouchingTheImage)
{
    qelLabel& l = label("Hover");
    std::vector<std::string> seen;
    l.MouseHover = [&] { seen.push_back("hover"); };
    l.MouseLeave = [&] { seen.push_back("leave"); };
    const plat::gfx::Rect r = GetScreenRect(l.hwnd());
    session.mouseMove(r.left + 5, r.top + 5);
    session.advance(5);
    session.mouseMove(700, 500);
    EXPECT_EQ(seen, (std::vector<std::string>{"hover", "leave"}));
    EXPECT_TRUE(l.ImageCurrent());
}

TEST_F(LabelTest, PersistenceKeysOrderAndDefaults)
{
    qelLabel& read = place<qelLabel>("read", 0, 0, 50, 20);
    EXPECT_EQ(read.BackColor(), 0xC0C0C0u) << "the default of a stored label";
    EXPECT_EQ(read.ForeColor(), 0u);
    EXPECT_EQ(read.BorderColor(), 0xC56A31u);
    EXPECT_EQ(read.BackStyle(), 1);
    EXPECT_TRUE(read.Subclassed());

    qelLabel& fresh = placeNew<qelLabel>("fresh", 0, 30, 50, 20);
    EXPECT_EQ(fresh.BackColor(), 0xFFFFFFu) << "the default of a newly placed label";
    EXPECT_TRUE(fresh.ImageCurrent()) << "a new label paints at once";
    EXPECT_FALSE(fresh.Subclassed());

    qelLabel& l = place<qelLabel>("l", 0, 60, 50, 20);
    l.setAutoSize(true);
    l.setBorderStyle(1);
    l.setBorderColor(1);
    l.setBackColor(2);
    l.setBackStyle(0);
    l.setCaption("x");
    plat::forms::FontDesc f;
    f.name = "Arial";
    l.setFont(f);
    l.setForeColor(3);
    l.setEnabled(false);
    l.setAlignment(2);
    l.setUnRefreshControl(true);
    l.setUseMnemonic(false);
    PropertyBag bag;
    l.writeProperties(bag);
    const std::vector<std::string> keys = bag.keys();
    EXPECT_EQ(keys, (std::vector<std::string>{"autosize", "borderstyle", "bordercolor", "backcolor", "backstyle", "caption", "font",
                        "forecolor", "enabled", "alignment", "unrefreshcontrol", "usemnemonic"}));
    qelLabel& back = place<qelLabel>("back", 0, 90, 50, 20, bag);
    EXPECT_TRUE(back.AutoSize());
    EXPECT_EQ(back.BorderStyle(), 1);
    EXPECT_EQ(back.BorderColor(), 1u);
    EXPECT_EQ(back.BackColor(), 2u);
    EXPECT_EQ(back.BackStyle(), 0);
    EXPECT_EQ(back.Caption(), "x");
    EXPECT_EQ(back.Font(), f);
    EXPECT_EQ(back.ForeColor(), 3u);
    EXPECT_FALSE(back.Enabled());
    EXPECT_EQ(back.Alignment(), 2);
    EXPECT_TRUE(back.UnRefreshControl());
    EXPECT_FALSE(back.UseMnemonic());
}

} // namespace
} // namespace qel::testing
