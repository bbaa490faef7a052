#include "dialogs/key_config_file.h"

#include "scoreboard/default_files.h"
#include "scoreboard/settings_store.h"

#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"

namespace dialogs {

std::vector<std::string> keyConfigDbLines(const scoreboard::MatchState& state)
{
    return scoreboard::keyConfigLines({state.keyAddA, state.keySubA, state.keyAddB, state.keySubB});
}

bool writeKeyConfigDb(const scoreboard::MatchState& state)
{
    const std::filesystem::path path = scoreboard::keyConfigDbPath();
    if (!plat::sys::folderExists(path.parent_path()))
        plat::sys::makeFolder(path.parent_path());
    // As the reader leaves the keys: a key code out of range is the first-run default.
    const auto written = [](scoreboard::MatchState& keys) {
        scoreboard::keepScoreKeysUsable(keys);
        return keyConfigDbLines(keys);
    };
    return scoreboard::keepHandWrittenSettings(path, state, written) && plat::sys::replaceTextFile(path, keyConfigDbLines(state));
}

} // namespace dialogs
