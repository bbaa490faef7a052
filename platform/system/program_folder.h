#pragma once
#include <filesystem>
#include <string_view>

namespace plat::sys {

// The folder that holds the running executable, or the folder named by the environment variable
// BALL_HOME when it is set and not empty (tests, and installs whose executable folder is read-only).
std::filesystem::path programFolder();

// The path `backslashPath`, written with "\" as the separator ("date\config.db"), below `base`.
// Leading separators are dropped, so it never turns into an absolute path; ".." is not resolved.
std::filesystem::path pathBelow(const std::filesystem::path& base, std::string_view backslashPath);

// pathBelow(programFolder(), backslashPath).
std::filesystem::path programPath(std::string_view backslashPath);

} // namespace plat::sys
