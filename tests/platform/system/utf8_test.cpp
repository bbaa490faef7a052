#include "platform/system/utf8.h"

#include <gtest/gtest.h>

using namespace plat::sys;

TEST(Utf8, MalformedBytesShowAsOneReplacementEachAndMarksOfUnreadableBytesStay)
{
    EXPECT_EQ(decodeUtf8("a\xFF" "b"), U"a\uFFFD" "b");
    const std::string marked = "\xE7\xAF\xAE\xED\xB3\xBF" "b"; // 篮, the mark of the byte 0xFF, b
    EXPECT_EQ(decodeUtf8(marked), (std::u32string { U'篮', char32_t(0xDCFF), U'b' }));
    EXPECT_EQ(encodeUtf8(decodeUtf8(marked)), marked) << "an edit that leaves the mark keeps the byte";
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD") << "any other surrogate is three bad bytes";
    EXPECT_EQ(decodeUtf8("\xED\xB2"), U"\uFFFD\uFFFD");
    EXPECT_EQ(encodeUtf8(U"篮球"), "篮球");
}
