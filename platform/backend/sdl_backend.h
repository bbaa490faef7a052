#pragma once
#include "platform/backend/letterbox.h"
#include "platform/window/backend_port.h"
#include <memory>
#include <string>

struct SDL_Window;

namespace plat::win {
class WindowSystem;
}

namespace plat::backend {

class EndSignalWatch;
class SdlScreenWatch;

// One full-screen window whose logical size is the virtual screen, scaled with letterbox
// to the display; only the dirty parts of the screen are scaled and sent to it. When the display
// changes its size the full-screen window takes the new size, and the window system hears of it.
// A window that is not full screen follows the size of the screen. The close button becomes a close request to the active form. An end signal
// (plat::win::EndSignals, installed before the backend opens and kept until it is gone) wakes
// its wait.
class SdlBackend final : public win::BackendPort {
public:
    // Fails (returns null, with the reason) when there is no display to open. The window is
    // titled with the program's name until a form gives it a caption.
    static std::unique_ptr<SdlBackend> open(gfx::Size logicalSize, bool fullscreen, const std::string& programName, std::string& error);
    ~SdlBackend() override;

    void attach(win::WindowSystem* windows) { m_windows = windows; }
    win::Clock& clock() const override { return m_clock; }
    bool waitForEvents(std::optional<int64_t> deadlineUs) override;
    void present(const gfx::Surface& screen, const std::vector<gfx::Rect>& dirty) override;
    void setShown(bool shown) override;
    void setTitle(const std::string& title) override;
    void setMinimized(bool minimized) override;
    bool isMinimized() const override;
    void setTextInput(bool on) override;
    std::optional<std::string> clipboardText() const override;
    void setClipboardText(std::optional<std::string> text) override;
    // The size of the display the window sits on, in real pixels.
    gfx::Size displaySize() const;

private:
    SdlBackend() = default;
    void handle(const void* sdlEvent);
    Letterbox letterbox() const;
    gfx::Point toLogical(int windowX, int windowY) const;
    void deliverModifiers();
    void fitToScreen(gfx::Size screen);

    mutable win::RealClock m_clock;
    win::WindowSystem* m_windows = nullptr;
    SDL_Window* m_window = nullptr;
    gfx::Size m_logical;
    bool m_fullscreen = false;
    bool m_repaintWindow = true; // the bars too, after the window was exposed or resized
    std::vector<uint32_t> m_scaled;
    bool m_shown = false;
    uint32_t m_endSignalEvent = 0;
    std::unique_ptr<EndSignalWatch> m_endSignalWatch; // wakes the wait for an end signal
    std::unique_ptr<SdlScreenWatch> m_screenWatch;     // a new display mode refits the window
};

} // namespace plat::backend
