#pragma once
namespace plat::backend {

// SDL tries its video drivers in turn until one opens. Its Wayland driver, tried when X11 does not
// answer, makes libwayland print "error: XDG_RUNTIME_DIR is invalid or not set in the environment."
// on standard error wherever no Wayland socket can be named, before the program can say what it
// found itself. Where Wayland cannot be reached, the drivers SDL tries leave it out (unless the
// user chose the drivers with SDL_VIDEODRIVER); nothing else changes in the choice.
void leaveOutUnreachableVideoDrivers();

} // namespace plat::backend
