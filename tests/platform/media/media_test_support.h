#pragma once
#include "tests/support/scoped_env.h"
#include "tests/support/wait_until.h"
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace media_test {

inline std::string sourceDir()
{
    if (const char* dir = std::getenv("SCOREBOARD_SOURCE_DIR"); dir && *dir)
        return dir;
    return MEDIA_TEST_SOURCE_DIR;
}

// The sounds the build ships: the sound folder of the program folder whose resources the tests read.
inline std::string shippedSoundFolder()
{
    const char* resources = std::getenv("BALL_RESOURCES");
    return (std::filesystem::path(resources ? resources : "resources").parent_path() / "sound").string();
}

inline std::string soundFile(const std::string& name) { return shippedSoundFolder() + "/" + name; }
inline std::string testFile(const std::string& name) { return sourceDir() + "/resources/test/" + name; }

// Audio and video pipelines run in real time: wait for a condition, looking every 2 ms (a
// condition may also pump the pipeline).
template <typename Condition>
bool waitFor(Condition condition, std::chrono::milliseconds limit = test_support::kGenerousDeadline)
{
    return test_support::waitUntil(condition, limit, std::chrono::milliseconds(2));
}

// A scratch folder removed with the fixture.
class ScratchDir {
public:
    ScratchDir()
    {
        auto base = std::filesystem::temp_directory_path() / "media-test-XXXXXX";
        std::string pattern = base.string();
        m_path = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchDir()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    std::string file(const std::string& name) const { return m_path + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
        out << bytes;
    }

private:
    std::string m_path;
};

// Points the capture source at a pipeline for one test (nullptr: no pipeline named).
class CaptureEnv : public test_support::ScopedEnv {
public:
    explicit CaptureEnv(const char* source)
        : ScopedEnv("BALL_CAPTURE_PIPELINE", source)
    {
    }
};

} // namespace media_test
