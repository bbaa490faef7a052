#include "platform/system/font_install.h"
#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace plat::sys;

namespace {

const char* kSourceFont = "/usr/share/fonts/truetype/dseg/DSEG7Classic-Bold.ttf";

// A copy of an installed font whose family is renamed to "<tag> Classic" (tag: five characters),
// so that fontconfig cannot know it yet.
bool writeRenamedFont(const std::filesystem::path& target, std::string_view tag)
{
    std::string bytes = readBytes(kSourceFont);
    if (bytes.empty() || tag.size() != 5)
        return false;
    auto replaceAll = [&](std::string_view from, std::string_view to) {
        for (size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size()))
            bytes.replace(at, from.size(), to);
    };
    auto utf16 = [](std::string_view ascii) {
        std::string out;
        for (char c : ascii) {
            out += '\0';
            out += c;
        }
        return out;
    };
    replaceAll("DSEG7", tag);
    replaceAll(utf16("DSEG7"), utf16(tag));
    writeBytes(target, bytes);
    return true;
}

class FontInstallTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(kSourceFont))
            GTEST_SKIP() << "fonts-dseg is not installed";
        if (const char* old = std::getenv("XDG_DATA_HOME"))
            m_oldDataHome = old;
        ::setenv("XDG_DATA_HOME", (m_folder / "data").c_str(), 1);
        std::filesystem::create_directories(m_folder / "program");
    }
    void TearDown() override
    {
        if (m_oldDataHome.empty())
            ::unsetenv("XDG_DATA_HOME");
        else
            ::setenv("XDG_DATA_HOME", m_oldDataHome.c_str(), 1);
    }
    std::filesystem::path programFile(std::string_view name) const { return m_folder / "program" / name; }
    std::filesystem::path installedFile(std::string_view name) const { return m_folder / "data" / "fonts" / name; }

    TempFolder m_folder;
    std::string m_oldDataHome;
};

} // namespace

TEST_F(FontInstallTest, MissingFamilyIsCopiedAndUsableAtOnce)
{
    ASSERT_TRUE(writeRenamedFont(programFile("DS-DIGIB.ttf"), "QZXW1"));
    ASSERT_FALSE(fontFamilyAvailable("QZXW1 Classic"));

    EXPECT_EQ(installFont(programFile("DS-DIGIB.ttf"), "QZXW1 Classic"), FontInstall::Installed);
    EXPECT_EQ(readBytes(installedFile("DS-DIGIB.ttf")), readBytes(programFile("DS-DIGIB.ttf")));
    EXPECT_TRUE(fontFamilyAvailable("QZXW1 Classic"));
    EXPECT_TRUE(fontFamilyAvailable("qzxw1 classic"));

    EXPECT_EQ(installFont(programFile("DS-DIGIB.ttf"), "QZXW1 Classic"), FontInstall::AlreadyAvailable);
}

TEST_F(FontInstallTest, KnownFamilyIsNotCopied)
{
    ASSERT_TRUE(fontFamilyAvailable("DSEG7 Classic"));
    EXPECT_EQ(installFont(kSourceFont, "DSEG7 Classic"), FontInstall::AlreadyAvailable);
    EXPECT_FALSE(std::filesystem::exists(installedFile("DSEG7Classic-Bold.ttf")));
}

TEST_F(FontInstallTest, FileAlreadyInTheFontFolderIsRegisteredByFamily)
{
    // The file is there but this process does not know its face yet (fontconfig read the font
    // folders before the file arrived): it is registered, not copied.
    ASSERT_FALSE(fontFamilyAvailable("QZXW2 Classic"));
    std::filesystem::create_directories(installedFile(""));
    ASSERT_TRUE(writeRenamedFont(installedFile("DS-DIGIB.ttf"), "QZXW2"));
    EXPECT_EQ(installFont(programFile("DS-DIGIB.ttf"), "QZXW2 Classic"), FontInstall::Installed);
    EXPECT_TRUE(fontFamilyAvailable("QZXW2 Classic"));
}

TEST_F(FontInstallTest, MissingSourceFails)
{
    EXPECT_EQ(installFont(programFile("DS-DIGIB.ttf"), "QZXW3 Classic"), FontInstall::Failed);
    EXPECT_FALSE(std::filesystem::exists(installedFile("DS-DIGIB.ttf")));
}

TEST_F(FontInstallTest, FileWithoutTheFamilyFails)
{
    ASSERT_TRUE(writeRenamedFont(programFile("other.ttf"), "QZXW4"));
    EXPECT_EQ(installFont(programFile("other.ttf"), "No Such Face"), FontInstall::Failed);
    EXPECT_FALSE(fontFamilyAvailable("No Such Face"));
}

TEST(FontFolder, FollowsXdgDataHomeElseHome)
{
    std::string oldData = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/op", 1);
    ::setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(userFontFolder(), std::filesystem::path("/data/fonts"));
    ::setenv("XDG_DATA_HOME", "relative/data", 1); // not absolute: ignored
    EXPECT_EQ(userFontFolder(), std::filesystem::path("/home/op/.local/share/fonts"));
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(userFontFolder(), std::filesystem::path("/home/op/.local/share/fonts"));
    ::setenv("HOME", oldHome.c_str(), 1);
    if (!oldData.empty())
        ::setenv("XDG_DATA_HOME", oldData.c_str(), 1);
}
