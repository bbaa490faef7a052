#include "input_controls_fixture.h"
#include "platform/forms/list_box.h"
#include "platform/gfx/system_colors.h"

namespace plat::forms::testing {

using namespace plat::win;

class ListBoxTest : public InputControlsTest {
protected:
    ListBoxTest()
    {
        list = &place<ListBox>("list", gfx::Rect::fromSize(20, 20, 160, 120));
        list->onClick = [this] { events.push_back("Click " + std::to_string(list->listIndex())); };
        list->onDblClick = [this] { events.push_back("DblClick " + std::to_string(list->listIndex())); };
        list->onMouseDown = [this](int, int, double, double) { events.push_back("MouseDown"); };
        list->onMouseUp = [this](int, int, double, double) { events.push_back("MouseUp"); };
    }
    void fill(int n)
    {
        for (int i = 0; i < n; ++i)
            list->addItem("item " + std::to_string(i));
    }
    // The middle of an entry's row, on the screen.
    gfx::Point entry(int index)
    {
        gfx::Rect r = list->entryRect(index);
        return on(*list, r.left + 20, (r.top + r.bottom) / 2);
    }
    void clickEntry(int index, int modifiers = 0)
    {
        gfx::Point p = entry(index);
        if (modifiers & 1)
            session.keyDown(VK_SHIFT);
        if (modifiers & 2)
            session.keyDown(VK_CONTROL);
        session.click(p.x, p.y);
        if (modifiers & 2)
            session.keyUp(VK_CONTROL);
        if (modifiers & 1)
            session.keyUp(VK_SHIFT);
        session.advance(600); // so that the next click is not a double click
    }
    ListBox* list = nullptr;
    std::vector<std::string> events;
};

TEST_F(ListBoxTest, AddRemoveClearAndTheIndexesTheyMove)
{
    list->addItem("b.mp3");
    list->addItem("c.mp3");
    list->addItem("a.mp3", 0);
    EXPECT_EQ(list->newIndex(), 0);
    EXPECT_EQ(list->listCount(), 3);
    EXPECT_EQ(list->list(0), "a.mp3");
    EXPECT_EQ(list->list(2), "c.mp3");
    EXPECT_EQ(list->listIndex(), -1);
    EXPECT_EQ(list->text(), "");
    list->setListIndex(1);
    EXPECT_EQ(list->text(), "b.mp3");
    // An entry added before the selected one moves the selection with its entry.
    list->addItem("0.mp3", 0);
    EXPECT_EQ(list->listIndex(), 2);
    EXPECT_EQ(list->text(), "b.mp3");
    list->removeItem(0);
    EXPECT_EQ(list->listIndex(), 1);
    // Removing the selected entry leaves nothing selected.
    list->removeItem(1);
    EXPECT_EQ(list->listIndex(), -1);
    EXPECT_EQ(list->listCount(), 2);
    // Indexes outside the list are ignored.
    list->removeItem(5);
    list->removeItem(-1);
    list->addItem("far", 7);
    list->setListIndex(9);
    list->setList(4, "x");
    EXPECT_EQ(list->list(4), "");
    EXPECT_EQ(list->itemData(4), 0);
    EXPECT_EQ(list->listCount(), 2);
    list->setItemData(1, 42);
    EXPECT_EQ(list->itemData(1), 42);
    list->clear();
    EXPECT_EQ(list->listCount(), 0);
    EXPECT_EQ(list->listIndex(), -1);
    // Only a new ListIndex raised Click.
    EXPECT_EQ(events, (std::vector<std::string>{"Click 1"}));
}

TEST_F(ListBoxTest, SortedListsInsertInOrder)
{
    list->setSorted(true);
    for (const char* s : {"pear", "Apple", "banana", "apple"})
        list->addItem(s);
    std::vector<std::string> got;
    for (int i = 0; i < list->listCount(); ++i)
        got.push_back(list->list(i));
    EXPECT_EQ(got, (std::vector<std::string>{"Apple", "apple", "banana", "pear"}));
    EXPECT_EQ(list->newIndex(), 1);
}

TEST_F(ListBoxTest, ClickingAnEntrySelectsItAndRaisesClickAfterMouseUp)
{
    fill(3);
    clickEntry(1);
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown", "MouseUp", "Click 1"}));
    EXPECT_EQ(GetFocus(), list->hwnd());
    EXPECT_TRUE(list->selected(1));
    // Clicking it again raises Click again.
    events.clear();
    clickEntry(1);
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown", "MouseUp", "Click 1"}));
    // A double click.
    events.clear();
    gfx::Point p = entry(2);
    session.click(p.x, p.y);
    session.click(p.x, p.y);
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown", "MouseUp", "Click 2", "DblClick 2", "MouseUp"}));
    // Below the last entry: the last one.
    events.clear();
    session.advance(600);
    clickAt(*list, 40, 110);
    EXPECT_EQ(list->listIndex(), 2);
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndScroll)
{
    fill(30);
    list->setFocus();
    int rows = list->panel().visibleRows();
    ASSERT_GT(rows, 3);
    ASSERT_LT(rows, 30);
    struct Case {
        int vk;
        int index;
        int top;
    };
    const Case cases[] = {
        {VK_DOWN, 0, 0},                            // nothing selected: the first entry
        {VK_DOWN, 1, 0},
        {VK_NEXT, rows - 1, 0},                     // to the bottom row shown
        {VK_NEXT, 2 * rows - 2, rows - 1},          // then a page further
        {VK_PRIOR, rows - 1, rows - 1},             // to the top row shown
        {VK_END, 29, 30 - rows},
        {VK_DOWN, 29, 30 - rows},                   // the end stays
        {VK_HOME, 0, 0},
        {VK_UP, 0, 0},
    };
    for (const Case& c : cases) {
        press(c.vk);
        EXPECT_EQ(list->listIndex(), c.index) << "key " << c.vk;
        EXPECT_EQ(list->topIndex(), c.top) << "key " << c.vk;
    }
    // Click only where the selection changed (not for the last Down and Up).
    EXPECT_EQ(events.size(), size_t(7));
    // The first letter of an entry finds the next entry starting with it.
    list->clear();
    for (const char* s : {"apple", "banana", "blueberry", "cherry"})
        list->addItem(s);
    session.type("b");
    EXPECT_EQ(list->listIndex(), 1);
    session.type("B");
    EXPECT_EQ(list->listIndex(), 2);
    session.type("b");
    EXPECT_EQ(list->listIndex(), 1);
    session.type("z");
    EXPECT_EQ(list->listIndex(), 1);
}

TEST_F(ListBoxTest, TheScrollBarShowsOnlyWhenNeededAndScrolls)
{
    fill(3);
    EXPECT_TRUE(list->panel().scrollBar().rect().isEmpty());
    fill(27);
    const InsetScrollBar& bar = list->panel().scrollBar();
    ASSERT_FALSE(bar.rect().isEmpty());
    int scrolls = 0;
    list->onScroll = [&] { ++scrolls; };
    clickAt(*list, bar.rect().left + 8, bar.rect().bottom - 8);
    EXPECT_EQ(list->topIndex(), 1);
    EXPECT_TRUE(events.empty()); // the scroll bar raises no mouse events and no Click
    // The track below the thumb pages down.
    session.advance(600);
    clickAt(*list, bar.rect().left + 8, bar.rect().bottom - 22);
    EXPECT_EQ(list->topIndex(), 1 + list->panel().visibleRows());
    // The wheel scrolls three rows a notch.
    gfx::Point p = on(*list, 40, 40);
    session.wheel(p.x, p.y, 120);
    EXPECT_EQ(list->topIndex(), list->panel().visibleRows() - 2);
    EXPECT_EQ(scrolls, 3);
    // Dragging the thumb to the bottom shows the last rows.
    session.advance(600);
    list->setTopIndex(0);
    gfx::Point thumb = on(*list, bar.rect().left + 8, bar.rect().top + 17 + 3);
    session.mouseDown(thumb.x, thumb.y);
    session.mouseMove(thumb.x, thumb.y + 400);
    session.mouseUp(thumb.x, thumb.y + 400);
    EXPECT_EQ(list->topIndex(), 30 - list->panel().visibleRows());
    // A selected entry out of view is brought into view by code.
    list->setListIndex(2);
    EXPECT_EQ(list->topIndex(), 2);
}

TEST_F(ListBoxTest, ExtendedAndSimpleMultipleSelection)
{
    fill(6);
    list->setMultiSelect(2);
    clickEntry(1);
    clickEntry(3, 1); // Shift: 1 to 3
    EXPECT_EQ(list->selCount(), 3);
    clickEntry(5, 2); // Ctrl: 5 as well
    clickEntry(2, 2); // Ctrl: 2 no more
    std::vector<int> chosen;
    for (int i = 0; i < list->listCount(); ++i)
        if (list->selected(i))
            chosen.push_back(i);
    EXPECT_EQ(chosen, (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(list->listIndex(), 2); // the entry with the focus frame
    // Shift+Down extends from the anchor; a plain Down selects one.
    press(VK_DOWN, 1);
    EXPECT_EQ(list->selCount(), 2); // 2 and 3
    press(VK_DOWN);
    EXPECT_EQ(list->selCount(), 1);
    EXPECT_TRUE(list->selected(4));
    // Simple: every click toggles, Space toggles the focus entry.
    list->setMultiSelect(1);
    clickEntry(0);
    clickEntry(0);
    clickEntry(1);
    EXPECT_FALSE(list->selected(0));
    EXPECT_TRUE(list->selected(1));
    press(VK_DOWN);
    press(VK_SPACE);
    EXPECT_TRUE(list->selected(2));
    list->setSelected(4, false);
    EXPECT_EQ(list->selCount(), 2);
}

TEST_F(ListBoxTest, TextSelectsTheEntryOfThatText)
{
    for (const char* s : {"主裁判", "副裁判", "张三"})
        list->addItem(s);
    list->setText("张三");
    EXPECT_EQ(list->listIndex(), 2);
    list->setText("nobody");
    EXPECT_EQ(list->listIndex(), 2);
}

TEST_F(ListBoxTest, DrawnWithASunkenBorderAndTheSelectionInBlue)
{
    fill(3);
    list->setListIndex(1);
    gfx::Rect r = screenRectOf(*list);
    using gfx::systemColor;
    EXPECT_EQ(screenAt(r.left, r.top), systemColor(gfx::ColorBtnShadow));
    EXPECT_EQ(screenAt(r.left + 1, r.top + 1), systemColor(gfx::Color3DDkShadow));
    EXPECT_EQ(screenAt(r.right - 5, r.bottom - 5), 0xFFFFFFu);
    gfx::Rect row = list->entryRect(1).offset(r.left, r.top);
    EXPECT_EQ(screenAt(row.right - 3, row.top + 2), systemColor(gfx::ColorHighlight));
    EXPECT_GT(count(systemColor(gfx::ColorHighlightText), row), 5);
    gfx::Rect other = list->entryRect(0).offset(r.left, r.top);
    EXPECT_EQ(count(systemColor(gfx::ColorHighlight), other), 0);
    EXPECT_GT(count(0x000000u, other), 5);
}

TEST_F(ListBoxTest, StoredListRoundTrip)
{
    list->addItem("第一节");
    list->addItem("");
    list->addItem("第三节");
    list->setMultiSelect(2);
    PropertyBag bag;
    list->writeProperties(bag);
    EXPECT_EQ(bag.readProperty("List", ""), "第一节\r\n\r\n第三节\r\n");
    auto& copy = place<ListBox>("copy", gfx::Rect::fromSize(200, 20, 100, 100));
    copy.readProperties(bag);
    EXPECT_EQ(copy.listCount(), 3);
    EXPECT_EQ(copy.list(1), "");
    EXPECT_EQ(copy.list(2), "第三节");
    EXPECT_EQ(copy.multiSelect(), 2);
    PropertyBag empty;
    list->clear();
    list->writeProperties(empty);
    EXPECT_FALSE(empty.contains("List"));
}

} // namespace plat::forms::testing
