#include "scoreboard/match_state.h"

namespace scoreboard {

MatchState& user()
{
    static MatchState state;
    return state;
}

} // namespace scoreboard
