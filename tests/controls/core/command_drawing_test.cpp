#include "controls_fixture.h"
#include "controls/core/qel_command.h"
#include "platform/forms/fonts.h"
#include "platform/gfx/system_colors.h"
#include <cmath>

namespace qel::testing {
namespace {

using namespace plat::win;
using plat::gfx::Picture;
using plat::gfx::Surface;

// Buttons of 100 × 30 pixels (1500 × 450 twips): n = 30 gradient rows, 100 columns.
class CommandDrawingTest : public ControlsTest {
protected:
    qelCommand& button(PropertyBag stored = {})
    {
        ++m_count;
        qelCommand& k = place<qelCommand>("k" + std::to_string(m_count), 20, 20 + 40 * m_count, 100, 30, stored);
        show();
        SetFocus(form.hwnd()); // no focus frame unless a test asks for it
        session.settle();
        return k;
    }
    static PropertyBag noCaption()
    {
        PropertyBag b;
        b.writeProperty("Caption", std::string(), std::string("x"));
        return b;
    }
    static Picture picture(int w, int h, uint32_t pixel) { return Picture(Surface(w, h, pixel)); }

private:
    int m_count = 0;
};

TEST_F(CommandDrawingTest, DefaultGradientRowsAndBorder)
{
    qelCommand& k = button(noCaption());
    const RGBRecord c1 = SplitColor(0xFBFBFB), c2 = SplitColor(0xDCDCDC);
    for (int y = 1; y < 28; ++y)
        EXPECT_EQ(imagePixel(k.hwnd(), 10, y), GradientStep(c1, c2, y, 30)) << y;
    EXPECT_EQ(GradientStep(c1, c2, 30, 30), 0xDCDCDCu) << "the second colour is reached at row n, below the surface";
    // The border lies inside the rounded shape, which like Windows' stops one pixel short.
    struct Px {
        int x, y;
    } border[] = {{50, 0}, {0, 15}, {98, 15}, {50, 28}};
    for (const Px& p : border)
        EXPECT_EQ(imagePixel(k.hwnd(), p.x, p.y), 0x733C00u) << p.x << "," << p.y;
}

TEST_F(CommandDrawingTest, PushedFaceRunsFromThePushedColours)
{
    qelCommand& k = button(noCaption());
    k.setFocus();
    session.settle();
    session.keyDown(VK_SPACE);
    EXPECT_EQ(imagePixel(k.hwnd(), 10, 1), GradientStep(SplitColor(0xC8C8C8), SplitColor(0xEBEBEB), 1, 30));
    EXPECT_EQ(imagePixel(k.hwnd(), 10, 27), GradientStep(SplitColor(0xC8C8C8), SplitColor(0xEBEBEB), 27, 30));
    EXPECT_EQ(GradientStep(SplitColor(0xC8C8C8), SplitColor(0xEBEBEB), 0, 30), 0xC8C8C8u);
    session.keyUp(VK_SPACE);
}

TEST_F(CommandDrawingTest, ColumnsFromRedToBluePassThroughPurple)
{
    qelCommand& k = button(noCaption());
    k.setBackGradient(1);
    k.setBackColor1(0x0000FF);
    k.setBackColor2(0xFF0000);
    const Color left = imagePixel(k.hwnd(), 10, 10), middle = imagePixel(k.hwnd(), 50, 10), right = imagePixel(k.hwnd(), 90, 10);
    EXPECT_EQ(left, GradientStep(SplitColor(0xFF), SplitColor(0xFF0000), 10, 100));
    EXPECT_EQ(middle, 0x800080u);
    EXPECT_GT(plat::gfx::redOf(left), plat::gfx::redOf(right));
    EXPECT_LT(plat::gfx::blueOf(left), plat::gfx::blueOf(right));
    k.setBackGradient(7);
    EXPECT_EQ(imagePixel(k.hwnd(), 50, 10), 0x800080u) << "any other value draws as 1";
}

TEST_F(CommandDrawingTest, FlatFaceIsBackColor1OrBackColor2WhilePushed)
{
    qelCommand& k = button(noCaption());
    k.setBackGradient(0);
    k.setBackColor1(0x112233);
    k.setBackColor2(0x445566);
    EXPECT_EQ(imagePixel(k.hwnd(), 10, 10), 0x112233u);
    EXPECT_EQ(imagePixel(k.hwnd(), 97, 15), 0x112233u) << "the box ends inside the border";
    EXPECT_EQ(imagePixel(k.hwnd(), 50, 27), 0x112233u);
    // With a square border the box reaches the border: the fill includes its end corner.
    k.setBreakCorner(false);
    EXPECT_EQ(imagePixel(k.hwnd(), 98, 15), 0x112233u);
    EXPECT_EQ(imagePixel(k.hwnd(), 50, 28), 0x112233u);
    k.setBreakCorner(true);
    k.setFocus();
    session.settle();
    session.keyDown(VK_SPACE);
    EXPECT_EQ(imagePixel(k.hwnd(), 10, 10), 0x445566u);
    session.keyUp(VK_SPACE);
}

TEST_F(CommandDrawingTest, HoverAndFocusFramesLineByLine)
{
    qelCommand& k = button(noCaption());
    // One point on each of the eight lines, where no other line crosses it.
    struct Px {
        int x, y;
        Color hover, focus;
    } lines[] = {
        {1, 10, 0x31B2FF, 0xE7AE8C},  // 1: (15, 60)-(15, H-60)
        {97, 10, 0x31B2FF, 0xE7AE8C}, // 2: (W-45, 60)-(W-45, H-60)
        {50, 26, 0x31B2FF, 0xE7AE8C}, // 3: (30, H-60)-(W-45, H-60)
        {50, 27, 0x96E7, 0xEF826B},   // 4: (45, H-45)-(W-60, H-45)
        {2, 10, 0x6BCBFF, 0xF0D1B5},  // 5: (30, 30)-(30, H-60)
        {96, 10, 0x6BCBFF, 0xF0D1B5}, // 6: (W-60, 30)-(W-60, H-60)
        {50, 2, 0x89D8FD, 0xF7D7BD},  // 7: (30, 30)-(W-45, 30)
        {50, 1, 0x96E6FF, 0xFFE7CE},  // 8: (60, 15)-(W-75, 15)
    };
    k.setFocus();
    session.settle();
    for (const Px& p : lines)
        EXPECT_EQ(imagePixel(k.hwnd(), p.x, p.y), p.focus) << "focus " << p.x << "," << p.y;
    const plat::gfx::Rect r = GetScreenRect(k.hwnd());
    session.mouseMove(r.left + 30, r.top + 15);
    session.advance(5);
    for (const Px& p : lines)
        EXPECT_EQ(imagePixel(k.hwnd(), p.x, p.y), p.hover) << "hover " << p.x << "," << p.y;
    // Ends of the lines: the last point is not drawn.
    EXPECT_EQ(imagePixel(k.hwnd(), 1, 4), 0x31B2FFu);
    EXPECT_NE(imagePixel(k.hwnd(), 1, 3), 0x31B2FFu);
    EXPECT_EQ(imagePixel(k.hwnd(), 50, 1), 0x96E6FFu);
    EXPECT_NE(imagePixel(k.hwnd(), 95, 1), 0x96E6FFu);
    // Leaving repaints and, with the focus still here, draws the focus frame again.
    session.mouseMove(600, 500);
    EXPECT_EQ(imagePixel(k.hwnd(), 1, 10), 0xE7AE8Cu);
}

TEST_F(CommandDrawingTest, FramesFollowTheirSwitches)
{
    qelCommand& k = button(noCaption());
    k.setDrawFocus(false);
    k.setFocus();
    session.settle();
    EXPECT_NE(imagePixel(k.hwnd(), 1, 10), 0xE7AE8Cu);
    k.setDrawMouseInRect(false);
    const plat::gfx::Rect r = GetScreenRect(k.hwnd());
    session.mouseMove(r.left + 30, r.top + 15);
    session.advance(5);
    EXPECT_NE(imagePixel(k.hwnd(), 1, 10), 0x31B2FFu);
}

TEST_F(CommandDrawingTest, RoundedCornersAreCutFromTheWindow)
{
    qelCommand& k = button(noCaption());
    const plat::gfx::Rect r = GetScreenRect(k.hwnd());
    EXPECT_NE(WindowFromPoint({r.left, r.top}), k.hwnd()) << "the cut corner does not reach the button";
    EXPECT_NE(WindowFromPoint({r.right - 1, r.top + 15}), k.hwnd()) << "one pixel short on the right";
    EXPECT_EQ(WindowFromPoint({r.left + 3, r.top + 3}), k.hwnd());
    EXPECT_EQ(WindowFromPoint({r.left, r.top + 15}), k.hwnd());
    int clicks = 0;
    k.Click = [&] { ++clicks; };
    session.click(r.left, r.top);
    EXPECT_EQ(clicks, 0);
    session.click(r.left + 5, r.top + 5);
    EXPECT_EQ(clicks, 1);
}

TEST_F(CommandDrawingTest, TurningBreakCornerOffRemovesTheShapeSoAResizeIsNotClipped)
{
    qelCommand& k = button(noCaption());
    ASSERT_TRUE(sys().get(k.hwnd())->region.has_value());
    k.setBreakCorner(false);
    EXPECT_FALSE(sys().get(k.hwnd())->region.has_value());
    EXPECT_EQ(imagePixel(k.hwnd(), 99, 15), 0x733C00u) << "the square border takes the full width";
    k.move(k.left(), k.top(), k.width() + 600, k.height() + 300);
    session.settle();
    const plat::gfx::Rect r = GetScreenRect(k.hwnd());
    EXPECT_EQ(r.width(), 140);
    EXPECT_EQ(WindowFromPoint({r.right - 1, r.bottom - 1}), k.hwnd());
    EXPECT_EQ(screenPixel(r.right - 1, r.bottom - 1), 0x733C00u);
}

TEST_F(CommandDrawingTest, DisabledFaceCaptionAndGrayPicture)
{
    qelCommand& k = button();
    k.setPicture(picture(8, 8, 0xFF0000FFu));
    k.setEnabled(false);
    EXPECT_EQ(imagePixel(k.hwnd(), 10, 25), 0xE7E7E7u) << "DisabledBackColor";
    EXPECT_GT(countColour(k.hwnd(), 0x979797), 0) << "the caption in gray";
    EXPECT_TRUE(k.PCTgray().Visible());
    EXPECT_FALSE(k.PCTcolor().Visible());
    EXPECT_GT(countColour(k.hwnd(), 0x555555), 40) << "the gray copy of the red picture: 255 / 3 = 85";
    EXPECT_EQ(countColour(k.hwnd(), 0x0000FF), 0);

    k.setGrayPictureWhenDisabled(false);
    EXPECT_TRUE(k.PCTcolor().Visible());
    EXPECT_FALSE(k.PCTgray().Visible());
    EXPECT_GT(countColour(k.hwnd(), 0x0000FF), 40);

    k.setEnabled(true);
    EXPECT_EQ(countColour(k.hwnd(), 0x979797), 0);
    EXPECT_GT(countColour(k.hwnd(), 0x733C00), 0);
}

TEST_F(CommandDrawingTest, PictureLeftOfTheCaptionAndClampedToTheEdge)
{
    qelCommand& k = button();
    k.setPicture(picture(8, 8, 0xFF00FF00u));
    const double tw = k.PCTcolor().Width(); // 120 twips
    EXPECT_EQ(tw, 120);
    EXPECT_EQ(k.PCTcolor().Top(), int(std::lrint((450 - 120) / 2.0)));
    const double textWidth = plat::forms::openFont(k.Font()).textSize(k.Caption()).width * 15.0;
    EXPECT_EQ(k.PCTcolor().Left(), int(std::lrint((1500 - textWidth) / 2 - tw - 4))) << "the colour picture sits 4 twips further left";
    k.setEnabled(false);
    EXPECT_EQ(k.PCTgray().Left(), int(std::lrint((1500 - textWidth) / 2 - tw)));
    k.setEnabled(true);
    const int leftBefore = k.PCTcolor().Left();
    k.setPictureOffsetX(30);
    EXPECT_EQ(k.PCTcolor().Left(), leftBefore + 30);

    k.setPicture(picture(150, 40, 0xFF00FF00u)); // wider and taller than the button
    EXPECT_EQ(k.PCTcolor().Left(), 0);
    EXPECT_EQ(k.PCTcolor().Top(), 0);

    k.setPicture(Picture());
    EXPECT_FALSE(k.PCTcolor().Visible());
    EXPECT_FALSE(k.PCTgray().Visible());
    EXPECT_EQ(countColour(k.hwnd(), 0x00FF00), 0);
}

TEST_F(CommandDrawingTest, TextPositionsAndDataCaptions)
{
    qelCommand& k = button();
    auto face = [&] { return WindowImage(k.hwnd()).pixels(); };
    k.setTextPosition(0);
    const auto left = face();
    k.setTextPosition(5);
    EXPECT_EQ(face(), left) << "any other value draws left";
    k.setTextPosition(1);
    EXPECT_NE(face(), left);
    k.setTextPosition(2);
    EXPECT_NE(face(), left);

    k.setCaption("A&&B");
    const auto doubled = face();
    k.setCaption("A&B");
    EXPECT_NE(face(), doubled) << "a designed caption keeps the mnemonic rule";
    k.setUseMnemonic(false);
    EXPECT_EQ(face(), doubled) << "a data caption shows its \"&\"";
}

TEST_F(CommandDrawingTest, ASystemColourReadsBackAsItsValueAfterARepaint)
{
    qelCommand& k = button();
    k.setBackColor1(plat::gfx::systemColorCode(plat::gfx::ColorBtnFace));
    EXPECT_EQ(k.BackColor1(), plat::gfx::systemColor(plat::gfx::ColorBtnFace));
    k.setBackColorPushed1(plat::gfx::systemColorCode(plat::gfx::ColorHighlight));
    EXPECT_TRUE(plat::gfx::isSystemColorCode(k.BackColorPushed1())) << "the pushed colours are translated while pushed";
    k.setDisabledBackColor(plat::gfx::systemColorCode(plat::gfx::ColorWindow));
    k.setEnabled(false);
    EXPECT_TRUE(plat::gfx::isSystemColorCode(k.DisabledBackColor())) << "DisabledBackColor keeps what was set";
    EXPECT_EQ(imagePixel(k.hwnd(), 10, 10), plat::gfx::systemColor(plat::gfx::ColorWindow));
}

TEST_F(CommandDrawingTest, UnRefreshControlStoresButDrawsNothing)
{
    qelCommand& k = button();
    const auto before = WindowImage(k.hwnd()).pixels();
    k.setUnRefreshControl(true);
    k.setCaption("Other");
    k.setBackColor1(0x0000FF);
    k.Refresh(true);
    EXPECT_EQ(k.Caption(), "Other");
    EXPECT_EQ(WindowImage(k.hwnd()).pixels(), before);
}

} // namespace
} // namespace qel::testing
