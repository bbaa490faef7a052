#include "controls/core/qel_label.h"
#include "controls/extra/qel_bar.h"
#include "controls/extra/qel_list_box.h"
#include "controls/extra/qel_sys_tray.h"
#include "controls/extra/qel_up_down.h"
#include "controls/text/qel_h_scroll.h"
#include "controls/text/qel_v_scroll.h"
#include "pages_fixture.h"

namespace qel::testing {
namespace {

using plat::forms::Currency;

TEST_F(PagesTest, TheBarPageShowsItsListsFromOneAndAppliesPositionPlusOne)
{
    auto& bar = place<qelBar>("barProgress", 20, 20, 200, 24);
    bar.setAlignment(9);
    bar.setGradientMode(1);
    bar.setValue(25);
    PropertyPage& page = selectAndShow({&bar}, "propBar");
    EXPECT_EQ(page.Field("cbAlignment").Position(), 8);
    EXPECT_EQ(page.Field("cbGradientMode").Position(), 0);
    EXPECT_EQ(page.Field("txtValue").Text(), "25");
    EXPECT_EQ(page.Field("txtMax").Text(), "100");

    pick(page, "cbAlignment", 0);
    pick(page, "cbGradientMode", 1);
    pick(page, "cbInteractiveButton", 2);
    typeInto(page, "txtMax", "300");
    typeInto(page, "txtMin", "200");
    typeInto(page, "txtValue", "250.5");
    EXPECT_TRUE(host.Apply());
    EXPECT_EQ(bar.Alignment(), 1);
    EXPECT_EQ(bar.GradientMode(), 2);
    EXPECT_EQ(bar.InteractiveButton(), 2);
    EXPECT_DOUBLE_EQ(bar.Max(), 300);
    EXPECT_DOUBLE_EQ(bar.Min(), 200);
    EXPECT_DOUBLE_EQ(bar.Value(), 250.5);
}

TEST_F(PagesTest, ABarWithoutAPickedAlignmentAppliesZeroAndOneAboveNineStopsTheLoad)
{
    auto& bar = place<qelBar>("barProgress", 20, 20, 200, 24);
    bar.setAlignment(0);
    bar.setGradientMode(0);
    PropertyPage& page = selectAndShow({&bar}, "propBar");
    EXPECT_TRUE(host.Failures().empty());
    EXPECT_EQ(page.Field("cbAlignment").Position(), -1);
    EXPECT_EQ(page.Field("cbGradientMode").Position(), -1);
    bar.setAlignment(4);
    bar.setGradientMode(2);
    host.SetPageChanged(page);
    EXPECT_TRUE(host.Apply());
    EXPECT_EQ(bar.Alignment(), 0);
    EXPECT_EQ(bar.GradientMode(), 0);

    auto& odd = place<qelBar>("barOdd", 20, 60, 200, 24);
    odd.setAlignment(10);
    odd.setDecimals(5);
    EXPECT_FALSE(host.Select({&odd}));
    ASSERT_FALSE(host.Failures().empty());
    // Decimals comes after Alignment in the load: not read.
    EXPECT_EQ(page.Field("txtDecimals").Text(), "2");
}

TEST_F(PagesTest, TheBarPageGivesEverySelectedBarItsRangeWhateverRangeItHad)
{
    // Below, inside, above and around the page's range 200 to 300.
    struct Range {
        double min, max;
    };
    const Range ranges[] = {{1, 100}, {220, 280}, {500, 1000}, {-50, 5000}};
    std::vector<plat::forms::Control*> bars;
    for (const Range& r : ranges) {
        auto& bar = place<qelBar>("bar" + std::to_string(bars.size()), 20, 20 + 30 * int(bars.size()), 200, 24);
        bar.setMin(r.min);
        bar.setMax(r.max);
        bar.setValue(r.min);
        bars.push_back(&bar);
    }
    PropertyPage& page = selectAndShow(bars, "propBar");
    typeInto(page, "txtMax", "300");
    typeInto(page, "txtMin", "200");
    typeInto(page, "txtValue", "250");
    EXPECT_TRUE(host.Apply());
    for (plat::forms::Control* c : bars) {
        auto& bar = dynamic_cast<qelBar&>(*c);
        EXPECT_DOUBLE_EQ(bar.Min(), 200) << bar.name();
        EXPECT_DOUBLE_EQ(bar.Max(), 300) << bar.name();
        EXPECT_DOUBLE_EQ(bar.Value(), 250) << bar.name();
    }
}

TEST_F(PagesTest, NonNumericTextAppliesZeroToTheHorizontalBar)
{
    auto& bar = place<qelHScroll>("hsbVolume", 20, 20, 200, 17);
    PropertyPage& page = selectAndShow({&bar}, "propHScroll");
    EXPECT_EQ(page.Field("txtLargeChange").Text(), "10");
    EXPECT_EQ(page.Field("txtScrollWidth").Text(), "10");
    typeInto(page, "txtLargeChange", "abc");
    typeInto(page, "txtScrollWidth", "40");
    clickBox(page, "chkEnableWheel");
    EXPECT_TRUE(host.Apply());
    EXPECT_EQ(bar.LargeChange(), Currency::fromInteger(0));
    EXPECT_EQ(bar.ScrollWidth(), 40);
    EXPECT_FALSE(bar.EnableWheel());
}

TEST_F(PagesTest, TheVerticalBarPageWritesBothBarsMaxBeforeMinBeforeValue)
{
    auto& first = place<qelVScroll>("vsbA", 20, 20, 17, 200);
    auto& second = place<qelVScroll>("vsbB", 60, 20, 17, 200);
    auto& label = place<qelLabel>("labOther", 100, 20, 100, 20);
    PropertyPage& page = selectAndShow({&first, &label, &second}, "propVScroll");
    EXPECT_EQ(page.Field("txtScrollHeight").Text(), "10");
    // Min 200 before Max 300 would be refused by a bar whose Max is still 100.
    typeInto(page, "txtMax", "300");
    typeInto(page, "txtMin", "200");
    typeInto(page, "txtValue", "250");
    typeInto(page, "txtSmallChange", "0.25");
    typeInto(page, "txtMouseInterval", "70");
    EXPECT_TRUE(host.Apply());
    for (qelVScroll* bar : {&first, &second}) {
        EXPECT_EQ(bar->Max(), Currency::fromInteger(300)) << bar->name();
        EXPECT_EQ(bar->Min(), Currency::fromInteger(200)) << bar->name();
        EXPECT_EQ(bar->Value(), Currency::fromInteger(250)) << bar->name();
        EXPECT_EQ(bar->SmallChange(), Currency::fromScaled(2500)) << bar->name();
        EXPECT_EQ(bar->MouseInterval(), 70) << bar->name();
    }
    EXPECT_EQ(label.Caption(), "Caption");
}

TEST_F(PagesTest, TheSpinControlPageShowsFixedPointNumbersWithoutNeedlessZeros)
{
    auto& spin = place<qelUpDown>("updPeriod", 20, 20, 17, 34);
    spin.setMax(Currency::fromInteger(50));
    spin.setSmallChange(Currency::fromScaled(5000));
    PropertyPage& page = selectAndShow({&spin}, "propUpDown");
    EXPECT_EQ(page.Field("txtMax").Text(), "50");
    EXPECT_EQ(page.Field("txtSmallChange").Text(), "0.5");
    pick(page, "cbDirection", 1);
    typeInto(page, "txtSmallChange", "2");
    typeInto(page, "txtMouseInterval", "1e400"); // an overflow: skipped
    EXPECT_TRUE(host.Apply());
    EXPECT_EQ(spin.Direction(), 1);
    EXPECT_EQ(spin.SmallChange(), Currency::fromInteger(2));
}

TEST_F(PagesTest, TheListBoxBarPageWritesTheSettingsButNeverMinMaxOrValue)
{
    auto& list = place<qelListBox>("lstTeams", 20, 20, 200, 150);
    auto& label = place<qelLabel>("labOther", 240, 20, 100, 20);
    for (int i = 1; i <= 30; ++i)
        list.AddItem("team " + std::to_string(i));
    const Currency maxBefore = list.VS().Max();
    const Currency valueBefore = list.VS().Value();
    host.Select({&list, &label});
    EXPECT_EQ(host.TabCaptions(), (std::vector<std::string>{"Normal", "VScroll"}));
    PropertyPage& page = selectAndShow({&list, &label}, "propListBoxVScroll");
    // A load gave the bar the settings of a fresh settings object.
    EXPECT_EQ(page.Field("chkEnabled").State(), 1);
    EXPECT_EQ(page.Field("chkEnableWheel").State(), 1);
    EXPECT_EQ(page.Field("txtMouseInterval").Text(), "50");
    EXPECT_EQ(page.Field("txtLargeChange").Text(), "5");
    EXPECT_EQ(page.Field("txtScrollHeight").Text(), "25");
    EXPECT_EQ(page.Field("txtMin").Text(), "1");
    EXPECT_EQ(page.Field("txtMax").Text(), maxBefore.toString());
    clickBox(page, "chkEnableWheel");
    typeInto(page, "txtMouseInterval", "120");
    typeInto(page, "txtSmallChange", "2");
    typeInto(page, "txtLargeChange", "6");
    typeInto(page, "txtWheelChange", "4");
    typeInto(page, "txtScrollHeight", "30");
    typeInto(page, "txtMax", "999");
    typeInto(page, "txtMin", "7");
    typeInto(page, "txtValue", "8");
    EXPECT_TRUE(host.Apply()) << (host.Failures().empty() ? "" : host.Failures().front());
    EXPECT_FALSE(list.VS().EnableWheel());
    EXPECT_EQ(list.VS().MouseInterval(), 120);
    EXPECT_EQ(list.VS().Timer1().Interval(), 120);
    EXPECT_EQ(list.VS().SmallChange(), Currency::fromInteger(2));
    EXPECT_EQ(list.VS().LargeChange(), Currency::fromInteger(6));
    EXPECT_EQ(list.VS().WheelChange(), Currency::fromInteger(4));
    EXPECT_EQ(list.VS().ScrollHeight(), 30);
    EXPECT_EQ(list.VS().Max(), maxBefore);
    EXPECT_EQ(list.VS().Min(), Currency::fromInteger(1));
    EXPECT_EQ(list.VS().Value(), valueBefore);
    EXPECT_EQ(label.Caption(), "Caption");
    // A new load shows what the bar now holds.
    host.Select({&list});
    PropertyPage& again = selectAndShow({&list}, "propListBoxVScroll");
    EXPECT_EQ(again.Field("txtMouseInterval").Text(), "120");
    EXPECT_EQ(again.Field("chkEnableWheel").State(), 0);
}

TEST_F(PagesTest, TheListBoxBarPageAppliesEnabledToTheBar)
{
    auto& list = place<qelListBox>("lstTeams", 20, 20, 200, 150);
    // The list decides its bar's Enabled from its items whenever it draws: held off here.
    list.setUnRefreshControl(true);
    PropertyPage& page = selectAndShow({&list}, "propListBoxVScroll");
    // The empty list left it disabled when it drew at the end of its load.
    ASSERT_EQ(page.Field("chkEnabled").State(), 0);
    clickBox(page, "chkEnabled");
    EXPECT_TRUE(host.Apply()) << (host.Failures().empty() ? "" : host.Failures().front());
    EXPECT_TRUE(list.VS().Enabled());
    EXPECT_FALSE(changed(page));
}

TEST_F(PagesTest, TheListBoxBarPageCannotLoadFromAControlWithoutVScroll)
{
    auto& list = place<qelListBox>("lstTeams", 20, 20, 200, 150);
    auto& label = place<qelLabel>("labOther", 240, 20, 100, 20);
    host.Select({&list});
    PropertyPage* page = host.PageNamed("propListBoxVScroll");
    ASSERT_NE(page, nullptr);
    const std::string before = page->Field("txtSmallChange").Text();
    BareSite site;
    site.selection = {&label, &list};
    page->Attach(site);
    EXPECT_THROW(page->LoadFromSelection(), PageError);
    EXPECT_EQ(page->Field("txtSmallChange").Text(), before);
    page->Attach(host);
}

TEST_F(PagesTest, ANewTrayControlShowsAnEmptyTipAndACheckedPreventBox)
{
    auto& tray = place<qelSysTray>("trayA", 20, 20, 30, 30);
    tray.initProperties();
    PropertyPage& page = selectAndShow({&tray}, "propSysTray");
    EXPECT_EQ(host.TabCaptions(), (std::vector<std::string>{"General"}));
    EXPECT_EQ(page.Field("txtCaption").Text(), "");
    EXPECT_EQ(page.Field("Check1").State(), 1);
}

TEST_F(PagesTest, ClearingPreventFromCrashAppliesToBothTrayControlsAndNothingElse)
{
    auto& a = place<qelSysTray>("trayA", 20, 20, 30, 30);
    auto& label = place<qelLabel>("labOther", 60, 20, 100, 20);
    auto& b = place<qelSysTray>("trayB", 200, 20, 30, 30);
    PropertyPage& page = selectAndShow({&a, &label, &b}, "propSysTray");
    host.Select({&a, &label, &b});
    ASSERT_FALSE(changed(page));
    clickBox(page, "Check1");
    EXPECT_TRUE(changed(page)); // the click alone marks the page
    typeInto(page, "txtCaption", "比赛进行中");
    EXPECT_TRUE(host.Apply());
    for (qelSysTray* t : {&a, &b}) {
        EXPECT_FALSE(t->PreventFromCrash()) << t->name();
        EXPECT_EQ(t->BalloonTipString(), "比赛进行中") << t->name();
    }
    EXPECT_EQ(label.Caption(), "Caption");
}

} // namespace
} // namespace qel::testing
