#include "scoreboard/board_form.h"

namespace scoreboard {

namespace {
plat::forms::Form* g_board = nullptr;
}

plat::forms::Form* boardForm() { return g_board; }
void setBoardForm(plat::forms::Form* form) { g_board = form; }

} // namespace scoreboard
