#pragma once
#include "platform/backend/headless_backend.h"
#include "platform/window/window_system.h"
#include <memory>
#include <string>

namespace plat::backend {

// A whole headless program environment for tests and the driver: the window system on the
// headless backend, with input helpers that go through the same queue as real input.
class HeadlessSession {
public:
    explicit HeadlessSession(gfx::Size screen = {1024, 768}, bool realClock = false);
    ~HeadlessSession();

    win::WindowSystem& windows() { return *m_windows; }
    HeadlessBackend& backend() { return m_backend; }
    int64_t nowMs() const { return m_backend.clock().nowMs(); }

    // Runs the loop until `ms` more milliseconds have passed and everything is handled.
    void advance(int64_t ms);
    // Handles everything pending without moving the clock.
    void settle();

    void mouseMove(int x, int y);
    void mouseDown(int x, int y, int button = 1);
    void mouseUp(int x, int y, int button = 1);
    void click(int x, int y, int button = 1);
    void wheel(int x, int y, int delta);
    void keyDown(int vk, bool repeat = false);
    void keyUp(int vk);
    void key(int vk); // down and up; Enter, Esc, Tab and Backspace bring their characters
    void type(const std::string& utf8);
    // What the real backend does when the display takes a new size.
    void displayChanged(gfx::Size display);

private:
    void queue(const win::InputEvent& e);
    HeadlessBackend m_backend;
    std::unique_ptr<win::WindowSystem> m_windows;
};

} // namespace plat::backend
