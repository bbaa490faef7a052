// The bars carried inside other controls: subclassing only by the host's call, no minimum size,
// UnRefreshControl True by default, the Max and Enabled rules, BlockVS and BlockValue, and the
// vertical bar's silent drags.
#include "controls/text/qel_h_scroll_private.h"
#include "controls/text/qel_v_scroll_private.h"
#include "scroll_bar_helpers.h"

namespace qel::testing {
namespace {

using namespace plat::win;

class EmbeddedScrollBarTest : public TextControlsTest {
protected:
    EventLog log;

    // A vertical bar 255 × 2010 twips at (100, 100), drawn and taking the mouse, as its host
    // leaves it.
    qelVScrollPrivate& launchedVS()
    {
        qelVScrollPrivate& vs = place<qelVScrollPrivate>("vs", 100, 100, 17, 134);
        vs.setUnRefreshControl(false);
        vs.Refresh();
        vs.LaunchKeyMouseEvents();
        watch(vs, log);
        return vs;
    }
    qelHScrollPrivate& launchedHS()
    {
        qelHScrollPrivate& hs = place<qelHScrollPrivate>("hs", 200, 300, 134, 17);
        hs.setUnRefreshControl(false);
        hs.Refresh();
        hs.LaunchKeyMouseEvents();
        watch(hs, log);
        return hs;
    }
};

TEST_F(EmbeddedScrollBarTest, BlockVSSilencesTheNextValueLetOnly)
{
    qelVScrollPrivate& vs = launchedVS();
    vs.setMax(Whole(10));
    vs.setMin(Whole(1));
    vs.setValue(Whole(1));
    log.take();
    const int32_t thumb = vs.ThumbPos();
    vs.setBlockVS(true);
    vs.setValue(Whole(7));
    EXPECT_EQ(log.take(), Log{});
    EXPECT_EQ(vs.Value(), Whole(7));
    EXPECT_GT(vs.ThumbPos(), thumb) << "the thumb still follows";
    EXPECT_FALSE(vs.BlockVSFlag());
    vs.setValue(Whole(8));
    EXPECT_EQ(log.take(), Log{"Change 7"});
}

TEST_F(EmbeddedScrollBarTest, AssigningTheHeldValueClearsBlockVS)
{
    qelVScrollPrivate& vs = launchedVS();
    vs.setBlockVS(true);
    vs.setValue(vs.Value());
    EXPECT_FALSE(vs.BlockVSFlag());
    EXPECT_EQ(log.take(), Log{});
    vs.setValue(Whole(20));
    EXPECT_EQ(log.take(), Log{"Change 50"});
}

TEST_F(EmbeddedScrollBarTest, BlockValueIgnoresAssignmentsButNotTheMouse)
{
    qelVScrollPrivate& vs = launchedVS();
    vs.setBlockValue(true);
    vs.setBlockVS(true);
    vs.setValue(Whole(20));
    EXPECT_EQ(vs.Value(), Whole(50));
    EXPECT_TRUE(vs.BlockVSFlag()) << "an ignored Let leaves BlockVS alone";
    EXPECT_EQ(log.take(), Log{});
    session.wheel(108, 150, -120);
    EXPECT_EQ(log.take(), (Log{"MouseWheel 1", "Change 50"}));
    session.mouseMove(108, 105);
    session.mouseDown(108, 105);
    session.mouseUp(108, 105);
    EXPECT_EQ(log.take(), (Log{"Change 49", "MouseDown 1", "MouseUp 1"})) << "an arrow press still steps";
}

TEST_F(EmbeddedScrollBarTest, HorizontalBlockVSStaysUntilTheHostClearsIt)
{
    qelHScrollPrivate& hs = launchedHS();
    hs.setBlockVS(true);
    for (int64_t v : {10, 20, 30}) {
        hs.setValue(Whole(v));
        EXPECT_EQ(hs.Value(), Whole(v));
    }
    EXPECT_EQ(log.take(), Log{});
    EXPECT_EQ(hs.ThumbPos(), 660) << "Int(1350 × 30 / 100) + 255 = 660";
    hs.setBlockVS(false);
    hs.setValue(Whole(40));
    EXPECT_EQ(log.take(), Log{"Change 30"});
}

TEST_F(EmbeddedScrollBarTest, HorizontalBlockValueIsHonouredToo)
{
    qelHScrollPrivate& hs = launchedHS();
    hs.setBlockValue(true);
    hs.setValue(Whole(10));
    EXPECT_EQ(hs.Value(), Whole(50));
    EXPECT_EQ(log.take(), Log{});
}

TEST_F(EmbeddedScrollBarTest, BoundsFollowTheEmbeddedRules)
{
    qelVScrollPrivate& a = launchedVS();
    a.setMin(Whole(200));
    a.setMax(Whole(300));
    EXPECT_EQ(a.Min(), Whole(200));
    EXPECT_EQ(a.Max(), Whole(300)) << "no test of Max against Value";
    EXPECT_EQ(a.Value(), Whole(200));
    log.take();

    qelHScrollPrivate& b = launchedHS();
    b.setMax(Whole(30));
    EXPECT_EQ(b.Value(), Whole(30));
    EXPECT_EQ(log.take(), Log{}) << "Value follows Max down without a Change";
}

TEST_F(EmbeddedScrollBarTest, EnabledLetWithTheHeldValueDoesNotRedraw)
{
    qelVScrollPrivate& vs = launchedVS();
    WindowImage(vs.hwnd()).setPixel(8, 60, 0xFF123456u);
    vs.setEnabled(true);
    EXPECT_EQ(imagePixel(vs.hwnd(), 8, 60), 0x123456u) << "not redrawn";
    vs.setEnabled(false);
    EXPECT_NE(imagePixel(vs.hwnd(), 8, 60), 0x123456u) << "a change redraws";
}

TEST_F(EmbeddedScrollBarTest, KeepsEverySizeItsHostGivesIt)
{
    qelVScrollPrivate& vs = place<qelVScrollPrivate>("vs", 100, 100, 10, 10);
    vs.move(vs.left(), vs.top(), 200, 600);
    session.settle();
    EXPECT_EQ(vs.width(), 200);
    EXPECT_EQ(vs.height(), 600);
}

TEST_F(EmbeddedScrollBarTest, DrawsNothingUntilTheHostTurnsUnRefreshControlOff)
{
    qelVScrollPrivate& loaded = place<qelVScrollPrivate>("loaded", 100, 100, 17, 134);
    qelHScrollPrivate& fresh = placeNew<qelHScrollPrivate>("fresh", 200, 300, 134, 17);
    for (DrawnControl* bar : {static_cast<DrawnControl*>(&loaded), static_cast<DrawnControl*>(&fresh)}) {
        EXPECT_TRUE(bar->UnRefreshControl());
        EXPECT_FALSE(bar->Subclassed()) << "neither loading nor the defaults subclass";
        EXPECT_NE(imagePixel(bar->hwnd(), 0, 0), 0xFF8080u) << "no frame drawn";
    }
    loaded.setSmallChange(Whole(2));
    EXPECT_NE(imagePixel(loaded.hwnd(), 0, 0), 0xFF8080u) << "repainting Lets draw nothing either";
    loaded.setUnRefreshControl(false);
    loaded.Refresh();
    EXPECT_EQ(imagePixel(loaded.hwnd(), 0, 0), 0xFF8080u);

    PropertyBag written;
    loaded.writeProperties(written);
    EXPECT_TRUE(written.contains("UnRefreshControl")) << "False differs from the default True";
    EXPECT_FALSE(written.readProperty("UnRefreshControl", true));
}

TEST_F(EmbeddedScrollBarTest, TakesNoMouseBeforeLaunchKeyMouseEvents)
{
    qelVScrollPrivate& vs = place<qelVScrollPrivate>("vs", 100, 100, 17, 134);
    vs.setUnRefreshControl(false);
    watch(vs, log);
    session.mouseMove(108, 105);
    session.mouseDown(108, 105);
    session.mouseUp(108, 105);
    session.wheel(108, 150, -120);
    EXPECT_EQ(log.take(), Log{});
    EXPECT_EQ(vs.Value(), Whole(50));
    vs.setFocus();
    session.settle();
    session.key(VK_DOWN);
    EXPECT_EQ(log.take(), (Log{"Change 51", "KeyDown 40", "KeyUp 40"})) << "its keys work";

    vs.LaunchKeyMouseEvents();
    EXPECT_TRUE(vs.Subclassed());
    session.advance(600); // past the double-click time
    session.mouseMove(108, 106);
    session.mouseDown(108, 106);
    EXPECT_EQ(log.take(), (Log{"Change 50", "MouseDown 1"}));
    session.mouseUp(108, 106);
    vs.LaunchKeyMouseEvents();
    EXPECT_TRUE(vs.Subclassed()) << "a second call does nothing";
}

TEST_F(EmbeddedScrollBarTest, LaunchKeyMouseEventsDoesNothingInADesigner)
{
    qelVScrollPrivate& vs = place<qelVScrollPrivate>("vs", 100, 100, 17, 134);
    form.setDesignMode(true);
    vs.LaunchKeyMouseEvents();
    EXPECT_FALSE(vs.Subclassed());
    form.setDesignMode(false);
}

TEST_F(EmbeddedScrollBarTest, VerticalDragReportsOnlyScrollHorizontalAlsoChange)
{
    qelVScrollPrivate& vs = launchedVS();
    watch(vs, log, true);
    // Thumb at 930 to 1080 twips: pixels 62 to 72 from the top.
    session.mouseMove(108, 167);
    session.mouseDown(108, 167);
    log.take();
    for (int y : {168, 170, 172})
        session.mouseMove(108, y);
    EXPECT_EQ(log.take(), (Log{"Scroll", "MouseMove 1", "Scroll", "MouseMove 1", "Scroll", "MouseMove 1"}));
    EXPECT_GT(vs.Value(), Whole(50)) << "the drag moves Value";
    session.mouseUp(108, 172);

    qelHScrollPrivate& hs = launchedHS();
    watch(hs, log, true);
    session.mouseMove(267, 308);
    session.mouseDown(267, 308);
    log.take();
    session.mouseMove(268, 308);
    EXPECT_EQ(log.take(), (Log{"Scroll", "Change 51", "MouseMove 1"}));
    session.mouseUp(268, 308);
}

TEST_F(EmbeddedScrollBarTest, AScrollHandlerSeesTheValueBeforeTheStep)
{
    qelVScrollPrivate& vs = launchedVS();
    std::vector<Fixed> seen;
    vs.Scroll = [&] { seen.push_back(vs.Value()); };
    session.mouseMove(108, 167);
    session.mouseDown(108, 167);
    session.mouseMove(108, 168);
    session.mouseMove(108, 169);
    session.mouseUp(108, 169);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], Whole(50));
    EXPECT_EQ(seen[1], Whole(51));
}

TEST_F(EmbeddedScrollBarTest, WheelWithBlockVSStepsSilentlyThenCloses)
{
    qelVScrollPrivate& vs = launchedVS();
    vs.setBlockVS(true);
    session.wheel(108, 150, -120);
    EXPECT_EQ(log.take(), (Log{"MouseWheel 1", "Change 53"}));
    EXPECT_FALSE(vs.BlockVSFlag());
}

} // namespace
} // namespace qel::testing
