#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "controls/extra/qel_sys_tray.h"
#include "pages_fixture.h"
#include "platform/forms/form_layout.h"

namespace qel::testing {
namespace {

TEST_F(PagesTest, TheCommonPageShowsAndWritesOnlyTheFirstOfTwoLabels)
{
    auto& first = place<qelLabel>("labHome", 20, 30, 120, 20);
    first.GetExtender().setTag("home");
    first.GetExtender().setToolTipText("主队");
    auto& second = place<qelLabel>("labGuest", 20, 60, 120, 20);
    PropertyPage& page = selectAndShow({&first, &second}, "propAll");
    EXPECT_EQ(host.TabCaptions(), (std::vector<std::string>{"General", "Normal"}));
    EXPECT_EQ(page.Field("txtName").Text(), "labHome");
    EXPECT_EQ(page.Field("txtLeft").Text(), "300");
    EXPECT_EQ(page.Field("txtTop").Text(), "450");
    EXPECT_EQ(page.Field("txtWidth").Text(), "1800");
    EXPECT_EQ(page.Field("txtHeight").Text(), "300");
    EXPECT_EQ(page.Field("txtTag").Text(), "home");
    EXPECT_EQ(page.Field("txtToolTipText").Text(), "主队");
    EXPECT_EQ(page.Field("chkVisible").State(), 1);

    typeInto(page, "txtLeft", "600");
    typeInto(page, "txtTag", "team");
    typeInto(page, "txtName", "labHomeTeam");
    clickBox(page, "chkVisible");
    EXPECT_TRUE(host.Apply());
    EXPECT_EQ(first.GetExtender().left(), 600);
    EXPECT_EQ(first.GetExtender().tag(), "team");
    EXPECT_FALSE(first.GetExtender().visible());
    EXPECT_EQ(host.NameOf(first), "labHomeTeam");
    EXPECT_EQ(second.GetExtender().left(), 300);
    EXPECT_EQ(second.GetExtender().tag(), "");
    EXPECT_TRUE(second.GetExtender().visible());

    // The layout written back carries the new name and place.
    const plat::forms::FormLayout stored = plat::forms::readLayout(layoutFile);
    ASSERT_EQ(stored.controls.size(), 2u);
    EXPECT_EQ(stored.controls[0].name, "labHomeTeam");
    EXPECT_EQ(stored.controls[0].extender.readProperty("Left", 0.0), 600.0);
    EXPECT_EQ(stored.controls[0].extender.readProperty("Tag", ""), "team");
    EXPECT_EQ(stored.controls[1].name, "labGuest");
}

TEST_F(PagesTest, AMixedSelectionLoadsFromAndAppliesToThePushButtonOnly)
{
    auto& button = place<qelCommand>("cmdStart", 20, 20, 120, 30);
    auto& frame = place<qelFrame>("fraBoard", 20, 80, 200, 100);
    PropertyPage& page = selectAndShow({&button, &frame}, "propAll");
    EXPECT_EQ(page.Field("txtName").Text(), "cmdStart");
    typeInto(page, "txtTop", "900");
    EXPECT_TRUE(host.Apply());
    EXPECT_EQ(button.GetExtender().top(), 900);
    EXPECT_EQ(frame.GetExtender().top(), 1200);
}

struct PositionCase {
    const char* typed;
    double left;
};

TEST_F(PagesTest, APositionTypedAsTextAppliesItsLeadingNumber)
{
    auto& button = place<qelCommand>("cmdStart", 20, 20, 120, 30);
    PropertyPage& page = selectAndShow({&button}, "propAll");
    const PositionCase cases[] = {{"x", 0}, {"1 500", 1500}, {"75.5", 75.5}, {"-30", -30}};
    for (const auto& c : cases) {
        typeInto(page, "txtLeft", c.typed);
        ASSERT_TRUE(host.Apply());
        EXPECT_EQ(button.GetExtender().left(), c.left) << '"' << c.typed << '"';
    }
}

TEST_F(PagesTest, ARefusedNameOrSizeIsSkippedAndTheOtherFieldsAreStillWritten)
{
    auto& button = place<qelCommand>("cmdStart", 20, 20, 120, 30);
    auto& other = place<qelCommand>("cmdStop", 20, 60, 120, 30);
    (void)other;
    button.GetExtender().setToolTipText("Start the clock");
    PropertyPage& page = selectAndShow({&button}, "propAll");

    const char* refusedNames[] = {"", "cmdStop", "CMDSTOP", "1st", "has space"};
    for (const char* name : refusedNames) {
        typeInto(page, "txtName", name);
        typeInto(page, "txtToolTipText", "");
        typeInto(page, "txtWidth", "-5");
        typeInto(page, "txtHeight", "600");
        typeInto(page, "txtTag", name);
        EXPECT_TRUE(host.Apply()) << name; // the page reports nothing
        EXPECT_EQ(host.NameOf(button), "cmdStart") << name;
        EXPECT_EQ(button.GetExtender().toolTipText(), "") << name;
        EXPECT_EQ(button.GetExtender().width(), 1800) << name;
        EXPECT_EQ(button.GetExtender().height(), 600) << name;
        EXPECT_EQ(button.GetExtender().tag(), name) << name;
    }
}

TEST_F(PagesTest, TheCommonPageCannotReachAControlThatDoesNotOfferIt)
{
    auto& tray = place<qelSysTray>("trayA", 20, 20, 30, 30);
    auto& label = place<qelLabel>("labHome", 20, 60, 120, 20);
    host.Select({&label});
    PropertyPage* page = host.PageNamed("propAll");
    ASSERT_NE(page, nullptr);
    const std::string tag = tray.tag();
    BareSite site;
    site.selection = {&tray};
    page->Attach(site);
    // Load reports the failed class test; apply skips it and changes nothing.
    EXPECT_THROW(page->LoadFromSelection(), PageError);
    EXPECT_NO_THROW(page->ApplyToSelection());
    EXPECT_EQ(tray.tag(), tag);
    EXPECT_EQ(tray.left(), 300);
    page->Attach(host);
}

} // namespace
} // namespace qel::testing
