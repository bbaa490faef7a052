#pragma once
#include "scoreboard/match_state.h"
#include "scoreboard/scoreboard_view.h"

#include "tests/support/temp_folder.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scoreboard::test {

// A fresh, empty program folder (through BALL_HOME) and a fresh match state for each test.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* home = std::getenv("BALL_HOME"))
            m_previousHome = home;
        if (const char* data = std::getenv("XDG_DATA_HOME"))
            m_previousDataHome = data;
        ASSERT_FALSE(m_folder.empty());
        ASSERT_FALSE(m_dataHome.empty());
        ::setenv("BALL_HOME", m_folder.c_str(), 1);
        // Fonts go into a font folder of the test's own.
        ::setenv("XDG_DATA_HOME", m_dataHome.c_str(), 1);
        user() = MatchState{};
        setScoreboardView(nullptr);
    }

    void TearDown() override
    {
        setScoreboardView(nullptr);
        user() = MatchState{};
        if (m_previousHome)
            ::setenv("BALL_HOME", m_previousHome->c_str(), 1);
        else
            ::unsetenv("BALL_HOME");
        if (m_previousDataHome)
            ::setenv("XDG_DATA_HOME", m_previousDataHome->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
    }


    const std::filesystem::path& folder() const { return m_folder; }
    const std::filesystem::path& dataHome() const { return m_dataHome; }
    std::filesystem::path path(std::string_view relative) const { return m_folder / relative; }



    // Every file and folder below the program folder, as relative paths with "/" and a trailing
    // "/" for folders, sorted.
    std::vector<std::string> tree() const
    {
        std::vector<std::string> entries;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_folder)) {
            std::string name = std::filesystem::relative(entry.path(), m_folder).generic_string();
            // The board's lock lies in the data folder whenever it runs.
            if (name != "ball.lock")
                entries.push_back(entry.is_directory() ? name + "/" : name);
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }

private:
    const TempFolder m_home{"scoreboard-XXXXXX"};
    const TempFolder m_data{"scoreboard-data-XXXXXX"};
    const std::filesystem::path m_folder = m_home.path();
    const std::filesystem::path m_dataHome = m_data.path();
    std::optional<std::string> m_previousHome;
    std::optional<std::string> m_previousDataHome;
};

// GBK bytes of the Chinese texts the tests compare with.
inline constexpr std::string_view kTeamAGbk = "\xC0\xBA\xC7\xF2\xC9\xE7\xCD\xC5" "A" "\xB6\xD3"; // 篮球社团A队
inline constexpr std::string_view kTeamBGbk = "\xC0\xBA\xC7\xF2\xC9\xE7\xCD\xC5" "B" "\xB6\xD3"; // 篮球社团B队

} // namespace scoreboard::test
