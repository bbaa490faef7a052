#pragma once
#include <SDL2/SDL_keycode.h>

namespace plat::backend {

// The Windows virtual-key code of an SDL key, or 0 for a key Windows has no code for.
int virtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode);

} // namespace plat::backend
