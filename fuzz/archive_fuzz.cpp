// date\balldate.db, the match archive: read as the record list reads it, and written back.
#include "program_folder_file.h"
#include "scoreboard/match_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto path = fuzz::placeInput("date/balldate.db", data, size);
    if (auto snapshot = scoreboard::readArchive(path))
        (void)scoreboard::archiveLines(snapshot->matches);
    return 0;
}
