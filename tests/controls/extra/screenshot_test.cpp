// Draws a test form with the bars (progress and slider), spin controls and list boxes and saves
// the screen to /tmp/qel_extra_controls.png, so the look can be checked by eye.
#include "controls/extra/number_text.h"
#include "controls/extra/qel_bar.h"
#include "controls/extra/qel_list_box.h"
#include "controls/extra/qel_up_down.h"
#include "extra_fixture.h"
#include "platform/gfx/picture.h"

namespace qel::testing {
namespace {

TEST_F(ExtraTest, ScreenshotOfBarsSpinControlsAndListBoxes)
{
    form.setBackColor(0xF0F0F0);
    qelBar& progress = place<qelBar>("progress", 20, 20, 302, 24);
    progress.setValue(67);
    qelBar& slider = place<qelBar>("slider", 20, 60, 302, 24);
    slider.setInteractiveControl(true);
    slider.setDisplayLabel(3);
    slider.setGradientMode(1);
    slider.setLeftColor(0x2080FF);
    slider.setRightColor(0x20C0FF);
    slider.setAlignment(6);
    slider.setOffSetX(-4);
    qelBar& sunken = place<qelBar>("sunken", 20, 100, 302, 24);
    sunken.setBorderStyle(1);
    sunken.setDisplayBorder(false);
    sunken.setDisplayLabel(2);
    sunken.setValue(25);

    qelUpDown& stacked = place<qelUpDown>("stacked", 350, 20, 17, 34);
    qelUpDown& sideBySide = place<qelUpDown>("sideBySide", 380, 20, 40, 20);
    sideBySide.setDirection(2);
    qelUpDown& big = place<qelUpDown>("big", 440, 20, 30, 60);
    (void)stacked;
    (void)big;

    qelListBox& list = place<qelListBox>("list", 20, 150, 240, 150);
    for (const char* t : {"主队 Home", "客队 Guest", "第一节 Period 1", "第二节 Period 2", "暂停 Time-out", "犯规 Foul", "加时 Overtime",
             "结束 End", "裁判 Referee", "记录 Record"})
        list.AddItem(t);
    list.setSelected(2, true);
    list.setSelected(3, true);
    list.Refresh();

    qelListBox& checks = place<qelListBox>("checks", 280, 150, 240, 150);
    checks.setStyleCheckBox(true);
    checks.setFullRowSelect(false);
    for (const char* t : {"Apple", "banana", "Cherry", "date"})
        checks.AddItem(t);
    checks.setChecked(2, true);
    checks.setChecked(4, true);
    checks.setSelected(3, true);
    checks.setListIndex(1);
    checks.Refresh();
    show();

    // The slider set by a press at its middle; the spin control's lower button held.
    const plat::gfx::Point p = screenOf(slider.PictureWindow(), 150, 10);
    session.mouseMove(p.x, p.y);
    session.click(p.x, p.y);
    session.mouseMove(360, 48);
    session.mouseDown(360, 48);
    session.settle();

    const std::string path = "/tmp/qel_extra_controls.png";
    ASSERT_TRUE(plat::gfx::savePng(session.windows().screen(), path));
    session.mouseUp(360, 48);
    EXPECT_EQ(slider.LabelText(), NumberText(RoundToDigits(slider.Value(), 2)) + "/100");
}

} // namespace
} // namespace qel::testing
