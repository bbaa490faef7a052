#include "container_fixture.h"
#include "event_log.h"
#include "controls/core/gradient.h"
#include "controls/core/qel_check.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_option_button.h"
#include "controls/core/register_core_controls.h"
#include "platform/backend/session.h"
#include "platform/gfx/system_colors.h"
#include "tests/support/source_resources.h"
#include "tests/support/temp_folder.h"
#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace qel::testing {
namespace {

using namespace plat::win;
using plat::gfx::Color;

// A frame at (100, 100), 200 × 100 pixels (3000 × 1500 twips), on a green form. The title
// band is N(250 / 15) = 17 pixel rows high.
class FrameTest : public ContainerTest {
protected:
    static constexpr int kLeft = 100, kTop = 100, kW = 200, kH = 100, kTitleRows = 17;
    static constexpr Color kFormColour = 0x00FF00;
    test_support::SourceResources resources;

    qelFrame& placeFrame(PropertyBag stored = {})
    {
        form.setBackColor(kFormColour);
        qelFrame& f = place<qelFrame>("frm", kLeft, kTop, kW, kH, stored);
        show();
        return f;
    }
    // Without caption or border, so that only the title and the background are drawn.
    static PropertyBag bare()
    {
        PropertyBag b;
        b.writeProperty("Caption", std::string(), "Caption");
        b.writeProperty("DisplayBorder", false, true);
        return b;
    }
    static Color step(Color c1, Color c2, int i, int n) { return GradientStep(SplitColor(int32_t(c1)), SplitColor(int32_t(c2)), i, n); }
    static bool inShape(HWND h, int x, int y)
    {
        const auto& region = sys().get(h)->region;
        return !region || region->contains(x, y);
    }
};

TEST_F(FrameTest, TheTitleBarIsSolidOrAGradientEitherWay)
{
    qelFrame& f = placeFrame(bare());
    const Color t1 = qelFrame::kDefaultTitleColor1, t2 = qelFrame::kDefaultTitleColor2;
    EXPECT_EQ(f.TitleGradient(), 1);
    // Left to right: column x in step x of N(3000 / 15) = 200; the title's left edge is the
    // first colour.
    EXPECT_EQ(imagePixel(f.hwnd(), 0, 8), t1);
    for (int x : {1, 57, 100, 198, 199})
        for (int y : {0, 8, kTitleRows - 1})
            EXPECT_EQ(imagePixel(f.hwnd(), x, y), step(t1, t2, x, kW)) << "column " << x << " row " << y;

    f.setTitleGradient(2);
    for (int y = 0; y < kTitleRows; ++y)
        EXPECT_EQ(imagePixel(f.hwnd(), 120, y), step(t1, t2, y, kTitleRows)) << "row " << y;

    f.setTitleGradient(0);
    for (int y = 0; y < kTitleRows; ++y)
        EXPECT_EQ(imagePixel(f.hwnd(), 150, y), t1) << "row " << y;

    f.setTitleGradient(7);
    EXPECT_EQ(imagePixel(f.hwnd(), 100, 3), step(t1, t2, 100, kW)) << "any other value runs left to right";
}

TEST_F(FrameTest, TheBackgroundStartsAtTheTitlesBottomRow)
{
    qelFrame& f = placeFrame(bare());
    const Color b1 = qelFrame::kDefaultBackColor1, b2 = qelFrame::kDefaultBackColor2;
    // Top to bottom: row y in step y of N(1500 / 15) = 100, drawn from row 17 on.
    for (int y : {kTitleRows, 50, kH - 1})
        EXPECT_EQ(imagePixel(f.hwnd(), 30, y), step(b1, b2, y, kH)) << "row " << y;
    EXPECT_EQ(imagePixel(f.hwnd(), 30, kTitleRows - 1), step(qelFrame::kDefaultTitleColor1, qelFrame::kDefaultTitleColor2, 30, kW));

    f.setBackGradient(1);
    for (int x : {0, 77, kW - 1})
        EXPECT_EQ(imagePixel(f.hwnd(), x, 60), step(b1, b2, x, kW)) << "column " << x;

    // Solid: a box from (15, TitleHeight + 1) to (W - 30, H - 30) twips, corners included.
    f.setBackGradient(0);
    f.setBackColor1(0x0000FF);
    const Color cleared = imagePixel(f.hwnd(), 0, 60);
    EXPECT_NE(cleared, 0x0000FFu);
    for (auto [x, y] : std::initializer_list<std::pair<int, int>>{{1, kTitleRows}, {kW - 2, kH - 2}, {100, 50}})
        EXPECT_EQ(imagePixel(f.hwnd(), x, y), 0x0000FFu) << x << ", " << y;
    for (auto [x, y] : std::initializer_list<std::pair<int, int>>{{0, 50}, {kW - 1, 50}, {100, kH - 1}})
        EXPECT_EQ(imagePixel(f.hwnd(), x, y), cleared) << x << ", " << y;

    f.setShowBackGround(false);
    EXPECT_EQ(imagePixel(f.hwnd(), 100, 50), cleared);
}

TEST_F(FrameTest, WithoutTitleTheCaptionStaysInTheBandUnlessAGradientPaintsOverIt)
{
    PropertyBag b = bare();
    b.writeProperty("Caption", std::string("WWWWWW"), "Caption");
    b.writeProperty("ForeColor", uint32_t(0x0000FF), uint32_t(0xFFFFFF));
    b.writeProperty("ShowTitle", false, true);
    qelFrame& f = placeFrame(b);
    auto captionInk = [&] { return test_support::pixelsOfColor(plat::win::WindowImage(f.hwnd()), {0, 0, kW, kTitleRows}, 0x0000FF); };
    EXPECT_EQ(captionInk(), 0) << "the gradient background starts at row 0 and covers the caption";
    EXPECT_EQ(imagePixel(f.hwnd(), 3, 0), qelFrame::kDefaultBackColor1);

    f.setBackGradient(0);
    EXPECT_GT(captionInk(), 10) << "a solid background starts below the band";
    f.setBackStyle(0);
    EXPECT_GT(screenPixelsOfColor({kLeft, kTop, kLeft + kW, kTop + kTitleRows}, 0x0000FF), 10) << "and on a see-through frame";
}

TEST_F(FrameTest, TheBorderFramesTheWindowsShape)
{
    PropertyBag b;
    b.writeProperty("BreakCorner", false, true);
    qelFrame& f = placeFrame(b);
    const Color border = qelFrame::kDefaultBorderColor;
    struct Case {
        int width;
    } cases[] = {{1}, {3}};
    for (const Case& c : cases) {
        f.setBorderWidth(c.width);
        for (int i = 0; i < c.width; ++i) {
            EXPECT_EQ(imagePixel(f.hwnd(), i, 50), border) << c.width;
            EXPECT_EQ(imagePixel(f.hwnd(), kW - 1 - i, 50), border) << c.width;
            EXPECT_EQ(imagePixel(f.hwnd(), 100, i), border) << c.width;
            EXPECT_EQ(imagePixel(f.hwnd(), 100, kH - 1 - i), border) << c.width;
        }
        EXPECT_NE(imagePixel(f.hwnd(), c.width, 50), border) << c.width;
    }
    EXPECT_FALSE(sys().get(f.hwnd())->region) << "a square frame has no shape of its own";

    f.setBorderWidth(1);
    f.setBreakCorner(true);
    session.settle();
    ASSERT_TRUE(sys().get(f.hwnd())->region);
    EXPECT_FALSE(inShape(f.hwnd(), 0, 0));
    EXPECT_FALSE(inShape(f.hwnd(), kW - 1, kH - 1));
    EXPECT_EQ(screenPixel(kLeft, kTop), kFormColour) << "the cut corner shows the form";
    EXPECT_EQ(WindowFromPoint({kLeft, kTop}), form.hwnd()) << "and clicks there do not reach the frame";
    // Like Windows' own, the rounded shape stops one pixel short of the right and bottom edges.
    int rows = 0;
    for (int y = 0; y < kH; ++y) {
        int first = 0, last = kW - 1;
        while (first < kW && !inShape(f.hwnd(), first, y))
            ++first;
        while (last >= 0 && !inShape(f.hwnd(), last, y))
            --last;
        if (first > last)
            continue;
        ++rows;
        EXPECT_EQ(imagePixel(f.hwnd(), first, y), border) << "row " << y;
        EXPECT_EQ(imagePixel(f.hwnd(), last, y), border) << "row " << y;
    }
    EXPECT_EQ(rows, kH - 1);

    // Square again: the rounded shape goes with it, so the border's corners are not cut.
    f.setBreakCorner(false);
    EXPECT_FALSE(sys().get(f.hwnd())->region);
    EXPECT_EQ(screenPixel(kLeft, kTop), border);
}

TEST_F(FrameTest, NoBorderLeavesTheShapeAlone)
{
    PropertyBag b;
    b.writeProperty("DisplayBorder", false, true);
    qelFrame& f = placeFrame(b);
    EXPECT_FALSE(sys().get(f.hwnd())->region) << "BreakCorner without a border cuts nothing";
    f.setDisplayBorder(true);
    ASSERT_TRUE(sys().get(f.hwnd())->region);
    f.setDisplayBorder(false);
    EXPECT_TRUE(sys().get(f.hwnd())->region) << "the shape set earlier stays";
    EXPECT_NE(imagePixel(f.hwnd(), 100, kH - 1), qelFrame::kDefaultBorderColor);
}

TEST_F(FrameTest, ASeeThroughFrameShowsOnlyWhatItDraws)
{
    PropertyBag b;
    b.writeProperty("BackStyle", int32_t(0), 1);
    b.writeProperty("BreakCorner", false, true);
    qelFrame& f = placeFrame(b);
    qelCheck& inside = placeIn<qelCheck>(f, "inside", 20, 40, 100, 20);
    session.settle();
    EXPECT_EQ(screenPixel(kLeft + 150, kTop + 80), kFormColour) << "the background shows what lies behind";
    EXPECT_EQ(screenPixel(kLeft + 5, kTop + 8), step(qelFrame::kDefaultTitleColor1, qelFrame::kDefaultTitleColor2, 5, kW));
    EXPECT_EQ(screenPixel(kLeft, kTop + 50), qelFrame::kDefaultBorderColor);
    EXPECT_EQ(screenPixel(kLeft + kW - 1, kTop + 50), qelFrame::kDefaultBorderColor);
    EXPECT_EQ(screenPixel(kLeft + 20 + 90, kTop + 40 + 10), imagePixel(inside.hwnd(), 90, 10)) << "controls inside show";
    EXPECT_EQ(imagePixel(inside.hwnd(), 90, 10), 0xC0C0C0u);

    f.setDisplayBorder(false);
    EXPECT_EQ(screenPixel(kLeft, kTop + 50), kFormColour);
    f.setBackStyle(1);
    EXPECT_EQ(screenPixel(kLeft + 150, kTop + 80), step(qelFrame::kDefaultBackColor1, qelFrame::kDefaultBackColor2, 80, kH));
}

// A 16 × 16 picture, red with a blue middle row.
plat::gfx::Picture picture(int w = 16, int h = 16)
{
    plat::gfx::Surface s(w, h, 0xFF0000FFu);
    for (int x = 0; x < w; ++x)
        s.setPixel(x, h / 2, 0xFFFF0000u);
    return plat::gfx::Picture(s);
}

TEST_F(FrameTest, TheColourOrTheGreyPictureShowsByEnabledAndTitle)
{
    qelFrame& f = placeFrame();
    struct Case {
        const char* what;
        bool withPicture;
        bool enabled;
        bool gray;
        bool showTitle;
        bool display;
        bool colourShown, grayShown;
    } cases[] = {
        {"enabled", true, true, true, true, true, true, false},
        {"enabled without title", true, true, true, false, true, true, false},
        {"disabled: the grey copy", true, false, true, true, true, false, true},
        {"disabled, no grey wanted", true, false, false, true, true, true, false},
        {"disabled without title: both kept", true, false, true, false, true, true, false},
        {"disabled without a picture: both kept", false, false, true, true, true, true, false},
        {"DisplayPicture False, enabled", true, true, true, true, false, false, false},
        {"DisplayPicture False, disabled", true, false, true, true, false, false, false},
    };
    for (const Case& c : cases) {
        // Start each case from the enabled look: the colour picture shown.
        f.setDisplayPicture(true);
        f.setShowTitle(true);
        f.setGrayPictureWhenDisabled(true);
        f.setEnabled(true);
        f.setPicture(picture());
        ASSERT_TRUE(f.PCTcolor().Visible());
        if (!c.withPicture)
            f.setPicture(plat::gfx::Picture());
        f.setUnRefreshControl(true);
        f.setGrayPictureWhenDisabled(c.gray);
        f.setShowTitle(c.showTitle);
        f.setDisplayPicture(c.display);
        f.setEnabled(c.enabled);
        f.setUnRefreshControl(false);
        f.Refresh();
        EXPECT_EQ(f.PCTcolor().Visible(), c.colourShown) << c.what;
        EXPECT_EQ(f.PCTgray().Visible(), c.grayShown) << c.what;
    }

    // Once grey, a disabled frame losing its title keeps the grey copy.
    f.setDisplayPicture(true);
    f.setPicture(picture());
    f.setShowTitle(true);
    f.setEnabled(false);
    f.setShowTitle(false);
    EXPECT_TRUE(f.PCTgray().Visible());
    EXPECT_FALSE(f.PCTcolor().Visible());
}

TEST_F(FrameTest, ThePictureSitsInTheTitleBar)
{
    qelFrame& f = placeFrame();
    f.setPicture(picture());
    // Left: PictureOffsetX + 2 × RoundAngle + 30 = 44 twips; top: (250 - 240) / 2 = 5 twips.
    EXPECT_EQ(f.PCTcolor().Left(), 44);
    EXPECT_EQ(f.PCTcolor().Top(), 5);
    EXPECT_EQ(screenPixel(kLeft + 3 + 2, kTop + 0 + 2), 0x0000FFu) << "the picture over the title";
    EXPECT_EQ(screenPixel(kLeft + 3 + 2, kTop + 0 + 8), 0xFF0000u);
    f.setPictureOffsetX(60);
    f.setPictureOffsetY(30);
    EXPECT_EQ(f.PCTcolor().Left(), 104);
    EXPECT_EQ(f.PCTcolor().Top(), 35);
    f.setPictureAlignment(1);
    EXPECT_EQ(f.PCTcolor().Left(), 3000 - 30 - 240 - 14 - 60) << "right: measured from the frame's right edge";

    f.setPictureOffsetY(0);
    f.setPicture(picture(300, 40));
    EXPECT_EQ(f.PCTcolor().Top(), 0) << "taller than the band";
    EXPECT_EQ(f.PCTcolor().Left(), 0) << "wider than the frame, right-aligned";

    f.setPicture(picture());
    f.setPictureAlignment(0);
    f.setPictureOffsetX(0);
    f.setEnabled(false);
    const Color gray = screenPixel(kLeft + 3 + 2, kTop + 2);
    EXPECT_EQ(plat::gfx::redOf(gray), plat::gfx::greenOf(gray));
    EXPECT_EQ(plat::gfx::redOf(gray), 85) << "the grey copy of pure red";
}

TEST_F(FrameTest, ControlsInsideMoveShowHideAndClipWithTheFrame)
{
    qelFrame& f = placeFrame();
    qelCheck& inside = placeIn<qelCheck>(f, "inside", 150, 40, 100, 20); // reaches past the right edge
    inside.setBackColor(0x0000FF);
    session.settle();
    EXPECT_EQ(GetScreenRect(inside.hwnd()).left, kLeft + 150);
    EXPECT_EQ(screenPixel(kLeft + 190, kTop + 41), 0x0000FFu);
    EXPECT_EQ(screenPixel(kLeft + kW + 5, kTop + 41), kFormColour) << "clipped at the frame's edge";

    const int dx = 200, dy = 100;
    f.move(f.left() + dx * 15, f.top() + dy * 15);
    session.settle();
    EXPECT_EQ(GetScreenRect(inside.hwnd()).left, kLeft + dx + 150);
    EXPECT_EQ(GetScreenRect(inside.hwnd()).top, kTop + dy + 40);
    EXPECT_EQ(screenPixel(kLeft + dx + 190, kTop + dy + 41), 0x0000FFu);
    EXPECT_EQ(screenPixel(kLeft + 190, kTop + 41), kFormColour) << "nothing left behind";

    f.setVisible(false);
    session.settle();
    EXPECT_FALSE(IsWindowVisible(inside.hwnd()));
    EXPECT_EQ(screenPixel(kLeft + dx + 190, kTop + dy + 41), kFormColour);
    f.setVisible(true);
    EXPECT_TRUE(IsWindowVisible(inside.hwnd()));

    // The rounded shape clips what is inside as well.
    qelCheck& corner = placeIn<qelCheck>(f, "corner", 0, 0, 30, 30);
    corner.setBackColor(0x0000FF);
    session.settle();
    EXPECT_EQ(screenPixel(kLeft + dx, kTop + dy), kFormColour);
    EXPECT_EQ(screenPixel(kLeft + dx + 5, kTop + dy + 5), 0x0000FFu);
}

// A control that refuses to be disabled.
class Refuser : public plat::forms::UserControl {
public:
    std::string className() const override { return "Refuser"; }
    void setEnabled(bool enabled) override
    {
        if (!enabled)
            throw std::runtime_error("refused");
        UserControl::setEnabled(enabled);
    }
};

TEST_F(FrameTest, EnabledIsPassedOnThroughNestedFrames)
{
    qelFrame& outer = placeFrame();
    placeIn<Refuser>(outer, "refuser", 150, 20, 20, 20);
    qelFrame& inner = placeIn<qelFrame>(outer, "inner", 10, 20, 120, 70);
    qelCheck& deep = placeIn<qelCheck>(inner, "deep", 5, 20, 100, 20);
    qelOptionButton& deepOption = placeIn<qelOptionButton>(inner, "deepOption", 5, 45, 100, 20);
    qelCommand& button = placeIn<qelCommand>(outer, "button", 140, 50, 50, 30);
    qelCheck& outside = place<qelCheck>("outside", 400, 100, 100, 20);
    EventLog events;
    events.watchMouseButtons(outer);
    events.watchKeys(outer);

    outer.setEnabled(false);
    EXPECT_FALSE(outer.Enabled());
    EXPECT_FALSE(inner.Enabled());
    EXPECT_FALSE(deep.Enabled()) << "through the inner frame's own Enabled";
    EXPECT_FALSE(deepOption.Enabled());
    EXPECT_FALSE(button.Enabled()) << "set although a control before it refused";
    EXPECT_TRUE(outside.Enabled());
    EXPECT_TRUE(IsWindowEnabled(outer.hwnd())) << "the frame's window stays enabled";

    session.click(kLeft + 180, kTop + 90);
    SendMessage(outer.hwnd(), WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(events.take(), (Log{"MouseDown 1", "MouseUp 1", "KeyDown 65"})) << "a disabled frame still raises its events";
    session.click(kLeft + 10 + 5 + 50, kTop + 20 + 20 + 10);
    EXPECT_EQ(deep.Value(), 0) << "the box inside does not toggle";

    outer.setEnabled(true);
    EXPECT_TRUE(inner.Enabled());
    EXPECT_TRUE(deep.Enabled());
    EXPECT_TRUE(button.Enabled());
    session.click(kLeft + 10 + 5 + 50, kTop + 20 + 20 + 10);
    EXPECT_EQ(deep.Value(), 1);
}

TEST_F(FrameTest, TheFrameTakesNoFocusAndHasNoLookForTheMouse)
{
    qelFrame& f = placeFrame();
    qelCheck& inside = placeIn<qelCheck>(f, "inside", 20, 40, 100, 20);
    session.settle();
    EXPECT_EQ(sys().nextInTabOrder(form.hwnd(), true), inside.hwnd()) << "the frame is no tab stop";
    SetFocus(form.hwnd());
    EventLog events;
    events.watchHover(f);
    const plat::gfx::Surface before = WindowImage(f.hwnd());
    session.mouseMove(kLeft + 150, kTop + 80);
    session.advance(5);
    session.mouseMove(kLeft + 151, kTop + 80);
    session.advance(5);
    session.mouseMove(900, 700);
    session.settle();
    EXPECT_EQ(events.take(), (Log{"MouseHover", "MouseLeave"}));
    EXPECT_TRUE(f.ImageCurrent()) << "a leave leaves the image alone";
    EXPECT_EQ(WindowImage(f.hwnd()).pixels(), before.pixels());
    session.click(kLeft + 150, kTop + 80);
    session.settle();
    EXPECT_EQ(GetFocus(), form.hwnd()) << "a click does not give the frame the focus";
}

TEST_F(FrameTest, UnRefreshControlFreezesTheImage)
{
    qelFrame& f = placeFrame();
    const plat::gfx::Surface before = WindowImage(f.hwnd());
    f.setUnRefreshControl(true);
    f.setTitleColor1(0x0000FF);
    f.setCaption("Other");
    f.move(f.left(), f.top(), f.width() + 150, f.height());
    f.Refresh();
    EXPECT_EQ(WindowImage(f.hwnd()).colorAt(1, 8), before.colorAt(1, 8));
    EXPECT_EQ(WindowImage(f.hwnd()).colorAt(100, 50), before.colorAt(100, 50));
    f.setUnRefreshControl(false);
    session.settle();
    EXPECT_EQ(WindowImage(f.hwnd()).colorAt(1, 8), before.colorAt(1, 8)) << "no redraw by itself";
    f.setBorderWidth(1);
    EXPECT_EQ(WindowImage(f.hwnd()).colorAt(1, 8), step(0x0000FF, qelFrame::kDefaultTitleColor2, 1, kW + 10))
        << "the next change redraws";
}

TEST_F(FrameTest, SystemColoursReadBackAsTheirValuesAfterTheFirstDrawing)
{
    PropertyBag b;
    b.writeProperty("BorderColor", plat::gfx::systemColorCode(plat::gfx::ColorHighlight), qelFrame::kDefaultBorderColor);
    b.writeProperty("ForeColor", plat::gfx::systemColorCode(plat::gfx::ColorWindowText), uint32_t(0xFFFFFF));
    b.writeProperty("BreakCorner", false, true);
    qelFrame& f = placeFrame(b);
    EXPECT_EQ(f.BorderColor(), plat::gfx::systemColor(plat::gfx::ColorHighlight));
    EXPECT_EQ(f.ForeColor(), plat::gfx::systemColor(plat::gfx::ColorWindowText));
    EXPECT_EQ(imagePixel(f.hwnd(), 0, 50), plat::gfx::systemColor(plat::gfx::ColorHighlight));
}

TEST_F(FrameTest, PropertiesAreStoredInTheirOrderAndANewFrameHasTheDefaults)
{
    qelFrame& f = placeFrame();
    qelFrame& fresh = placeNew<qelFrame>("fresh", 400, 100, 100, 100);
    EXPECT_TRUE(fresh.ImageCurrent()) << "a new frame draws itself";
    EXPECT_FALSE(fresh.Subclassed());
    PropertyBag freshBag, storedBag;
    fresh.writeProperties(freshBag);
    f.writeProperties(storedBag);
    EXPECT_TRUE(freshBag.empty()) << freshBag.data().dump();
    EXPECT_TRUE(storedBag.empty()) << storedBag.data().dump();

    f.setUnRefreshControl(true);
    f.setBackColor1(1);
    f.setBackColor2(2);
    f.setBackGradient(0);
    f.setBackStyle(0);
    f.setCaption("计时");
    plat::forms::FontDesc font = f.Font();
    font.size = 20;
    f.setFont(font);
    f.setForeColor(3);
    f.setShowBackGround(false);
    f.setShowTitle(false);
    f.setTextPosition(0);
    f.setTitleColor1(4);
    f.setTitleColor2(5);
    f.setTitleGradient(2);
    f.setTitleHeight(300);
    f.setEnabled(false);
    f.setBorderColor(6);
    f.setDisplayBorder(false);
    f.setBreakCorner(false);
    f.setPicture(plat::forms::PictureRef{"test/picture.png"});
    f.setRoundAngle(9);
    f.setBorderWidth(2);
    f.setPictureAlignment(1);
    f.setDisplayPicture(false);
    f.setPictureOffsetX(7);
    f.setPictureOffsetY(8);
    f.setGrayPictureWhenDisabled(false);
    EXPECT_TRUE(f.PCTcolor().HasPicture()) << "the stored picture loads from the resources folder";
    f.writeProperties(storedBag);
    const std::vector<std::string> keys = storedBag.keys();
    EXPECT_EQ(keys, (std::vector<std::string>{"unrefreshcontrol", "backcolor1", "backcolor2", "backgradient", "backstyle", "caption",
                        "font", "forecolor", "showbackground", "showtitle", "textposition", "titlecolor1", "titlecolor2",
                        "titlegradient", "titleheight", "enabled", "bordercolor", "displayborder", "breakcorner", "picture",
                        "roundangle", "borderwidth", "picturealignment", "displaypicture", "pictureoffsetx", "pictureoffsety",
                        "graypicturewhendisabled"}));

    qelFrame& again = place<qelFrame>("again", 400, 300, 100, 100, storedBag);
    PropertyBag round;
    again.writeProperties(round);
    EXPECT_EQ(round.data(), storedBag.data()) << "everything comes back";
    EXPECT_EQ(again.Caption(), "计时");
    EXPECT_EQ(again.Font().size, 20);
    EXPECT_TRUE(again.PCTcolor().HasPicture());
}

} // namespace
} // namespace qel::testing

namespace qel::testing {
namespace {

// A frame stored disabled disables what is stored inside it, through a nested frame, although
// its controls are placed only after it has read its own properties.
TEST(FrameLayoutTest, AFrameStoredDisabledDisablesTheControlsStoredInsideIt)
{
    plat::backend::HeadlessSession session;
    registerCoreControls();
    const TempFolder scratch("qel-disabled-frame-layout-XXXXXX");
    const std::filesystem::path file = scratch / "layout.json";
    std::ofstream(file) << R"({ "form": "dlg", "controls": [
        { "class": "qelFrame", "name": "outer", "extender": { "left": 300, "top": 300, "width": 4000, "height": 3000 },
          "properties": { "enabled": false },
          "controls": [
            { "class": "qelCheck", "name": "chk", "extender": { "left": 150, "top": 450, "width": 1500, "height": 300 } },
            { "class": "qelFrame", "name": "inner", "extender": { "left": 150, "top": 900, "width": 3000, "height": 1500 },
              "controls": [
                { "class": "qelCommand", "name": "btn", "extender": { "left": 150, "top": 450, "width": 1200, "height": 400 } } ] } ] },
        { "class": "qelCheck", "name": "outside", "extender": { "left": 5000, "top": 300, "width": 1500, "height": 300 } } ] })";
    plat::forms::Form dlg("dlg", file);
    dlg.load();
    EXPECT_FALSE(dlg.get<qelCheck>("chk").Enabled());
    EXPECT_FALSE(dlg.get<qelFrame>("inner").Enabled());
    EXPECT_FALSE(dlg.get<qelCommand>("btn").Enabled());
    EXPECT_TRUE(dlg.get<qelCheck>("outside").Enabled());
    dlg.unload();
}

} // namespace
} // namespace qel::testing

namespace qel::testing {
namespace {

// Enabled stored with a control's extender holds although the control keeps Enabled among its
// own properties (and reads them after the extender); its own stored Enabled wins over both.
TEST(FrameLayoutTest, EnabledStoredWithTheExtenderHoldsForDrawnControls)
{
    plat::backend::HeadlessSession session;
    registerCoreControls();
    const TempFolder scratch("qel-extender-enabled-layout-XXXXXX");
    const std::filesystem::path file = scratch / "layout.json";
    std::ofstream(file) << R"({ "form": "dlg", "controls": [
        { "class": "qelCommand", "name": "off", "extender": { "left": 300, "top": 300, "width": 1200, "height": 400, "enabled": false } },
        { "class": "qelCommand", "name": "on", "extender": { "left": 300, "top": 900, "width": 1200, "height": 400 } },
        { "class": "qelCheck", "name": "own", "extender": { "left": 300, "top": 1500, "width": 1200, "height": 300, "enabled": false },
          "properties": { "enabled": true } } ] })";
    plat::forms::Form dlg("dlg", file);
    dlg.load();
    EXPECT_FALSE(dlg.get<qelCommand>("off").Enabled());
    EXPECT_TRUE(dlg.get<qelCommand>("on").Enabled());
    EXPECT_TRUE(dlg.get<qelCheck>("own").Enabled());
    dlg.unload();
}

} // namespace
} // namespace qel::testing
