#pragma once

namespace scoreboard {

// The working folders date, img and binlist of the program folder, each made when missing.
// A binlist made here gets the two empty default team files. Temporary files that interrupted
// saves of the program left in date and binlist are removed. A step that fails is skipped.
void createWorkingFolders();

// Writes the default date\config.db when it is missing and reads it into the match state, then the
// same for date\keyconfig.db; last writes the default date\system.db when it is missing (it is read
// by the scoreboard form). `year` goes into the default match title.
void prepareSettingsFiles(int year);

} // namespace scoreboard
