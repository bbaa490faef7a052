// date\keyconfig.db through the settings reader and the score keys' fallbacks.
#include "program_folder_file.h"
#include "scoreboard/match_state.h"
#include "scoreboard/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::placeInput("date/keyconfig.db", data, size);
    scoreboard::user() = scoreboard::MatchState{};
    scoreboard::LoadKeyConfigDb();
    return 0;
}
