#pragma once
#include "platform/gfx/geometry.h"

#include <optional>

struct SDL_Window;
union SDL_Event;

namespace plat::backend {

// Tells when the X screen the window lies on changes its size (a new display mode, from this
// program or any other). Elsewhere it tells nothing.
class SdlScreenWatch {
public:
    // Starts watching the screen of `window`'s display.
    explicit SdlScreenWatch(SDL_Window* window);

    // The screen's new size when `event` reports that it changed.
    std::optional<gfx::Size> resized(const SDL_Event& event) const;

private:
    unsigned long m_root = 0;
};

} // namespace plat::backend
