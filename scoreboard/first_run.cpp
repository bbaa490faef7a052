#include "scoreboard/first_run.h"
#include "scoreboard/default_files.h"
#include "scoreboard/settings_store.h"

#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"

namespace scoreboard {

namespace sys = plat::sys;

namespace {

// Returns true when the folder was made by this call.
bool makeMissingFolder(const std::filesystem::path& folder)
{
    return !sys::folderExists(folder) && sys::makeFolder(folder);
}

void writeWhenMissing(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    if (!sys::pathExists(path))
        sys::replaceTextFile(path, lines);
}

} // namespace

void createWorkingFolders()
{
    makeMissingFolder(sys::programPath("date"));
    makeMissingFolder(sys::programPath("img"));
    const std::filesystem::path binlist = sys::programPath("binlist");
    if (makeMissingFolder(binlist)) {
        for (const std::string& name : defaultTeamFileNames())
            sys::replaceTextFile(binlist / name, {});
    }
    // Saves cut short by a power cut or a kill leave their temporary files behind.
    sys::removeStaleTemporaryFiles(sys::programPath("date"));
    sys::removeStaleTemporaryFiles(binlist);
}

void prepareSettingsFiles(int year)
{
    writeWhenMissing(configDbPath(), defaultConfigLines(year));
    LoadConfigDb();
    writeWhenMissing(keyConfigDbPath(), defaultKeyConfigLines());
    LoadKeyConfigDb();
    writeWhenMissing(systemDbPath(), defaultSystemLines());
}

} // namespace scoreboard
