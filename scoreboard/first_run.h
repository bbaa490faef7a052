#pragma once
#include <filesystem>
#include <string_view>
#include <vector>

namespace scoreboard {

// The files and folders a first run could not write (a full disk, a folder that cannot be written).
using Unwritten = std::vector<std::filesystem::path>;

// The working folders date, img and binlist of the data folder, each made when missing.
// A binlist made here gets the two empty default team files. Temporary files that interrupted
// saves and copies of the program left in the data folder and its folders are removed. A step
// that fails is skipped and named in the result.
Unwritten createWorkingFolders();

// Writes the default date\config.db when it is missing or empty (a first run on a full disk
// leaves it so) and reads it into the match state, then the same for date\keyconfig.db; last
// writes the default date\system.db when it is missing or empty (it is read by the scoreboard
// form). `year` goes into the default match title. Names the files it could not write.
Unwritten prepareSettingsFiles(int year);

// What the operator is told in the notice box once the board shows, when a file of the start
// could not be written.
inline constexpr std::string_view kStartFilesUnwrittenNotice = "数据文件无法写入!请检查磁盘空间";

// Tells each file of `unwritten` on standard error. True when there was one.
bool tellUnwritten(const Unwritten& unwritten);

} // namespace scoreboard
