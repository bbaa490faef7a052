#include "platform/system/program_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace plat::sys;

namespace {

// Sets or clears an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name.c_str(), m_old->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(ProgramFolder, IsTheExecutablesFolderByDefault)
{
    ScopedEnv env("BALL_HOME", nullptr);
    auto executable = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(programFolder(), executable.parent_path());
}

TEST(ProgramFolder, BallHomeOverridesIt)
{
    ScopedEnv env("BALL_HOME", "/srv/ball");
    EXPECT_EQ(programFolder(), std::filesystem::path("/srv/ball"));
    EXPECT_EQ(programPath("date\\config.db"), std::filesystem::path("/srv/ball/date/config.db"));
}

TEST(ProgramFolder, EmptyBallHomeIsIgnored)
{
    ScopedEnv env("BALL_HOME", "");
    EXPECT_EQ(programFolder(), std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

TEST(ProgramFolder, BackslashPathsBecomePathsBelowTheFolder)
{
    std::filesystem::path base("/opt/ball");
    struct Case {
        const char* relative;
        const char* expected;
    } cases[] = {
        { "date\\config.db", "/opt/ball/date/config.db" },
        { "\\date\\keyconfig.db", "/opt/ball/date/keyconfig.db" },
        { "binlist\\篮球社团A队.ini", "/opt/ball/binlist/篮球社团A队.ini" },
        { "img/logo.png", "/opt/ball/img/logo.png" },
        { "config.ini", "/opt/ball/config.ini" },
        { "\\", "/opt/ball" },
        { "", "/opt/ball" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(pathBelow(base, c.relative), std::filesystem::path(c.expected)) << c.relative;
}
