#pragma once
#include <filesystem>

namespace scoreboard {

// Gives a program folder the sounds it lacks (a fresh folder, a deleted sound file): every
// <shippedFolder>/sound/*.wav that <programFolder>/sound does not have is copied there. Files the
// folder has are left as they are; a copy that fails is skipped. Returns how many were copied.
int restoreShippedSounds(const std::filesystem::path& shippedFolder, const std::filesystem::path& programFolder);

// The same for the running program: from beside the executable into the program folder.
int restoreShippedSounds();

} // namespace scoreboard
