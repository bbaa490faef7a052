#pragma once
#include <vector>

namespace plat::sys {

struct DisplaySize {
    int width = 0;
    int height = 0;
    bool operator==(const DisplaySize&) const = default;
};

// The primary display's resolution: what it is, what it can be, and a change to one of those.
class DisplayModes {
public:
    virtual ~DisplayModes() = default;
    // The current size in pixels; 0 x 0 when it cannot be found out.
    virtual DisplaySize screenSize() const = 0;
    // The sizes the display offers, each once, in the display's own order.
    virtual std::vector<DisplaySize> modes() const = 0;
    // Switches to `size` until it is changed again. False when the display refused or does not
    // offer that size; the display is then left as it was.
    virtual bool changeMode(DisplaySize size) = 0;
};

} // namespace plat::sys
