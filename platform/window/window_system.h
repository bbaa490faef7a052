#pragma once
#include "platform/gfx/region.h"
#include "platform/gfx/surface.h"
#include "platform/window/backend_port.h"
#include "platform/window/messages.h"
#include "platform/window/timer_queue.h"
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat::win {

// How a window's persistent image joins what lies behind it.
enum class Blend {
    Opaque,   // every pixel covers what is behind
    ColorKey, // pixels of the key colour are see-through
    Alpha,    // the top byte of each pixel is its opacity
    None,     // the window has no pixels of its own (a bare container)
};

struct Window {
    HWND handle = 0;
    HWND parent = 0;
    std::vector<HWND> children; // bottom to top
    std::string className;
    std::string title;          // a top-level window's title, for the desktop (task bar, Alt+Tab)
    gfx::Rect rect;             // relative to the parent's top-left corner, pixels
    bool visible = false;
    bool enabled = true;
    bool tabStop = false;
    int tabIndex = 0;
    bool focusable = true;      // a window that refuses the focus is skipped by focus moves
    bool wantsDoubleClicks = true;
    bool transparentToMouse = false; // hit-testing looks through it to what lies behind
    bool needsPaint = false;
    std::optional<gfx::Region> region; // clips drawing and hit-testing, window coordinates
    gfx::Surface image;                // the persistent image, the window's size
    Blend blend = Blend::Opaque;
    gfx::Color colorKey = 0;
    WndProc proc;
    void* userData = nullptr;
    bool destroying = false;
};

// Raw input as a backend delivers it, translated into messages when it is dequeued.
struct InputEvent {
    enum class Kind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp, Char } kind;
    int x = 0, y = 0;    // screen pixels (mouse)
    int button = 0;      // 1 left, 2 right, 3 middle
    int value = 0;       // wheel delta, virtual key, or character code
    bool repeat = false; // auto-repeated key-down
    bool late = false;   // a key held back and typed again later: `repeat` alone says it was down before
};

class WindowSystem {
public:
    explicit WindowSystem(BackendPort& backend, gfx::Size screen = {1024, 768});
    ~WindowSystem();
    static WindowSystem* current();

    BackendPort& backend() { return m_backend; }
    Clock& clock() { return m_backend.clock(); }

    // --- window tree ---
    HWND create(const std::string& className, HWND parent, const gfx::Rect& rect, bool visible, WndProc proc);
    void destroy(HWND hwnd);
    Window* get(HWND hwnd);
    const Window* get(HWND hwnd) const;
    std::vector<HWND> topLevels() const { return m_topLevels; }
    void setParent(HWND hwnd, HWND parent);
    void move(HWND hwnd, const gfx::Rect& rect);
    void show(HWND hwnd, bool visible);
    bool isVisible(HWND hwnd) const; // itself and every ancestor
    void enable(HWND hwnd, bool enabled);
    bool isEnabled(HWND hwnd) const;
    void bringToTop(HWND hwnd);
    void sendToBack(HWND hwnd);
    void setRegion(HWND hwnd, std::optional<gfx::Region> region);
    gfx::Point toScreen(HWND hwnd, gfx::Point p) const;
    gfx::Rect screenRect(HWND hwnd) const;
    HWND windowFromPoint(gfx::Point screenPoint) const;
    HWND topLevelOf(HWND hwnd) const;
    bool isAncestor(HWND ancestor, HWND hwnd) const;

    // --- procedures and messages ---
    WndProc setProc(HWND hwnd, WndProc proc);
    LRESULT send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void postQuit(int code);
    using MessageFilter = std::function<bool(MSG&)>;
    // Filters see each queued input message before it is dispatched; one returning true consumes it.
    int addMessageFilter(MessageFilter filter);
    void removeMessageFilter(int id);
    // Procedure that posts tasks: runs `fn` from the loop after everything queued before it.
    void postTask(std::function<void()> fn);

    // --- timers ---
    TimerId setTimer(HWND hwnd, TimerId id, uint32_t ms, TimerProc proc);
    bool killTimer(HWND hwnd, TimerId id);

    // --- focus, capture, hover ---
    HWND setFocus(HWND hwnd);
    HWND focus() const { return m_focus; }
    HWND activeWindow() const { return m_active; }
    void setActive(HWND topLevel);
    // Moves the focus to the next (or previous) window in tab order within the
    // top-level window of `from`, skipping hidden, disabled and focus-refusing ones;
    // after one full cycle without a candidate nothing changes. Deferred: runs from the loop.
    void moveFocus(HWND from, bool forward);
    HWND nextInTabOrder(HWND from, bool forward) const;
    HWND setCapture(HWND hwnd);
    void releaseCapture();
    HWND capture() const { return m_capture; }
    bool trackMouseEvent(const TRACKMOUSEEVENT& request);
    short keyState(int vk) const;
    gfx::Point cursor() const { return m_cursor; }
    // Text entry is on while a field that takes typing has the focus; the backend follows.
    void setTextInput(bool on);
    bool textInput() const { return m_textInput; }

    // --- input from backends ---
    void queueInput(const InputEvent& event);
    // Typed text (UTF-8) as one character event per code point, as text entry delivers it.
    void queueText(std::string_view utf8);

    // --- drawing ---
    gfx::Surface& image(HWND hwnd);
    void setBlend(HWND hwnd, Blend blend, gfx::Color key = 0);
    // The window's persistent image changed (all of it, or a rectangle of it).
    void imageChanged(HWND hwnd, std::optional<gfx::Rect> part = std::nullopt);
    void invalidate(HWND hwnd);   // asks for a WM_PAINT
    void update(HWND hwnd);       // sends a pending WM_PAINT now
    void invalidateScreen(const gfx::Rect& screenRect);
    const gfx::Surface& screen() const { return m_screen; }
    gfx::Size screenSize() const { return {m_screen.width(), m_screen.height()}; }
    void setScreenSize(gfx::Size size);
    // The title of a top-level window. The backend's window carries the title of the topmost
    // visible window that has one.
    void setWindowTitle(HWND hwnd, std::string title);
    // The display now has `display` pixels (a backend saw a new mode): every top-level window
    // gets WM_DISPLAYCHANGE (wParam bits per pixel, lParam width in the low word, height in the high).
    void displayChanged(gfx::Size display);
    // Draws what changed into the screen surface and hands it to the backend.
    void compose();

    // --- the loop ---
    // One round: queued messages and input, due timers, paints, composition; waits when
    // there was nothing to do and `wait` is set. Returns false once WM_QUIT was seen or
    // no progress is possible.
    bool pumpOnce(bool wait);
    // Runs until WM_QUIT; returns its exit code.
    int run();
    // A nested loop until `done` says so, the quit message arrives (it stays posted for
    // the outer loop) or the window is destroyed. Other top-level windows take no input meanwhile.
    void runModal(HWND modal, const std::function<bool()>& done);
    // Something is queued, due, or waiting to be painted or composed.
    bool hasPendingWork() const;
    bool quitRequested() const { return m_quit.has_value(); }
    std::optional<int> quitCode() const { return m_quit; }
    int modalDepth() const { return m_modalDepth; }
    // What the loop does when a signal asks the program to end (see EndSignals): the program's
    // normal close. Without one, the loop quits with code 0.
    void setEndHandler(std::function<void(int signal)> handler) { m_endHandler = std::move(handler); }

private:
    HWND hitTest(const std::vector<HWND>& list, gfx::Point local) const;
    void dispatchInput(const InputEvent& e);
    void mouseMove(int x, int y);
    void mouseButton(int button, bool down, int x, int y);
    void mouseWheel(int delta, int x, int y);
    void keyEvent(int vk, bool down, bool repeat, bool late);
    void charEvent(int code);
    bool filterAndDispatch(MSG& msg);
    WPARAM mouseFlags() const;
    LPARAM clientPoint(HWND hwnd, int x, int y) const;
    void updateHover(HWND under);
    void checkHover();
    void paintPending();
    bool paintTree(HWND hwnd);
    void destroyTree(HWND hwnd);
    std::vector<HWND>& siblingsOf(HWND hwnd);
    void markDirty(HWND hwnd);

    BackendPort& m_backend;
    std::map<HWND, Window> m_windows;
    std::string m_shownTitle; // the backend's window title
    std::vector<HWND> m_topLevels; // bottom to top
    HWND m_nextHandle = 0x100;

    struct Queued {
        enum class Kind { Message, Input, Task } kind;
        MSG msg;
        InputEvent input{};
        std::function<void()> task;
    };
    std::deque<Queued> m_queue;
    std::vector<std::pair<int, MessageFilter>> m_filters;
    int m_nextFilterId = 1;
    std::optional<int> m_quit;
    int m_modalDepth = 0;
    std::function<void(int)> m_endHandler;

    TimerQueue m_timers;

    HWND m_focus = 0;
    HWND m_active = 0;
    HWND m_capture = 0;
    bool m_implicitCapture = false;
    gfx::Point m_cursor{-1, -1};
    bool m_keys[256] = {};
    bool m_buttons[4] = {};
    // The top-level window that took each key's press (0: none took it); its repeats and its
    // release go only there.
    HWND m_keyPressedIn[256] = {};
    bool m_textInput = false;

    struct Tracking {
        HWND hwnd = 0;
        bool hover = false;
        bool leave = false;
        int64_t hoverTimeUs = 0;
        int64_t hoverDeadlineUs = 0;
    } m_tracking;
    TimerId m_hoverTimer = 0;

    struct LastClick {
        HWND hwnd = 0;
        int button = 0;
        int64_t timeUs = -1;
        gfx::Point at;
    } m_lastClick;

    gfx::Surface m_screen;
    std::vector<gfx::Rect> m_dirty;
};

// Windows' double-click time and the hover time used when a caller asks for the default.
constexpr int64_t kDoubleClickUs = 500'000;
constexpr int64_t kDefaultHoverUs = 400'000;

} // namespace plat::win
