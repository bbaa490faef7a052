#include "program_folder_fixture.h"
#include "recording_view.h"

#include "scoreboard/settings_store.h"

#include <functional>

namespace scoreboard::test {
namespace {

using SetSettingTest = ProgramFolderTest;

std::string text(int value) { return std::to_string(value); }
std::string text(bool value) { return value ? "True" : "False"; }

struct SettingCase {
    const char* key;
    const char* value;
    std::function<std::string(const MatchState&)> field;
    std::string expected;
};

#define FIELD(name) [](const MatchState& s) { return text(s.name); }
#define TEXT_FIELD(name) [](const MatchState& s) { return s.name; }

// Each case starts from a state whose fields hold values that no case stores, so that a case
// that must leave its field alone shows it.
MatchState preset()
{
    MatchState s;
    s.matchTitle = "old title";
    s.periodLength = 720;
    s.overtimeLength = 300;
    s.clockSeconds = 99;
    s.refereeCount = 3;
    s.periodNumber = 2;
    s.teamNameA = "old A";
    s.teamNameB = "old B";
    s.scoreA = 5;
    s.scoreB = 6;
    s.keyAddA = 1;
    s.breakCountdown = 4;
    s.optEndBell = false;
    s.optTenSecondBeep = true;
    return s;
}

TEST_F(SetSettingTest, ConvertsEachKeyAsItsFieldNeeds)
{
    const std::vector<SettingCase> cases{
        {"allname", "2026Mirelda", TEXT_FIELD(matchTitle), "2026Mirelda"},
        {"allname", "a=b", TEXT_FIELD(matchTitle), "a=b"},
        {"delalltime", "600.5", FIELD(periodLength), "600"},
        {"delalltime", "601.5", FIELD(periodLength), "602"},
        {"delalltime", " 45 ", FIELD(periodLength), "45"},
        {"delalltime", "abc", FIELD(periodLength), "720"},
        {"delalltime", "32768", FIELD(periodLength), "720"},
        {"delalltime", "", FIELD(periodLength), "720"},
        {"alltime", "", FIELD(clockSeconds), "720"},
        {"alltime", "100000.5", FIELD(clockSeconds), "100000"},
        {"alltime", "x", FIELD(clockSeconds), "99"},
        {"zainame1", "张三", TEXT_FIELD(refereeName1), "张三"},
        {"zainame2", "李四", TEXT_FIELD(refereeName2), "李四"},
        {"zainame3", "王五", TEXT_FIELD(refereeName3), "王五"},
        {"zainum", "2.7", FIELD(refereeCount), "2"},
        {"zainum", "-0.5", FIELD(refereeCount), "-1"},
        {"zainum", "two", FIELD(refereeCount), "3"},
        {"jstime", "420", FIELD(overtimeLength), "420"},
        {"jstime", "", FIELD(overtimeLength), "300"},
        {"jstime", "0.5", FIELD(overtimeLength), "300"}, // rounds to no time at all: kept
        {"jstime", "-60", FIELD(overtimeLength), "300"},
        {"delalltime", "0", FIELD(periodLength), "720"},
        {"delalltime", "-100", FIELD(periodLength), "720"},
        {"makenum", "3.5", FIELD(periodNumber), "4"},
        {"ballname1", "", TEXT_FIELD(teamNameA), "篮球社团A队"},
        {"ballname1", "湖人", TEXT_FIELD(teamNameA), "湖人"},
        {"ballname2", "", TEXT_FIELD(teamNameB), "篮球社团B队"},
        {"ballname2", "火箭", TEXT_FIELD(teamNameB), "火箭"},
        {"bnum1", "12.5", FIELD(scoreA), "12"},
        {"bnum2", "13.5", FIELD(scoreB), "14"},
        {"starttime", "2026/3/1 9:05:07", TEXT_FIELD(matchStartTime), "2026/3/1 9:05:07"},
        {"Aonkey", "65.9", FIELD(keyAddA), "65"},
        {"Aoutkey", "113", FIELD(keySubA), "113"},
        {"Bonkey", "51", FIELD(keyAddB), "51"},
        {"Boutkey", "114", FIELD(keySubB), "114"},
        {"Aonkey", "", FIELD(keyAddA), "1"},
        {"gktime", "7.9", FIELD(breakCountdown), "7"},
        {"playmp3name", "a b.mp3", TEXT_FIELD(currentMp3), "a b.mp3"},
        {"sond10", "True", FIELD(optTenSecondBeep), "True"},
        {"sond10", "true", FIELD(optTenSecondBeep), "False"},
        {"closesoud", "True", FIELD(optEndBell), "True"},
        {"ballnumsound", "True", FIELD(optScoreSound), "True"},
        {"commnum", "True", FIELD(optScoreButtons), "True"},
        {"closemusic", "True", FIELD(optStopMusicOnStart), "True"},
        {"numback", "True", FIELD(optScoreBacklight), "True"},
        {"numback", "1", FIELD(optScoreBacklight), "False"},
    };
    for (const SettingCase& c : cases) {
        user() = preset();
        EXPECT_TRUE(SetSetting(c.key, c.value)) << c.key;
        EXPECT_EQ(c.field(user()), c.expected) << c.key << "=" << c.value;
    }
}

TEST_F(SetSettingTest, KnowsExactlyTheTwentySevenKeys)
{
    const std::vector<std::string> known{"allname", "delalltime", "alltime", "zainame1", "zainame2", "zainame3",
        "zainum", "jstime", "makenum", "ballname1", "ballname2", "bnum1", "bnum2", "starttime", "pakey", "Aonkey",
        "Aoutkey", "Bonkey", "Boutkey", "gktime", "playmp3name", "sond10", "closesoud", "ballnumsound", "commnum",
        "closemusic", "numback"};
    ASSERT_EQ(known.size(), 27u);
    for (const std::string& key : known)
        EXPECT_TRUE(SetSetting(key, "1")) << key;

    for (const char* unknown : {"AllName", "ALLNAME", "allname ", " allname", "keynum", "videclose", "", "allname=x"}) {
        user() = preset();
        EXPECT_FALSE(SetSetting(unknown, "changed")) << unknown;
        EXPECT_EQ(user(), preset()) << unknown;
    }
}

TEST_F(SetSettingTest, StartPauseKeyIsAcceptedButNotStored)
{
    user() = preset();
    EXPECT_TRUE(SetSetting("pakey", "32"));
    EXPECT_EQ(user(), preset());
}

TEST_F(SetSettingTest, EndBellIsOnlyEverSwitchedOn)
{
    for (const char* value : {"False", "true", "", "1"}) {
        user().optEndBell = false;
        SetSetting("closesoud", value);
        EXPECT_FALSE(user().optEndBell) << value;
        user().optEndBell = true;
        SetSetting("closesoud", value);
        EXPECT_TRUE(user().optEndBell) << value;
    }
}

TEST_F(SetSettingTest, ScoreButtonsSwitchShowsOrHidesTheCommandBar)
{
    RecordingView view;
    setScoreboardView(&view);
    SetSetting("commnum", "True");
    SetSetting("commnum", "False");
    SetSetting("commnum", "yes");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ShowCommandBar", "HideCommandBar", "HideCommandBar"}));
    EXPECT_FALSE(user().optScoreButtons);
}

} // namespace
} // namespace scoreboard::test
