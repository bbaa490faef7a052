// Stored properties of the bars: keys, order and defaults, the Lets' rules while loading, a
// stored layout placing both public bars, and the settings object's starting values.
#include "controls/text/qel_h_scroll.h"
#include "controls/text/qel_private_scroll.h"
#include "controls/text/qel_v_scroll.h"
#include "controls/text/qel_v_scroll_private.h"
#include "controls/text/register_text_controls.h"
#include "scroll_bar_helpers.h"
#include <cstdlib>
#include <filesystem>

namespace qel::testing {
namespace {

using ScrollBarPersistenceTest = TextControlsTest;

TEST_F(ScrollBarPersistenceTest, EmptyStoredDataGivesTheDefaultsAndSubclasses)
{
    qelHScroll& bar = place<qelHScroll>("bar", 10, 10, 134, 17);
    EXPECT_EQ(bar.Value(), Whole(50));
    EXPECT_EQ(bar.Max(), Whole(100));
    EXPECT_EQ(bar.ScrollWidth(), 10);
    EXPECT_EQ(bar.MouseInterval(), 100);
    EXPECT_FALSE(bar.UnRefreshControl());
    EXPECT_TRUE(bar.Subclassed());
    EXPECT_FALSE(bar.Timer1().Enabled()) << "only a newly placed bar switches its timers on";
    PropertyBag written;
    bar.writeProperties(written);
    EXPECT_TRUE(written.empty()) << "values equal to their defaults are not stored";
}

TEST_F(ScrollBarPersistenceTest, KeysAreWrittenInTheirOrder)
{
    qelVScroll& bar = place<qelVScroll>("bar", 10, 10, 17, 134);
    bar.setArrowColor(1);
    bar.setBackColor(2);
    bar.setBorderColor(3);
    bar.setEnabled(false);
    bar.setEnableWheel(false);
    bar.setFrontColor(4);
    bar.setLargeChange(Whole(5));
    bar.setMax(Whole(90));
    bar.setMin(Whole(-5));
    bar.setWheelChange(Whole(2));
    bar.setScrollHeight(20);
    bar.setSmallChange(Whole(2));
    bar.setValue(Whole(7));
    bar.setMouseHoverColor(5);
    bar.setDownColor(6);
    bar.setMouseInterval(30);
    bar.setLargeChangeColor(7);
    bar.setUnRefreshControl(true);
    PropertyBag written;
    bar.writeProperties(written);
    EXPECT_EQ(written.keys(), (std::vector<std::string>{"arrowcolor", "backcolor", "bordercolor", "enabled", "enablewheel", "frontcolor",
                                  "largechange", "max", "min", "wheelchange", "scrollheight", "smallchange", "value", "mousehovercolor",
                                  "downcolor", "mouseinterval", "largechangecolor", "unrefreshcontrol"}));

    qelVScroll& copy = place<qelVScroll>("copy", 100, 10, 17, 134, written);
    EXPECT_EQ(copy.Value(), Whole(7));
    EXPECT_EQ(copy.Min(), Whole(-5));
    EXPECT_EQ(copy.ScrollHeight(), 20);
    EXPECT_EQ(copy.MouseInterval(), 30);
    EXPECT_FALSE(copy.Enabled());
    EXPECT_TRUE(copy.UnRefreshControl());
}

TEST_F(ScrollBarPersistenceTest, LoadingAppliesEachValueThroughItsLet)
{
    // Read in the order Max, Min, ..., Value: a stored Min above the default Max is taken, the
    // stored Value then clamps to it, and the Value Let raises Change with the value in place.
    EventLog log;
    auto bar = std::make_unique<qelHScroll>();
    watch(*bar, log);
    PropertyBag stored;
    stored.writeProperty("Min", Whole(150), Whole(0));
    stored.writeProperty("Value", Whole(20), Whole(50));
    PropertyBag extender = extenderAt(10, 10, 134, 17);
    auto& placed = dynamic_cast<qelHScroll&>(form.addControl(std::move(bar), "bar", -1, nullptr, &stored, &extender));
    EXPECT_EQ(log.take(), Log{"Change 150"}) << "Min 150 moved Value from 0 to 150 first";
    EXPECT_EQ(placed.Min(), Whole(150));
    EXPECT_EQ(placed.Max(), Whole(100));
    EXPECT_EQ(placed.Value(), Whole(150));
}

TEST_F(ScrollBarPersistenceTest, AStoredLayoutPlacesBothBars)
{
    registerTextControls();
    const char* dir = std::getenv("SCOREBOARD_SOURCE_DIR");
    std::filesystem::path root = dir && *dir ? dir : SCOREBOARD_SOURCE_DIR;
    plat::forms::Form f("Bars", root / "tests/controls/text/layouts/bars.json");
    f.load();
    auto& across = f.get<qelHScroll>("across");
    EXPECT_EQ(across.Min(), Whole(-10));
    EXPECT_EQ(across.Max(), Whole(10));
    EXPECT_EQ(across.Value(), Fixed::fromScaled(25000));
    EXPECT_EQ(across.ScrollWidth(), 30);
    EXPECT_EQ(across.BackColor(), 0xC0FFFFu);
    EXPECT_TRUE(across.Subclassed());
    auto& down = f.get<qelVScroll>("down");
    EXPECT_EQ(down.ScrollHeight(), 40);
    EXPECT_EQ(down.MouseInterval(), 20);
    EXPECT_TRUE(down.UnRefreshControl());
    EXPECT_EQ(down.ThumbLength(), 996) << "40 % of 3000 - 510";
}

TEST(PrivateScrollTest, ANewObjectHoldsTheEmbeddedBarsStartingValues)
{
    qelPrivateScroll s;
    EXPECT_EQ(s.LargeChange(), Whole(5));
    EXPECT_EQ(s.ScrollHeight(), 25);
    EXPECT_EQ(s.MouseInterval(), 50);
    EXPECT_EQ(s.SmallChange(), Whole(1));
    EXPECT_EQ(s.WheelChange(), Whole(3));
    EXPECT_TRUE(s.Enabled());
    EXPECT_TRUE(s.EnableWheel());
    EXPECT_TRUE(s.UnRefreshControl());
    EXPECT_EQ(s.ArrowColor(), 0xFFFFFFu);
    EXPECT_EQ(s.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(s.BorderColor(), 0xFF8080u);
    EXPECT_EQ(s.FrontColor(), 0xF0D0BFu);
    EXPECT_EQ(s.DownColor(), 0xBE9E8Du);
    EXPECT_EQ(s.MouseHoverColor(), 0xFFFFFFu);
    EXPECT_EQ(s.LargeChangeColor(), 0xBE9E8Du);
    EXPECT_EQ(s.Min(), Whole(0));
    EXPECT_EQ(s.Max(), Whole(0));
    EXPECT_EQ(s.Value(), Whole(0));
    EXPECT_EQ(s.Width(), 0);
    EXPECT_EQ(s.Height(), 0);
    EXPECT_EQ(s.hDc(), 0u);
    EXPECT_EQ(s.hwnd(), 0u);
}

TEST_F(ScrollBarPersistenceTest, TheSettingsObjectIsACopyThatReachesNoBarByItself)
{
    qelVScrollPrivate& vs = place<qelVScrollPrivate>("vs", 10, 10, 17, 134);
    qelPrivateScroll s = qelPrivateScroll::CopyOf(vs);
    EXPECT_EQ(s.Max(), Whole(100));
    EXPECT_EQ(s.Value(), Whole(50));
    EXPECT_EQ(s.Width(), 255);
    EXPECT_EQ(s.Height(), 2010);
    EXPECT_EQ(s.hwnd(), vs.hwnd());
    s.setValue(Whole(500));
    EXPECT_EQ(vs.Value(), Whole(50)) << "no bar changes";
    vs.setMax(Whole(200));
    EXPECT_EQ(s.Max(), Whole(100)) << "the copy keeps the bounds of its moment";

    EventLog log;
    watch(vs, log);
    s.ApplySettingsTo(vs);
    EXPECT_EQ(log.take(), Log{"Change 50"});
    EXPECT_EQ(vs.Value(), Whole(200)) << "clamped to the bar's Max";

    // A fresh object carries its own starting settings, and Value 0 (clamped to Min).
    qelPrivateScroll fresh;
    fresh.ApplySettingsTo(vs);
    EXPECT_EQ(log.take(), Log{"Change 200"});
    EXPECT_EQ(vs.Value(), Whole(0));
    EXPECT_EQ(vs.MouseInterval(), 50);
    EXPECT_EQ(vs.ScrollHeight(), 25);
    EXPECT_EQ(vs.LargeChange(), Whole(5));
}

} // namespace
} // namespace qel::testing
