#pragma once
#include "platform/window/types.h"

#include <vector>

namespace plat::win {

class WindowSystem;

// Keys typed while no window of the program can act on them (a splash screen that is about to
// give way), kept in the order they came and typed again, as input, once the window meant to
// take them is up. Only keys pressed while holding count: the release of a key that went down
// before is dropped, so a window never sees a key go up that it did not see go down.
class HeldKeys {
public:
    // Takes a key message that reached the holding window: WM_KEYDOWN, WM_KEYUP or WM_CHAR with
    // its key code or character. Others are ignored.
    void hold(UINT message, WPARAM code);
    // Queues everything held as input of `windows`, in order, and forgets it: each key then goes
    // where a key typed at this moment would go (the focus, through the key preview of its form).
    void deliver(WindowSystem& windows);
    bool empty() const { return m_events.empty(); }

private:
    struct Held {
        UINT message;
        int code;
        bool repeat;
    };
    std::vector<Held> m_events;
    bool m_down[256] = {};
};

} // namespace plat::win
