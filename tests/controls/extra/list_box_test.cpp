#include "controls/extra/qel_list_box.h"
#include "extra_fixture.h"
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace qel::testing {
namespace {

using namespace plat::win;
namespace fs = std::filesystem;
using ItemRef = qelListBox::ItemRef;

// A list 200 x 80 pixels (3000 x 1200 twips) at (100, 100), loaded from a stored layout.
class ListBoxTest : public ExtraTest {
protected:
    qelListBox* list = nullptr;
    std::vector<std::string> log;
    fs::path scratch;

    void SetUp() override
    {
        ExtraTest::SetUp();
        scratch = fs::temp_directory_path() / ("qel_list_" + std::to_string(::getpid()) + "_"
                                                  + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(scratch);
        fs::create_directories(scratch);
        PropertyBag stored;
        stored.writeProperty("Sorted", int32_t(0), -1);
        list = &place<qelListBox>("list", 100, 100, 200, 80, stored);
        auto item = [this](const char* name) {
            return [this, name](const ItemRef& Item) { log.push_back(std::string(name) + " " + (Item ? Item->Text() : "-")); };
        };
        list->ItemClick = item("ItemClick");
        list->ItemDblClick = item("ItemDblClick");
        list->ItemChek = item("ItemChek");
        list->ItemUnCheck = item("ItemUnCheck");
        list->MouseDown = [this](int& Button, int&, int&, int&, int&) { log.push_back("MouseDown " + std::to_string(Button)); };
        list->MouseWheel = [this](int& Sens) { log.push_back("MouseWheel " + std::to_string(Sens)); };
        show();
    }
    void TearDown() override { fs::remove_all(scratch); }

    void addItems(int n, int height = 300)
    {
        for (int i = 1; i <= n; ++i) {
            auto it = std::make_shared<qelListItem>();
            it->setText("item" + std::to_string(i));
            it->setHeight(height);
            list->AddItem("", it);
        }
    }
    // A press on item i (300 twips = 20 pixels each) at a pixel column.
    void pressItem(int i, int x = 50, int button = 1)
    {
        const int y = 100 + (i - list->TopIndex()) * 20 + 10;
        session.mouseMove(100 + x, y);
        session.mouseDown(100 + x, y, button);
        session.mouseUp(100 + x, y, button);
        session.advance(600); // no double click with the next press
    }
    std::string flags()
    {
        std::string s;
        for (int i = 1; i <= list->ListCount(); ++i)
            s += list->Selected(i) ? '1' : '0';
        return s;
    }
    std::vector<std::string> take() { return std::exchange(log, {}); }
    std::string texts()
    {
        std::string s;
        for (int i = 1; i <= list->ListCount(); ++i)
            s += (i > 1 ? "," : "") + list->List(i);
        return s;
    }
    std::string fileBytes(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(ListBoxTest, DefaultsOfANewAndOfAStoredList)
{
    qelListBox& n = placeNew<qelListBox>("n", 400, 100, 200, 80);
    EXPECT_EQ(n.Sorted(), 0);
    EXPECT_EQ(n.ListIndex(), -1);
    EXPECT_EQ(n.TopIndex(), 1);
    EXPECT_TRUE(n.MultiSelect());
    EXPECT_TRUE(n.DisplayVScroll());
    EXPECT_EQ(n.IconSize(), 16);
    EXPECT_EQ(n.ListCount(), 0);
    qelListBox& s = place<qelListBox>("s", 400, 200, 200, 80);
    EXPECT_EQ(s.Sorted(), -1);
    EXPECT_TRUE(s.Subclassed());
}

TEST_F(ListBoxTest, VisibleCountAndTheBar)
{
    addItems(10);
    EXPECT_EQ(list->VisibleCount(), 3);
    EXPECT_TRUE(list->VS().Enabled());
    EXPECT_EQ(list->ListCount(), 10);
    EXPECT_EQ(list->ItemBound(), 11);
    EXPECT_EQ(list->NewIndex(), 10);
    EXPECT_EQ(list->VS().Max(), plat::forms::Currency::fromInteger(11));
}

TEST_F(ListBoxTest, AddItemWithTextTakesTheListsLook)
{
    list->setForeColor(0x0000FF);
    list->setSelColor(0x00FF00);
    list->AddItem("apple", nullptr, "k1");
    ItemRef it = list->Item(1);
    ASSERT_TRUE(it);
    EXPECT_EQ(it->Text(), "apple");
    EXPECT_EQ(it->Key(), "k1");
    EXPECT_EQ(it->ForeColor(), 0x0000FFu);
    EXPECT_EQ(it->SelColor(), 0x00FF00u);
    EXPECT_GT(it->Height(), 50);
    list->setForeColor(0);
    EXPECT_EQ(list->Item(1)->ForeColor(), 0x0000FFu);
    list->AddItem("pear");
    EXPECT_EQ(list->Item(2)->ForeColor(), 0u);
    EXPECT_EQ(list->List(3), "");
    list->setList(1, "Apple");
    EXPECT_EQ(list->List(1), "Apple");
}

TEST_F(ListBoxTest, AnInsertedItemTakesTheFlagsOfItsPosition)
{
    addItems(3);
    list->setChecked(1, true);
    list->AddItem("first", nullptr, "", 1);
    EXPECT_EQ(list->List(1), "first");
    EXPECT_TRUE(list->Item(1)->Checked());
    EXPECT_EQ(list->List(2), "item1");
}

TEST_F(ListBoxTest, RemovingKeepsTheFlagsByPosition)
{
    addItems(5);
    list->SelectAll();
    list->UnSelectAll(false);
    list->setSelected(2, true);
    list->InvertSelection();
    EXPECT_EQ(list->SelCount(), 4);
    list->InvertSelection();
    EXPECT_EQ(list->SelCount(), 1);
    list->RemoveItem(2);
    EXPECT_EQ(list->SelCount(), 0);
    EXPECT_EQ(flags(), "0100");
    EXPECT_EQ(list->List(2), "item3");
    list->RemoveItem(9); // nothing leaves the collection
    EXPECT_EQ(list->ListCount(), 3);
}

TEST_F(ListBoxTest, ClearKeepsTopIndex)
{
    addItems(10);
    list->setTopIndex(5);
    list->CheckAll();
    EXPECT_EQ(list->CheckCount(), 10);
    list->Clear();
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(list->CheckCount(), 0);
    EXPECT_EQ(list->TopIndex(), 5);
    EXPECT_FALSE(list->Checked(1));
}

TEST_F(ListBoxTest, PressesSelect)
{
    addItems(3);
    take();
    pressItem(2);
    EXPECT_EQ(joined(take()), "MouseDown 1, ItemClick item2");
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_EQ(flags(), "010");
    EXPECT_EQ(list->Anchor(), 1);
    pressItem(4); // below the last item
    EXPECT_EQ(joined(take()), "MouseDown 1, ItemClick -");
    EXPECT_EQ(list->ListIndex(), 0);
    EXPECT_EQ(flags(), "000");
}

TEST_F(ListBoxTest, SelectAllThenAClickInSingleSelection)
{
    addItems(3);
    list->setMultiSelect(false);
    list->SelectAll();
    EXPECT_EQ(list->SelCount(), 3);
    pressItem(1);
    EXPECT_EQ(list->SelCount(), 0);
    EXPECT_EQ(flags(), "100");
}

TEST_F(ListBoxTest, ShiftAndCtrlPresses)
{
    addItems(3);
    pressItem(2); // the anchor: item 2
    session.keyDown(VK_SHIFT);
    pressItem(3); // below the anchor: 2 to 3
    EXPECT_EQ(flags(), "011");
    EXPECT_EQ(list->Anchor(), 2);
    session.keyUp(VK_SHIFT);
    pressItem(2);
    session.keyDown(VK_SHIFT);
    pressItem(2); // the anchor itself also selects the item above
    EXPECT_EQ(flags(), "110");
    session.keyUp(VK_SHIFT);
    session.keyDown(VK_CONTROL);
    pressItem(1); // only that item, the anchor stays
    EXPECT_EQ(flags(), "010");
    EXPECT_EQ(list->Anchor(), 1);
    session.keyUp(VK_CONTROL);
}

TEST_F(ListBoxTest, CheckBoxPressesWithAnyButtonAndHotTracking)
{
    addItems(3);
    list->setStyleCheckBox(true);
    take();
    pressItem(1, 5, 2);
    EXPECT_TRUE(list->Checked(1));
    EXPECT_EQ(joined(take()), "MouseDown 2, ItemChek item1, ItemClick item1");
    pressItem(1, 5);
    EXPECT_FALSE(list->Checked(1));
    EXPECT_EQ(joined(take()), "MouseDown 1, ItemUnCheck item1, ItemClick item1");
    session.mouseMove(150, 135);
    session.settle();
    EXPECT_EQ(list->ListIndex(), 2);
    // The check box of the current item shows the current look.
    const Color current = imagePixel(list->hwnd(), 5, 24);
    session.mouseMove(150, 112);
    session.settle();
    EXPECT_NE(imagePixel(list->hwnd(), 5, 24), current);
}

TEST_F(ListBoxTest, TheWheelOnlyReports)
{
    addItems(10);
    take();
    session.mouseMove(150, 120);
    session.wheel(150, 120, -120);
    session.settle();
    EXPECT_EQ(joined(take()), "MouseWheel 1");
    EXPECT_EQ(list->TopIndex(), 1);
}

TEST_F(ListBoxTest, ADoubleClickRaisesItemDblClick)
{
    addItems(3);
    take();
    session.mouseMove(150, 130);
    session.click(150, 130);
    session.click(150, 130);
    session.settle();
    EXPECT_EQ(joined(take()), "MouseDown 1, ItemClick item2, ItemDblClick item2");
}

TEST_F(ListBoxTest, TheBarScrollsTheList)
{
    addItems(10);
    const plat::gfx::Rect bar = GetScreenRect(list->VS().hwnd());
    EXPECT_EQ(bar.width(), 17);
    EXPECT_EQ(bar.right, 300);
    session.mouseMove(bar.left + 8, bar.bottom - 5);
    session.click(bar.left + 8, bar.bottom - 5);
    session.settle();
    EXPECT_EQ(list->TopIndex(), 2);
    EXPECT_EQ(list->VS().Value(), plat::forms::Currency::fromInteger(2));
}

TEST_F(ListBoxTest, DrawingOfSelectionAndBorder)
{
    addItems(3);
    list->setSelected(2, true);
    list->Refresh();
    EXPECT_EQ(imagePixel(list->hwnd(), 0, 0), 0xC56A31u);
    EXPECT_EQ(imagePixel(list->hwnd(), 100, 30), 0xFFDDBCu); // item 2's fill
    EXPECT_EQ(imagePixel(list->hwnd(), 100, 10), 0xFFFFFFu); // item 1 is not selected
    EXPECT_EQ(imagePixel(list->hwnd(), 100, 21), 0xFA8919u); // the selection frame
}

TEST_F(ListBoxTest, SortingEntryPoints)
{
    for (const char* t : {"pear", "Apple", "apple", "banana"})
        list->AddItem(t);
    list->SortItems(2);
    EXPECT_EQ(texts(), "pear,Apple,apple,banana");
    list->SortItems(0);
    EXPECT_EQ(texts(), "Apple,apple,banana,pear");
    list->SortItems(1);
    EXPECT_EQ(texts(), "pear,banana,apple,Apple");
    list->setSorted(0);
    EXPECT_EQ(texts(), "Apple,apple,banana,pear");
    list->setAcceptAutoSort(true);
    list->AddItem("Zebra");
    EXPECT_EQ(texts(), "Apple,Zebra,apple,banana,pear");
}

TEST_F(ListBoxTest, TextFileRoundTrips)
{
    const fs::path f = scratch / "list.txt";
    std::ofstream(f, std::ios::binary) << "a\r\nb\r\n";
    list->FillByFile(f.string());
    EXPECT_EQ(texts(), "a,b,");
    list->Clear();
    list->AddItem("a");
    list->AddItem("b");
    std::ofstream(f, std::ios::binary) << "a much longer old content\r\n";
    list->SaveToFile(f.string());
    EXPECT_EQ(fileBytes(f), "a\r\nb");
    list->Clear();
    list->FillByFile(f.string());
    EXPECT_EQ(texts(), "a,b");
    list->Clear();
    list->SaveToFile(f.string());
    EXPECT_EQ(fileBytes(f), "");
    list->FillByFile(f.string());
    list->FillByFile((scratch / "missing.txt").string());
    EXPECT_EQ(list->ListCount(), 0);
    list->AddItem("中文 a\rb");
    list->SaveToFile(f.string());
    EXPECT_EQ(fileBytes(f), "\xD6\xD0\xCE\xC4 a\rb");
}

TEST_F(ListBoxTest, FileModeListsTheFolderWithIcons)
{
    for (const char* name : {"a.txt", "b.TXT", "prog.exe", "README"})
        std::ofstream(scratch / name) << "x";
    list->setPath(scratch.string());
    list->setListType(1);
    std::string shown;
    for (int i = 1; i <= list->ListCount(); ++i)
        shown += (i > 1 ? "," : "") + list->Item(i)->Text();
    EXPECT_EQ(shown, "README,a.txt,b.TXT,prog.exe");
    EXPECT_EQ(list->Item(2)->tagString2, "txt:1");
    EXPECT_EQ(list->Item(3)->tagString2, "txt:1");
    EXPECT_EQ(list->Item(4)->tagString2, (scratch / "prog.exe").string() + ":1");
    EXPECT_EQ(list->Item(1)->tagString2, ":no ext:1");
    EXPECT_EQ(list->CachedIconKeys().size(), 3u);
    // A change of the list's look re-reads the folder.
    std::ofstream(scratch / "c.txt") << "x";
    list->setForeColor(0x123456);
    EXPECT_EQ(list->ListCount(), 5);
    list->setIconSize(32);
    EXPECT_EQ(list->Item(1)->Height(), 500);
    EXPECT_EQ(list->Item(1)->tagString2, ":no ext:3");
}

TEST_F(ListBoxTest, FileModeWithoutIconsShowsNamesOrPaths)
{
    std::ofstream(scratch / "x.dat") << "x";
    fs::create_directory(scratch / "Sub");
    list->setPath(scratch.string() + "/");
    list->setDisplayFileIcons(false);
    list->setListType(2);
    EXPECT_EQ(texts(), "Sub");
    list->setDisplayEntirePath(true);
    EXPECT_EQ(texts(), (scratch / "Sub").string());
    list->setListType(3);
    EXPECT_EQ(list->List(1), "/");
}

TEST_F(ListBoxTest, IconSizeOnAPlainListEmptiesItWithoutRedrawing)
{
    addItems(3);
    const Color before = imagePixel(list->hwnd(), 100, 10);
    list->setSelected(1, true);
    list->setIconSize(32);
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(imagePixel(list->hwnd(), 100, 10), before);
}

TEST_F(ListBoxTest, HeightIsAtLeast800Twips)
{
    list->move(list->left(), list->top(), 3000, 300);
    EXPECT_EQ(list->height(), 800);
}

TEST_F(ListBoxTest, SavingWritesTheKeysInTheirOrder)
{
    PropertyBag bag;
    bag.setKeepDefaults(true);
    list->writeProperties(bag);
    std::vector<std::string> keys;
    for (auto it = bag.data().begin(); it != bag.data().end(); ++it)
        keys.push_back(it.key());
    EXPECT_EQ(joined(keys), "font, backcolor, bordercolor, displayborder, enabled, forecolor, multiselect, sorted, stylecheckbox, "
                            "unrefreshcontrol, listindex, displayvscroll, alignment, selcolor, fullrowselect, borderselcolor, "
                            "topindex, usedefautitemsettings, acceptautosort, listtype, path, displayfileicons, displayentirepath, "
                            "iconsize, showhiddenfiles, showreadonlyfiles, showsystemfiles");
}

} // namespace
} // namespace qel::testing
