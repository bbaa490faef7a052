#include "scoreboard/key_names.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace scoreboard::test {
namespace {

TEST(KeyNamesTest, NamedRuledAndNamelessCodes)
{
    const std::vector<std::pair<int16_t, std::string>> cases{
        {8, "BACKSPACE 键"}, {9, "TAB 键"}, {13, "空格键"}, {18, "win键"}, {27, "ESC 键"}, {32, "空格键"},
        {37, "左 键"}, {40, "下 键"}, {46, "DEL 键"}, {47, "HELP 键"}, {48, "0 键"}, {49, "1 键"}, {57, "9 键"},
        {65, " A 键"}, {66, "B 键"}, {90, "Z 键"}, {96, "0 数字键"}, {105, "9 数字键"}, {106, "* 数字键"},
        {107, "+ 数字键"}, {108, "ENTER 数字键"}, {109, "- 数字键"}, {110, ".数字键"}, {111, "/数字键"},
        {112, "F1 键"}, {113, "F2 键"}, {127, "F16 键"}, {144, "NUM LOCK 键"},
        // No name: below 8, gaps in the table, above 144.
        {0, ""}, {7, ""}, {10, ""}, {21, ""}, {58, ""}, {64, ""}, {91, ""}, {128, ""}, {143, ""}, {145, ""},
        {200, ""}, {-1, ""}};
    for (const auto& [code, name] : cases)
        EXPECT_EQ(ballkey(code), name) << code;
}

} // namespace
} // namespace scoreboard::test
