// date\system.db, the eight switches, read by list input.
#include "program_folder_file.h"
#include "scoreboard/match_state.h"
#include "scoreboard/option_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::placeInput("date/system.db", data, size);
    scoreboard::user() = scoreboard::MatchState{};
    scoreboard::applyOptionValues(scoreboard::readOptionValues());
    return 0;
}
