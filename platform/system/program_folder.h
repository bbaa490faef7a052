#pragma once
#include <filesystem>
#include <string_view>

namespace plat::sys {

// The folder that holds the running executable: the programs and what ships with them (the clock
// font, the sounds, the stored form layouts and pictures under resources/).
std::filesystem::path executableFolder();

// The data folder, which holds the data folders and files (date, binlist, img, music, sound, the
// locks) and nothing the programs read as shipped: the folder named by BALL_HOME when it is set and
// not empty, else the executable's folder. settleProgramFolder() at start-up points BALL_HOME at a
// per-user folder unless the executable's folder keeps its own data.
std::filesystem::path programFolder();

// The file a build lays into its program folder (build/program) to make it its own data folder.
// An install has none: an installed program folder is never written, by root neither.
inline constexpr std::string_view kOwnDataMarker = "own-data-folder";

// Whether the programs in `folder` keep their data there: it holds kOwnDataMarker and can be
// written.
bool keepsItsOwnData(const std::filesystem::path& folder);

// Decides the data folder once, at start-up, before any path is taken from it: a relative
// BALL_HOME is made absolute (a later change of the current folder must not move it), and when
// BALL_HOME is not set and the executable's folder does not keep its own data (an installed
// program), BALL_HOME is set to $XDG_DATA_HOME/scoreboard (~/.local/share/scoreboard), which is
// made when missing. Programs started from here inherit the decision. A write past the file-size
// limit fails from then on rather than ending the program.
void settleProgramFolder();

// The user's data home: $XDG_DATA_HOME, or ~/.local/share when that is unset or not an absolute
// path. The home is $HOME, or the user's entry in the password database when HOME is not an
// absolute path, never a folder other users can write.
std::filesystem::path userDataHome();

// The per-user program folder of an installed program: userDataHome()/scoreboard.
std::filesystem::path userDataFolder();

// The path `backslashPath`, written with "\" as the separator ("date\config.db"), below `base`.
// Leading separators are dropped, so it never turns into an absolute path; ".." is not resolved.
std::filesystem::path pathBelow(const std::filesystem::path& base, std::string_view backslashPath);

// pathBelow(programFolder(), backslashPath).
std::filesystem::path programPath(std::string_view backslashPath);

// Whether `path` lies below a folder inside the data folder that is a symbolic link (`date` or
// `sound` linked to a folder elsewhere). The writers write, make and delete nothing there: such a
// folder counts as one that cannot be written. The data folder itself may well be a link.
bool throughLinkedDataSubfolder(const std::filesystem::path& path);

// A file that ships with the programs (the clock font, the scoreboard program): the one beside the
// running executable, never one of the data folder.
std::filesystem::path shippedPath(std::string_view backslashPath);

} // namespace plat::sys
