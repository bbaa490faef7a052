#pragma once
#include <filesystem>
#include <string_view>

namespace scoreboard {

// The music folder of the program folder.
std::filesystem::path musicFolderPath();

// The pattern of a break-music file, as the music player's open dialog offers it.
inline constexpr std::string_view kMusicFilePattern = "*.mp3";

// Whether a file name (as it is shown) is one of a break-music file: the extension ".mp3" in any
// case, as the open dialog lists them, so that what is chosen there is also copied and listed.
bool isMusicFileName(std::string_view shownName);

// Adds the break-music files of `folder` (isMusicFileName) to the music list
// `mp3list` of the scoreboard, in listing order, without emptying it first; a missing folder is
// created as the program's music folder. The current track (currentMp3) is selected: the first
// entry when none was chosen, nothing when the chosen one is not there; with no entries at all
// it becomes none. `mp3numlab` shows the count ("共:3首").
void LoadMusicList(const std::filesystem::path& folder);

} // namespace scoreboard
