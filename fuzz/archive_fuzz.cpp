// date\balldate.db, the match archive: read as the record list reads it, written back as a rewrite
// writes it and read again: the matches come back as they were, and an archive the reader says it
// held whole is written back with the same lines (empty lines and the kind of line end aside).
#include "program_folder_file.h"
#include "round_trip.h"
#include "scoreboard/match_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto path = fuzz::placeInput("date/balldate.db", data, size);
    const std::optional<scoreboard::ArchiveSnapshot> snapshot = scoreboard::readArchive(path);
    if (!snapshot)
        return 0;
    const std::string writtenBytes = fuzz::writeLines(path, scoreboard::archiveLines(snapshot->matches));

    const std::optional<scoreboard::ArchiveSnapshot> again = scoreboard::readArchive(path);
    fuzz::check(again && again->matches == snapshot->matches, "the archive reads back otherwise than it was written");
    fuzz::check(again->heldWhole, "a written archive is not held whole");
    if (snapshot->heldWhole)
        fuzz::check(fuzz::filledLines(writtenBytes) == fuzz::filledLines(snapshot->bytes),
            "an archive held whole is written back with other lines");
    return 0;
}
