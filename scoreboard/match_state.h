#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace scoreboard {

// The one record of the running program that every form reads and writes directly: the match
// settings, the running match, the shortcut keys, the display and sound switches, and a few paths
// and texts. Integer fields are 16-bit and Long fields 32-bit, as the settings files expect.
struct MatchState {
    int16_t screenWidth = 0;   // pixels, measured at start-up
    int16_t screenHeight = 0;
    bool matchOver = false;    // the last period or overtime ended with unequal scores
    std::string matchTitle;
    // A settings file without these lines keeps the clock usable with the first-run lengths.
    int16_t periodLength = 720;   // seconds
    int32_t clockSeconds = 0;     // whole seconds left on the period clock
    int16_t overtimeLength = 300; // seconds
    int16_t periodNumber = 0;     // 1 to 4; stays 4 during every overtime
    std::string teamNameA;        // also the name of the team's roster file
    std::string teamNameB;
    int16_t scoreA = 0; // 0 to 999
    int16_t scoreB = 0;
    std::string matchStartTime; // empty while no match is under way
    // Entry p - 1 holds team A's points of period p, entry 4 + p - 1 team B's; overtimes count
    // in period 4.
    std::array<int16_t, 8> periodPoints{};
    // Virtual-key codes.
    int16_t keyStartPause = 0;
    int16_t keyAddA = 0;
    int16_t keySubA = 0;
    int16_t keyAddB = 0;
    int16_t keySubB = 0;
    int16_t clockTenths = 0;    // 10 down to -1; 10 means no tenth of this second shown yet
    int16_t breakCountdown = 0; // seconds left in the report between periods
    std::string currentMp3;     // file name in the music folder; empty means none
    bool optTenSecondBeep = false;
    bool optEndBell = false;
    bool optScoreSound = false;
    bool optScoreKeys = false;
    bool optScoreButtons = false;
    bool optStopMusicOnStart = false;
    bool optScoreBacklight = false;
    bool optCloseVideoOnStart = false;
    std::string noticeText; // text of the next self-closing notice
    bool inOvertime = false;
    std::string refereeName1;
    std::string refereeName2;
    std::string refereeName3;
    int16_t refereeCount = 0; // referees shown, 1 to 3
    std::string logoPath;     // the logo picture in use
    std::string newLogoPath;  // a chosen logo picture not yet saved; empty means none
    std::string rosterFileA;
    std::string rosterFileB;
    std::string contactLine1; // the two text lines of the start-up screen
    std::string contactLine2;

    bool operator==(const MatchState&) const = default;
};

// The record of the running program; it lives until the program ends.
MatchState& user();

} // namespace scoreboard
