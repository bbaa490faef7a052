// Draws a test form with text boxes and both public bars and saves the screen, so the look can
// be checked by eye: /tmp/qel_text_controls.png, the bars enlarged in /tmp/qel_text_bars_zoom.png
// and the caption boxes in /tmp/qel_text_box_zoom.png.
#include "controls/text/qel_h_scroll.h"
#include "controls/text/qel_v_scroll.h"
#include "platform/gfx/picture.h"
#include "scroll_bar_helpers.h"
#include "text_box_helpers.h"

namespace qel::testing {
namespace {

using namespace plat::win;

plat::gfx::Surface zoomed(const plat::gfx::Surface& screen, plat::gfx::Rect part, int factor)
{
    plat::gfx::Surface out(part.width() * factor, part.height() * factor);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, screen.pixel(part.left + x / factor, part.top + y / factor));
    return out;
}

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

    const plat::gfx::Surface& screen = session.windows().screen();
    ASSERT_TRUE(plat::gfx::savePng(screen, "/tmp/qel_text_controls.png"));
    ASSERT_TRUE(plat::gfx::savePng(zoomed(screen, {15, 225, 330, 282}, 4), "/tmp/qel_text_bars_zoom.png"));
    ASSERT_TRUE(plat::gfx::savePng(zoomed(screen, {15, 15, 325, 215}, 3), "/tmp/qel_text_box_zoom.png"));
    session.mouseUp(588, 180);
    EXPECT_EQ(across.Value(), Whole(30));
    EXPECT_GT(down.Value(), Whole(50));
}

} // namespace
} // namespace qel::testing
