// Writes the files the program writes, through its own writers, into the seed corpus of each fuzz
// target: write_seeds CORPUS_FOLDER (fuzz/corpus), each file as CORPUS_FOLDER/TARGET/written_NAME.
// The first run's files, a match's settings with Chinese names, keys, switches, referees, a team,
// two stored matches, the launcher's screen size, the shipped layouts and pictures.
#include "dialogs/key_config_file.h"
#include "dialogs/referee_list_file.h"
#include "dialogs/team_files.h"
#include "platform/forms/form_layout.h"
#include "platform/gfx/picture.h"
#include "platform/system/file_replace.h"
#include "platform/system/program_folder.h"
#include "program_folder_file.h"
#include "scoreboard/first_run.h"
#include "scoreboard/match_record.h"
#include "scoreboard/match_state.h"
#include "scoreboard/option_file_writer.h"
#include "scoreboard/settings_store.h"

#include <iostream>

namespace fs = std::filesystem;

namespace {

fs::path corpus;

void seed(const std::string& target, const std::string& name, const fs::path& file)
{
    fs::create_directories(corpus / target);
    fs::copy_file(file, corpus / target / ("written_" + name), fs::copy_options::overwrite_existing);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: write_seeds CORPUS_FOLDER\n";
        return 2;
    }
    corpus = argv[1];
    const fs::path home = fuzz::programFolder();
    const fs::path source = fs::path(SCOREBOARD_SOURCE_DIR) / "resources";
    using namespace scoreboard;

    // A first run finds no working folders.
    for (const char* folder : {"date", "binlist", "img"})
        fs::remove_all(home / folder);
    createWorkingFolders();
    prepareSettingsFiles(2026);
    seed("settings", "first_run", configDbPath());
    seed("keys", "first_run", keyConfigDbPath());
    seed("options", "first_run", systemDbPath());

    MatchState& state = user();
    state.matchTitle = "2026年市长杯篮球赛 = 决赛";
    state.teamNameA = "红队";
    state.teamNameB = "Blue Lions";
    state.refereeName1 = "张三";
    state.refereeName2 = "李四";
    state.refereeName3 = "Wang Wu";
    state.refereeCount = 3;
    state.periodLength = 600;
    state.overtimeLength = 240;
    SaveConfigDb();
    seed("settings", "match", configDbPath());
    state.keyAddA = 81, state.keySubA = 87, state.keyAddB = 79, state.keySubB = 80;
    dialogs::writeKeyConfigDb(state);
    seed("keys", "changed", keyConfigDbPath());
    state.optTenSecondBeep = true, state.optEndBell = false, state.optStopMusicOnStart = true, state.optCloseVideoOnStart = false;
    writeOptionFile(optionFileLines(state));
    seed("options", "changed", systemDbPath());

    dialogs::readRefereeList();
    seed("referees", "first_run", dialogs::refereeListPath());
    dialogs::writeRefereeList({"张三", "李四", "Wang Wu", "欧阳·娜娜"});
    seed("referees", "names", dialogs::refereeListPath());

    seed("team_file", "first_run", dialogs::teamFilePath("篮球社团A队"));
    TeamRoster roster{"刘教练", "陈领队", {{"张伟", "7"}, {"Li Na", "23"}, {"王=小明", "0"}, {"赵六", "99"}}};
    dialogs::writeTeamFile("红队", roster);
    seed("team_file", "roster", dialogs::teamFilePath("红队"));

    state.matchStartTime = "2026-12-10 19:30:00";
    state.scoreA = 88, state.scoreB = 79;
    state.periodPoints = {20, 25, 18, 25, 19, 20, 22, 18};
    state.periodNumber = 4;
    appendMatchRecord(state);
    state.inOvertime = true;
    state.scoreA = 90, state.scoreB = 90;
    appendMatchRecord(state);
    seed("archive", "two_records", matchArchivePath());

    plat::sys::replaceTextFile(plat::sys::programPath("config.ini"), {"1280", "1024"});
    seed("config_ini", "screen", plat::sys::programPath("config.ini"));

    for (const auto& entry : fs::directory_iterator(source / "forms"))
        if (entry.path().extension() == ".json" && entry.file_size() <= 65536) {
            plat::forms::writeLayout(plat::forms::readLayout(entry.path()), home / "layout.json");
            seed("layout", entry.path().filename().string(), home / "layout.json");
        }
    for (const auto& entry : fs::directory_iterator(source / "img"))
        if (entry.file_size() <= 65536)
            seed("picture_header", entry.path().filename().string(), entry.path());
    plat::gfx::Surface written(24, 12, 0x80FF8040u);
    plat::gfx::savePng(written, (home / "img/saved.png").string());
    seed("picture_header", "saved.png", home / "img/saved.png");
    return 0;
}
