#pragma once
#include "../startup_fixture.h"
#include "output_lines.h"
#include "tests/support/timed_sounds.h"

#include "scoreboard/drive/drive_runner.h"
#include "scoreboard/drive/drive_script.h"
#include "scoreboard/program_sound.h"

#include <functional>
#include <sstream>

namespace scoreboard::test {

// A drive script written along a time line: each step at a moment of the line, the script
// starting at `from`.
class TimedScript {
public:
    explicit TimedScript(int64_t from = 0)
        : m_at(from)
    {
    }
    TimedScript& at(int64_t ms)
    {
        if (ms > m_at)
            m_text += "wait " + std::to_string(ms - m_at) + "\n";
        m_at = std::max(m_at, ms);
        return *this;
    }
    TimedScript& step(const std::string& line)
    {
        m_text += line + "\n";
        return *this;
    }
    const std::string& text() const { return m_text; }
    int64_t end() const { return m_at; }

private:
    std::string m_text;
    int64_t m_at;
};

// The program `ball` as ball-drive runs it: started in its own program folder with the settings
// files given, on the virtual clock, the scoreboard up; scripts run on it one after another. The
// sounds asked for are written down with their moment.
class BallDriveTest : public StartupTest, protected test_support::TimedSounds {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        setProgramSoundListener([this](std::string_view name) { sounds.push_back({session->nowMs() - t0, std::string(name)}); });
    }

    void TearDown() override
    {
        setProgramSoundListener({});
        session->backend().setIdleHandler(nullptr);
        StartupTest::TearDown();
    }

    // Settings files in place before the start; the clock and team names set, both signals on.
    void writeSettings(int periodSeconds, int overtimeSeconds)
    {
        writeBytes(path("date/config.db"), "allname=Cup\r\ndelalltime=" + std::to_string(periodSeconds) + "\r\njstime="
                + std::to_string(overtimeSeconds) + "\r\nballname1=Lions\r\nballname2=Tigers\r\n");
        writeBytes(path("date/system.db"),
            "sond10=True\r\nclosesoud=True\r\nballnumsound=False\r\nkeynum=True\r\ncommnum=True\r\n"
            "closemusic=False\r\nnumback=True\r\nvideclose=False\r\n");
    }

    // Starts the program and waits for the scoreboard; the time line starts there.
    void startBoard(int periodSeconds = 720, int overtimeSeconds = 300)
    {
        writeSettings(periodSeconds, overtimeSeconds);
        ASSERT_TRUE(start());
        session->advance(3000);
        ASSERT_TRUE(mainForm().visible());
        t0 = session->nowMs();
    }

    // Milliseconds on the time line.
    int64_t now() const { return session->nowMs() - t0; }

    // Runs a script from now; `during` runs once the driver is in place (it may open a modal box
    // that the script then answers). Returns what the script's show steps wrote.
    std::string drive(const std::string& script, const std::function<void()>& during = {})
    {
        drive::ParsedScript parsed = drive::parseScript("form main\n" + script);
        EXPECT_FALSE(parsed.error) << (parsed.error ? parsed.error->message : "");
        std::ostringstream out, err;
        drive::DriveRunner runner(session->windows(), session->backend(), std::move(parsed.steps), out, err);
        session->backend().setIdleHandler([&] { return runner.next(); });
        if (during)
            during();
        session->windows().run();
        session->backend().setIdleHandler(nullptr);
        EXPECT_FALSE(runner.failed()) << err.str();
        return out.str();
    }

    // A script along the time line, from now.
    TimedScript script() const { return TimedScript(now()); }
    std::string drive(const TimedScript& script, const std::function<void()>& during = {}) { return drive(script.text(), during); }

    static std::vector<std::string> lines(const std::string& text) { return outputLines(text); }

    int64_t t0 = 0;
};

} // namespace scoreboard::test
