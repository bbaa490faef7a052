#pragma once
#include "platform/window/types.h"

namespace qel {

// The messages of the edit fields, numbered as Windows numbers them.
enum : plat::win::UINT {
    EM_GETSEL = 0x00B0,
    EM_SETSEL = 0x00B1,
    EM_LINESCROLL = 0x00B6,
    EM_SCROLLCARET = 0x00B7,
    EM_GETLINECOUNT = 0x00BA,
    EM_LINEINDEX = 0x00BB,
    EM_LINELENGTH = 0x00C1,
    EM_REPLACESEL = 0x00C2,
    EM_GETLINE = 0x00C4,
    EM_UNDO = 0x00C7,
    EM_LINEFROMCHAR = 0x00C9,
    EM_EMPTYUNDOBUFFER = 0x00CD,
    EM_GETFIRSTVISIBLELINE = 0x00CE,
    EM_SETMARGINS = 0x00D3,
    EM_GETMARGINS = 0x00D4,
    EM_CHARFROMPOS = 0x00D7,
    WM_CUT = 0x0300,
    WM_COPY = 0x0301,
    WM_PASTE = 0x0302,
    WM_UNDO = 0x0304,
};

// EM_SETMARGINS: which margins the message sets (the left in the low word of lParam, the right
// in the high word).
enum : plat::win::WPARAM {
    EC_LEFTMARGIN = 0x0001,
    EC_RIGHTMARGIN = 0x0002,
};

// GetScrollInfo of an edit field's own scroll bar.
enum : int { SB_HORZ = 0, SB_VERT = 1 };
enum : uint32_t {
    SIF_RANGE = 0x0001,
    SIF_PAGE = 0x0002,
    SIF_POS = 0x0004,
    SIF_TRACKPOS = 0x0010,
    SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS,
};
struct SCROLLINFO {
    uint32_t cbSize = 28;
    uint32_t fMask = 0;
    int nMin = 0;
    int nMax = 0;
    uint32_t nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

} // namespace qel
