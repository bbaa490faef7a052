#pragma once
#include "platform/forms/control_array.h"

namespace plat::forms {
class Form;
class Image;
class Label;
class ListBox;
class Timer;
}
namespace plat::media {
class AlphaImage;
}
namespace qel {
class qelCommand;
class qelFrame;
class qelLabel;
class qelToggleButton;
}

namespace scoreboard {

// The controls of the scoreboard form `main` that the form itself, the routines of module user
// and the setup dialogs reach, bound once when the form loads.
struct BoardControls {
    using AlphaImage = plat::media::AlphaImage;
    template<class T>
    using Items = plat::forms::ControlArray<T>;

    // The board.
    qel::qelFrame& qelf1;
    Items<qel::qelLabel> titxt; // 0 the shadow, 1 the title
    qel::qelFrame& showtime;
    Items<qel::qelFrame> ballnameframe;
    Items<plat::forms::Label> bflab;
    Items<plat::forms::Label> numlab1;
    Items<plat::forms::Label> namelab1;
    Items<plat::forms::Label> numlab2;
    Items<plat::forms::Label> namelab2;
    qel::qelLabel& balltime;
    qel::qelFrame& look;
    Items<qel::qelLabel> ballname;
    Items<AlphaImage> backw;
    Items<qel::qelLabel> ballnumber;
    Items<plat::forms::Label> addtimelab;
    plat::forms::Label& ballmakenum;
    qel::qelCommand& ok;
    qel::qelLabel& ballnum2;
    qel::qelLabel& balltime2;
    AlphaImage& mainlogo;
    Items<plat::forms::Label> keylab;
    Items<plat::forms::Label> zailab;
    Items<qel::qelCommand> v1;
    Items<qel::qelCommand> on1;
    // The status line.
    AlphaImage& im1;
    AlphaImage& im2;
    AlphaImage& im3;
    AlphaImage& im4;
    plat::forms::Label& timetxt;
    // The music and live-video panel.
    qel::qelFrame& frameplay;
    qel::qelCommand& videmode;
    qel::qelCommand& MP3mode;
    Items<AlphaImage> a1;
    plat::forms::ListBox& mp3list;
    qel::qelLabel& mp3numlab;
    // The score sheet, the records, the options and the help.
    qel::qelFrame& balldate;
    Items<qel::qelLabel> balldatenum;
    qel::qelLabel& balldateallnum;
    qel::qelFrame& sysset;
    AlphaImage& testpng;
    qel::qelFrame& helps;
    AlphaImage& Image5;
    AlphaImage& logopng;
    plat::forms::Label& val;
    // The notice box.
    qel::qelFrame& inshow;
    plat::forms::Label& L1;
    qel::qelLabel& qel1;
    qel::qelToggleButton& closet;
    plat::forms::Image& mainico;
    plat::forms::Timer& Timer1;
    plat::forms::Timer& Timer2;
    plat::forms::Timer& Timer3;
    plat::forms::Timer& Timer6;
    plat::forms::Timer& Timer10;
    plat::forms::Timer& Timer12;
};

// Binds the controls of a loaded `main`: a control its layout lacks, or one of another class,
// throws ControlLookupError naming the form and the control.
BoardControls bindBoardControls(const plat::forms::Form& board);

// The scoreboard form `main` as the routines of module user reach it: set by the form while it
// is loaded, null otherwise (the routines then change the match state only).
plat::forms::Form* boardForm();
const BoardControls* boardControls();
void setBoard(plat::forms::Form* form, const BoardControls* controls);

} // namespace scoreboard
