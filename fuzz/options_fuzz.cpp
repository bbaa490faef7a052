// date\system.db, the eight switches, read by list input, written back as the options panel
// writes it and read again: every switch comes back as it was.
#include "program_folder_file.h"
#include "round_trip.h"
#include "scoreboard/match_state.h"
#include "scoreboard/option_file.h"
#include "scoreboard/option_file_writer.h"

namespace {

std::array<bool, 8> switches()
{
    std::array<bool, 8> on{};
    for (size_t position = 0; position < on.size(); ++position)
        on[position] = scoreboard::optionSwitch(scoreboard::user(), position);
    return on;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto path = fuzz::placeInput("date/system.db", data, size);
    scoreboard::user() = scoreboard::MatchState{};
    scoreboard::applyOptionValues(scoreboard::readOptionValues());
    const std::array<bool, 8> first = switches();
    const std::array<std::string, 8> lines = scoreboard::optionFileLines(scoreboard::user());
    const std::string writtenBytes = fuzz::writeLines(path, {lines.begin(), lines.end()});

    scoreboard::user() = scoreboard::MatchState{};
    scoreboard::applyOptionValues(scoreboard::readOptionValues());
    fuzz::check(switches() == first, "system.db reads back otherwise than it was written");
    const std::array<std::string, 8> again = scoreboard::optionFileLines(scoreboard::user());
    fuzz::check(fuzz::writeLines(path, {again.begin(), again.end()}) == writtenBytes, "system.db is written otherwise the second time");
    return 0;
}
