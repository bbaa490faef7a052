#pragma once
#include "child_process.h"
#include "disk_audio.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait_until.h"
#include "tests/support/x_screen.h"
#include "tests/support/xvfb_display.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace delivery {

namespace fs = std::filesystem;
using test_support::XvfbDisplay;
using namespace std::chrono_literals;

using test_support::boardShown;
using test_support::eventually;
using test_support::kGenerousDeadline;
using test_support::screenPicture;

// What was heard after a key: how long it sounded, and how loud.
struct Sound {
    double seconds = 0;
    DiskAudio::Level level;
};
struct Heard {
    Sound f5;   // everything after F5 (the attack signal, about 1.5 s)
    Sound horn; // the longest sound after the start key: the bell at 0.0, about 1.5 s
};

// Files put back as they were when this object goes; one that was not there is removed again.
class KeptFiles {
public:
    explicit KeptFiles(std::vector<fs::path> files)
    {
        for (fs::path& file : files) {
            std::optional<std::string> bytes;
            if (std::ifstream in { file, std::ios::binary })
                bytes = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            m_kept.emplace_back(std::move(file), std::move(bytes));
        }
    }
    ~KeptFiles()
    {
        for (const auto& [file, bytes] : m_kept) {
            std::error_code error;
            if (bytes)
                std::ofstream(file, std::ios::binary | std::ios::trunc) << *bytes;
            else
                fs::remove(file, error);
        }
    }
    KeptFiles(const KeptFiles&) = delete;
    KeptFiles& operator=(const KeptFiles&) = delete;

private:
    std::vector<std::pair<fs::path, std::optional<std::string>>> m_kept;
};

// The delivered programs run as a user runs them: the real binaries in their program folder, each
// test with its own runtime folder, font folder and sound output, and nothing of the test's
// environment that points into the build or the source tree.
class DeliveryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(m_scratch.empty()) << "no temporary folder";
        fs::create_directories(runtimeFolder());
        ::chmod(runtimeFolder().c_str(), 0700);
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

    // Starts `command` (a `ball`, or a command that ends in running one) on a display of its own
    // and presses what the operator presses: F5 once the board is up, then (with `period`) the
    // start key, and listens to what was played.
    Heard playOnTheBoard(const std::vector<std::string>& command, Environment env, bool period)
    {
        Heard heard;
        XvfbDisplay display("1024x768x24", test_support::KeyRepeat::Off);
        if (!display.running()) {
            ADD_FAILURE() << "Xvfb could not start";
            return heard;
        }
        env.set("DISPLAY", display.name()).set("SDL_VIDEODRIVER", "x11");
        ChildProcess program(command, env, scratch("ball.err").string());
        EXPECT_TRUE(program.started()) << command.front();
        // The start-up screen stays 3 s; then the board takes the keys.
        EXPECT_TRUE(eventually("the board on the screen", [&] { return !program.running() || boardShown(screenPicture(display.name())); }));
        EXPECT_TRUE(program.running()) << readFile(scratch("ball.err"));
        Environment keys;
        keys.set("DISPLAY", display.name());
        const size_t beforeF5 = DiskAudio(audioFile()).frames();
        EXPECT_EQ(runToEnd({ "/usr/bin/xdotool", "key", "F5" }, keys), 0);
        EXPECT_TRUE(awaitSound(program, beforeF5, 1.0)) << "the attack signal of F5";
        const DiskAudio f5(audioFile());
        heard.f5 = { f5.soundSeconds(beforeF5), f5.level(f5.from(beforeF5)) };
        if (period) {
            EXPECT_EQ(runToEnd({ "/usr/bin/xdotool", "key", "Return" }, keys), 0);
            // 3 s of clock in tenths, then the bell of about 1.5 s.
            EXPECT_TRUE(awaitSound(program, f5.frames(), 1.2)) << "the bell at 0.0";
            const DiskAudio played(audioFile());
            const DiskAudio::Stretch horn = played.longestSound(f5.frames());
            heard.horn = { horn.seconds(), played.level(horn) };
        }
        program.stop();
        report(heard);
        return heard;
    }

    // Waits until a sound of at least `seconds` has been played after `fromFrame` and is over (or
    // the program has ended).
    ::testing::AssertionResult awaitSound(ChildProcess& program, size_t fromFrame, double seconds) const
    {
        return eventually(
            "a sound of " + std::to_string(seconds) + " s",
            [&] { return !program.running() || DiskAudio(audioFile()).soundOver(fromFrame, seconds); }, kGenerousDeadline, 200ms);
    }

    // The figures go with the test's result (and its output), for whoever checks what was heard.
    static void report(const Heard& heard)
    {
        auto record = [](const char* name, const Sound& sound) {
            const std::string key(name);
            ::testing::Test::RecordProperty(key + "_seconds", std::to_string(sound.seconds));
            ::testing::Test::RecordProperty(key + "_peak", sound.level.peak);
            ::testing::Test::RecordProperty(key + "_rms", std::to_string(int(sound.level.rms)));
            std::printf("heard %s: %.2f s of sound, peak %d, RMS %.0f (of 32767)\n", name, sound.seconds, sound.level.peak,
                sound.level.rms);
        };
        record("f5", heard.f5);
        if (heard.horn.seconds > 0)
            record("horn", heard.horn);
    }

    // `command` run where the source tree and the build tree are out of its reach: in a mount
    // namespace of its own where both are covered by empty folders.
    static std::vector<std::string> outOfReachOfTheTrees(const std::vector<std::string>& command)
    {
        // The build tree first: when it lies inside the source tree, covering that hides it too.
        return inMountsOfItsOwn("mount -t tmpfs none \"$1\" && mount -t tmpfs none \"$2\"", command);
    }
    // Whether this machine lets a test do that (root, or user namespaces; a container may allow
    // neither).
    static bool treesCanBeHidden()
    {
        static const bool can = machineAllows(outOfReachOfTheTrees({ "/bin/sh", "-c", "test ! -e \"$0/CMakeLists.txt\"", BALL_SOURCE_DIR }));
        return can;
    }

    // `command` run where the build tree can be read but not written: mounted read-only in a
    // mount namespace of its own.
    static std::vector<std::string> readOnlyBuildTree(const std::vector<std::string>& command)
    {
        return inMountsOfItsOwn("mount --bind -o ro \"$1\" \"$1\"", command);
    }
    static bool buildTreeCanBeMadeReadOnly()
    {
        static const bool can = machineAllows(readOnlyBuildTree({ "/bin/sh", "-c", "test -d \"$0\" && ! test -w \"$0\"", BALL_BUILD_DIR }));
        return can;
    }

    // What a shell command writes on standard output.
    static std::string commandOutput(const std::string& command)
    {
        std::string text;
        if (FILE* pipe = ::popen(command.c_str(), "r")) {
            char buffer[4096];
            for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
                text.append(buffer, n);
            ::pclose(pipe);
        }
        return text;
    }

private:
    // Whether this machine runs `probe`, a command in a mount namespace of its own, to a good end.
    static bool machineAllows(const std::vector<std::string>& probe)
    {
        return ::access("/usr/bin/unshare", X_OK) == 0 && runToEnd(probe) == 0;
    }

    // `command` after the shell commands `mounts` (which find the build tree as $1 and the
    // source tree as $2), in a mount namespace of its own.
    static std::vector<std::string> inMountsOfItsOwn(const std::string& mounts, const std::vector<std::string>& command)
    {
        std::vector<std::string> sealed = { "/usr/bin/unshare", "--mount", "--propagation", "private" };
        if (::geteuid() != 0)
            sealed.push_back("--map-root-user");
        const std::vector<std::string> shell = { "/bin/sh", "-c", mounts + " && shift 2 && exec \"$@\"", "sh", BALL_BUILD_DIR,
            BALL_SOURCE_DIR };
        sealed.insert(sealed.end(), shell.begin(), shell.end());
        sealed.insert(sealed.end(), command.begin(), command.end());
        return sealed;
    }

    const TempFolder m_folder{"delivery-XXXXXX"};
    const fs::path m_scratch = m_folder.path();
};

} // namespace delivery
