#include "controls/extra/cls_fast_collection.h"
#include "controls/extra/cls_sort.h"
#include "controls/extra/qel_list_item.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qel::testing {
namespace {

using ItemRef = clsFastCollection::ItemRef;

// "-" stands for an empty position.
ItemRef item(const std::string& text)
{
    if (text == "-")
        return nullptr;
    auto i = std::make_shared<qelListItem>();
    i->setText(text);
    return i;
}

std::string texts(const clsFastCollection& c)
{
    std::string s;
    for (int i = 1; i <= c.Count(); ++i)
        s += (i > 1 ? "," : "") + (c.Item(i) ? c.Item(i)->Text() : "-");
    return s;
}

TEST(ListItemTest, ANewItemHasItsDefaultsAndKeepsWhatIsSet)
{
    qelListItem i;
    EXPECT_EQ(i.Height(), 255);
    EXPECT_EQ(i.pxlIconWidth(), 16);
    EXPECT_EQ(i.pxlIconHeight(), 16);
    EXPECT_EQ(i.SelColor(), 0xFFDDBCu);
    EXPECT_EQ(i.BorderSelColor(), 0xFA8919u);
    EXPECT_EQ(i.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(i.ForeColor(), 0u);
    EXPECT_EQ(i.pctType(), 0);
    EXPECT_TRUE(i.Text().empty());
    EXPECT_TRUE(i.Key().empty());
    EXPECT_EQ(i.Font(), nullptr);
    EXPECT_FALSE(i.HasIcon());
    i.setHeight(-40);
    EXPECT_EQ(i.Height(), -40);
    i.setIcon(int64_t(0));
    EXPECT_FALSE(i.HasIcon());
    i.setIcon(int64_t(1));
    EXPECT_TRUE(i.HasIcon());
}

TEST(ListItemTest, ItemsGivenOneFontShareIt)
{
    auto font = std::make_shared<plat::forms::FontDesc>();
    qelListItem a, b;
    a.setFont(font);
    b.setFont(font);
    font->size = 20;
    EXPECT_EQ(a.Font()->size, 20);
    EXPECT_EQ(b.Font().get(), font.get());
}

TEST(FastCollectionTest, CapacityGrowsAndShrinksInSteps)
{
    clsFastCollection c;
    EXPECT_EQ(c.Capacity(), 0);
    c.Add(item("a"));
    EXPECT_EQ(c.Capacity(), 1000);
    for (int i = 2; i <= 1000; ++i)
        c.Add(item("x"));
    EXPECT_EQ(c.Capacity(), 1000);
    c.Add(item("y"));
    EXPECT_EQ(c.Capacity(), 2000);
    c.Remove(1001);
    EXPECT_EQ(c.Count(), 1000);
    EXPECT_EQ(c.Capacity(), 2000);
    c.Remove(1);
    EXPECT_EQ(c.Count(), 999);
    EXPECT_EQ(c.Capacity(), 1000);
    while (c.Count() > 0)
        c.Remove(1);
    EXPECT_EQ(c.Capacity(), 1000);
}

TEST(FastCollectionTest, PositionsOfAdd)
{
    struct Case {
        int position;
        const char* result;
    } cases[] = {{1, "x,a,b,c"}, {2, "a,x,b,c"}, {3, "a,b,x,c"}, {4, "a,b,c,x"}, {0, "a,b,c,x"}, {9, "a,b,c,x"}, {-1, "a,b,c,x"}};
    for (const auto& k : cases) {
        clsFastCollection c;
        c.Add(item("a"));
        c.Add(item("b"));
        c.Add(item("c"));
        c.Add(item("x"), k.position);
        EXPECT_EQ(texts(c), k.result) << k.position;
    }
}

TEST(FastCollectionTest, OutOfRangePositionsChangeNothing)
{
    clsFastCollection c;
    c.Add(item("a"));
    c.Add(item("b"));
    c.Remove(0);
    c.Remove(3);
    EXPECT_EQ(texts(c), "a,b");
    EXPECT_EQ(c.Item(0), nullptr);
    EXPECT_EQ(c.Item(3), nullptr);
    c.Add(nullptr);
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Item(3), nullptr);
}

TEST(FastCollectionTest, ReferencesAreHeldOnceAndReleasedOnce)
{
    ItemRef a = item("a"), b = item("b");
    {
        clsFastCollection c;
        c.Add(a);
        c.Add(b, 1);
        EXPECT_EQ(a.use_count(), 2);
        ItemRef got = c.Item(2);
        EXPECT_EQ(got, a);
        EXPECT_EQ(a.use_count(), 3);
        got.reset();
        c.Remove(1);
        EXPECT_EQ(b.use_count(), 1);
        EXPECT_EQ(a.use_count(), 2);
        c.Add(b);
        c.Clear();
        EXPECT_EQ(c.Count(), 0);
        EXPECT_EQ(c.Capacity(), 0);
        EXPECT_EQ(a.use_count(), 1);
        EXPECT_EQ(b.use_count(), 1);
        c.Add(a);
    }
    EXPECT_EQ(a.use_count(), 1); // the collection's teardown released it
}

TEST(SortTest, OrdersByCharacterCode)
{
    struct Case {
        std::vector<std::string> in;
        bool ascending;
        const char* out;
    } cases[] = {
        {{"pear", "Apple", "apple", "banana"}, true, "Apple,apple,banana,pear"},
        {{"pear", "Apple", "apple", "banana"}, false, "pear,banana,apple,Apple"},
        {{"b", "a", "c"}, false, "c,b,a"},
        {{"b", "a", "c"}, true, "a,b,c"},
        {{"only"}, true, "only"},
        {{"only"}, false, "only"},
        {{"ab", "a", "abc", ""}, true, ",a,ab,abc"},
        {{"中", "z", "Z"}, true, "Z,z,中"},
        {{"a", "b", "c", "d", "e"}, true, "a,b,c,d,e"},
        // Empty positions have no text: they go last, and the items are sorted before them.
        {{"x", "-"}, true, "x,-"},
        {{"x", "-"}, false, "x,-"},
        {{"b", "-", "a"}, true, "a,b,-"},
        {{"-", "b", "a", "-", "c"}, false, "c,b,a,-,-"},
        {{"-"}, true, "-"},
        {{"-", "-"}, false, "-,-"},
    };
    for (const auto& k : cases) {
        clsFastCollection c;
        for (const auto& t : k.in)
            c.Add(item(t));
        clsSort().SortList(c, k.ascending);
        EXPECT_EQ(texts(c), k.out);
    }
}

TEST(SortTest, TheSameItemObjectsEachHeldOnce)
{
    clsFastCollection c;
    std::vector<ItemRef> mine;
    for (const char* t : {"d", "b", "a", "c", "b"}) {
        mine.push_back(item(t));
        c.Add(mine.back());
    }
    clsSort().SortList(c, true);
    EXPECT_EQ(texts(c), "a,b,b,c,d");
    for (const auto& m : mine)
        EXPECT_EQ(m.use_count(), 2);
    EXPECT_EQ(c.Item(1), mine[2]);
    clsFastCollection empty;
    clsSort().SortList(empty, true);
    EXPECT_EQ(empty.Count(), 0);
}

TEST(SortTest, ManyEqualTextsAndALargeList)
{
    clsFastCollection c;
    for (int i = 0; i < 5000; ++i)
        c.Add(item(i % 2 ? "same" : std::to_string((i * 7919) % 5000)));
    clsSort().SortList(c, false);
    ASSERT_EQ(c.Count(), 5000);
    for (int i = 2; i <= c.Count(); ++i)
        EXPECT_GE(c.Item(i - 1)->Text(), c.Item(i)->Text());
}

} // namespace
} // namespace qel::testing
