#pragma once
#include <filesystem>

namespace scoreboard {

// The music folder of the program folder.
std::filesystem::path musicFolderPath();

// Adds the break-music files of `folder` (names ending in "mp3", exactly) to the music list
// `mp3list` of the scoreboard, in listing order, without emptying it first; a missing folder is
// created as the program's music folder. The current track (currentMp3) is selected: the first
// entry when none was chosen, nothing when the chosen one is not there; with no entries at all
// it becomes none. `mp3numlab` shows the count ("共:3首").
void LoadMusicList(const std::filesystem::path& folder);

} // namespace scoreboard
