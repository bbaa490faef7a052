// Shows two property pages of a selected frame side by side (its own page and the common page)
// and saves the screen to /tmp/qel_property_pages.png, so their look can be checked by eye.
#include "controls/core/qel_frame.h"
#include "controls/extra/qel_sys_tray.h"
#include "controls/pages/prop_all.h"
#include "pages_fixture.h"
#include "platform/gfx/picture.h"

namespace qel::testing {
namespace {

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

    ASSERT_TRUE(plat::gfx::savePng(session.windows().screen(), "/tmp/qel_property_pages.png"));
}

} // namespace
} // namespace qel::testing

namespace qel::testing {
namespace {

// The tray icon's page with its five-line explanation, saved to /tmp/qel_tray_page.png.
TEST_F(PagesTest, ScreenshotOfTheTrayIconPage)
{
    auto& tray = place<qelSysTray>("trayClock", 20, 20, 30, 30);
    tray.setBalloonTipString("比赛进行中");
    host.setDialogPosition(250 * 15, 10 * 15);
    PropertyPage& page = selectAndShow({&tray}, "propSysTray");
    EXPECT_EQ(page.Field("txtCaption").Text(), "比赛进行中");
    clickAt({0, 767});
    ASSERT_TRUE(plat::gfx::savePng(session.windows().screen(), "/tmp/qel_tray_page.png"));
}

} // namespace
} // namespace qel::testing
