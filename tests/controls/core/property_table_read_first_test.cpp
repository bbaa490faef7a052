#include "controls/core/property_table.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qel {
namespace {

// Records the order its setters run in.
struct Recorder {
    std::vector<std::string> order;
    void Set(int& member, int v, const char* key)
    {
        member = v;
        order.push_back(key);
    }
    int a = 0, b = 0, c = 0, d = 0;
    int A() const { return a; }
    int B() const { return b; }
    int C() const { return c; }
    int D() const { return d; }
    void setA(int v) { Set(a, v, "A"); }
    void setB(int v) { Set(b, v, "B"); }
    void setC(int v) { Set(c, v, "C"); }
    void setD(int v) { Set(d, v, "D"); }
};

const auto& Table()
{
    using R = Recorder;
    using P = PropertiesOf<R>;
    static const auto table = propertyTable(P::property("A", &R::A, &R::setA, 1), P::property("B", &R::B, &R::setB, 2),
        P::property("C", &R::C, &R::setC, 3), P::property("D", &R::D, &R::setD, 4));
    return table;
}

TEST(PropertyTableReadFirst, ReadsTheNamedEntriesInTheNamedOrderThenTheOthersInTheTablesOrderEachOnce)
{
    Recorder r;
    plat::forms::PropertyBag bag;
    bag.writeProperty("B", 7, 0);
    Table().readFirst(r, bag, {"C", "B"});
    EXPECT_EQ(r.order, (std::vector<std::string>{"C", "B", "A", "D"}));
    EXPECT_EQ(r.a, 1);
    EXPECT_EQ(r.b, 7);
    EXPECT_EQ(r.c, 3);
    EXPECT_EQ(r.d, 4);
}

} // namespace
} // namespace qel
