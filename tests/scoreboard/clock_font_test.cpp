#include "program_folder_fixture.h"

#include "scoreboard/clock_font.h"

#include "platform/system/font_install.h"
#include "platform/system/program_folder.h"

namespace scoreboard::test {
namespace {

using ClockFontTest = ProgramFolderTest;
using plat::sys::FontInstall;

struct Call {
    std::filesystem::path file;
    std::string family;
};

FontInstaller recording(std::vector<Call>& calls, FontInstall result)
{
    return [&calls, result](const std::filesystem::path& file, std::string_view family) {
        calls.push_back({file, std::string(family)});
        return result;
    };
}

TEST_F(ClockFontTest, InstallsTheShippedFontWhenTheFontFolderLacksIt)
{
    writeBytes(path("DS-DIGIB.ttf"), "font");
    std::vector<Call> calls;
    EXPECT_TRUE(installClockFont(recording(calls, FontInstall::Installed), path("DS-DIGIB.ttf")));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].file, path("DS-DIGIB.ttf"));
    EXPECT_EQ(calls[0].family, "DSEG7 Classic");
    EXPECT_EQ(installedClockFontPath(), dataHome() / "fonts" / "DS-DIGIB.ttf");
    EXPECT_EQ(shippedClockFontPath(), plat::sys::executableFolder() / "DS-DIGIB.ttf") << "never the data folder's";
}

TEST_F(ClockFontTest, NothingHappensWhenTheFontIsInstalled)
{
    writeBytes(path("DS-DIGIB.ttf"), "font");
    writeBytes(dataHome() / "fonts" / "DS-DIGIB.ttf", "font");
    std::vector<Call> calls;
    EXPECT_FALSE(installClockFont(recording(calls, FontInstall::Installed), path("DS-DIGIB.ttf")));
    EXPECT_TRUE(calls.empty());
}

TEST_F(ClockFontTest, MissingShippedFontOrFailedInstallIsSkipped)
{
    std::vector<Call> calls;
    EXPECT_FALSE(installClockFont(recording(calls, FontInstall::Installed), path("DS-DIGIB.ttf")));
    EXPECT_TRUE(calls.empty());

    writeBytes(path("DS-DIGIB.ttf"), "font");
    EXPECT_FALSE(installClockFont(recording(calls, FontInstall::Failed), path("DS-DIGIB.ttf")));
    EXPECT_FALSE(installClockFont(recording(calls, FontInstall::AlreadyAvailable), path("DS-DIGIB.ttf")));
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(ClockFontTest, ShippedSevenSegmentFontBecomesUsable)
{
    const std::filesystem::path source = "/usr/share/fonts/truetype/dseg/DSEG7Classic-Bold.ttf";
    if (!std::filesystem::exists(source))
        GTEST_SKIP() << "fonts-dseg is not installed";
    std::filesystem::copy_file(source, path("DS-DIGIB.ttf"));
    installClockFont();
    EXPECT_TRUE(plat::sys::fontFamilyAvailable(kClockFontFamily));
    EXPECT_EQ(tree(), (std::vector<std::string>{"DS-DIGIB.ttf"}));
}

} // namespace
} // namespace scoreboard::test
