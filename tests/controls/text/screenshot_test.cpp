// Draws a test form with text boxes and both public bars, saves the screen (the whole form, the bars
// enlarged and the caption boxes enlarged) and checks the saved pixels.
#include "controls/text/qel_h_scroll.h"
#include "controls/text/qel_v_scroll.h"
#include "tests/support/screenshot_folder.h"
#include "platform/gfx/system_colors.h"
#include "scroll_bar_helpers.h"
#include "text_box_helpers.h"

namespace qel::testing {
namespace {

using namespace plat::win;

TEST_F(TextControlsTest, ScreenshotOfTextBoxesAndScrollBars)
{
    form.setBackColor(0xF0F0F0);
    // A multi-line box with a turned caption on a gradient, margins, both bars and a selection.
    qelTextBox& notes = place<qelTextBox>("notes", 20, 20, 300, 140,
        BoxProps()
            .set("MultiLine", true)
            .set("LegendType", int32_t(1))
            .set("LegendWidth", int32_t(330))
            .set("LegendGradient", int32_t(2))
            .set("LegendText", std::string("备注 Notes"))
            .set("LegendAlignmentY", int32_t(2))
            .bag);
    notes.setLegendBackColor1(0xF7E9DF);
    notes.setLegendBackColor2(0xD9A585);
    notes.setLegendForeColor(0x733C00);
    notes.setLeftMargin(6);
    notes.setRightMargin(6);
    std::string text = "第一节 比赛开始 — the first period starts at 12:00 and runs without a break to the buzzer\r\n";
    for (int i = 2; i <= 14; ++i)
        text += "Line " + std::to_string(i) + ": 主队 " + std::to_string(i * 2) + " : " + std::to_string(i * 3) + " 客队\r\n";
    text += "last line";
    notes.setText(text);
    session.settle();
    notes.Text1(notes.ActiveElement()).setFocus();
    session.settle();
    notes.setSelStart(8);
    notes.setSelLength(12);
    notes.HS().setValue(Whole(0));

    // A box with line numbers and a level caption box, single-line, as the title dialog has them.
    qelTextBox& numbers = place<qelTextBox>("numbers", 340, 20, 220, 140,
        BoxProps().set("MultiLine", true).set("LegendType", int32_t(2)).set("LegendAutosize", true).set("ScrollBars", int32_t(2)).bag);
    numbers.setLegendForeColor(0x0000C0);
    numbers.setText(numberedLines(25));
    numbers.setFirstVisibleLine(4);
    qelTextBox& title = place<qelTextBox>("title", 20, 180, 300, 28,
        BoxProps()
            .set("ScrollBars", int32_t(0))
            .set("Alignment", int32_t(2))
            .set("LegendType", int32_t(1))
            .set("LegendOrientation", int32_t(1))
            .set("LegendAlignmentX", int32_t(0))
            .set("LegendAutosize", true)
            .set("LegendText", std::string("标题"))
            .set("Text", std::string("2026 全国篮球联赛")).bag);
    title.setLegendForeColor(0x000000);

    // The public bars: a horizontal one at 30, a vertical one paging toward Max (the button held
    // in its track), and a disabled one.
    qelHScroll& across = place<qelHScroll>("across", 20, 230, 300, 17);
    across.setValue(Whole(30));
    qelVScroll& down = place<qelVScroll>("down", 580, 20, 17, 200);
    qelHScroll& disabled = place<qelHScroll>("disabled", 20, 260, 300, 17);
    disabled.setEnabled(false);
    session.mouseMove(588, 180);
    session.mouseDown(588, 180);
    // The press took the focus; give it back to the notes so their selection shows.
    notes.Text1(notes.ActiveElement()).setFocus();
    session.settle();

    const test_support::ScreenshotFolder shots;
    const plat::gfx::Surface& screen = session.windows().screen();
    const plat::gfx::Surface shot = shots.save(screen, "qel_text_controls.png");
    ASSERT_EQ(shot.pixels(), screen.pixels());
    EXPECT_FALSE(shots.save(test_support::zoomed(screen, {15, 225, 330, 282}, 4), "qel_text_bars_zoom.png").isEmpty());
    EXPECT_FALSE(shots.save(test_support::zoomed(screen, {15, 15, 325, 215}, 3), "qel_text_box_zoom.png").isEmpty());

    using plat::gfx::Rect;
    using plat::gfx::toRgb;
    using test_support::pixelsOfColor;
    // The selection fills part of the first line of the notes, and only that line.
    const plat::gfx::Color highlight = plat::gfx::systemColor(plat::gfx::ColorHighlight);
    EXPECT_GT(pixelsOfColor(shot, Rect{44, 22, 300, 37}, highlight), 500);
    EXPECT_EQ(pixelsOfColor(shot, Rect{44, 37, 300, 140}, highlight), 0);
    // The turned caption: its gradient runs from the first colour at the top to the second at
    // the bottom, with its text in the caption's colour.
    EXPECT_LE(test_support::colorDistance(shot.colorAt(30, 21), toRgb(notes.LegendBackColor1())), 3);
    EXPECT_LE(test_support::colorDistance(shot.colorAt(30, 158), toRgb(notes.LegendBackColor2())), 3);
    EXPECT_GT(pixelsOfColor(shot, Rect{21, 21, 43, 159}, toRgb(notes.LegendForeColor())), 100);
    // The line numbers in the caption colour, beside the lines and not in them.
    EXPECT_GT(pixelsOfColor(shot, Rect{341, 21, 358, 159}, 0x0000C0), 100);
    EXPECT_EQ(pixelsOfColor(shot, Rect{358, 21, 540, 159}, 0x0000C0), 0);
    // The held vertical bar pages toward Max: the track between the thumb and the press shows
    // its paging colour, the track above the thumb does not.
    EXPECT_EQ(shot.colorAt(588, 180), toRgb(down.LargeChangeColor()));
    EXPECT_EQ(pixelsOfColor(shot, Rect{582, 40, 595, 120}, toRgb(down.LargeChangeColor())), 0);
    // The enabled horizontal bar shows its thumb at 30; the disabled one has none.
    EXPECT_GT(pixelsOfColor(shot, Rect{38, 231, 302, 246}, toRgb(across.FrontColor())), 200);
    EXPECT_EQ(pixelsOfColor(shot, Rect{38, 261, 302, 276}, toRgb(across.FrontColor())), 0);
    session.mouseUp(588, 180);
    EXPECT_EQ(across.Value(), Whole(30));
    EXPECT_GT(down.Value(), Whole(50));
}

} // namespace
} // namespace qel::testing
