#include "platform/window/held_keys.h"
#include "platform/window/messages.h"
#include "platform/window/window_system.h"

namespace plat::win {

namespace {

// Characters the window system makes from a key's own press (Backspace, Tab, Enter, Esc): typing
// the key again brings them again.
bool comesWithItsKey(int ch) { return ch == 8 || ch == 9 || ch == 13 || ch == 27; }

} // namespace

void HeldKeys::hold(UINT message, WPARAM code)
{
    const int c = int(code);
    switch (message) {
    case WM_KEYDOWN:
        if (c <= 0 || c > 255)
            return;
        m_events.push_back({message, c, m_down[c]});
        m_down[c] = true;
        break;
    case WM_KEYUP:
        if (c <= 0 || c > 255 || !m_down[c])
            return;
        m_events.push_back({message, c, false});
        m_down[c] = false;
        break;
    case WM_CHAR:
        if (c > 0 && !comesWithItsKey(c))
            m_events.push_back({message, c, false});
        break;
    default:
        break;
    }
}

void HeldKeys::deliver(WindowSystem& windows)
{
    for (const Held& held : m_events) {
        InputEvent e{held.message == WM_KEYDOWN ? InputEvent::Kind::KeyDown
                : held.message == WM_KEYUP      ? InputEvent::Kind::KeyUp
                                                : InputEvent::Kind::Char};
        e.value = held.code;
        e.repeat = held.repeat;
        e.late = true;
        windows.queueInput(e);
    }
    m_events.clear();
    std::fill(std::begin(m_down), std::end(m_down), false);
}

} // namespace plat::win
