// Shows two property pages of a selected frame side by side (its own page and the common page),
// and the tray icon's page, saves the screen and checks the saved pixels.
#include "controls/core/qel_frame.h"
#include "controls/extra/qel_sys_tray.h"
#include "controls/pages/prop_all.h"
#include "pages_fixture.h"
#include "tests/support/screenshot_folder.h"

namespace qel::testing {
namespace {

using plat::gfx::Rect;
using plat::win::GetScreenRect;

// The glyph cell of a check box field: 13 pixels square at its left, centred in its height.
Rect glyphOf(PropertyPage& page, const std::string& field)
{
    const Rect r = GetScreenRect(page.Field(field).Control().hwnd());
    const int top = (r.top + r.bottom) / 2 - 6;
    return {r.left, top, r.left + 13, top + 13};
}

// The inside of a text field, within its sunken edge.
Rect insideOf(PropertyPage& page, const std::string& field)
{
    const Rect r = GetScreenRect(page.Field(field).Control().hwnd());
    return {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
}

TEST_F(PagesTest, ScreenshotOfTheFramePageAndTheCommonPage)
{
    auto& frame = place<qelFrame>("fraScore", 20, 20, 200, 120);
    frame.setCaption("比分 Score");
    frame.setRoundAngle(9);
    frame.GetExtender().setTag("board");
    frame.GetExtender().setToolTipText("The score frame");
    designed.move(0, 0, 240 * 15, 160 * 15);

    host.setDialogPosition(250 * 15, 10 * 15);
    PropertyPage& own = selectAndShow({&frame}, "propFrame");
    // The second tab beside the first, as two dialogs would show them.
    PropertyPage& common = host.Page(1);
    common.move(580 * 15, 10 * 15);
    common.show();
    session.settle();

    typeInto(own, "txtCaption", "Score");
    pick(own, "cbTitleGradient", 2);
    clickBox(common, "chkVisible");
    clickAt({0, 767}); // the pointer away from the fields
    EXPECT_TRUE(host.PageChanged(own));
    EXPECT_TRUE(host.PageChanged(common));

    const test_support::ScreenshotFolder shots;
    const plat::gfx::Surface shot = shots.save(session.windows().screen(), "qel_property_pages.png");
    ASSERT_EQ(shot.pixels(), session.windows().screen().pixels());
    using test_support::pixelsOfColor;
    // The cleared Visible box shows no tick, the BreakCorner box on the frame's page shows one.
    EXPECT_EQ(pixelsOfColor(shot, glyphOf(common, "chkVisible"), 0x000000), 0);
    EXPECT_GT(pixelsOfColor(shot, glyphOf(own, "chkBreakCorner"), 0x000000), 10);
    // The typed caption and the control's name show in their fields on one line each.
    for (auto [page, field] : {std::pair{&own, "txtCaption"}, std::pair{&common, "txtName"}}) {
        const Rect inside = insideOf(*page, field);
        EXPECT_EQ(test_support::textLines(shot, inside, 0xFFFFFF), 1) << field;
        EXPECT_GT(inside.width() * inside.height() - pixelsOfColor(shot, inside, 0xFFFFFF), 30) << field;
    }
    // The pages stand where the host put them, on the form's grey, the screen black between.
    EXPECT_EQ(shot.colorAt(575, 100), 0x000000u);
    EXPECT_EQ(shot.colorAt(255, 300), shot.colorAt(565, 300));
    EXPECT_NE(shot.colorAt(255, 300), 0x000000u);
}

} // namespace
} // namespace qel::testing

namespace qel::testing {
namespace {

// The tray icon's page with its five-line explanation.
TEST_F(PagesTest, ScreenshotOfTheTrayIconPage)
{
    auto& tray = place<qelSysTray>("trayClock", 20, 20, 30, 30);
    tray.setBalloonTipString("比赛进行中");
    host.setDialogPosition(250 * 15, 10 * 15);
    PropertyPage& page = selectAndShow({&tray}, "propSysTray");
    EXPECT_EQ(page.Field("txtCaption").Text(), "比赛进行中");
    clickAt({0, 767});
    const test_support::ScreenshotFolder shots;
    const plat::gfx::Surface shot = shots.save(session.windows().screen(), "qel_tray_page.png");
    ASSERT_EQ(shot.pixels(), session.windows().screen().pixels());
    // The tip text in its field, the PreventFromCrash box ticked and its caption in five lines.
    const Rect inside = insideOf(page, "txtCaption");
    EXPECT_EQ(test_support::textLines(shot, inside, 0xFFFFFF), 1);
    EXPECT_GT(test_support::pixelsOfColor(shot, glyphOf(page, "Check1"), 0x000000), 10);
    const Rect caption = GetScreenRect(page.Field("Check1").Control().hwnd());
    EXPECT_EQ(test_support::textLines(shot, {caption.left + 16, caption.top, caption.right, caption.bottom},
                  shot.colorAt(caption.right - 1, caption.top)), 5);
}

} // namespace
} // namespace qel::testing
