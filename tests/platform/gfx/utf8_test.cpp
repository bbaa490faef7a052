#include "platform/gfx/utf8.h"

#include <gtest/gtest.h>

using namespace plat::gfx;

TEST(Utf8, MalformedBytesAndMarksOfUnreadableBytesShowAsOneReplacementEach)
{
    EXPECT_EQ(decodeUtf8("a\xFF" "b"), U"a\uFFFD" "b");
    EXPECT_EQ(decodeUtf8("\xE7\xAF\xAE\xED\xB3\xBF" "b"), U"篮\uFFFD" "b") << "the mark of the byte 0xFF";
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD") << "any other surrogate is three bad bytes";
    EXPECT_EQ(decodeUtf8("\xED\xB2"), U"\uFFFD\uFFFD");
    EXPECT_EQ(encodeUtf8(U"篮球"), "篮球");
}
