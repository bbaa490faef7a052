#include "input_controls_fixture.h"
#include "platform/forms/list_view.h"
#include "platform/gfx/system_colors.h"

namespace plat::forms::testing {

using namespace plat::win;

class ListViewTest : public InputControlsTest {
protected:
    ListViewTest()
    {
        view = &place<ListView>("records", gfx::Rect::fromSize(10, 10, 600, 200));
        view->setView(ListView::lvwReport);
        view->setFullRowSelect(true);
        view->setGridLines(true);
        const std::pair<const char*, double> columns[] = {{"比赛日期", 2081}, {"比赛主题", 3400}, {"球队", 1640}, {"-", 521},
            {"球队", 1640}, {"第一节", 939}, {"第二节", 939}, {"第三节", 939}, {"第四节", 939}, {"总比分", 1040}, {"备注", 1000}};
        for (auto [text, width] : columns)
            view->columnHeaders().add(text, width);
        view->onItemClick = [this](ListItem& item) { events.push_back("ItemClick " + std::to_string(item.index())); };
        view->onClick = [this] { events.push_back("Click"); };
        view->onDblClick = [this] { events.push_back("DblClick"); };
        view->onMouseDown = [this](int, int, double, double) { events.push_back("MouseDown"); };
        view->onMouseUp = [this](int, int, double, double) { events.push_back("MouseUp"); };
        view->onColumnClick = [this](ColumnHeader& c) { events.push_back("ColumnClick " + std::to_string(c.index())); };
    }
    ListItem& record(const std::string& date, const std::string& title)
    {
        ListItem& item = view->listItems().add(date);
        item.setSubItem(1, title);
        item.setSubItem(2, "红队");
        item.setSubItem(3, "VS");
        item.setSubItem(4, "蓝队");
        return item;
    }
    gfx::Point rowPoint(int index, int x = 40)
    {
        gfx::Rect r = view->itemRect(*view->listItems().item(index));
        return on(*view, r.left + x, (r.top + r.bottom) / 2);
    }
    void clickRow(int index, int x = 40)
    {
        gfx::Point p = rowPoint(index, x);
        session.click(p.x, p.y);
        session.advance(600);
    }
    ListView* view = nullptr;
    std::vector<std::string> events;
};

TEST_F(ListViewTest, ColumnsItemsAndSubItemsCountFromOne)
{
    EXPECT_EQ(view->columnHeaders().count(), 11);
    EXPECT_EQ(view->columnHeaders().item(2)->text(), "比赛主题");
    EXPECT_EQ(view->columnHeaders().item(2)->subItemIndex(), 1);
    EXPECT_EQ(view->columnHeaders().item(0), nullptr);
    EXPECT_EQ(view->columnHeaders().item(12), nullptr);
    ListItem& first = record("2024-05-01", "联赛");
    record("2024-05-02", "友谊赛");
    EXPECT_EQ(view->listItems().count(), 2);
    EXPECT_EQ(first.index(), 1);
    EXPECT_EQ(view->listItems().item(2)->subItem(1), "友谊赛");
    EXPECT_EQ(first.subItem(3), "VS");
    EXPECT_EQ(first.subItem(10), ""); // never set
    EXPECT_EQ(first.subItem(0), "");
    // An item inserted at a position moves the ones after it.
    ListItem& inserted = view->listItems().add("2024-04-30", 1);
    EXPECT_EQ(inserted.index(), 1);
    EXPECT_EQ(first.index(), 2);
    EXPECT_EQ(view->listItems().item(4), nullptr);
    // The columns are wider than the list: a horizontal scroll bar shows.
    EXPECT_FALSE(view->horizontalBar().rect().isEmpty());
    EXPECT_TRUE(view->verticalBar().rect().isEmpty());
}

TEST_F(ListViewTest, ClickingARowSelectsItThenItemClickAndClickFollow)
{
    for (int i = 1; i <= 3; ++i)
        record("2024-05-0" + std::to_string(i), "第" + std::to_string(i) + "场");
    EXPECT_EQ(view->selectedItem(), nullptr);
    clickRow(2);
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown", "MouseUp", "ItemClick 2", "Click"}));
    ASSERT_NE(view->selectedItem(), nullptr);
    EXPECT_EQ(view->selectedItem()->index(), 2);
    EXPECT_TRUE(view->listItems().item(2)->selected());
    EXPECT_EQ(GetFocus(), view->hwnd());
    // With full-row selection a click on a later column selects too.
    events.clear();
    clickRow(3, 400);
    EXPECT_EQ(view->selectedItem()->index(), 3);
    EXPECT_FALSE(view->listItems().item(2)->selected());
    // A click below the rows selects nothing and still raises Click.
    events.clear();
    clickAt(*view, 100, 150);
    EXPECT_EQ(view->selectedItem(), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown", "MouseUp", "Click"}));
    // Without full-row selection only the first column takes the click.
    view->setFullRowSelect(false);
    clickRow(1, 400);
    EXPECT_EQ(view->selectedItem(), nullptr);
    clickRow(1, 20);
    EXPECT_EQ(view->selectedItem()->index(), 1);
    // A double click.
    events.clear();
    gfx::Point p = rowPoint(3, 20);
    session.click(p.x, p.y);
    session.click(p.x, p.y);
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown", "MouseUp", "ItemClick 3", "Click", "DblClick", "MouseUp"}));
}

TEST_F(ListViewTest, KeysMoveTheSelection)
{
    for (int i = 1; i <= 30; ++i)
        record(std::to_string(1000 + i), "");
    view->setFocus();
    int rows = view->visibleRows();
    ASSERT_LT(rows, 30);
    struct Case {
        int vk;
        int selected;
    };
    const Case cases[] = {{VK_DOWN, 1}, {VK_DOWN, 2}, {VK_END, 30}, {VK_HOME, 1}, {VK_NEXT, rows}, {VK_UP, rows - 1}};
    for (const Case& c : cases) {
        press(c.vk);
        ASSERT_NE(view->selectedItem(), nullptr);
        EXPECT_EQ(view->selectedItem()->index(), c.selected) << "key " << c.vk;
    }
    EXPECT_EQ(events.front(), "ItemClick 1");
    EXPECT_EQ(events.size(), size_t(6));
    press(VK_END);
    EXPECT_EQ(view->topIndex(), 30 - rows); // the chosen row is in view
    // The wheel scrolls.
    gfx::Point p = on(*view, 100, 100);
    session.wheel(p.x, p.y, 120);
    EXPECT_EQ(view->topIndex(), 27 - rows);
}

TEST_F(ListViewTest, RemovingAndClearing)
{
    for (int i = 1; i <= 4; ++i)
        record("row " + std::to_string(i), "");
    // Delete the selected third row, then select the row two above it.
    view->listItems().item(3)->setSelected(true);
    int k = view->selectedItem()->index();
    view->listItems().remove(k);
    EXPECT_EQ(view->selectedItem(), nullptr);
    EXPECT_EQ(view->listItems().count(), 3);
    EXPECT_EQ(view->listItems().item(3)->text(), "row 4");
    EXPECT_EQ(view->listItems().item(3)->index(), 3);
    view->listItems().item(k - 2)->setSelected(true);
    EXPECT_EQ(view->selectedItem()->text(), "row 1");
    // Selecting one row of a single-selection list clears the others.
    view->setSelectedItem(view->listItems().item(2));
    EXPECT_FALSE(view->listItems().item(1)->selected());
    // Out-of-range removals are ignored.
    view->listItems().remove(0);
    view->listItems().remove(9);
    EXPECT_EQ(view->listItems().count(), 3);
    view->listItems().clear();
    EXPECT_EQ(view->listItems().count(), 0);
    EXPECT_EQ(view->selectedItem(), nullptr);
    EXPECT_TRUE(events.empty()); // code raises no events
}

TEST_F(ListViewTest, AHeaderClickRaisesColumnClickAndSortingFollowsTheKey)
{
    for (const char* title : {"b赛", "C赛", "a赛"})
        record("x", title).setSubItem(5, title == std::string("b赛") ? "2" : title == std::string("C赛") ? "3" : "1");
    view->onColumnClick = [this](ColumnHeader& c) {
        events.push_back("ColumnClick " + std::to_string(c.index()));
        view->setSortKey(c.subItemIndex());
        view->setSorted(true);
    };
    gfx::Rect h = view->headerRect(2);
    clickAt(*view, h.left + 10, h.top + 5);
    EXPECT_EQ(events, (std::vector<std::string>{"ColumnClick 2"}));
    auto titles = [&] {
        std::string s;
        for (int i = 1; i <= view->listItems().count(); ++i)
            s += view->listItems().item(i)->subItem(1) + " ";
        return s;
    };
    EXPECT_EQ(titles(), "a赛 b赛 C赛 ");
    view->setSortOrder(1);
    EXPECT_EQ(titles(), "C赛 b赛 a赛 ");
    // New rows go into their place while the list is sorted.
    view->setSortKey(0);
    view->setSortOrder(0);
    view->listItems().add("a");
    EXPECT_EQ(view->listItems().item(1)->text(), "a");
    EXPECT_EQ(view->listItems().item(1)->index(), 1);
}

TEST_F(ListViewTest, DrawnWithAHeaderGridAndAFullRowSelection)
{
    record("2024-05-01", "联赛");
    record("2024-05-02", "友谊赛");
    using gfx::systemColor;
    gfx::Rect screen = screenRectOf(*view);
    gfx::Rect header = view->headerRect(1).offset(screen.left, screen.top);
    EXPECT_EQ(screenAt(header.left + 20, header.top + 3), systemColor(gfx::ColorBtnFace));
    EXPECT_GT(count(systemColor(gfx::ColorBtnText), header), 10); // "比赛日期"
    // Grid lines under the rows.
    gfx::Rect row1 = view->itemRect(*view->listItems().item(1)).offset(screen.left, screen.top);
    EXPECT_EQ(screenAt(row1.left + 300, row1.bottom - 1), systemColor(gfx::Color3DLight));
    // The selection covers the whole row while the list has the focus...
    view->setFocus();
    view->listItems().item(1)->setSelected(true);
    EXPECT_EQ(screenAt(row1.left + 300, row1.top + 2), systemColor(gfx::ColorHighlight));
    EXPECT_EQ(screenAt(row1.left + 590, row1.top + 2), systemColor(gfx::ColorHighlight));
    // ...and is hidden without it, unless HideSelection is off (then it is grey).
    auto& other = place<ListView>("other", gfx::Rect::fromSize(10, 250, 100, 100));
    other.setFocus();
    session.settle();
    EXPECT_EQ(screenAt(row1.left + 300, row1.top + 2), 0xFFFFFFu);
    view->setHideSelection(false);
    EXPECT_EQ(screenAt(row1.left + 300, row1.top + 2), systemColor(gfx::ColorBtnFace));
    // A text wider than its column ends in "...".
    gfx::Rect row2 = view->itemRect(*view->listItems().item(2)).offset(screen.left, screen.top);
    view->columnHeaders().item(1)->setWidth(600);
    EXPECT_GT(count(0x000000u, {row2.left, row2.top, row2.left + 40, row2.bottom}), 5);
}

TEST_F(ListViewTest, TheOtherViewsListTheTexts)
{
    view->setView(ListView::lvwList);
    record("only the text", "not shown");
    EXPECT_EQ(view->headerHeight(), 0);
    clickRow(1, 20);
    EXPECT_EQ(view->selectedItem()->index(), 1);
}

TEST_F(ListViewTest, StoredColumnsRoundTrip)
{
    view->columnHeaders().item(10)->setAlignment(2);
    PropertyBag bag;
    view->writeProperties(bag);
    auto& copy = place<ListView>("copy", gfx::Rect::fromSize(10, 250, 300, 100));
    copy.readProperties(bag);
    EXPECT_EQ(copy.view(), ListView::lvwReport);
    EXPECT_TRUE(copy.fullRowSelect());
    EXPECT_TRUE(copy.gridLines());
    ASSERT_EQ(copy.columnHeaders().count(), 11);
    EXPECT_EQ(copy.columnHeaders().item(4)->text(), "-");
    EXPECT_EQ(copy.columnHeaders().item(2)->width(), 3400);
    EXPECT_EQ(copy.columnHeaders().item(10)->alignment(), 2);
    PropertyBag broken;
    broken.writeProperty("ColumnHeaders", std::string("no commas here"), std::string());
    EXPECT_THROW(copy.readProperties(broken), PropertyError);
}

} // namespace plat::forms::testing
