#include "scoreboard/exit_command.h"

#include "scoreboard/dosk.h"

namespace scoreboard {

bool exitAllowed(ExitBoard& board)
{
    if (board.startButtonCaption() == kRunningCaption) {
        board.notice(kExitWhileRunningNotice);
        return false;
    }
    return board.confirm(kExitQuestion, "提示");
}

bool exitCommand(ExitBoard& board)
{
    if (!exitAllowed(board))
        return false;
    board.endProgram();
    return true;
}

void restoreDisplayAtEnd() { (void)restoreSavedDisplayMode(); }

} // namespace scoreboard
