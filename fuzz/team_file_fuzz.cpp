// A team file of binlist, read for the board's rosters.
#include "program_folder_file.h"
#include "scoreboard/roster_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto path = fuzz::placeInput("binlist/Lions.ini", data, size);
    (void)scoreboard::readTeamRoster(path);
    return 0;
}
