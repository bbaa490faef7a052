#include "controls/core/qel_check.h"
#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "controls/core/qel_option_button.h"
#include "controls/core/qel_toggle_button.h"
#include "pages_fixture.h"
#include "platform/forms/form_layout.h"

namespace qel::testing {
namespace {

TEST_F(PagesTest, TheCheckPageShowsTheFirstSelectedCheckBox)
{
    auto& first = place<qelCheck>("chkFirst", 20, 20, 120, 20);
    first.setCaption("Home team");
    first.setValue(2);
    first.setBackStyle(0);
    first.setAlignment(1);
    first.setEnabled(false);
    auto& second = place<qelCheck>("chkSecond", 20, 50, 120, 20);
    second.setCaption("Guest");

    PropertyPage& page = selectAndShow({&first, &second}, "propCheck");
    EXPECT_EQ(host.TabCaptions(), (std::vector<std::string>{"General", "Normal"}));
    EXPECT_EQ(page.Field("txtCaption").Text(), "Home team");
    EXPECT_EQ(page.Field("chkEnabled").State(), 0);
    EXPECT_EQ(page.Field("cbValue").Position(), 2);
    EXPECT_EQ(page.Field("cbBackStyle").Position(), 0);
    EXPECT_EQ(page.Field("cbAlignment").Position(), 1);
    // The fields changed from their empty start, so the page counts as edited.
    EXPECT_TRUE(changed(page));
    EXPECT_TRUE(host.Failures().empty());

    // The same selection again changes no field: the page is not marked.
    host.Select({&first, &second});
    EXPECT_FALSE(changed(page));
}

TEST_F(PagesTest, EditsMarkTheCheckPageAndApplyWritesEverySelectedCheckBox)
{
    auto& first = place<qelCheck>("chkFirst", 20, 20, 120, 20);
    auto& label = place<qelLabel>("labOther", 20, 50, 120, 20);
    label.setCaption("untouched");
    auto& second = place<qelCheck>("chkSecond", 20, 80, 120, 20);
    second.setValue(1);
    second.setAlignment(2);

    host.Select({&first, &label, &second});
    PropertyPage& page = selectAndShow({&first, &label, &second}, "propCheck");
    host.Select({&first, &label, &second});
    ASSERT_FALSE(changed(page));

    typeInto(page, "txtCaption", "Shot clock");
    EXPECT_TRUE(changed(page));
    clickBox(page, "chkEnabled"); // Enabled was checked: now clear
    pick(page, "cbValue", 2);
    pick(page, "cbBackStyle", 0);
    EXPECT_EQ(page.Field("cbValue").Position(), 2);
    EXPECT_EQ(page.Field("chkEnabled").State(), 0);

    EXPECT_TRUE(host.Apply()) << (host.Failures().empty() ? "" : host.Failures().front());
    EXPECT_FALSE(changed(page));
    for (qelCheck* c : {&first, &second}) {
        EXPECT_EQ(c->Caption(), "Shot clock") << c->name();
        EXPECT_FALSE(c->Enabled()) << c->name();
        EXPECT_EQ(c->Value(), 2) << c->name();
        EXPECT_EQ(c->BackStyle(), 0) << c->name();
        EXPECT_EQ(c->Alignment(), 0) << c->name();
    }
    EXPECT_EQ(label.Caption(), "untouched");

    // The stored layout written back holds the new values.
    const plat::forms::FormLayout stored = plat::forms::readLayout(layoutFile);
    ASSERT_EQ(stored.controls.size(), 3u);
    EXPECT_EQ(stored.controls[2].name, "chkSecond");
    EXPECT_EQ(stored.controls[2].properties.readProperty("Caption", ""), "Shot clock");
    EXPECT_EQ(stored.controls[2].properties.readProperty("Value", int32_t(0)), 2);
    EXPECT_EQ(stored.controls[1].properties.readProperty("Caption", ""), "untouched");
}

TEST_F(PagesTest, OptionGroupOutsideItsRangeIsSkippedAndTheOtherFieldsAreWritten)
{
    auto& option = place<qelOptionButton>("optA", 20, 20, 120, 20);
    option.setGroup(4);
    PropertyPage& page = selectAndShow({&option}, "propOptionButton");
    EXPECT_EQ(page.Field("txtGroup").Text(), "4");

    typeInto(page, "txtGroup", "300");
    clickBox(page, "chkEnabled");
    pick(page, "cbValue", 1);
    pick(page, "cbBackStyle", 0);
    pick(page, "cbAlignment", 2);
    typeInto(page, "txtCaption", "Overtime");
    EXPECT_TRUE(host.Apply());
    EXPECT_EQ(option.Group(), 4);
    EXPECT_EQ(option.Caption(), "Overtime");
    EXPECT_FALSE(option.Enabled());
    EXPECT_EQ(option.Value(), 1);
    EXPECT_EQ(option.BackStyle(), 0);
    EXPECT_EQ(option.Alignment(), 2);
}

TEST_F(PagesTest, AFrameWhoseTitleGradientHasNoItemStopsTheLoadThere)
{
    auto& shown = place<qelFrame>("fraShown", 20, 20, 200, 100);
    shown.setCaption("Shown first");
    shown.setRoundAngle(9);
    auto& odd = place<qelFrame>("fraOdd", 20, 150, 200, 100);
    odd.setTitleGradient(3);
    odd.setBackGradient(0);
    odd.setCaption("Odd");
    odd.setRoundAngle(3);
    odd.setBreakCorner(false);

    PropertyPage& page = selectAndShow({&shown}, "propFrame");
    EXPECT_EQ(page.Field("txtCaption").Text(), "Shown first");
    EXPECT_EQ(page.Field("chkBreakCorner").State(), 1);

    EXPECT_FALSE(host.Select({&odd}));
    ASSERT_EQ(host.Failures().size(), 1u);
    EXPECT_NE(host.Failures()[0].find("propFrame load"), std::string::npos) << host.Failures()[0];
    // Read before TitleGradient: PictureAlignment, BackGradient, BackStyle, TextPosition.
    EXPECT_EQ(page.Field("cbBackGradient").Position(), 0);
    // After it, nothing was read.
    EXPECT_EQ(page.Field("chkBreakCorner").State(), 1);
    EXPECT_EQ(page.Field("txtCaption").Text(), "Shown first");
    EXPECT_EQ(page.Field("txtRoundAngle").Text(), "9");
}

TEST_F(PagesTest, TheLabelPageSkipsAMemberItCannotShowAndLoadsTheRest)
{
    auto& label = place<qelLabel>("labClock", 20, 20, 120, 20);
    label.setAlignment(5);
    label.setCaption("12:00");
    label.setBorderStyle(1);
    label.setAutoSize(true);
    PropertyPage& page = selectAndShow({&label}, "propLabel");
    EXPECT_TRUE(host.Failures().empty());
    EXPECT_EQ(page.Field("cbAlignment").Position(), -1);
    EXPECT_EQ(page.Field("txtCaption").Text(), "12:00");
    EXPECT_EQ(page.Field("cbBorderStyle").Position(), 1);
    EXPECT_EQ(page.Field("cbBackStyle").Position(), 1);
    EXPECT_EQ(page.Field("chkEnabled").State(), 1);
    EXPECT_EQ(page.Field("chkAutosize").State(), 1);
}

TEST_F(PagesTest, ClickingGrayPictureWhenDisabledMarksTheCommandPageAndApplyWritesIt)
{
    auto& button = place<qelCommand>("cmdStart", 20, 20, 120, 30);
    PropertyPage& page = selectAndShow({&button}, "propCommand");
    host.Select({&button});
    ASSERT_FALSE(changed(page));
    ASSERT_TRUE(button.GrayPictureWhenDisabled());
    clickBox(page, "chkGrayPictureWhenDisabled");
    EXPECT_TRUE(changed(page));
    EXPECT_TRUE(host.Apply());
    EXPECT_FALSE(button.GrayPictureWhenDisabled());
}

struct NumberCase {
    const char* typed;
    int stored;
};

TEST_F(PagesTest, NumericFieldsApplyTheirLeadingNumberRoundedToEven)
{
    auto& button = place<qelToggleButton>("tglMusic", 20, 20, 120, 30);
    PropertyPage& page = selectAndShow({&button}, "propToggleButton");
    const NumberCase cases[] = {{"7.9", 8}, {"2.5", 2}, {"3.5", 4}, {"", 0}, {"12abc", 12}, {"1 000", 1000}, {"-3.5", -4}, {"x", 0}};
    for (const auto& c : cases) {
        typeInto(page, "txtPictureOffsetX", c.typed);
        ASSERT_TRUE(host.Apply());
        EXPECT_EQ(button.PictureOffsetX(), c.stored) << '"' << c.typed << '"';
    }
}

TEST_F(PagesTest, ABooleanLoadsAsACheckedBoxAndACheckedBoxAppliesTrue)
{
    auto& button = place<qelToggleButton>("tglMusic", 20, 20, 120, 30);
    button.setValue(true);
    auto& other = place<qelToggleButton>("tglOther", 20, 60, 120, 30);
    PropertyPage& page = selectAndShow({&button, &other}, "propToggleButton");
    EXPECT_EQ(page.Field("chkValue").State(), 1);
    EXPECT_EQ(NumberOf(page.Field("chkValue").Value()), -1.0);
    EXPECT_TRUE(host.Apply());
    EXPECT_TRUE(other.Value());
    clickBox(page, "chkValue");
    EXPECT_TRUE(host.Apply());
    EXPECT_FALSE(button.Value());
    EXPECT_FALSE(other.Value());
}

} // namespace
} // namespace qel::testing

namespace qel::testing {
namespace {

TEST_F(PagesTest, AClassPageReadsByNameAndStopsAtTheFirstMemberTheControlLacks)
{
    auto& check = place<qelCheck>("chkA", 20, 20, 120, 20);
    auto& label = place<qelLabel>("labB", 20, 50, 120, 20);
    label.setCaption("a label");
    label.setEnabled(false);
    host.Select({&check});
    PropertyPage* page = host.PageNamed("propCheck");
    ASSERT_NE(page, nullptr);
    const int valueBefore = page->Field("cbValue").Position();
    BareSite site;
    site.selection = {&label};
    page->Attach(site);
    // Caption and Enabled are the label's too; Value is not.
    EXPECT_THROW(page->LoadFromSelection(), PageError);
    EXPECT_EQ(page->Field("txtCaption").Text(), "a label");
    EXPECT_EQ(page->Field("chkEnabled").State(), 0);
    EXPECT_EQ(page->Field("cbValue").Position(), valueBefore);
    page->Attach(host);
}

} // namespace
} // namespace qel::testing

namespace qel::testing {
namespace {

TEST_F(PagesTest, ACheckBoxFieldTogglesOnSpaceAndNotOnAPressReleasedOutside)
{
    auto& check = place<qelCheck>("chkA", 20, 20, 120, 20);
    PropertyPage& page = selectAndShow({&check}, "propCheck");
    host.Select({&check});
    PageField& enabled = page.Field("chkEnabled");
    ASSERT_EQ(enabled.State(), 1);

    const plat::gfx::Point p = centreOf(enabled.Control().hwnd(), 6);
    session.mouseMove(p.x, p.y);
    session.mouseDown(p.x, p.y);
    session.mouseMove(p.x, p.y + 200);
    session.mouseUp(p.x, p.y + 200);
    session.settle();
    EXPECT_EQ(enabled.State(), 1);
    EXPECT_FALSE(changed(page));

    // The press gave the box the focus; Space toggles it.
    session.key(plat::win::VK_SPACE);
    session.settle();
    EXPECT_EQ(enabled.State(), 0);
    EXPECT_TRUE(changed(page));
    EXPECT_TRUE(host.Apply());
    EXPECT_FALSE(check.Enabled());
}

} // namespace
} // namespace qel::testing
