#pragma once
#include "child_process.h"
#include "disk_audio.h"
#include "xvfb_display.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace delivery {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

inline void sleepFor(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

// The delivered programs run as a user runs them: the real binaries in their program folder, each
// test with its own runtime folder, font folder and sound output, and nothing of the test's
// environment that points into the build or the source tree.
class DeliveryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "delivery-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_scratch = pattern;
        fs::create_directories(runtimeFolder());
        ::chmod(runtimeFolder().c_str(), 0700);
    }
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(m_scratch, error);
    }

    fs::path scratch(const std::string& name) const { return m_scratch / name; }
    fs::path runtimeFolder() const { return m_scratch / "run"; }
    fs::path audioFile() const { return m_scratch / "audio.raw"; }

    // The environment of a user's session: no BALL_HOME, and sounds written to audioFile().
    Environment userEnvironment() const
    {
        Environment env;
        for (const char* name : { "BALL_HOME", "BALL_RESOURCES", "SCOREBOARD_SOURCE_DIR", "BALL_BACKEND", "DISPLAY" })
            env.remove(name);
        env.set("SDL_AUDIODRIVER", "disk")
            .set("SDL_DISKAUDIOFILE", audioFile().string())
            .set("XDG_RUNTIME_DIR", runtimeFolder().string())
            .set("XDG_DATA_HOME", scratch("data").string());
        return env;
    }

    static void writeFile(const fs::path& path, const std::string& bytes)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string readFile(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Settings of a short match: a period of 3 s, and the bell at the end of the clock switched on.
    static void writeShortPeriodSettings(const fs::path& programFolder)
    {
        writeFile(programFolder / "date/config.db", "allname=Cup\r\ndelalltime=3\r\njstime=300\r\nballname1=A\r\nballname2=B\r\n");
        writeFile(programFolder / "date/system.db",
            "sond10=False\r\nclosesoud=True\r\nballnumsound=True\r\nkeynum=True\r\ncommnum=True\r\n"
            "closemusic=False\r\nnumback=True\r\n");
    }

    // Every file below `folder`, relative, sorted.
    static std::vector<std::string> filesBelow(const fs::path& folder)
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (!entry.is_directory())
                names.push_back(fs::relative(entry.path(), folder).generic_string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Starts `ball` on a display of its own and presses what the operator presses: F5 once the
    // board is up, then (with `period`) the start key, and listens to what was played.
    struct Heard {
        double afterF5 = 0;         // seconds of sound after F5
        double longestInPeriod = 0; // the longest sound after the start key (the bell at 0.0)
    };
    Heard playOnTheBoard(const fs::path& ball, Environment env, bool period)
    {
        Heard heard;
        XvfbDisplay display;
        if (!display.running()) {
            ADD_FAILURE() << "Xvfb could not start";
            return heard;
        }
        env.set("DISPLAY", display.name()).set("SDL_VIDEODRIVER", "x11");
        ChildProcess program({ ball.string() }, env, scratch("ball.err").string());
        EXPECT_TRUE(program.started()) << ball;
        // The start-up screen stays 3 s; then the board takes the keys.
        sleepFor(4500ms);
        EXPECT_TRUE(program.running()) << readFile(scratch("ball.err"));
        Environment keys;
        keys.set("DISPLAY", display.name());
        EXPECT_EQ(runToEnd({ "/usr/bin/xdotool", "key", "F5" }, keys), 0);
        sleepFor(2000ms);
        const DiskAudio f5(audioFile());
        heard.afterF5 = f5.soundSeconds();
        if (period) {
            EXPECT_EQ(runToEnd({ "/usr/bin/xdotool", "key", "Return" }, keys), 0);
            // 3 s of clock in tenths, then the bell of about 1.5 s.
            sleepFor(6000ms);
            heard.longestInPeriod = DiskAudio(audioFile()).longestSoundSeconds(f5.frames());
        }
        program.stop();
        return heard;
    }

private:
    fs::path m_scratch;
};

} // namespace delivery
