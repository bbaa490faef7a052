#include "platform/backend/session.h"
#include "platform/system/utf8.h"

namespace plat::backend {

using win::InputEvent;

HeadlessSession::HeadlessSession(gfx::Size screen, bool realClock)
    : m_backend(realClock)
    , m_windows(std::make_unique<win::WindowSystem>(m_backend, screen))
{
}

HeadlessSession::~HeadlessSession() = default;

void HeadlessSession::advance(int64_t ms)
{
    int64_t target = m_backend.clock().nowUs() + ms * 1000;
    m_backend.setTarget(target);
    while (m_backend.clock().nowUs() < target && m_windows->pumpOnce(true)) {
    }
    m_backend.setTarget(std::nullopt);
    settle();
}

void HeadlessSession::settle()
{
    auto saved = m_backend.target();
    m_backend.setTarget(std::nullopt);
    for (int guard = 0; guard < 1000000 && m_windows->hasPendingWork(); ++guard)
        if (!m_windows->pumpOnce(false))
            break;
    m_backend.setTarget(saved);
}
void HeadlessSession::queue(const InputEvent& e)
{
    m_windows->queueInput(e);
    settle();
}

void HeadlessSession::mouseMove(int x, int y) { queue({InputEvent::Kind::MouseMove, x, y}); }
void HeadlessSession::mouseDown(int x, int y, int button) { queue({InputEvent::Kind::ButtonDown, x, y, button}); }
void HeadlessSession::mouseUp(int x, int y, int button) { queue({InputEvent::Kind::ButtonUp, x, y, button}); }
void HeadlessSession::click(int x, int y, int button)
{
    mouseDown(x, y, button);
    mouseUp(x, y, button);
}
void HeadlessSession::wheel(int x, int y, int delta) { queue({InputEvent::Kind::Wheel, x, y, 0, delta}); }
void HeadlessSession::keyDown(int vk, bool repeat)
{
    InputEvent e{InputEvent::Kind::KeyDown};
    e.value = vk;
    e.repeat = repeat;
    queue(e);
}
void HeadlessSession::keyUp(int vk)
{
    InputEvent e{InputEvent::Kind::KeyUp};
    e.value = vk;
    queue(e);
}
void HeadlessSession::key(int vk)
{
    keyDown(vk);
    keyUp(vk);
}
void HeadlessSession::displayChanged(gfx::Size display)
{
    m_windows->displayChanged(display);
    settle();
}

void HeadlessSession::type(const std::string& utf8)
{
    for (char32_t c : sys::decodeUtf8(utf8)) {
        InputEvent e{InputEvent::Kind::Char};
        e.value = int(c);
        queue(e);
    }
}

} // namespace plat::backend
