#include "scoreboard/first_run.h"
#include "scoreboard/default_files.h"
#include "scoreboard/settings_store.h"

#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"

#include <cstdio>
#include <system_error>

namespace scoreboard {

namespace sys = plat::sys;

namespace {

// Makes a missing folder; true when it was made by this call.
bool makeMissingFolder(const std::filesystem::path& folder, Unwritten& unwritten)
{
    if (sys::folderExists(folder))
        return false;
    if (sys::makeFolder(folder))
        return true;
    unwritten.push_back(folder);
    return false;
}

void write(const std::filesystem::path& path, const std::vector<std::string>& lines, Unwritten& unwritten)
{
    if (!sys::replaceTextFile(path, lines))
        unwritten.push_back(path);
}

// A file of no bytes is what a first run on a full disk leaves: its defaults are still to come.
// A link to nothing is no file either (the write puts a file in its place).
bool missingOrEmpty(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return !error || error == std::errc::no_such_file_or_directory;
    return std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) == 0 && !error;
}

void writeWhenMissing(const std::filesystem::path& path, const std::vector<std::string>& lines, Unwritten& unwritten)
{
    if (missingOrEmpty(path))
        write(path, lines, unwritten);
}

} // namespace

Unwritten createWorkingFolders()
{
    Unwritten unwritten;
    makeMissingFolder(sys::programPath("date"), unwritten);
    makeMissingFolder(sys::programPath("img"), unwritten);
    const std::filesystem::path binlist = sys::programPath("binlist");
    if (makeMissingFolder(binlist, unwritten)) {
        for (const std::string& name : defaultTeamFileNames())
            write(binlist / name, {}, unwritten);
    }
    // Saves and copies cut short by a power cut or a kill leave their temporary files behind,
    // under names only this program gives. Nothing else is taken for a leftover: a file of any
    // other name is the operator's.
    for (const char* folder : { "", "date", "binlist", "img", "music", "sound" })
        sys::removeStaleTemporaryFiles(sys::programPath(folder));
    return unwritten;
}

Unwritten prepareSettingsFiles(int year)
{
    Unwritten unwritten;
    writeWhenMissing(configDbPath(), defaultConfigLines(year), unwritten);
    LoadConfigDb();
    writeWhenMissing(keyConfigDbPath(), defaultKeyConfigLines(), unwritten);
    LoadKeyConfigDb();
    writeWhenMissing(systemDbPath(), defaultSystemLines(), unwritten);
    return unwritten;
}

bool tellUnwritten(const Unwritten& unwritten)
{
    for (const std::filesystem::path& path : unwritten)
        std::fprintf(stderr, "ball: %s could not be written at the start; it is tried again at the next start\n", path.c_str());
    return !unwritten.empty();
}

} // namespace scoreboard
