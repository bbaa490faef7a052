#include "scoreboard/key_names.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace scoreboard::test {
namespace {

TEST(KeyNamesTest, NamedRuledAndNamelessCodes)
{
    const std::vector<std::pair<int16_t, std::string>> cases{
        {8, "BACKSPACE 键"}, {9, "TAB 键"}, {13, "回车键"}, {16, "SHIFT 键"}, {17, "CTRL 键"}, {18, "Alt键"},
        {27, "ESC 键"}, {32, "空格键"}, {37, "左 键"}, {40, "下 键"}, {42, "PRINT 键"}, {44, "PRINT SCREEN 键"},
        {46, "DEL 键"}, {47, "HELP 键"}, {48, "0 键"}, {49, "1 键"}, {57, "9 键"}, {65, " A 键"}, {66, "B 键"},
        {90, "Z 键"}, {96, "0 数字键"}, {105, "9 数字键"}, {106, "* 数字键"}, {107, "+ 数字键"},
        {108, "SEPARATOR 数字键"}, {109, "- 数字键"}, {110, ".数字键"}, {111, "/数字键"}, {112, "F1 键"},
        {113, "F2 键"}, {127, "F16 键"}, {144, "NUM LOCK 键"},
        // A key the table does not name goes by its code: below 8, gaps in the table, above 144.
        {1, "键码 1"}, {7, "键码 7"}, {10, "键码 10"}, {21, "键码 21"}, {58, "键码 58"}, {64, "键码 64"},
        {91, "键码 91"}, {128, "键码 128"}, {143, "键码 143"}, {145, "键码 145"}, {186, "键码 186"}, {254, "键码 254"},
        // No key at all.
        {0, ""}, {255, ""}, {-1, ""}};
    for (const auto& [code, name] : cases)
        EXPECT_EQ(ballkey(code), name) << code;
}

} // namespace
} // namespace scoreboard::test
