#include "scoreboard/scoreboard_view.h"

namespace scoreboard {

namespace {
ScoreboardView* g_view = nullptr;
}

ScoreboardView* scoreboardView() { return g_view; }
void setScoreboardView(ScoreboardView* view) { g_view = view; }

} // namespace scoreboard
