#pragma once
#include <filesystem>
#include <vector>

namespace scoreboard {

struct SoundsRestored {
    int copied = 0;
    std::vector<std::filesystem::path> unwritten; // sounds that could not be written
};

// Gives a data folder the sounds as they ship (a fresh folder, a deleted sound file, one a full
// disk left empty or cut short): every <shippedFolder>/sound/*.wav that <dataFolder>/sound does
// not hold byte for byte is copied there, whole or not at all. A copy that fails is skipped and
// named; the next start tries again.
SoundsRestored restoreShippedSounds(const std::filesystem::path& shippedFolder, const std::filesystem::path& dataFolder);

// The same for the running program: from beside the executable into the data folder.
SoundsRestored restoreShippedSounds();

} // namespace scoreboard
