#pragma once
#include "platform/media/capture_source.h"
#include "platform/window/types.h"
#include <string>

namespace plat::media {

// The capture window's messages, numbered as the video-capture interface numbers them.
enum : win::UINT {
    WM_CAP_DRIVER_CONNECT = 0x0400 + 10,    // wParam: driver index; returns 1 when connected
    WM_CAP_DRIVER_DISCONNECT = 0x0400 + 11, // returns 1
    WM_CAP_SET_PREVIEW = 0x0400 + 50,       // wParam: 1 on, 0 off; returns 1 when it took effect
    WM_CAP_SET_PREVIEWRATE = 0x0400 + 52,   // wParam: milliseconds between preview frames
};

// Creates a capture window: a window (usually a child) that shows the live pictures of a
// capture source, stretched to its size, and black while there is none. The window owns its
// source and goes away with the window. `name` is kept as the window's class name.
win::HWND capCreateCaptureWindow(const std::string& name, bool visible, int x, int y, int width, int height,
                                 win::HWND parent, int id);

// The source behind a capture window, or null for any other window.
CaptureSource* captureSourceOf(win::HWND hwnd);

} // namespace plat::media
