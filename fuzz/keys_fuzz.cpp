// date\keyconfig.db through the settings reader and the score keys' fallbacks, written back as the
// key dialog writes it and read again: the keys come back as they were.
#include "dialogs/key_config_file.h"
#include "program_folder_file.h"
#include "round_trip.h"
#include "scoreboard/match_state.h"
#include "scoreboard/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto path = fuzz::placeInput("date/keyconfig.db", data, size);
    scoreboard::user() = scoreboard::MatchState{};
    scoreboard::LoadKeyConfigDb();
    const std::vector<std::string> written = dialogs::keyConfigDbLines(scoreboard::user());
    const std::string writtenBytes = fuzz::writeLines(path, written);

    scoreboard::user() = scoreboard::MatchState{};
    scoreboard::LoadKeyConfigDb();
    fuzz::check(dialogs::keyConfigDbLines(scoreboard::user()) == written, "keyconfig.db reads back otherwise than it was written");
    fuzz::check(fuzz::writeLines(path, dialogs::keyConfigDbLines(scoreboard::user())) == writtenBytes,
        "keyconfig.db is written otherwise the second time");
    return 0;
}
