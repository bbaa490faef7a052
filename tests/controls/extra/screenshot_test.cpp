// Draws a test form with the bars (progress and slider), spin controls and list boxes, saves the
// screen and checks the saved pixels.
#include "controls/extra/number_text.h"
#include "controls/extra/qel_bar.h"
#include "controls/extra/qel_list_box.h"
#include "controls/extra/qel_up_down.h"
#include "extra_fixture.h"
#include "tests/support/screenshot_folder.h"

namespace qel::testing {
namespace {

using plat::win::GetScreenRect;

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

    const test_support::ScreenshotFolder shots;
    const plat::gfx::Surface shot = shots.save(session.windows().screen(), "qel_extra_controls.png");
    ASSERT_EQ(shot.pixels(), session.windows().screen().pixels());

    using plat::gfx::Rect;
    using test_support::pixelsOfColor;
    // Each bar is filled from the left up to its value's share of the width; the rest of its
    // row, below the label, is the empty track.
    for (const qelBar* bar : {&progress, &slider}) {
        const Rect r = GetScreenRect(bar->PictureWindow());
        const int row = r.bottom - 4;
        const plat::gfx::Color empty = shot.colorAt(r.right - 3, row);
        int end = r.left + 1;
        while (end < r.right && shot.colorAt(end, row) != empty)
            ++end;
        const double share = (bar->Value() - bar->Min()) / (bar->Max() - bar->Min());
        EXPECT_NEAR(end, r.left + share * r.width(), 3) << bar->Value();
    }
    // Rows in pixels from the items' heights (twips), less a margin that the neighbours' frames
    // may reach into.
    auto rowOf = [](qelListBox& box, int item) {
        const Rect r = GetScreenRect(box.hwnd());
        double top = 1;
        for (int i = 1; i < item; ++i)
            top += box.Item(i)->Height();
        const double bottom = top + box.Item(item)->Height();
        return Rect{r.left + 2, r.top + int(top / 15) + 3, r.right - 20, r.top + int(bottom / 15) - 2};
    };
    // The selected rows 2 and 3 of the plain list take the selection fill; rows 1 and 4 do not.
    for (int item = 1; item <= 4; ++item)
        EXPECT_EQ(pixelsOfColor(shot, rowOf(list, item), list.SelColor()) > 100, item == 2 || item == 3) << "row " << item;
    // The check marks of items 2 and 4 show in their boxes, green; items 1 and 3 have none.
    const plat::gfx::Color tick = plat::gfx::rgb(33, 160, 31);
    for (int item = 1; item <= 4; ++item) {
        Rect box = rowOf(checks, item);
        box.right = box.left + 15;
        EXPECT_EQ(pixelsOfColor(shot, box, tick) > 10, item == 2 || item == 4) << "item " << item;
    }
    // The held lower spin button shows its pressed colour, the upper one its face colour.
    EXPECT_GT(pixelsOfColor(shot, Rect{352, 38, 366, 53}, stacked.DownColor()), 150);
    EXPECT_GT(pixelsOfColor(shot, Rect{352, 21, 366, 36}, stacked.FrontColor()), 150);
    EXPECT_EQ(pixelsOfColor(shot, Rect{352, 21, 366, 36}, stacked.DownColor()), 0);
    session.mouseUp(360, 48);
    EXPECT_EQ(slider.LabelText(), NumberText(RoundToDigits(slider.Value(), 2)) + "/100");
}

} // namespace
} // namespace qel::testing
