#pragma once
#include <filesystem>
#include <string_view>

namespace plat::sys {

// The user's font folder: $XDG_DATA_HOME/fonts, or ~/.local/share/fonts when that variable is
// unset or not an absolute path.
std::filesystem::path userFontFolder();

// Whether fontconfig knows a face of this family (by any of its names, regardless of case),
// as the running process sees it. Never falls back to a similar face.
bool fontFamilyAvailable(std::string_view family);

enum class FontInstall {
    AlreadyAvailable, // the family was known already; nothing was copied
    Installed,        // copied into the user's font folder if needed and registered for this process
    Failed,           // the file could not be copied, or does not hold the family
};

// Makes the family of `fontFile` usable at once: when fontconfig does not know `family`, the file is
// copied into the user's font folder (unless a file of that name is there) and added to this
// process's fontconfig. Programs started later find it in the user's font folder.
FontInstall installFont(const std::filesystem::path& fontFile, std::string_view family);

} // namespace plat::sys
