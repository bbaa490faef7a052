#include "controls/extra/list_check_images.h"
#include "list_box_fixture.h"
#include <cmath>
#include <functional>
#include <map>
#include <sys/stat.h>

namespace qel::testing {
namespace {

using namespace plat::win;
using ItemRef = qelListBox::ItemRef;

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
    // The bar ends where items 8 to 10 fill the list.
    EXPECT_EQ(list->VS().Max(), plat::forms::Currency::fromInteger(8));
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

TEST_F(ListBoxTest, AnInsertedItemPushesTheFlagsDownWithTheirItems)
{
    addItems(3);
    list->setChecked(1, true);
    list->setSelected(3, true);
    list->AddItem("first", nullptr, "", 1);
    EXPECT_EQ(texts(), "first,item1,item2,item3");
    EXPECT_FALSE(list->Item(1)->Checked());
    EXPECT_TRUE(list->Item(2)->Checked());
    EXPECT_TRUE(list->Item(4)->Selected());
    EXPECT_EQ(flags(), "0001");
    // A given item brings its own flags to the place it is inserted at, and they count.
    auto marked = std::make_shared<qelListItem>();
    marked->setText("marked");
    marked->setSelected(true);
    list->AddItem("", marked, "", 2);
    EXPECT_EQ(texts(), "first,marked,item1,item2,item3");
    EXPECT_EQ(flags(), "01001");
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_TRUE(list->RemoveItem(2));
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_EQ(flags(), "0001");
}

TEST_F(ListBoxTest, RemovingMovesTheFlagsWithTheItems)
{
    addItems(5);
    list->SelectAll();
    list->UnSelectAll(false);
    list->setSelected(2, true);
    list->InvertSelection();
    EXPECT_EQ(list->SelCount(), 4);
    list->InvertSelection();
    EXPECT_EQ(list->SelCount(), 1);
    list->CheckAll();
    list->setChecked(4, false);
    EXPECT_TRUE(list->RemoveItem(2));
    EXPECT_EQ(list->SelCount(), 0);
    EXPECT_EQ(flags(), "0000");
    EXPECT_EQ(texts(), "item1,item3,item4,item5");
    EXPECT_TRUE(list->Checked(2));
    EXPECT_FALSE(list->Checked(3)); // item4 took its cleared check mark along
    EXPECT_EQ(list->CheckCount(), 3); // the counter follows the Checked Let too
}

TEST_F(ListBoxTest, RemovingOutsideTheListChangesNothingAndSaysSo)
{
    addItems(4);
    for (int32_t bad : {9, 5, 0, -1}) {
        EXPECT_FALSE(list->RemoveItem(bad)) << bad;
        EXPECT_EQ(list->ListCount(), 4) << bad;
        EXPECT_EQ(list->ItemBound(), 5) << bad;
    }
    const fs::path f = scratch / "kept.txt";
    EXPECT_TRUE(list->SaveToFile(f.string()));
    EXPECT_EQ(fileBytes(f), "item1\r\nitem2\r\nitem3\r\nitem4");
    list->AddItem("item5");
    EXPECT_EQ(list->List(5), "item5");
    EXPECT_EQ(list->ListCount(), 5);
}

TEST_F(ListBoxTest, SortingTakesTheFlagsAlongWithTheItems)
{
    for (const char* t : {"pear", "Apple", "apple", "banana"})
        list->AddItem(t);
    list->setSelected(1, true); // pear
    list->setChecked(3, true);  // apple
    list->SortItems(0);
    EXPECT_EQ(texts(), "Apple,apple,banana,pear");
    EXPECT_EQ(flags(), "0001");
    EXPECT_TRUE(list->Checked(2));
    EXPECT_FALSE(list->Checked(3));
    list->SortItems(1);
    EXPECT_EQ(texts(), "pear,banana,apple,Apple");
    EXPECT_EQ(flags(), "1000");
    EXPECT_TRUE(list->Checked(3));
    // What is drawn as selected is pear's row.
    EXPECT_EQ(imagePixel(list->hwnd(), 100, 10), 0xFFDDBCu);
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
    EXPECT_EQ(joined(take()), "MouseDown 1") << "no item there, no item event";
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
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_EQ(flags(), "100");
}

TEST_F(ListBoxTest, ShiftAndCtrlPresses)
{
    addItems(3);
    pressItem(2); // the anchor: item 2
    session.keyDown(VK_SHIFT);
    pressItem(3); // below the anchor: 2 to 3
    EXPECT_EQ(flags(), "011");
    EXPECT_EQ(list->Anchor(), 1);
    session.keyUp(VK_SHIFT);
    pressItem(2);
    session.keyDown(VK_SHIFT);
    pressItem(2); // the anchor itself: only the anchor
    EXPECT_EQ(flags(), "010");
    session.keyUp(VK_SHIFT);
    session.keyDown(VK_CONTROL);
    pressItem(1); // only that item, the anchor stays
    EXPECT_EQ(flags(), "110");
    pressItem(2);
    EXPECT_EQ(flags(), "100");
    EXPECT_EQ(list->Anchor(), 1);
    session.keyUp(VK_CONTROL);
}

TEST_F(ListBoxTest, ShiftPressesSelectFromTheAnchorToThePressedItem)
{
    struct Case {
        int anchor;
        std::vector<int> shiftPresses;
        const char* selected;
    };
    const Case cases[] = {
        {1, {3}, "1110"},
        {3, {1}, "1110"},
        {2, {2}, "0100"},
        {1, {4}, "1111"},
        {4, {2}, "0111"},
        // The anchor stays where the plain press put it; each range adds to the selection.
        {2, {3, 1}, "1110"},
        {2, {4, 4}, "0111"},
        {3, {4, 1}, "1111"},
    };
    addItems(4);
    for (const Case& c : cases) {
        std::string label = "anchor " + std::to_string(c.anchor) + ", shift on";
        for (int h : c.shiftPresses)
            label += " " + std::to_string(h);
        pressItem(c.anchor);
        session.keyDown(VK_SHIFT);
        for (int h : c.shiftPresses)
            pressItem(h);
        session.keyUp(VK_SHIFT);
        EXPECT_EQ(flags(), c.selected) << label;
        EXPECT_EQ(list->Anchor(), c.anchor - 1) << label;
    }
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
    // Chinese text in the ANSI code page, lines ended by CR LF, reads back as it was written.
    list->Clear();
    std::ofstream(f, std::ios::binary) << "\xD6\xD0\xCE\xC4 a\rb\r\n\xB1\xC8\xC8\xFC\r\nend";
    list->FillByFile(f.string());
    EXPECT_EQ(texts(), "中文 a\rb,比赛,end");
    EXPECT_TRUE(list->SaveToFile(f.string()));
    EXPECT_EQ(fileBytes(f), "\xD6\xD0\xCE\xC4 a\rb\r\n\xB1\xC8\xC8\xFC\r\nend");
}

TEST_F(ListBoxTest, SavingIntoAMissingFolderReportsFailure)
{
    list->AddItem("a");
    const fs::path f = scratch / "missing" / "list.txt";
    EXPECT_FALSE(list->SaveToFile(f.string()));
    EXPECT_FALSE(fs::exists(f));
    EXPECT_TRUE(list->SaveToFile((scratch / "list.txt").string()));
}

TEST_F(ListBoxTest, FillingFromWhatIsNoReadableRegularFileOrTooLargeAddsNothing)
{
    // None of these may be waited on or read without end.
    struct Case {
        const char* name;
        std::function<fs::path()> prepare; // the path given to FillByFile
    };
    const std::vector<Case> cases = {
        {"a pipe without a writer", [&] { ::mkfifo((scratch / "pipe").c_str(), 0666); return scratch / "pipe"; }},
        {"a link to a pipe", [&] { ::mkfifo((scratch / "pipe2").c_str(), 0666); fs::create_symlink("pipe2", scratch / "l"); return scratch / "l"; }},
        {"/dev/zero", [] { return fs::path("/dev/zero"); }},
        {"/dev/urandom", [] { return fs::path("/dev/urandom"); }},
        {"a folder", [&] { fs::create_directory(scratch / "dir"); return scratch / "dir"; }},
        {"a file larger than a list text file may be", [&] {
             const fs::path f = scratch / "large.txt";
             std::ofstream(f, std::ios::binary) << "a\r\nb";
             fs::resize_file(f, qelListBox::kMaxTextFileBytes + 1);
             return f;
         }},
        {"a missing file", [&] { return scratch / "missing.txt"; }},
    };
    list->AddItem("kept");
    for (const Case& c : cases) {
        list->FillByFile(c.prepare().string());
        EXPECT_EQ(texts(), "kept") << c.name;
    }
}

TEST_F(ListBoxTest, FillingFromAFileKeepsTheHostsUnRefreshControl)
{
    const fs::path f = scratch / "list.txt";
    std::ofstream(f, std::ios::binary) << "a\r\nb";
    const Color before = imagePixel(list->hwnd(), 100, 10);
    list->setUnRefreshControl(true);
    list->FillByFile(f.string());
    EXPECT_TRUE(list->UnRefreshControl());
    EXPECT_EQ(texts(), "a,b");
    EXPECT_EQ(imagePixel(list->hwnd(), 100, 10), before); // nothing drawn
    list->setUnRefreshControl(false);
    list->FillByFile(f.string());
    EXPECT_FALSE(list->UnRefreshControl());
    EXPECT_EQ(texts(), "a,b,a,b");
}

TEST_F(ListBoxTest, FillingFromAFileWithAutoSortSortsOnceAtTheEnd)
{
    // The quicksort is not stable: equal texts end in an order that depends on how often and
    // from which order it ran, which the items' Index (their number when added) shows.
    const char* lines = "b\r\na\r\nb\r\na\r\nc\r\na\r\nb\r\na";
    const fs::path f = scratch / "list.txt";
    std::ofstream(f, std::ios::binary) << lines;
    auto indexes = [](qelListBox& l) {
        std::string s;
        for (int i = 1; i <= l.ListCount(); ++i)
            s += l.List(i) + std::to_string(l.Item(i)->Index()) + " ";
        return s;
    };
    // Sorting once, after all lines are in.
    qelListBox& once = place<qelListBox>("once", 400, 100, 200, 80);
    once.setSorted(0);
    once.FillByFile(f.string());
    once.SortItems(0);
    // Sorting after every added item, as AddItem with AcceptAutoSort does.
    qelListBox& every = place<qelListBox>("every", 400, 200, 200, 80);
    every.setSorted(0);
    every.setAcceptAutoSort(true);
    for (const char* t : {"b", "a", "b", "a", "c", "a", "b", "a"})
        every.AddItem(t);
    ASSERT_NE(indexes(once), indexes(every)) << "the lines must tell one sort from many";

    list->setSorted(0);
    list->setAcceptAutoSort(true);
    list->FillByFile(f.string());
    EXPECT_EQ(texts(), "a,a,a,a,b,b,b,c");
    EXPECT_EQ(indexes(*list), indexes(once));
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

TEST_F(ListBoxTest, FileModeOnWhatIsNoFolderListsNothing)
{
    // Never waited on or read: a pipe, a device or a file given as the folder.
    ::mkfifo((scratch / "pipe").c_str(), 0666);
    std::ofstream(scratch / "file.txt") << "x";
    const std::string paths[] = {(scratch / "pipe").string(), "/dev/zero", (scratch / "file.txt").string(), (scratch / "missing").string()};
    for (const int32_t listType : {1, 2}) {
        for (const std::string& path : paths) {
            list->setPath(path);
            list->setListType(listType);
            EXPECT_EQ(list->ListCount(), 0) << "ListType " << listType << ", " << path;
        }
    }
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

TEST_F(ListBoxTest, FileModeSettingsOnAPlainListKeepItsItems)
{
    const std::vector<std::pair<const char*, std::function<void()>>> settings = {
        {"IconSize", [this] { list->setIconSize(32); }},
        {"Path", [this] { list->setPath(scratch.string()); }},
        {"ShowHiddenFiles", [this] { list->setShowHiddenFiles(false); }},
        {"ShowSystemFiles", [this] { list->setShowSystemFiles(false); }},
        {"ShowReadOnlyFiles", [this] { list->setShowReadOnlyFiles(false); }},
        {"DisplayFileIcons", [this] { list->setDisplayFileIcons(false); }},
        {"DisplayEntirePath", [this] { list->setDisplayEntirePath(true); }},
    };
    std::ofstream(scratch / "a.txt") << "x";
    addItems(3);
    list->setSelected(1, true);
    list->Refresh();
    for (const auto& [name, set] : settings) {
        set();
        EXPECT_EQ(texts(), "item1,item2,item3") << name;
        EXPECT_TRUE(list->Selected(1)) << name;
        EXPECT_EQ(imagePixel(list->hwnd(), 100, 10), 0xFFDDBCu) << name;
    }
    EXPECT_EQ(list->IconSize(), 32);
    EXPECT_EQ(list->Path(), scratch.string());
    // Turning file mode on lists the folder; back to a plain list takes the listing away.
    list->setListType(1);
    EXPECT_EQ(texts(), (scratch / "a.txt").string());
    list->setListType(0);
    EXPECT_EQ(list->ListCount(), 0);
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
    const std::vector<std::string> keys = bag.keys();
    EXPECT_EQ(joined(keys), "font, backcolor, bordercolor, displayborder, enabled, forecolor, multiselect, sorted, stylecheckbox, "
                            "unrefreshcontrol, listindex, displayvscroll, alignment, selcolor, fullrowselect, borderselcolor, "
                            "topindex, usedefautitemsettings, acceptautosort, listtype, path, displayfileicons, displayentirepath, "
                            "iconsize, showhiddenfiles, showreadonlyfiles, showsystemfiles");
}

TEST_F(ListBoxTest, EmptyPositionsInTheItemsAreSortedLastAndSkippedEverywhere)
{
    // The host hands the list a collection that holds an empty position; every walk over the
    // items copes with it.
    for (const char* t : {"m", "n", "o"})
        list->AddItem(t);
    auto items = std::make_shared<clsFastCollection>();
    for (const char* t : {"zz", "", "xx"}) {
        ItemRef it;
        if (*t) {
            it = std::make_shared<qelListItem>();
            it->setText(t);
            it->setHeight(300);
        }
        items->Add(it);
    }
    list->setListItems(items);
    const std::vector<std::pair<const char*, std::function<void()>>> walks = {
        {"SortItems 0", [this] { list->SortItems(0); }},
        {"Sorted 1", [this] { list->setSorted(1); }},
        {"Refresh", [this] { list->Refresh(); }},
        {"StyleCheckBox", [this] { list->setStyleCheckBox(true); }},
        {"press", [this] { pressItem(3, 5); }},
        {"SelectAll", [this] { list->SelectAll(); }},
        {"setItem", [this] { list->setItem(3, nullptr); }},
    };
    for (const auto& [name, walk] : walks) {
        walk();
        EXPECT_EQ(list->ListItems()->Count(), 3) << name;
        EXPECT_FALSE(list->ListItems()->Item(3)) << name << ": the empty position stays last";
    }
    EXPECT_EQ(texts(), "zz,xx,");
    const fs::path f = scratch / "saved.txt";
    EXPECT_TRUE(list->SaveToFile(f.string()));
    EXPECT_EQ(fileBytes(f), "zz\r\nxx\r\n");
    // An empty first position takes no room: the next item shows at the top with its box.
    auto first = std::make_shared<clsFastCollection>();
    first->Add(nullptr);
    first->Add(items->Item(1));
    list->setListItems(first);
    EXPECT_EQ(imagePixel(list->hwnd(), 2, 9), ListCheckImage(0).colorAt(0, 6)) << "the box's frame";
    take();
    pressItem(1);
    EXPECT_EQ(joined(take()), "MouseDown 1, ItemClick zz");
}

TEST_F(ListBoxTest, TheNewOrderIsDrawnAndPressedWhereItShows)
{
    // Each item's own background tells on screen which item a row shows.
    struct Case {
        const char* name;
        std::function<void()> reorder;
        const char* first;
    };
    const std::vector<Case> cases = {
        {"Sorted 1", [this] { list->setSorted(1); }, "zz"},
        {"Sorted 0", [this] { list->setSorted(0); }, "xx"},
        {"SortItems 1", [this] { list->SortItems(1); }, "zz"},
        {"AcceptAutoSort after a Sorted Let that drew", [this] { list->setSorted(0); list->setAcceptAutoSort(true); }, "xx"},
        {"ListItems", [this] {
             auto items = std::make_shared<clsFastCollection>();
             items->Add(list->ListItems()->Item(2));
             items->Add(list->ListItems()->Item(1));
             list->setListItems(items);
         }, "zz"},
    };
    const std::map<std::string, uint32_t> backs = {{"xx", 0x0000FF}, {"zz", 0x00FF00}};
    for (const char* t : {"xx", "zz"}) {
        auto it = std::make_shared<qelListItem>();
        it->setText(t);
        it->setHeight(300);
        it->setBackColor(backs.at(t));
        list->AddItem("", it);
    }
    list->setSorted(0);
    for (const Case& c : cases) {
        c.reorder();
        EXPECT_EQ(list->List(1), c.first) << c.name;
        EXPECT_EQ(imagePixel(list->hwnd(), 100, 10), backs.at(c.first)) << c.name;
        take();
        pressItem(1);
        EXPECT_EQ(joined(take()), std::string("MouseDown 1, ItemClick ") + c.first) << c.name;
        list->UnSelectAll(true); // drawn now: what the next reorder shows is its own drawing
    }
}

TEST_F(ListBoxTest, SelCountAndCheckCountCountWhateverChangedTheFlags)
{
    struct Step {
        const char* name;
        std::function<void()> act;
        int32_t selCount;
        int32_t checkCount;
    };
    const std::vector<Step> steps = {
        {"press 2", [this] { pressItem(2); }, 1, 0},
        {"shift-press 4", [this] { session.keyDown(VK_SHIFT); pressItem(4); session.keyUp(VK_SHIFT); }, 3, 0},
        {"ctrl-press 3", [this] { session.keyDown(VK_CONTROL); pressItem(3); session.keyUp(VK_CONTROL); }, 2, 0},
        {"check box of 1", [this] { pressItem(1, 5); }, 1, 1},
        {"check box of 3", [this] { pressItem(3, 5); }, 1, 2},
        {"check box of 3 again", [this] { pressItem(3, 5); }, 1, 1},
        {"Selected Let", [this] { list->setSelected(5, true); }, 2, 1},
        {"Checked Let", [this] { list->setChecked(5, true); }, 2, 2},
        {"RemoveItem 5", [this] { list->RemoveItem(5); }, 1, 1},
        {"InvertChecks", [this] { list->InvertChecks(); }, 1, 3},
        {"single-selection press 2", [this] { list->setMultiSelect(false); pressItem(2); }, 1, 3},
        {"Clear", [this] { list->Clear(); }, 0, 0},
    };
    addItems(5);
    list->setStyleCheckBox(true);
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(list->SelCount(), s.selCount) << s.name;
        EXPECT_EQ(list->CheckCount(), s.checkCount) << s.name;
    }
}

TEST_F(ListBoxTest, PressesBelowTheLastItemRaiseNoItemEvents)
{
    addItems(2);
    list->setStyleCheckBox(true);
    struct Case {
        int x;
        int button; // of the session: 1 left, 2 right, 3 middle
        bool doubleClick;
        const char* events;
    };
    const Case cases[] = {
        {5, 1, false, "MouseDown 1"}, {5, 2, false, "MouseDown 2"}, {50, 1, false, "MouseDown 1"}, {50, 3, false, "MouseDown 4"},
        {50, 1, true, "MouseDown 1"}, {5, 1, true, "MouseDown 1"}, {50, 2, true, "MouseDown 2"}, {50, 3, true, "MouseDown 4"},
    };
    for (const Case& c : cases) {
        take();
        if (c.doubleClick) {
            const int y = 100 + 2 * 20 + 10;
            session.mouseMove(100 + c.x, y);
            session.click(100 + c.x, y, c.button);
            session.click(100 + c.x, y, c.button);
            session.settle();
            session.advance(600);
        } else {
            pressItem(3, c.x, c.button);
        }
        EXPECT_EQ(joined(take()), c.events) << c.x << " " << c.button << (c.doubleClick ? " double click" : "");
        EXPECT_EQ(list->CheckCount(), 0);
        EXPECT_FALSE(list->Checked(0));
    }
    pressItem(2, 5);
    EXPECT_EQ(joined(take()), "MouseDown 1, ItemChek item2, ItemClick item2");
}

TEST_F(ListBoxTest, FilesShowFileIconsAfterAFolderListing)
{
    // Folders and files with the same extension, or none, each show their own kind's icon,
    // whatever the list showed before.
    for (const char* name : {"README", "notes.txt"})
        std::ofstream(scratch / name) << "x";
    for (const char* name : {"docs", "old.txt"})
        fs::create_directory(scratch / name);
    list->setPath(scratch.string());
    struct Case {
        int32_t listType;
        std::vector<std::string> names;
    };
    const Case cases[] = {{2, {"docs", "old.txt"}}, {1, {"README", "notes.txt"}}, {2, {"docs", "old.txt"}}, {1, {"README", "notes.txt"}}};
    for (const Case& c : cases) {
        list->setListType(c.listType);
        ASSERT_EQ(list->ListCount(), 2) << c.listType;
        for (int i = 1; i <= 2; ++i) {
            const std::string& name = c.names[size_t(i - 1)];
            EXPECT_EQ(list->Item(i)->Text(), name);
            // The icon's row 10, column 8: a page's band or a folder's body.
            const Color expected = clsFile().GetIcon((scratch / name).string(), 16).image().colorAt(8, 10);
            const int top = int(std::lround((1 + (i - 1) * 255) / 15.0 + 1 + 255 / 15.0 / 2 - 8));
            EXPECT_EQ(imagePixel(list->hwnd(), 4 + 8, top + 10), expected) << "ListType " << c.listType << ", " << name;
        }
    }
    EXPECT_EQ(list->IconKeyOf((scratch / "old.txt").string()), "txt:1") << "ListType 1 keys as before";
    EXPECT_EQ(list->CachedIconKeys(), (std::vector<std::string>{":no ext:1", "txt:1"})) << "no folder's icon left";
    list->setListType(2);
    EXPECT_EQ(list->CachedIconKeys(), (std::vector<std::string>{"folder::no ext:1", "folder:txt:1"}));
}

TEST_F(ListBoxTest, SavingRespectsReadOnlyFilesAndWritesThroughLinks)
{
    // The tests may run as the superuser, whose writes pass permission checks: the list looks at
    // the mode bits itself.
    struct Case {
        const char* name;
        std::function<fs::path()> prepare; // the path given to SaveToFile
        bool saved;
        const char* target;  // the file that holds the content afterwards
        const char* content; // what it holds
    };
    auto oldFile = [this](const char* name, fs::perms mode) {
        std::ofstream(scratch / name, std::ios::binary) << "old";
        fs::permissions(scratch / name, mode);
    };
    using P = fs::perms;
    const std::vector<Case> cases = {
        {"writable", [&] { oldFile("w.txt", P(0644)); return scratch / "w.txt"; }, true, "w.txt", "a\r\nb"},
        {"read-only 0444", [&] { oldFile("r.txt", P(0444)); return scratch / "r.txt"; }, false, "r.txt", "old"},
        {"read-only 0555", [&] { oldFile("x.txt", P(0555)); return scratch / "x.txt"; }, false, "x.txt", "old"},
        {"new file", [&] { return scratch / "new.txt"; }, true, "new.txt", "a\r\nb"},
        {"link to a file", [&] { oldFile("t1.txt", P(0644)); fs::create_symlink("t1.txt", scratch / "l1"); return scratch / "l1"; }, true, "t1.txt", "a\r\nb"},
        {"link to a link", [&] { oldFile("t2.txt", P(0644)); fs::create_symlink(scratch / "t2.txt", scratch / "l2a"); fs::create_symlink("l2a", scratch / "l2"); return scratch / "l2"; }, true, "t2.txt", "a\r\nb"},
        {"link to a read-only file", [&] { oldFile("t3.txt", P(0444)); fs::create_symlink("t3.txt", scratch / "l3"); return scratch / "l3"; }, false, "t3.txt", "old"},
        {"link to no file yet", [&] { fs::create_symlink("t4.txt", scratch / "l4"); return scratch / "l4"; }, true, "t4.txt", "a\r\nb"},
        {"a folder", [&] { fs::create_directory(scratch / "dir"); return scratch / "dir"; }, false, "", ""},
        {"a pipe", [&] { ::mkfifo((scratch / "pipe").c_str(), 0666); return scratch / "pipe"; }, false, "", ""},
    };
    list->AddItem("a");
    list->AddItem("b");
    for (const Case& c : cases) {
        const fs::path given = c.prepare();
        const bool wasLink = fs::is_symlink(fs::symlink_status(given));
        EXPECT_EQ(list->SaveToFile(given.string()), c.saved) << c.name;
        if (*c.target) {
            EXPECT_EQ(fileBytes(scratch / c.target), c.content) << c.name;
        }
        EXPECT_EQ(fs::is_symlink(fs::symlink_status(given)), wasLink) << c.name << ": a link stays a link";
    }
    EXPECT_EQ(fs::status(scratch / "r.txt").permissions() & P::all, P(0444));
    EXPECT_EQ(fs::status(scratch / "t1.txt").permissions() & P::all, P(0644)) << "written through, the target keeps its mode";
}

TEST_F(ListBoxTest, SavingWritesInPlaceWhereTheFolderIsReadOnlyOrTheFileHasOtherNames)
{
    // As a text editor saves: a file that may be written is written, into the file itself where
    // a new file cannot take its place (the folder takes no temporary file) or would part it from
    // its other names; only a file that cannot be written is refused.
    struct Case {
        const char* name;
        std::function<fs::path()> prepare; // the path given to SaveToFile
        bool saved;
        const char* content;      // what the file holds afterwards
        const char* otherName;    // another name of the same file, or ""
        bool inPlace;             // the same file (inode) as before
    };
    using P = fs::perms;
    const fs::path ro = scratch / "ro";
    auto inReadOnlyFolder = [&](const char* name, P mode) {
        fs::create_directories(ro);
        fs::permissions(ro, P(0755));
        std::ofstream(ro / name, std::ios::binary) << "the old and longer text";
        fs::permissions(ro / name, mode);
        fs::permissions(ro, P(0555));
        return ro / name;
    };
    auto linked = [&](const char* name, const char* other) {
        std::ofstream(scratch / name, std::ios::binary) << "the old and longer text";
        fs::create_hard_link(scratch / name, scratch / other);
        return scratch / name;
    };
    const std::vector<Case> cases = {
        {"writable file, read-only folder", [&] { return inReadOnlyFolder("w.txt", P(0644)); }, true, "a\r\nb", "", true},
        {"read-only file, read-only folder", [&] { return inReadOnlyFolder("r.txt", P(0444)); }, false, "the old and longer text", "", true},
        {"new file, read-only folder", [&] { fs::create_directories(ro); fs::permissions(ro, P(0555)); return ro / "new.txt"; }, false, nullptr, "", false},
        {"a file with a second name", [&] { return linked("h.txt", "h2.txt"); }, true, "a\r\nb", "h2.txt", true},
        {"its second name", [&] { return scratch / "h2.txt"; }, true, "a\r\nb", "h.txt", true},
        {"a plain file is replaced whole", [&] { std::ofstream(scratch / "p.txt") << "old"; return scratch / "p.txt"; }, true, "a\r\nb", "", false},
    };
    list->AddItem("a");
    list->AddItem("b");
    for (const Case& c : cases) {
        const fs::path given = c.prepare();
        struct stat before {};
        const bool existed = ::stat(given.c_str(), &before) == 0;
        EXPECT_EQ(list->SaveToFile(given.string()), c.saved) << c.name;
        struct stat after {};
        if (!c.content) {
            EXPECT_FALSE(fs::exists(given)) << c.name;
            continue;
        }
        EXPECT_EQ(fileBytes(given), c.content) << c.name;
        if (*c.otherName) {
            EXPECT_EQ(fileBytes(scratch / c.otherName), c.content) << c.name << ": the other name shows the same text";
        }
        ASSERT_TRUE(existed && ::stat(given.c_str(), &after) == 0) << c.name;
        if (c.inPlace) {
            EXPECT_EQ(after.st_ino, before.st_ino) << c.name << ": written in place";
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(ro), fs::directory_iterator()), 2) << "only w.txt and r.txt: no temporary file";
    fs::permissions(ro, P(0755));
}

TEST_F(ListBoxTest, NamesThatAreNotUtf8ShowInTheCodePageAndKeepTheirBytes)
{
    // The same name once as UTF-8 and once as GBK bytes, each in a folder of its own: the list
    // shows and draws them alike, and keeps the bytes to reach the file.
    const fs::path utf8 = scratch / "u", gbk = scratch / "g";
    fs::create_directories(utf8);
    fs::create_directories(gbk);
    std::ofstream(utf8 / "比分.txt") << "x";
    std::ofstream(gbk / "\xB1\xC8\xB7\xD6.txt") << "x";
    auto row = [this] {
        std::vector<Color> pixels;
        for (int x = 0; x < 180; ++x)
            for (int y = 1; y < 17; ++y)
                pixels.push_back(imagePixel(list->hwnd(), x, y));
        return pixels;
    };
    list->setPath(utf8.string());
    list->setListType(1);
    ASSERT_EQ(list->ListCount(), 1);
    EXPECT_EQ(list->List(1), "比分.txt");
    const std::vector<Color> shown = row();
    list->setPath(gbk.string());
    ASSERT_EQ(list->ListCount(), 1);
    EXPECT_EQ(list->List(1), "比分.txt");
    EXPECT_EQ(list->Item(1)->tagString1, (gbk / "\xB1\xC8\xB7\xD6.txt").string());
    EXPECT_TRUE(row() == shown) << "drawn as the UTF-8 name is";
    list->setDisplayFileIcons(false);
    EXPECT_EQ(list->List(1), "比分.txt");
    list->setDisplayEntirePath(true);
    EXPECT_EQ(list->List(1), (gbk / "比分.txt").string());
}

} // namespace
} // namespace qel::testing
