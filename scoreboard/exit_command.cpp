#include "scoreboard/exit_command.h"

#include "scoreboard/dosk.h"

namespace scoreboard {

bool exitCommand(ExitBoard& board)
{
    if (board.startButtonCaption() == kRunningCaption) {
        board.notice(kExitWhileRunningNotice);
        return false;
    }
    if (!board.confirm(kExitQuestion, "提示"))
        return false;
    board.endProgram();
    return true;
}

void restoreDisplayAtEnd() { (void)restoreSavedDisplayMode(); }

} // namespace scoreboard
