#pragma once
#include "platform/window/backend_port.h"
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace plat::backend {

// Shows nothing and reads no device: the screen lives in memory, input is injected and
// time is a virtual clock that moves only when a test or the driver asks (or, on request,
// the real clock).
class HeadlessBackend final : public win::BackendPort {
public:
    explicit HeadlessBackend(bool realClock = false);

    win::Clock& clock() const override { return *m_clock; }
    bool waitForEvents(std::optional<int64_t> deadlineUs) override;
    void present(const gfx::Surface& screen, const std::vector<gfx::Rect>& dirty) override;
    void setMinimized(bool minimized) override { m_minimized = minimized; }
    bool isMinimized() const override { return m_minimized; }

    // While the clock is short of the target, an idle loop moves it on (to the next
    // timer deadline first, so every timer fires on its deadline, in order).
    void setTarget(std::optional<int64_t> targetUs) { m_targetUs = targetUs; }
    std::optional<int64_t> target() const { return m_targetUs; }
    // Called when the loop is idle and the target is reached: the driver injects the next
    // input or sets a new target. Returning false means the driver has nothing more.
    void setIdleHandler(std::function<bool()> handler) { m_idle = std::move(handler); }
    int presentCount() const { return m_presents; }
    void setTitle(const std::string& title) override { m_title = title; }
    // The window title a desktop would show.
    const std::string& title() const { return m_title; }

private:
    std::unique_ptr<win::Clock> m_clock;
    std::optional<int64_t> m_targetUs;
    std::function<bool()> m_idle;
    bool m_minimized = false;
    int m_presents = 0;
    std::string m_title;
};

} // namespace plat::backend
