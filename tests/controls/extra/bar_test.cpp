#include "controls/extra/number_text.h"
#include "controls/extra/qel_bar.h"
#include "extra_fixture.h"
#include "tests/support/temp_folder.h"
#include <cmath>
#include <limits>
#include <sys/stat.h>

namespace qel::testing {
namespace {

using namespace plat::win;
using plat::gfx::Color;

class BarTest : public ExtraTest {
protected:
    std::vector<std::string> log;

    // A bar whose drawing area is 200 x 20 pixels inside its ring (stored, so subclassed).
    qelBar& bar(PropertyBag stored = {})
    {
        qelBar& b = place<qelBar>("bar", 50, 50, 202, 22, stored);
        watch(b);
        return b;
    }
    void watch(qelBar& b)
    {
        auto value = [this](const char* name) {
            return [this, name](double& n, double& o) { log.push_back(std::string(name) + " " + NumberText(n) + " " + NumberText(o)); };
        };
        b.Change = value("Change");
        b.InteractionComplete = value("InteractionComplete");
        b.ValueIsMin = [this](double& v) { log.push_back("ValueIsMin " + NumberText(v)); };
        b.ValueIsMax = [this](double& v) { log.push_back("ValueIsMax " + NumberText(v)); };
        b.Click = [this] { log.push_back("Click"); };
        b.DblClick = [this] { log.push_back("DblClick"); };
        b.MouseDown = [this](int& Button, int&, int&, int&, int&) { log.push_back("MouseDown " + std::to_string(Button)); };
    }
    static Color pct(const qelBar& b, int x, int y) { return WindowImage(b.PictureWindow()).colorAt(x, y); }
    std::vector<std::string> take() { return std::exchange(log, {}); }
};

TEST(NumberTextTest, RoundingToDigitsAndShortestText)
{
    struct Case {
        double value;
        int digits;
        const char* text;
    } cases[] = {
        {49.494949, 2, "49.49"}, {50.0, 2, "50"}, {2.5, 0, "2"}, {3.5, 0, "4"}, {0.125, 2, "0.12"}, {0.135, 2, "0.14"},
        {-1.005, 1, "-1"}, {12.3456, -1, "12"}, {1.0 / 3, 22, "0.333333333333333"}, {0.0, 2, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberText(RoundToDigits(c.value, c.digits)), c.text) << c.value << " to " << c.digits;
}

TEST_F(BarTest, ANewBarHasItsDefaults)
{
    qelBar& b = placeNew<qelBar>("bar", 0, 0, 202, 22);
    EXPECT_EQ(b.Min(), 1);
    EXPECT_EQ(b.Max(), 100);
    EXPECT_EQ(b.Value(), 50);
    EXPECT_EQ(b.DisplayLabel(), 1);
    EXPECT_EQ(b.GradientMode(), 2);
    EXPECT_EQ(b.Alignment(), 5);
    EXPECT_EQ(b.Decimals(), 2);
    EXPECT_EQ(b.BorderColor(), 0xFF8080u);
    EXPECT_TRUE(b.DisplayBorder());
    EXPECT_FALSE(b.InteractiveControl());
    EXPECT_TRUE(b.Drawn());
    EXPECT_EQ(b.LabelText(), "49.49 %");
}

TEST_F(BarTest, ValueIsClampedAndEveryAssignmentRaisesItsEvents)
{
    qelBar& b = bar();
    struct Case {
        double value;
        double stored;
        const char* events;
    } cases[] = {
        {0, 1, "Change 1 50, ValueIsMin 1"},
        {250, 100, "Change 100 1, ValueIsMax 100"},
        {100, 100, "Change 100 100, ValueIsMax 100"},
        {42.5, 42.5, "Change 42.5 100"},
        {std::nan(""), 1, "Change 1 42.5, ValueIsMin 1"},
    };
    take();
    for (const auto& c : cases) {
        b.setValue(c.value);
        EXPECT_EQ(b.Value(), c.stored);
        EXPECT_EQ(joined(take()), c.events) << c.value;
    }
}

TEST_F(BarTest, MinEqualToMaxRaisesBothEnds)
{
    qelBar& b = bar();
    b.setMin(100);
    take();
    b.setValue(7);
    EXPECT_EQ(joined(take()), "Change 100 50, ValueIsMin 100, ValueIsMax 100");
}

TEST_F(BarTest, RangeAndDecimalRules)
{
    qelBar& b = bar();
    b.setMax(1);
    EXPECT_EQ(b.Max(), 100);
    b.setMax(0.5);
    EXPECT_EQ(b.Max(), 100);
    b.setMin(150); // taken without a test; Value stays until the next assignment
    EXPECT_EQ(b.Min(), 150);
    EXPECT_EQ(b.Value(), 50);
    b.setValue(120);
    EXPECT_EQ(b.Value(), 150);
    b.setDecimals(30);
    EXPECT_EQ(b.Decimals(), 22);
    b.setDecimals(-1);
    EXPECT_EQ(b.Decimals(), -1);
}

TEST_F(BarTest, HalfFullFillsTheColumnsUpToTheFillWidthWithTheLabel)
{
    qelBar& b = bar();
    ASSERT_EQ(b.DrawingWidth(), 200);
    ASSERT_EQ(b.DrawingHeight(), 20);
    EXPECT_EQ(b.LabelText(), "49.49 %");
    // F = 49/99 x 200 = 98.99: columns 0 to 98 are the fill, 99 is the background.
    EXPECT_EQ(pct(b, 0, 1), 0xC85A21u);
    const Color at98 = pct(b, 98, 1);
    EXPECT_EQ(at98, plat::gfx::rgb(0x21 + int(std::nearbyint(98 * (0xB5 - 0x21) / 200.0)),
                        0x5A + int(std::nearbyint(98 * (0xC6 - 0x5A) / 200.0)), 0xC8 + int(std::nearbyint(98 * (0xE4 - 0xC8) / 200.0))));
    const Color at99 = pct(b, 99, 1);
    EXPECT_NE(at99, at98);
    EXPECT_EQ(at99, pct(b, 150, 1)); // the background row is one colour across
}

TEST_F(BarTest, LabelKinds)
{
    qelBar& b = bar();
    struct Case {
        int kind;
        double value;
        const char* text;
    } cases[] = {{1, 100, "100 %"}, {2, 33.333, "33.33"}, {3, 25, "25/100"}, {0, 25, ""}, {4, 25, ""}};
    for (const auto& c : cases) {
        b.setDisplayLabel(c.kind);
        b.setValue(c.value);
        EXPECT_EQ(b.LabelText(), c.text) << c.kind;
    }
}

TEST_F(BarTest, RangesBeyondADoubleStillGiveTheShareAndTheFill)
{
    // Max - Min of these is more than a double holds; the share of Value is still computed.
    constexpr double big = std::numeric_limits<double>::max();
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double tiny = std::numeric_limits<double>::denorm_min();
    struct Case {
        double min, max, value;
        const char* label;
        int lastFillColumn;
    };
    const Case cases[] = {
        {-big, big, 0, "50 %", 100},
        {-big, big, big, "100 %", 199},
        {-big, big, -big, "0 %", 0},
        {-big, big, big / 2, "75 %", 150},
        {0, big, big / 4, "25 %", 50},
        {-1e308, 1e308, 1e307, "55 %", 110},
        // Infinite bounds stand for the farthest doubles: never a share that is not a number.
        {-inf, inf, 0, "50 %", 100},
        {-inf, inf, inf, "100 %", 199},
        {-inf, inf, -inf, "0 %", 0},
        {1, inf, inf, "100 %", 199},
        {1, inf, 5, "0 %", 0},
        {-inf, 0, -5, "100 %", 199},
        {-inf, 0, -inf, "0 %", 0},
        // Ranges too small to be halved.
        {0, tiny, tiny, "100 %", 199},
        {0, tiny, 0, "0 %", 0},
        {0, 4 * tiny, 2 * tiny, "50 %", 100},
    };
    qelBar& b = bar();
    show();
    for (const Case& c : cases) {
        b.setMin(c.min);
        b.setMax(c.max);
        b.setValue(c.value);
        const std::string label = NumberText(c.min) + " to " + NumberText(c.max) + ", Value " + NumberText(c.value);
        EXPECT_EQ(b.LabelText(), c.label) << label;
        const Color background = pct(b, 199, 1);
        if (c.lastFillColumn < 199) {
            EXPECT_NE(pct(b, c.lastFillColumn, 1), pct(b, c.lastFillColumn + 1, 1)) << label << ": the fill ends there";
            EXPECT_EQ(pct(b, c.lastFillColumn + 1, 1), background) << label;
        }
    }
    // A Min that is not a number bounds nothing: refused, as Max refuses it.
    b.setMin(0);
    b.setMax(100);
    b.setValue(50);
    b.setMin(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(b.Min(), 0);
    b.setValue(50);
    EXPECT_EQ(b.LabelText(), "50 %");
    // A press takes the value from the place pressed, inside the range.
    b.setMin(-big);
    b.setMax(big);
    b.setInteractiveControl(true);
    clickAt(b.PictureWindow(), 100, 5);
    EXPECT_EQ(b.Value(), 0);
    clickAt(b.PictureWindow(), 150, 5);
    EXPECT_DOUBLE_EQ(b.Value(), big / 2);
    // Infinite bounds too: a place of the bar's, never a Value that is not a number.
    struct Press {
        double min, max;
        int x;
        double value;
        const char* label;
    };
    const Press presses[] = {
        {-inf, inf, 100, 0, "50 %"}, {-inf, inf, 0, -inf, "0 %"}, {-inf, inf, 199, inf, "100 %"},
        {1, inf, 0, 1, "0 %"}, {1, inf, 150, 0.75 * big, "75 %"}, {-inf, 0, 50, -0.75 * big, "25 %"},
    };
    for (const Press& p : presses) {
        b.setMin(p.min);
        b.setMax(p.max);
        clickAt(b.PictureWindow(), p.x, 5);
        const std::string label = NumberText(p.min) + " to " + NumberText(p.max) + ", x " + std::to_string(p.x);
        EXPECT_DOUBLE_EQ(b.Value(), p.value) << label;
        EXPECT_EQ(b.LabelText(), p.label) << label;
    }
}

TEST_F(BarTest, GradientModesSpanTheWidthOrTheFill)
{
    qelBar& b = bar();
    b.setDisplayLabel(0);
    b.setMin(0);
    b.setLeftColor(0x000000);
    b.setRightColor(0x0000C8); // red 200
    b.setValue(50);            // F = 100.0001
    EXPECT_EQ(plat::gfx::redOf(pct(b, 100, 1)), 100); // half the gradient at the fill's edge
    b.setGradientMode(1);
    EXPECT_EQ(plat::gfx::redOf(pct(b, 100, 1)), 200); // the whole gradient within the fill
    EXPECT_EQ(plat::gfx::redOf(pct(b, 50, 1)), 100);
}

TEST_F(BarTest, AtMinOneColumnIsStillDrawnInLeftColor)
{
    qelBar& b = bar();
    b.setDisplayLabel(0);
    b.setValue(1);
    EXPECT_EQ(pct(b, 0, 5), 0xC85A21u);
    EXPECT_NE(pct(b, 1, 5), 0xC85A21u);
}

TEST_F(BarTest, BackgroundRowsRunFromBackColorBottomAtTheTop)
{
    qelBar& b = bar();
    b.setDisplayLabel(0);
    b.setBackColorBottom(0x000000);
    b.setBackColorTop(0xC8C8C8);
    b.setValue(1);
    EXPECT_EQ(pct(b, 150, 0), 0x000000u);
    // Row y of H = 20 shows y / 20 of the way: row 19 is 190 of 200.
    EXPECT_EQ(pct(b, 150, 19), 0xBEBEBEu);
    EXPECT_EQ(pct(b, 150, 10), 0x646464u);
}

TEST_F(BarTest, TheRingShowsBorderColorOrTheFillReachesTheEdges)
{
    qelBar& b = bar();
    show();
    b.setBorderColor(0x00FF00);
    EXPECT_EQ(screenPixel(50, 50), 0x00FF00u);
    EXPECT_EQ(screenPixel(251, 71), 0x00FF00u);
    EXPECT_EQ(screenPixel(51, 51), 0xC85A21u);
    b.setDisplayBorder(false);
    EXPECT_EQ(b.DrawingWidth(), 202);
    EXPECT_EQ(screenPixel(50, 50), 0xC85A21u);
}

TEST_F(BarTest, PicturesShowOnlyAtTheNextRedrawAndTheFrontCoversTheFillOnly)
{
    qelBar& b = bar();
    b.setDisplayLabel(0);
    b.setMin(0);
    b.setValue(50);
    plat::gfx::Picture front(plat::gfx::Surface(10, 10, plat::gfx::opaque(0x0000FF)));
    b.setFrontPicture(front);
    EXPECT_EQ(pct(b, 0, 5), 0xC85A21u); // not redrawn yet
    b.setForeColor(0);
    EXPECT_EQ(pct(b, 5, 5), 0x0000FFu);
    EXPECT_EQ(pct(b, 99, 5), 0x0000FFu);
    EXPECT_NE(pct(b, 120, 5), 0x0000FFu);
    plat::gfx::Picture back(plat::gfx::Surface(300, 30, plat::gfx::opaque(0x00FF00)));
    b.setBackPicture(back);
    EXPECT_NE(pct(b, 150, 5), 0x00FF00u);
    b.setForeColor(1);
    EXPECT_EQ(pct(b, 150, 5), 0x00FF00u);
}

TEST_F(BarTest, PicturesNamingWhatIsNoRegularFileAreNone)
{
    // Never waited on or read without end.
    TempFolder folder;
    ::mkfifo((folder / "pipe").c_str(), 0666);
    std::filesystem::create_directory(folder / "dir");
    qelBar& b = bar();
    for (const std::string& path : {(folder / "pipe").string(), std::string("/dev/zero"), (folder / "dir").string(), (folder / "missing.png").string()}) {
        b.setBackPicture(plat::forms::PictureRef{path});
        b.setFrontPicture(plat::forms::PictureRef{path});
        EXPECT_TRUE(b.BackPicture().isEmpty()) << path;
        EXPECT_TRUE(b.FrontPicture().isEmpty()) << path;
    }
}

TEST_F(BarTest, UnRefreshControlDoesNotStopRedrawing)
{
    qelBar& b = bar();
    b.setUnRefreshControl(true);
    b.setDisplayLabel(0);
    b.setLeftColor(0x123456);
    EXPECT_EQ(pct(b, 0, 5), 0x123456u);
}

TEST_F(BarTest, PressesSetTheValueWithTheInteractiveButtonOnly)
{
    qelBar& b = bar();
    show();
    b.setInteractiveControl(true);
    take();
    clickAt(b.PictureWindow(), 199, 5);
    EXPECT_EQ(b.Value(), 100);
    EXPECT_EQ(joined(take()), "InteractionComplete 100 50, Change 100 50, ValueIsMax 100, Click");
    clickAt(b.PictureWindow(), 0, 5, 2);
    EXPECT_EQ(b.Value(), 100);
    EXPECT_TRUE(take().empty());
    clickAt(b.PictureWindow(), 0, 5);
    EXPECT_EQ(b.Value(), 1);
    EXPECT_EQ(joined(take()), "InteractionComplete 1 100, Change 1 100, ValueIsMin 1, Click");
    clickAt(b.PictureWindow(), 100, 5);
    EXPECT_DOUBLE_EQ(b.Value(), 1 + 99 * 100 / 200.0);
    b.setInteractiveButton(2);
    take();
    clickAt(b.PictureWindow(), 150, 5);
    EXPECT_DOUBLE_EQ(b.Value(), 50.5);
    clickAt(b.PictureWindow(), 150, 5, 2);
    EXPECT_DOUBLE_EQ(b.Value(), 1 + 99 * 150 / 200.0);
}

TEST_F(BarTest, WithoutInteractionAPressChangesNothingAndRaisesNoMouseDown)
{
    qelBar& b = bar();
    show();
    take();
    clickAt(b.PictureWindow(), 150, 5);
    EXPECT_EQ(b.Value(), 50);
    EXPECT_EQ(joined(take()), "Click");
    const plat::gfx::Point p = screenOf(b.PictureWindow(), 150, 5);
    session.click(p.x, p.y);
    session.settle();
    // The second press of a double click raises only DblClick.
    EXPECT_EQ(joined(take()), "DblClick");
}

TEST_F(BarTest, TheRingGivesTheCommonMouseEvents)
{
    qelBar& b = bar();
    show();
    take();
    const plat::gfx::Point p = screenOf(b.hwnd(), 0, 10);
    session.mouseMove(p.x, p.y);
    session.mouseDown(p.x, p.y, 2);
    session.mouseUp(p.x, p.y, 2);
    session.settle();
    EXPECT_EQ(joined(take()), "MouseDown 2");
}

TEST_F(BarTest, KeysOfTheFocusedBarAreItsKeyEvents)
{
    qelBar& b = bar();
    show();
    clickAt(b.PictureWindow(), 10, 5);
    std::vector<std::string> keys;
    b.KeyDown = [&](int& KeyCode, int&) { keys.push_back("KeyDown " + std::to_string(KeyCode)); };
    b.KeyPress = [&](int& KeyAscii) { keys.push_back("KeyPress " + std::to_string(KeyAscii)); };
    session.keyDown('A');
    session.type("a");
    session.settle();
    EXPECT_EQ(joined(keys), "KeyDown 65, KeyPress 97");
}

TEST_F(BarTest, StoredPropertiesComeInRangeBeforeValue)
{
    PropertyBag stored;
    stored.writeProperty("Min", 10.0, 1.0);
    stored.writeProperty("Max", 20.0, 100.0);
    stored.writeProperty("Value", 15.0, 50.0);
    stored.writeProperty("DisplayLabel", int32_t(2), 1);
    stored.writeProperty("Decimals", int32_t(0), 2);
    qelBar& b = bar(stored);
    EXPECT_EQ(b.Min(), 10);
    EXPECT_EQ(b.Max(), 20);
    EXPECT_EQ(b.Value(), 15);
    EXPECT_EQ(b.LabelText(), "15");
    EXPECT_TRUE(b.Subclassed());
}

TEST_F(BarTest, SavingWritesTheKeysInTheirOrder)
{
    qelBar& b = bar();
    PropertyBag bag;
    bag.setKeepDefaults(true);
    b.writeProperties(bag);
    const std::vector<std::string> keys = bag.keys();
    EXPECT_EQ(joined(keys), "bordercolor, displayborder, decimals, backcolortop, backcolorbottom, leftcolor, rightcolor, min, max, "
                            "offsetx, offsety, alignment, value, interactivecontrol, displaylabel, gradientmode, unrefreshcontrol, "
                            "forecolor, borderstyle, interactivebutton, backpicture, frontpicture, font");
}

TEST_F(BarTest, LabelPlacesFollowTheAlignmentTable)
{
    qelBar& b = bar();
    b.setMin(0);
    b.setValue(0);
    b.setDisplayLabel(2);
    b.setDecimals(0);
    b.setForeColor(0x0000FF);
    auto redBox = [&] {
        plat::gfx::Rect r{1000, 1000, -1, -1};
        for (int y = 0; y < 20; ++y)
            for (int x = 1; x < 200; ++x)
                if (pct(b, x, y) == 0x0000FFu) {
                    r.left = std::min(r.left, x);
                    r.top = std::min(r.top, y);
                    r.right = std::max(r.right, x);
                    r.bottom = std::max(r.bottom, y);
                }
        return r;
    };
    b.setAlignment(1);
    const plat::gfx::Rect topLeft = redBox();
    EXPECT_LT(topLeft.left, 10);
    b.setAlignment(9);
    const plat::gfx::Rect bottomRight = redBox();
    EXPECT_GT(bottomRight.right, 190);
    EXPECT_GE(bottomRight.bottom, topLeft.bottom);
    b.setOffSetX(-20);
    EXPECT_EQ(redBox().right, bottomRight.right - 20);
}

} // namespace
} // namespace qel::testing
