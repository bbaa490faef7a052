#pragma once
#include "scoreboard/match_state.h"

#include <string>
#include <vector>

namespace dialogs {

// The four lines of date\keyconfig.db for the match state's score keys, in the order the
// settings reader expects them: Aonkey, Aoutkey, Bonkey, Boutkey. The start/pause key is not
// kept; it is Enter at every start.
std::vector<std::string> keyConfigDbLines(const scoreboard::MatchState& state);

// Replaces date\keyconfig.db with those lines (the folder date made again if it has gone). False
// when the file could not be written; the old file then stays as it was. A file holding a line the
// rewrite drops or changes (a key code written by hand that is refused) is first kept as
// date\keyconfig.db.bak.
bool writeKeyConfigDb(const scoreboard::MatchState& state);

} // namespace dialogs
