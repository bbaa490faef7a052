// Turns raw input into window messages: hit-testing, capture, double clicks, hover and
// leave tracking, key state and focus delivery.
#include "platform/window/virtual_keys.h"
#include "platform/window/window_system.h"
#include <cstdlib>

namespace plat::win {

void WindowSystem::dispatchInput(const InputEvent& e)
{
    switch (e.kind) {
    case InputEvent::Kind::MouseMove:
        mouseMove(e.x, e.y);
        break;
    case InputEvent::Kind::ButtonDown:
        mouseButton(e.button, true, e.x, e.y);
        break;
    case InputEvent::Kind::ButtonUp:
        mouseButton(e.button, false, e.x, e.y);
        break;
    case InputEvent::Kind::Wheel:
        mouseWheel(e.value, e.x, e.y);
        break;
    case InputEvent::Kind::KeyDown:
        keyEvent(e.value, true, e.repeat, e.late);
        break;
    case InputEvent::Kind::KeyUp:
        keyEvent(e.value, false, false, e.late);
        break;
    case InputEvent::Kind::Char:
        charEvent(e.value);
        break;
    }
}

WPARAM WindowSystem::mouseFlags() const
{
    WPARAM f = 0;
    if (m_buttons[1])
        f |= MK_LBUTTON;
    if (m_buttons[2])
        f |= MK_RBUTTON;
    if (m_buttons[3])
        f |= MK_MBUTTON;
    if (m_keys[VK_SHIFT])
        f |= MK_SHIFT;
    if (m_keys[VK_CONTROL])
        f |= MK_CONTROL;
    return f;
}

LPARAM WindowSystem::clientPoint(HWND hwnd, int x, int y) const
{
    gfx::Point o = toScreen(hwnd, {0, 0});
    return makeLParam(x - o.x, y - o.y);
}

// A window with input blocked by a modal loop (its top-level window disabled) gets nothing.
static bool takesInput(const WindowSystem& ws, HWND hwnd) { return hwnd && ws.isEnabled(hwnd); }

void WindowSystem::mouseMove(int x, int y)
{
    m_cursor = {x, y};
    HWND under = windowFromPoint(m_cursor);
    updateHover(under);
    HWND target = m_capture ? m_capture : under;
    if (!takesInput(*this, target))
        return;
    if (!m_capture)
        send(target, WM_SETCURSOR, target, makeLParam(1, WM_MOUSEMOVE));
    MSG msg{target, WM_MOUSEMOVE, mouseFlags(), clientPoint(target, x, y)};
    filterAndDispatch(msg);
}

void WindowSystem::updateHover(HWND under)
{
    if (!m_tracking.hwnd)
        return;
    if (under != m_tracking.hwnd) {
        HWND left = m_tracking.hwnd;
        bool wantLeave = m_tracking.leave;
        m_tracking = {};
        if (wantLeave)
            post(left, WM_MOUSELEAVE, 0, 0);
        return;
    }
    if (m_tracking.hover)
        m_tracking.hoverDeadlineUs = clock().nowUs() + m_tracking.hoverTimeUs;
}

void WindowSystem::checkHover()
{
    if (!m_tracking.hwnd || !m_tracking.hover)
        return;
    if (clock().nowUs() < m_tracking.hoverDeadlineUs)
        return;
    m_tracking.hover = false; // one hover per arming
    HWND h = m_tracking.hwnd;
    if (!m_tracking.leave)
        m_tracking.hwnd = 0;
    post(h, WM_MOUSEHOVER, mouseFlags(), clientPoint(h, m_cursor.x, m_cursor.y));
}

bool WindowSystem::trackMouseEvent(const TRACKMOUSEEVENT& request)
{
    HWND h = request.hwndTrack;
    if (!get(h))
        return false;
    if (request.dwFlags & TME_CANCEL) {
        if (m_tracking.hwnd == h) {
            if (request.dwFlags & TME_HOVER)
                m_tracking.hover = false;
            if (request.dwFlags & TME_LEAVE)
                m_tracking.leave = false;
            if (!m_tracking.hover && !m_tracking.leave)
                m_tracking = {};
        }
        return true;
    }
    HWND under = windowFromPoint(m_cursor);
    if (under != h) {
        // Asking for a leave while the pointer is elsewhere gets one at once.
        if (request.dwFlags & TME_LEAVE)
            post(h, WM_MOUSELEAVE, 0, 0);
        return true;
    }
    if (m_tracking.hwnd != h)
        m_tracking = {};
    m_tracking.hwnd = h;
    if (request.dwFlags & TME_LEAVE)
        m_tracking.leave = true;
    if (request.dwFlags & TME_HOVER) {
        m_tracking.hover = true;
        m_tracking.hoverTimeUs = request.dwHoverTime == HOVER_DEFAULT ? kDefaultHoverUs : int64_t(request.dwHoverTime) * 1000;
        m_tracking.hoverDeadlineUs = clock().nowUs() + m_tracking.hoverTimeUs;
    }
    return true;
}

static UINT buttonMessage(int button, bool down, bool dbl)
{
    UINT base = button == 1 ? WM_LBUTTONDOWN : button == 2 ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    if (!down)
        return base + 1;
    return dbl ? base + 2 : base;
}

void WindowSystem::mouseButton(int button, bool down, int x, int y)
{
    if (button < 1 || button > 3)
        return;
    if (m_cursor.x != x || m_cursor.y != y)
        mouseMove(x, y);
    HWND under = windowFromPoint(m_cursor);
    HWND target = m_capture ? m_capture : under;
    m_buttons[button] = down;
    if (!takesInput(*this, target)) {
        if (!down && m_implicitCapture && !m_buttons[1] && !m_buttons[2] && !m_buttons[3])
            releaseCapture();
        return;
    }
    bool dbl = false;
    if (down) {
        int64_t now = clock().nowUs();
        const Window* w = get(target);
        if (w && w->wantsDoubleClicks && m_lastClick.hwnd == target && m_lastClick.button == button && m_lastClick.timeUs >= 0
            && now - m_lastClick.timeUs <= kDoubleClickUs && std::abs(x - m_lastClick.at.x) <= 2 && std::abs(y - m_lastClick.at.y) <= 2) {
            dbl = true;
            m_lastClick = {};
        } else {
            m_lastClick = {target, button, now, {x, y}};
        }
        if (!m_capture) {
            setCapture(target);
            m_implicitCapture = true;
        }
    }
    MSG msg{target, buttonMessage(button, down, dbl), mouseFlags(), clientPoint(target, x, y)};
    filterAndDispatch(msg);
    if (!down && m_implicitCapture && !m_buttons[1] && !m_buttons[2] && !m_buttons[3])
        releaseCapture();
}

void WindowSystem::mouseWheel(int delta, int x, int y)
{
    m_cursor = {x, y};
    HWND target = m_capture ? m_capture : windowFromPoint(m_cursor);
    if (!takesInput(*this, target))
        return;
    WPARAM wp = (WPARAM(uint32_t(uint16_t(int16_t(delta)))) << 16) | (mouseFlags() & 0xFFFF);
    MSG msg{target, WM_MOUSEWHEEL, wp, makeLParam(x, y)};
    filterAndDispatch(msg);
}

short WindowSystem::keyState(int vk) const
{
    if (vk == VK_LBUTTON)
        return m_buttons[1] ? short(0x8000) : 0;
    if (vk == VK_RBUTTON)
        return m_buttons[2] ? short(0x8000) : 0;
    if (vk == VK_MBUTTON)
        return m_buttons[3] ? short(0x8000) : 0;
    if (vk < 0 || vk > 255)
        return 0;
    return m_keys[vk] ? short(0x8000) : 0;
}

namespace {

// Left and right Shift, Ctrl and Alt reach windows with the generic code, as on Windows; their
// own codes only say which one is down (GetKeyState).
int genericKey(int vk)
{
    switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT:
        return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
        return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
        return VK_MENU;
    default:
        return vk;
    }
}

} // namespace

void WindowSystem::keyEvent(int vk, bool down, bool repeat, bool late)
{
    if (vk <= 0 || vk > 255)
        return;
    const bool wasDown = m_keys[vk];
    m_keys[vk] = down;
    const int code = genericKey(vk);
    if (code != vk) {
        // Down while either side is (each right code follows its left one).
        const int left = code == VK_SHIFT ? VK_LSHIFT : code == VK_CONTROL ? VK_LCONTROL : VK_LMENU;
        m_keys[code] = m_keys[left] || m_keys[left + 1];
    }
    const bool again = late ? repeat : wasDown || repeat;
    HWND target = m_focus ? m_focus : m_active;
    const HWND top = target ? topLevelOf(target) : 0;
    // A key belongs to the window that took its press: when that window has gone or another one
    // took the keyboard meanwhile, the new one sees neither the key's repeats nor its release (a
    // held Enter that closed a dialog does not go on to act on the window below).
    const HWND pressedIn = m_keyPressedIn[vk];
    if (down && !again)
        m_keyPressedIn[vk] = takesInput(*this, target) ? top : 0;
    else if (!down)
        m_keyPressedIn[vk] = 0;
    if (!takesInput(*this, target))
        return;
    const bool elsewhere = pressedIn != top;
    if (down ? again && elsewhere : pressedIn && elsewhere)
        return;
    // lParam as Windows packs it: repeat count 1, bit 30 the previous state, bit 31 the transition.
    uint32_t lp = 1;
    if (again)
        lp |= 1u << 30;
    if (!down)
        lp |= (1u << 31) | (1u << 30);
    MSG msg{target, down ? UINT(WM_KEYDOWN) : UINT(WM_KEYUP), WPARAM(code), LPARAM(int32_t(lp))};
    filterAndDispatch(msg);
    // The characters that come from keys rather than from text entry.
    // They go to the window the key went to; if the key's handler destroyed it, they are dropped.
    if (down && !m_keys[VK_CONTROL] && !m_keys[VK_MENU]) {
        int ch = vk == VK_RETURN ? 13 : vk == VK_BACK ? 8 : vk == VK_ESCAPE ? 27 : vk == VK_TAB ? 9 : 0;
        if (ch && get(target)) {
            MSG charMsg{target, WM_CHAR, WPARAM(ch), 1};
            filterAndDispatch(charMsg);
        }
    }
}

void WindowSystem::setTextInput(bool on)
{
    m_textInput = on;
    m_backend.setTextInput(on);
}

void WindowSystem::charEvent(int code)
{
    HWND target = m_focus ? m_focus : m_active;
    if (!takesInput(*this, target))
        return;
    MSG msg{target, WM_CHAR, WPARAM(code), 1};
    filterAndDispatch(msg);
}

// --- capture ---

HWND WindowSystem::setCapture(HWND hwnd)
{
    HWND previous = m_capture;
    if (!get(hwnd))
        return previous;
    m_capture = hwnd;
    m_implicitCapture = false;
    if (previous && previous != hwnd)
        send(previous, WM_CAPTURECHANGED, 0, LPARAM(hwnd));
    return previous;
}

void WindowSystem::releaseCapture()
{
    HWND previous = m_capture;
    m_capture = 0;
    m_implicitCapture = false;
    if (previous)
        send(previous, WM_CAPTURECHANGED, 0, 0);
    // The pointer may now be over a window other than the one that held it.
    updateHover(windowFromPoint(m_cursor));
}

// --- focus ---

void WindowSystem::setActive(HWND topLevel)
{
    if (get(topLevel) && !get(topLevel)->parent)
        m_active = topLevel;
}

HWND WindowSystem::setFocus(HWND hwnd)
{
    HWND previous = m_focus;
    if (hwnd && !get(hwnd))
        return previous;
    if (hwnd == previous)
        return previous;
    m_focus = hwnd;
    if (hwnd)
        m_active = topLevelOf(hwnd);
    if (previous && get(previous))
        send(previous, WM_KILLFOCUS, hwnd, 0);
    if (hwnd && m_focus == hwnd)
        send(hwnd, WM_SETFOCUS, previous, 0);
    return previous;
}

HWND WindowSystem::nextInTabOrder(HWND from, bool forward) const
{
    HWND top = from ? topLevelOf(from) : m_active;
    if (!top)
        return 0;
    // Every tab stop of the top-level window, in tab order (ties keep tree order).
    std::vector<const Window*> stops;
    std::function<void(HWND)> collect = [&](HWND h) {
        const Window* w = get(h);
        if (!w)
            return;
        if (h != top && w->tabStop)
            stops.push_back(w);
        for (HWND c : w->children)
            collect(c);
    };
    collect(top);
    std::stable_sort(stops.begin(), stops.end(), [](const Window* a, const Window* b) { return a->tabIndex < b->tabIndex; });
    if (stops.empty())
        return 0;
    int n = int(stops.size());
    int start = -1;
    for (int i = 0; i < n; ++i)
        if (stops[i]->handle == from)
            start = i;
    if (start < 0)
        start = forward ? n - 1 : 0;
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (forward ? step : -step)) % n + n) % n;
        const Window* w = stops[i];
        if (w->handle == from)
            break; // a full cycle found nothing else
        if (w->focusable && isVisible(w->handle) && isEnabled(w->handle))
            return w->handle;
    }
    return 0;
}

void WindowSystem::moveFocus(HWND from, bool forward)
{
    postTask([this, from, forward] {
        // The focus was placed elsewhere meanwhile (a handler gave it to the control to use
        // next): that choice stands.
        if (from && focus() != from)
            return;
        HWND next = nextInTabOrder(from, forward);
        if (next)
            setFocus(next);
    });
}

} // namespace plat::win
