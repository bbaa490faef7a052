#include "board_fixture.h"

#include "scoreboard/board_form.h"
#include "scoreboard/display_routines.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"
#include "platform/forms/label.h"
#include "platform/media/alpha_image.h"

#include <array>

namespace scoreboard::test {
namespace {

using qel::qelLabel;
using plat::forms::Label;

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kGreen = 0x00FF00;

TEST(ClockTextTest, MinutesAndSecondsTwoDigitsAtLeast)
{
    const std::vector<std::pair<int32_t, std::string>> cases{
        {0, "00:00"}, {59, "00:59"}, {65, "01:05"}, {720, "12:00"}, {5999, "99:59"}, {6000, "100:00"}, {-65, "-01:05"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(clockText(seconds), text) << seconds;
}

TEST(PeriodPointTextTest, TwoDigitsBelowTenAndNegativesWithTheirSign)
{
    const std::vector<std::pair<int32_t, std::string>> cases{
        {0, "00"}, {5, "05"}, {9, "09"}, {10, "10"}, {123, "123"}, {-3, "-3"}, {-12, "-12"}};
    for (const auto& [points, text] : cases)
        EXPECT_EQ(periodPointText(points), text) << points;
}

TEST(TextWidthUnitsTest, DoubleByteCharactersCountTwice)
{
    EXPECT_EQ(TextWidthUnits(""), 0);
    EXPECT_EQ(TextWidthUnits("ab篮球"), 6);
    EXPECT_EQ(TextWidthUnits("2026Mirelda"), 11);
    EXPECT_EQ(TextWidthUnits("篮球社团A队"), 11);
}

TEST(DisplayRoutinesWithoutBoardTest, OnlyComputeTheirTexts)
{
    user() = MatchState{};
    setBoard(nullptr, nullptr);
    user().clockTenths = 7;
    EXPECT_EQ(ShowClock(65), "01:05");
    EXPECT_EQ(ShowClockTenths(8), "8.7");
    user().clockSeconds = 30;
    ResetClockDisplay();
    EXPECT_EQ(user().clockTenths, 1);
    ShowScores();
    ShowReferees();
    LoadLogo();
}

using DisplayRoutinesTest = BoardTest;

TEST_F(DisplayRoutinesTest, ShowClockWritesTheClock)
{
    loadBoard();
    EXPECT_EQ(ShowClock(65), "01:05");
    EXPECT_EQ(control<qelLabel>("balltime").Caption(), "01:05");
    user().clockTenths = 9;
    EXPECT_EQ(ShowClockTenths(59), "59.9");
    EXPECT_EQ(control<qelLabel>("balltime").Caption(), "59.9");
}

TEST_F(DisplayRoutinesTest, ResetClockDisplayInEitherFormAndColour)
{
    loadBoard();
    struct Case {
        int32_t seconds;
        std::string text;
        uint32_t color;
        int16_t tenthsAfter;
    };
    const std::vector<Case> cases{
        {720, "12:00", kGreen, 10}, {60, "01:00", kGreen, 10}, {59, "59.0", kGreen, 1}, {10, "10.0", kGreen, 1},
        {9, "9.0", kRed, 1}, {0, "0.0", kRed, 1}, {-5, "-5.0", kRed, 1}};
    for (const Case& c : cases) {
        user().clockSeconds = c.seconds;
        user().clockTenths = 10;
        ResetClockDisplay();
        EXPECT_EQ(control<qelLabel>("balltime").Caption(), c.text) << c.seconds;
        EXPECT_EQ(control<qelLabel>("balltime").ForeColor(), c.color) << c.seconds;
        EXPECT_EQ(user().clockTenths, c.tenthsAfter) << c.seconds;
    }
}

TEST_F(DisplayRoutinesTest, TitleNamesScoresAndPeriodGoToBothOfTheirLabels)
{
    loadBoard();
    MatchState& s = user();
    s.matchTitle = "市运会&决赛";
    s.teamNameA = "红队";
    s.teamNameB = "蓝队";
    s.scoreA = 98;
    s.scoreB = 105;
    s.periodNumber = 3;
    ShowMatchTitle();
    ShowTeamNames();
    ShowScores();
    ShowPeriod();
    EXPECT_EQ(control<qelLabel>("titxt", 0).Caption(), "市运会&决赛");
    EXPECT_EQ(control<qelLabel>("titxt", 1).Caption(), "市运会&决赛");
    EXPECT_EQ(control<qelLabel>("ballname", 0).Caption(), "红队");
    EXPECT_EQ(control<qelLabel>("ballname", 2).Caption(), "红队");
    EXPECT_EQ(control<qelLabel>("ballname", 1).Caption(), "蓝队");
    EXPECT_EQ(control<qelLabel>("ballname", 3).Caption(), "蓝队");
    EXPECT_EQ(control<qelLabel>("ballnumber", 0).Caption(), "98");
    EXPECT_EQ(control<qelLabel>("ballnumber", 2).Caption(), "98");
    EXPECT_EQ(control<qelLabel>("ballnumber", 1).Caption(), "105");
    EXPECT_EQ(control<qelLabel>("ballnumber", 3).Caption(), "105");
    EXPECT_EQ(control<Label>("ballmakenum").caption(), "3");
}

TEST_F(DisplayRoutinesTest, PeriodTableWithTwoDigitEntriesTotalsAndANegativeEntry)
{
    loadBoard();
    MatchState& s = user();
    s.periodPoints = {5, 12, 0, 0, 3, 7, 10, -3};
    s.scoreA = 17;
    s.scoreB = 17;
    ShowPeriodTable();
    const std::vector<std::string> expected{"05", "12", "00", "00", "03", "07", "10", "-3", "17", "17"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(control<qelLabel>("balldatenum", i).Caption(), expected[size_t(i)]) << i;
}

TEST_F(DisplayRoutinesTest, RefereesByTheirCount)
{
    loadBoard();
    struct Case {
        int16_t count;
        std::string name1, name2, name3;
        std::array<std::string, 3> shown; // "" for a hidden label
    };
    const std::vector<Case> cases{
        {1, "A", "B", "C", {"", "主裁判:A", ""}},
        {1, "", "B", "C", {"", "", ""}},
        {2, "A", "B", "C", {"副裁判:A", "主裁判:B", ""}},
        {3, "A", "B", "C", {"副裁判:A", "主裁判:B", "副裁判:C"}},
        {3, "A", "", "C", {"副裁判:A", "", "副裁判:C"}},
        {3, "", "B", "C", {"", "主裁判:B", "副裁判:C"}},
        {0, "A", "B", "C", {"副裁判:A", "", ""}},
        {4, "A", "B", "C", {"", "主裁判:B", "副裁判:C"}},
    };
    for (const Case& c : cases) {
        MatchState& s = user();
        s.refereeCount = c.count;
        s.refereeName1 = c.name1;
        s.refereeName2 = c.name2;
        s.refereeName3 = c.name3;
        ShowReferees();
        for (int i = 0; i < 3; ++i) {
            const Label& label = control<Label>("zailab", i);
            const std::string& want = c.shown[size_t(i)];
            EXPECT_EQ(label.visible(), !want.empty()) << "count " << c.count << " label " << i;
            if (!want.empty()) {
                EXPECT_EQ(label.caption(), want) << "count " << c.count << " label " << i;
            }
        }
    }
}

TEST_F(DisplayRoutinesTest, CommandBarShowsAndHidesTheFourScoreButtons)
{
    loadBoard();
    HideCommandBar();
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(control<qel::qelCommand>("v1", i).visible()) << i;
    ShowCommandBar();
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(control<qel::qelCommand>("v1", i).visible()) << i;
}

TEST_F(DisplayRoutinesTest, LogoComesFromTheProgramFolderWhenThereIsOne)
{
    loadBoard();
    const std::string designed = control<plat::media::AlphaImage>("mainlogo").picture().path;
    user().logoPath = path("img/logo.png").string();
    LoadLogo();
    for (std::string_view name : {"mainlogo", "logopng", "testpng"})
        EXPECT_EQ(control<plat::media::AlphaImage>(name).picture().path, designed) << name;

    std::filesystem::create_directories(path("img"));
    std::filesystem::copy_file(std::filesystem::path(SCOREBOARD_SOURCE_DIR) / "resources/test/picture.png", path("img/logo.png"));
    LoadLogo();
    for (std::string_view name : {"mainlogo", "logopng", "testpng"}) {
        const auto& picture = control<plat::media::AlphaImage>(name);
        EXPECT_EQ(picture.picture().path, user().logoPath) << name;
        EXPECT_EQ(picture.pictureSize().width, 16) << name;
    }
}

} // namespace
} // namespace scoreboard::test
