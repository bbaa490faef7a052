// date\config.db through the settings reader, as the program reads it at the start.
#include "program_folder_file.h"
#include "scoreboard/match_state.h"
#include "scoreboard/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::placeInput("date/config.db", data, size);
    scoreboard::user() = scoreboard::MatchState{};
    scoreboard::LoadConfigDb();
    // What was read goes back out as the lines of a save.
    (void)scoreboard::configDbLines(scoreboard::user());
    return 0;
}
