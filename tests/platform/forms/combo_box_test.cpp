#include "input_controls_fixture.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/text_box.h"
#include "platform/gfx/system_colors.h"

namespace plat::forms::testing {

using namespace plat::win;

class ComboBoxTest : public InputControlsTest {
protected:
    ComboBoxTest()
    {
        combo = &place<ComboBox>("combo", gfx::Rect::fromSize(20, 20, 150, 40));
        combo->setText("");
        for (const char* s : {"第一节", "第二节", "第三节", "第四节"})
            combo->addItem(s);
        combo->onClick = [this] { events.push_back("Click " + std::to_string(combo->listIndex())); };
        combo->onChange = [this] { events.push_back("Change " + combo->text()); };
        combo->onDropDown = [this] { events.push_back("DropDown"); };
    }
    // The middle of a row of the open list, on the screen.
    gfx::Point row(int index)
    {
        const ListPanel& panel = combo->dropDown().panel();
        gfx::Rect r = GetScreenRect(combo->dropDown().hwnd());
        int h = panel.rowHeight();
        return {r.left + 30, r.top + 1 + (index - panel.topIndex()) * h + h / 2};
    }
    gfx::Point button()
    {
        gfx::Rect b = combo->buttonRect();
        return on(*combo, (b.left + b.right) / 2, (b.top + b.bottom) / 2);
    }
    void clickButton()
    {
        gfx::Point b = button();
        session.click(b.x, b.y);
        session.advance(600);
    }
    ComboBox* combo = nullptr;
    std::vector<std::string> events;
};

TEST_F(ComboBoxTest, TheListDropsBelowAndAClickOnARowChoosesIt)
{
    combo->setStyle(2);
    EXPECT_EQ(combo->height(), twipsFromPixels(combo->editField().lineHeight() + 8)); // as high as the font needs
    clickButton();
    ASSERT_TRUE(combo->droppedDown());
    EXPECT_EQ(GetFocus(), combo->hwnd());
    gfx::Rect list = GetScreenRect(combo->dropDown().hwnd());
    gfx::Rect box = screenRectOf(*combo);
    EXPECT_EQ(list.top, box.bottom);
    EXPECT_EQ(list.left, box.left);
    EXPECT_EQ(list.width(), box.width());
    EXPECT_EQ(list.height(), 4 * combo->dropDown().panel().rowHeight() + 2);
    // The row under the pointer is highlighted; the choice waits for the release.
    gfx::Point r2 = row(2);
    session.mouseMove(r2.x, r2.y);
    EXPECT_EQ(combo->dropDown().highlighted(), 2);
    EXPECT_EQ(combo->listIndex(), -1);
    session.click(r2.x, r2.y);
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->listIndex(), 2);
    EXPECT_EQ(combo->text(), "第三节");
    EXPECT_EQ(events, (std::vector<std::string>{"DropDown", "Click 2"}));
    EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(ComboBoxTest, APressOutsideOrEscapeClosesTheListWithoutAChoice)
{
    combo->setStyle(2);
    combo->setListIndex(1);
    events.clear();
    clickButton();
    gfx::Point r3 = row(3);
    session.mouseMove(r3.x, r3.y);
    session.click(400, 300); // outside
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->listIndex(), 1);
    // Clicking the button again while it is open closes it.
    clickButton();
    clickButton();
    EXPECT_FALSE(combo->droppedDown());
    press(VK_F1 + 3); // F4 opens,
    ASSERT_TRUE(combo->droppedDown());
    press(VK_DOWN); // moves the highlight,
    EXPECT_EQ(combo->dropDown().highlighted(), 2);
    press(VK_ESCAPE); // and Esc leaves the choice as it was.
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->listIndex(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"DropDown", "DropDown", "DropDown"}));
}

TEST_F(ComboBoxTest, KeysChooseWithTheListClosedOrOpen)
{
    combo->setStyle(2);
    combo->setFocus();
    struct Case {
        int vk;
        int index;
    };
    const Case cases[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 3}, {VK_DOWN, 3}, {VK_HOME, 0}, {VK_UP, 0}};
    for (const Case& c : cases) {
        press(c.vk);
        EXPECT_EQ(combo->listIndex(), c.index) << "key " << c.vk;
    }
    EXPECT_EQ(events, (std::vector<std::string>{"Click 0", "Click 1", "Click 3", "Click 0"}));
    // Alt+Down opens; Enter takes the highlighted row.
    events.clear();
    session.keyDown(VK_MENU);
    press(VK_DOWN);
    session.keyUp(VK_MENU);
    ASSERT_TRUE(combo->droppedDown());
    press(VK_DOWN);
    press(VK_DOWN);
    press(VK_RETURN);
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->listIndex(), 2);
    EXPECT_EQ(events, (std::vector<std::string>{"DropDown", "Click 2"}));
    // A letter chooses the next entry that starts with it.
    combo->clear();
    for (const char* s : {"apple", "banana", "blueberry"})
        combo->addItem(s);
    session.type("b");
    EXPECT_EQ(combo->text(), "banana");
    session.type("b");
    EXPECT_EQ(combo->text(), "blueberry");
}

TEST_F(ComboBoxTest, TypedTextRaisesChangeAndMatchesAnEntry)
{
    combo->setFocus();
    session.type("第二节");
    EXPECT_EQ(combo->text(), "第二节");
    EXPECT_EQ(combo->listIndex(), 1);
    session.type("x");
    EXPECT_EQ(combo->listIndex(), -1);
    EXPECT_EQ(events, (std::vector<std::string>{"Change 第", "Change 第二", "Change 第二节", "Change 第二节x"}));
    // A choice from the list replaces the typed text, raising Click but not Change.
    events.clear();
    press(VK_DOWN);
    EXPECT_EQ(combo->text(), "第一节");
    EXPECT_EQ(combo->selLength(), 3); // the text is selected, so typing replaces it
    EXPECT_EQ(events, (std::vector<std::string>{"Click 0"}));
    // Text set by code: the entry of that text is chosen; other text is kept as typed.
    events.clear();
    combo->setText("第四节");
    EXPECT_EQ(combo->listIndex(), 3);
    combo->setText("张三");
    EXPECT_EQ(combo->listIndex(), -1);
    EXPECT_EQ(combo->text(), "张三");
    EXPECT_EQ(events, (std::vector<std::string>{"Change 第四节", "Change 张三"}));
}

TEST_F(ComboBoxTest, RemovingTheChosenEntryKeepsTypedTextButNotADropDownListsChoice)
{
    combo->setText("第二节");
    combo->removeItem(1);
    EXPECT_EQ(combo->listIndex(), -1);
    EXPECT_EQ(combo->text(), "第二节");
    EXPECT_EQ(combo->listCount(), 3);
    combo->setListIndex(2);
    combo->removeItem(0);
    EXPECT_EQ(combo->listIndex(), 1);
    EXPECT_EQ(combo->text(), "第四节");
    combo->setStyle(2);
    combo->setListIndex(0);
    combo->removeItem(0);
    EXPECT_EQ(combo->listIndex(), -1);
    EXPECT_EQ(combo->text(), "");
    // A dropdown list ignores a text it has no entry for.
    combo->setText("第四节");
    EXPECT_EQ(combo->listIndex(), 0);
    combo->setText("nothing");
    EXPECT_EQ(combo->text(), "第四节");
    // Clear empties the list and the text; ListIndex -1 empties the text.
    combo->setStyle(0);
    combo->setListIndex(0);
    combo->setListIndex(-1);
    EXPECT_EQ(combo->text(), "");
    combo->setText("typed");
    combo->clear();
    EXPECT_EQ(combo->text(), "");
    EXPECT_EQ(combo->listCount(), 0);
}

TEST_F(ComboBoxTest, ALongListScrollsInItsDropDown)
{
    combo->clear();
    for (int i = 0; i <= 100; ++i)
        combo->addItem(std::to_string(i));
    combo->setText("0");
    EXPECT_EQ(combo->listIndex(), 0);
    combo->setListIndex(50);
    clickButton();
    ASSERT_TRUE(combo->droppedDown());
    const ListPanel& panel = combo->dropDown().panel();
    EXPECT_EQ(panel.visibleRows(), ComboDropDown::kMaxRows);
    EXPECT_FALSE(panel.scrollBar().rect().isEmpty());
    EXPECT_LE(panel.topIndex(), 50);
    EXPECT_GT(panel.topIndex() + ComboDropDown::kMaxRows, 50);
    gfx::Point p = row(panel.topIndex());
    int top = panel.topIndex();
    session.wheel(p.x, p.y, -120);
    EXPECT_EQ(panel.topIndex(), top + 3);
    // A press on the list's scroll bar scrolls and keeps it open.
    gfx::Rect bar = panel.scrollBar().rect();
    gfx::Rect list = GetScreenRect(combo->dropDown().hwnd());
    session.click(list.left + bar.left + 8, list.top + bar.bottom - 8);
    EXPECT_TRUE(combo->droppedDown());
    EXPECT_EQ(panel.topIndex(), top + 4);
    session.click(row(top + 5).x, row(top + 5).y);
    EXPECT_EQ(combo->text(), std::to_string(top + 5));
}

TEST_F(ComboBoxTest, TheListOpensAboveWhenThereIsNoRoomBelowAndGoesWithTheFocus)
{
    combo->move(twipsFromPixels(20), twipsFromPixels(450));
    form.move(0, twipsFromPixels(280));
    session.settle();
    clickButton();
    ASSERT_TRUE(combo->droppedDown());
    EXPECT_EQ(GetScreenRect(combo->dropDown().hwnd()).bottom, screenRectOf(*combo).top);
    auto& other = place<TextBox>("other", gfx::Rect::fromSize(300, 20, 100, 21));
    other.setFocus();
    session.settle();
    EXPECT_FALSE(combo->droppedDown());
}

TEST_F(ComboBoxTest, ADropDownListShowsItsChoiceHighlightedWhileItHasTheFocus)
{
    combo->setStyle(2);
    combo->setListIndex(0);
    gfx::Rect r = screenRectOf(*combo);
    using gfx::systemColor;
    EXPECT_EQ(count(systemColor(gfx::ColorHighlight), r), 0);
    combo->setFocus();
    EXPECT_GT(count(systemColor(gfx::ColorHighlight), r), 100);
    EXPECT_EQ(screenAt(r.left, r.top), systemColor(gfx::ColorBtnShadow));
    gfx::Rect b = combo->buttonRect().offset(r.left, r.top);
    EXPECT_EQ(screenAt(b.left + 4, b.top + 3), systemColor(gfx::ColorBtnFace));
    EXPECT_GT(count(systemColor(gfx::ColorBtnText), b), 8); // the arrow
}

TEST_F(ComboBoxTest, StoredPropertiesRoundTrip)
{
    combo->setStyle(2);
    combo->setForeColor(0xFFFFFF);
    PropertyBag bag;
    combo->writeProperties(bag);
    auto& copy = place<ComboBox>("copy", gfx::Rect::fromSize(200, 20, 100, 21));
    copy.readProperties(bag);
    EXPECT_EQ(copy.style(), 2);
    EXPECT_EQ(copy.listCount(), 4);
    EXPECT_EQ(copy.list(3), "第四节");
    EXPECT_EQ(copy.foreColor(), 0xFFFFFFu);
    EXPECT_EQ(copy.listIndex(), -1);
}

} // namespace plat::forms::testing
