#pragma once
#include "platform/system/font_install.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace scoreboard {

// The clock font shipped in the program folder, and the family it holds.
inline constexpr std::string_view kClockFontFile = "DS-DIGIB.ttf";
inline constexpr std::string_view kClockFontFamily = "DSEG7 Classic";

using FontInstaller = std::function<plat::sys::FontInstall(const std::filesystem::path& file, std::string_view family)>;

// Where an installed clock font lies: the user's font folder.
std::filesystem::path installedClockFontPath();

// The clock font as it ships, beside the programs.
std::filesystem::path shippedClockFontPath();

// Installs the shipped clock font `shippedFont` unless the font folder holds it already. True when
// it was installed now (and the windows should hear of the font change). A missing font file or a
// font folder that cannot be written is skipped.
bool installClockFont(const FontInstaller& install = plat::sys::installFont, const std::filesystem::path& shippedFont = shippedClockFontPath());

} // namespace scoreboard
