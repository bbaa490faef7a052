#include "scoreboard/board_form.h"
#include "scoreboard/control_binding.h"
#include "scoreboard/roster_loader.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "controls/core/qel_toggle_button.h"
#include "platform/forms/form.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/timer.h"
#include "platform/media/alpha_image.h"

namespace scoreboard {

namespace forms = plat::forms;
using plat::media::AlphaImage;

namespace {
forms::Form* g_board = nullptr;
const BoardControls* g_controls = nullptr;
}

BoardControls bindBoardControls(const forms::Form& board)
{
    return BoardControls{
        .qelf1 = board.get<qel::qelFrame>("qelf1"),
        .titxt = bindItems<qel::qelLabel>(board, "titxt", 0, 1),
        .showtime = board.get<qel::qelFrame>("showtime"),
        .ballnameframe = bindItems<qel::qelFrame>(board, "ballnameframe", 0, 1),
        .bflab = bindItems<forms::Label>(board, "bflab", 0, 3),
        .numlab1 = bindItems<forms::Label>(board, "numlab1", 0, kRosterRows - 1),
        .namelab1 = bindItems<forms::Label>(board, "namelab1", 0, kRosterRows - 1),
        .numlab2 = bindItems<forms::Label>(board, "numlab2", 0, kRosterRows - 1),
        .namelab2 = bindItems<forms::Label>(board, "namelab2", 0, kRosterRows - 1),
        .balltime = board.get<qel::qelLabel>("balltime"),
        .look = board.get<qel::qelFrame>("look"),
        .ballname = bindItems<qel::qelLabel>(board, "ballname", 0, 3),
        .backw = bindItems<AlphaImage>(board, "backw", 1, 2),
        .ballnumber = bindItems<qel::qelLabel>(board, "ballnumber", 0, 3),
        .addtimelab = bindItems<forms::Label>(board, "addtimelab", 0, 1),
        .ballmakenum = board.get<forms::Label>("ballmakenum"),
        .ok = board.get<qel::qelCommand>("ok"),
        .ballnum2 = board.get<qel::qelLabel>("ballnum2"),
        .balltime2 = board.get<qel::qelLabel>("balltime2"),
        .mainlogo = board.get<AlphaImage>("mainlogo"),
        .keylab = bindItems<forms::Label>(board, "keylab", 0, 1),
        .zailab = bindItems<forms::Label>(board, "zailab", 0, 2),
        .v1 = bindItems<qel::qelCommand>(board, "v1", 0, 3),
        .on1 = bindItems<qel::qelCommand>(board, "on1", 1, 3),
        .im1 = board.get<AlphaImage>("im1"),
        .im2 = board.get<AlphaImage>("im2"),
        .im3 = board.get<AlphaImage>("im3"),
        .im4 = board.get<AlphaImage>("im4"),
        .timetxt = board.get<forms::Label>("timetxt"),
        .frameplay = board.get<qel::qelFrame>("frameplay"),
        .videmode = board.get<qel::qelCommand>("videmode"),
        .MP3mode = board.get<qel::qelCommand>("MP3mode"),
        .a1 = bindItems<AlphaImage>(board, "a1", 2, 2),
        .mp3list = board.get<forms::ListBox>("mp3list"),
        .mp3numlab = board.get<qel::qelLabel>("mp3numlab"),
        .balldate = board.get<qel::qelFrame>("balldate"),
        .balldatenum = bindItems<qel::qelLabel>(board, "balldatenum", 0, 9),
        .balldateallnum = board.get<qel::qelLabel>("balldateallnum"),
        .sysset = board.get<qel::qelFrame>("sysset"),
        .testpng = board.get<AlphaImage>("testpng"),
        .helps = board.get<qel::qelFrame>("helps"),
        .Image5 = board.get<AlphaImage>("Image5"),
        .logopng = board.get<AlphaImage>("logopng"),
        .val = board.get<forms::Label>("val"),
        .inshow = board.get<qel::qelFrame>("inshow"),
        .L1 = board.get<forms::Label>("L1"),
        .qel1 = board.get<qel::qelLabel>("qel1"),
        .closet = board.get<qel::qelToggleButton>("closet"),
        .mainico = board.get<forms::Image>("mainico"),
        .Timer1 = board.get<forms::Timer>("Timer1"),
        .Timer2 = board.get<forms::Timer>("Timer2"),
        .Timer3 = board.get<forms::Timer>("Timer3"),
        .Timer6 = board.get<forms::Timer>("Timer6"),
        .Timer10 = board.get<forms::Timer>("Timer10"),
        .Timer12 = board.get<forms::Timer>("Timer12"),
    };
}

forms::Form* boardForm() { return g_board; }
const BoardControls* boardControls() { return g_controls; }

void setBoard(forms::Form* form, const BoardControls* controls)
{
    g_board = form;
    g_controls = controls;
}

} // namespace scoreboard
