#pragma once
#include "platform/gfx/surface.h"
#include "platform/window/clock.h"
#include <optional>
#include <string>
#include <vector>

namespace plat::win {

// What the window system needs of whatever shows its screen and produces its input.
// The window system calls these; a backend feeds input back through plat::win::input.
class BackendPort {
public:
    virtual ~BackendPort() = default;
    virtual Clock& clock() const = 0;
    // Delivers pending input and waits until input arrives or the clock reaches
    // `deadlineUs` (no deadline: until input). Returns false when nothing can ever
    // happen again (a headless run with no driver and no timer).
    virtual bool waitForEvents(std::optional<int64_t> deadlineUs) = 0;
    // Shows the screen surface; only the dirty rectangles changed since the last call.
    virtual void present(const gfx::Surface& screen, const std::vector<gfx::Rect>& dirty) = 0;
    // Whether any top-level window is visible: a backend shows its real window only then.
    virtual void setShown(bool shown) { (void)shown; }
    // The title the desktop shows for the program's window.
    virtual void setTitle(const std::string& title) { (void)title; }
    virtual void setMinimized(bool minimized) { (void)minimized; }
    virtual bool isMinimized() const { return false; }
    // Text entry through an input method is on while an edit field has the focus.
    virtual void setTextInput(bool on) { (void)on; }
    // The clipboard's text, none when it holds no text; setting none empties it. A backend with
    // a desktop shares the desktop's clipboard; one without keeps the text itself.
    virtual std::optional<std::string> clipboardText() const { return m_clipboard; }
    virtual void setClipboardText(std::optional<std::string> text) { m_clipboard = std::move(text); }

private:
    std::optional<std::string> m_clipboard;
};

} // namespace plat::win
