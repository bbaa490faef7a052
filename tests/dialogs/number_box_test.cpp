#include "dialogs/number_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dialogs {
namespace {

TEST(NumericKeyFilter, DigitsAndControlCharactersPassEverythingElseIsRefused)
{
    struct Case {
        int code;
        bool passes;
    };
    const std::vector<Case> cases = {
        {'0', true}, {'5', true}, {'9', true}, {8, true} /* Backspace */, {22, true} /* Ctrl+V */, {3, true} /* Ctrl+C */,
        {0, true}, {' ', false}, {'-', false}, {'.', false}, {'+', false}, {'/', false}, {'!', false}, {':', false},
        {'a', false}, {'E', false}, {0x4E2D, false} /* 中 */, {-20000, false}, {127, false},
    };
    for (const Case& c : cases) {
        int code = c.code;
        numericKeyFilter(code);
        EXPECT_EQ(code, c.passes ? c.code : 0) << "code " << c.code;
    }
}

TEST(WholeNumber, TheWholePartOfANumberTextNothingForOtherTexts)
{
    struct Case {
        std::string text;
        std::optional<int32_t> value;
    };
    const std::vector<Case> cases = {
        {"0", 0}, {"00", 0}, {"7", 7}, {"59", 59}, {"999", 999}, {" 12 ", 12}, {"1.9", 1}, {"-1.5", -2}, {"-9", -9},
        {"1e2", 100}, {"", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt}, {" ", std::nullopt},
        {"1 2", std::nullopt}, {"abc", std::nullopt}, {"12abc", std::nullopt}, {"99999999999", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wholeNumber(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
} // namespace dialogs
