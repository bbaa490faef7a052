#include "list_box_fixture.h"
#include <functional>

namespace qel::testing {
namespace {

using namespace plat::win;

// The list of the list box tests with its bar, 17 x 80 pixels (255 x 1200 twips) along its right
// edge, driven by the mouse as the operator drives it.
class ListBoxScrollingTest : public ListBoxTest {
protected:
    plat::gfx::Rect bar() { return GetScreenRect(list->VS().hwnd()); }
    int barX() { return bar().left + 8; }
    // The screen row of a place on the bar, twips from its top.
    int barY(int twips) { return bar().top + twips / 15; }
    int32_t barValue() { return int32_t(FloorOf(list->VS().Value())); }
    // The bar's inner image, where its own drawing lands.
    Color barPixel(int x, int y) { return imagePixel(list->VS().hwnd(), x, y); }

    void pressBar(int twips)
    {
        const int y = barY(twips);
        session.mouseMove(barX(), y);
        session.mouseDown(barX(), y);
        session.mouseUp(barX(), y);
        session.advance(600); // no double click with the next press
    }
    void pressDownArrow() { pressBar(1200 - 100); }
    // A press in the track below the thumb, while there is room for one.
    void pageDown()
    {
        const int below = list->VS().ThumbPos() + list->VS().ThumbLength() + 30;
        if (below < 1200 - 285)
            pressBar(below);
    }
    void wheelOverBar()
    {
        session.mouseMove(barX(), barY(600));
        session.wheel(barX(), barY(600), -120);
        session.settle();
    }
    // Takes the thumb by its middle and moves it by `pixels` in steps of `step`, reporting the
    // list's first item and the bar's value after each move.
    std::vector<std::pair<int32_t, int32_t>> dragThumb(int pixels, int step)
    {
        const int x = barX();
        int y = barY(list->VS().ThumbPos() + list->VS().ThumbLength() / 2);
        session.mouseMove(x, y);
        session.mouseDown(x, y);
        std::vector<std::pair<int32_t, int32_t>> seen;
        for (int moved = 0; moved < pixels; moved += step) {
            y += step;
            session.mouseMove(x, y);
            session.settle();
            seen.emplace_back(list->TopIndex(), barValue());
        }
        session.mouseUp(x, y);
        session.settle();
        return seen;
    }
    void restart(int items)
    {
        list->Clear();
        list->setTopIndex(1);
        addItems(items);
    }
};

TEST_F(ListBoxScrollingTest, TheListFollowsTheDraggedThumbAndEndsWhereTheThumbEnds)
{
    addItems(100);
    const auto seen = dragThumb(30, 3);
    ASSERT_EQ(seen.size(), 10u);
    int32_t previous = 1;
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].first, seen[i].second) << "move " << i + 1;
        EXPECT_GE(seen[i].first, previous) << "move " << i + 1;
        previous = seen[i].first;
    }
    EXPECT_GT(list->TopIndex(), 1);
    EXPECT_EQ(list->TopIndex(), barValue());
    // The drawn first row is the item at TopIndex.
    EXPECT_EQ(list->Item(list->TopIndex())->Text(), "item" + std::to_string(list->TopIndex()));

    // Down to the end of the track: the last full page.
    dragThumb(80, 20);
    EXPECT_EQ(list->TopIndex(), 98);
    EXPECT_EQ(barValue(), 98);
    EXPECT_EQ(list->VisibleCount(), 3);
}

TEST_F(ListBoxScrollingTest, ScrollingPastTheEndKeepsTheLastPageFull)
{
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"down arrow", [this] { pressDownArrow(); }},
        {"page below the thumb", [this] { pageDown(); }},
        {"wheel", [this] { wheelOverBar(); }},
        {"thumb dragged down", [this] { dragThumb(60, 20); }},
    };
    for (const auto& [way, scroll] : ways) {
        restart(10);
        for (int i = 0; i < 12; ++i)
            scroll();
        // Ten items of 300 twips: items 8, 9 and 10 fill the 1200 twips.
        EXPECT_EQ(list->TopIndex(), 8) << way;
        EXPECT_EQ(list->VisibleCount(), 3) << way;
        EXPECT_EQ(barValue(), 8) << way;
        EXPECT_EQ(list->VS().Max(), Whole(8)) << way;
    }
}

TEST_F(ListBoxScrollingTest, AHeldArrowRepeatsAtMouseInterval)
{
    addItems(100);
    // Every load gives the bar the settings of a fresh settings object: 50 ms.
    EXPECT_EQ(list->VS().MouseInterval(), 50);
    const int y = barY(1200 - 100);
    session.mouseMove(barX(), y);
    session.mouseDown(barX(), y);
    session.settle();
    EXPECT_EQ(list->TopIndex(), 2); // the press itself steps
    session.advance(1025);
    EXPECT_EQ(list->TopIndex(), 22); // and then once every 50 ms
    session.mouseUp(barX(), y);
    session.advance(500);
    EXPECT_EQ(list->TopIndex(), 22);

    qelPrivateScroll settings = list->VScroll();
    settings.setMouseInterval(200);
    list->setVScroll(settings);
    session.mouseMove(barX(), y + 1);
    session.mouseDown(barX(), y + 1);
    session.advance(1010);
    session.mouseUp(barX(), y + 1);
    EXPECT_EQ(list->TopIndex(), 28);
}

TEST_F(ListBoxScrollingTest, TheBarShowsItsColoursAndItsHoverLook)
{
    addItems(10);
    qelPrivateScroll settings = list->VScroll();
    settings.setFrontColor(0x00C000);
    settings.setMouseHoverColor(0x0000FF);
    settings.setDownColor(0xFF0000);
    list->setVScroll(settings);
    // The face of the bottom button beside its glyph, below the separator at 1200 - 285 twips.
    EXPECT_EQ(barPixel(3, 70), 0x00C000u);
    EXPECT_EQ(barPixel(3, 62), 0x00C000u);
    session.mouseMove(barX(), barY(1100));
    session.settle();
    EXPECT_EQ(barPixel(3, 62), 0x0000FFu); // the hover frame's top edge
    session.mouseDown(barX(), barY(1100));
    session.settle();
    EXPECT_EQ(barPixel(3, 70), 0xFF0000u); // held down
    session.mouseUp(barX(), barY(1100));
    session.settle();
    EXPECT_EQ(barPixel(3, 70), 0x00C000u);
}

TEST_F(ListBoxScrollingTest, TheWheelOverTheBarScrollsUnlessTurnedOff)
{
    addItems(20);
    wheelOverBar();
    EXPECT_EQ(list->TopIndex(), 4); // WheelChange 3
    qelPrivateScroll settings = list->VScroll();
    settings.setEnableWheel(false);
    list->setVScroll(settings);
    wheelOverBar();
    EXPECT_EQ(list->TopIndex(), 4);
    EXPECT_FALSE(list->VScroll().EnableWheel());
}

TEST_F(ListBoxScrollingTest, TheSettingsCrossAsACopy)
{
    addItems(20);
    qelPrivateScroll settings = list->VScroll();
    EXPECT_EQ(settings.Min(), Whole(1));
    EXPECT_EQ(settings.Max(), Whole(18));
    EXPECT_EQ(settings.Height(), 1200);
    EXPECT_EQ(settings.Width(), 255);
    EXPECT_EQ(settings.ScrollHeight(), 25);
    settings.setSmallChange(Whole(4));
    EXPECT_EQ(list->VS().SmallChange(), Whole(1)); // nothing reaches the bar before the Let
    // A Value beyond the end: the bar takes its Max and the list shows the last page.
    settings.setValue(Whole(500));
    list->setVScroll(settings);
    EXPECT_EQ(list->VS().SmallChange(), Whole(4));
    EXPECT_EQ(barValue(), 18);
    EXPECT_EQ(list->TopIndex(), 18);
    EXPECT_EQ(list->VS().Min(), Whole(1));
    EXPECT_EQ(list->VS().width(), 255.0);
}

TEST_F(ListBoxScrollingTest, TopIndexTheBarAndTheShownRowsAgreeWhicheverIsSet)
{
    // Thirty items of 300 twips: items 28 to 30 make the last full page.
    struct Case {
        const char* name;
        std::function<void()> set;
        int32_t top;
    };
    const std::vector<Case> cases = {
        {"TopIndex 20", [this] { list->setTopIndex(20); }, 20},
        {"bar Value 6", [this] { list->VS().setValue(Whole(6)); }, 6},
        {"TopIndex 50", [this] { list->setTopIndex(50); }, 28},
        {"bar Value 12", [this] { list->VS().setValue(Whole(12)); }, 12},
        {"TopIndex 0", [this] { list->setTopIndex(0); }, 1},
        {"bar Value 28", [this] { list->VS().setValue(Whole(28)); }, 28},
        {"TopIndex 3", [this] { list->setTopIndex(3); }, 3},
    };
    addItems(30);
    for (const Case& c : cases) {
        c.set();
        EXPECT_EQ(list->TopIndex(), c.top) << c.name;
        EXPECT_EQ(barValue(), c.top) << c.name;
        take();
        pressItem(c.top);
        EXPECT_EQ(joined(take()), "MouseDown 1, ItemClick item" + std::to_string(c.top)) << c.name << ": the first row shows it";
        // The next arrow step goes on from there.
        pressDownArrow();
        const int32_t next = std::min(c.top + 1, 28);
        EXPECT_EQ(list->TopIndex(), next) << c.name;
        EXPECT_EQ(barValue(), next) << c.name;
    }
}

} // namespace
} // namespace qel::testing
