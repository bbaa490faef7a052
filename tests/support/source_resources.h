#pragma once
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace test_support {

// While one of these lives, resources are read from resources/ of the source tree, so that the
// test pictures under resources/test ("test/picture.png") are found; the program folder the build
// lays out ships no test pictures. Tests of the shipped program do not use it.
class SourceResources {
public:
    SourceResources()
    {
        if (const char* old = std::getenv("BALL_RESOURCES"))
            m_old = old;
        const char* source = std::getenv("SCOREBOARD_SOURCE_DIR");
        std::filesystem::path root = source && *source ? source : SCOREBOARD_SOURCE_DIR;
        ::setenv("BALL_RESOURCES", (root / "resources").c_str(), 1);
    }
    ~SourceResources()
    {
        if (m_old)
            ::setenv("BALL_RESOURCES", m_old->c_str(), 1);
        else
            ::unsetenv("BALL_RESOURCES");
    }
    SourceResources(const SourceResources&) = delete;
    SourceResources& operator=(const SourceResources&) = delete;

private:
    std::optional<std::string> m_old;
};

} // namespace test_support
