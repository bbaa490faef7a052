#pragma once
#include "tests/support/scoped_env.h"
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
        : m_resources("BALL_RESOURCES", (sourceRoot() / "resources").string())
    {
    }

private:
    static std::filesystem::path sourceRoot()
    {
        const char* source = std::getenv("SCOREBOARD_SOURCE_DIR");
        return source && *source ? source : SCOREBOARD_SOURCE_DIR;
    }

    ScopedEnv m_resources;
};

} // namespace test_support
