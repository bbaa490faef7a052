#include "platform/system/recorded_display_modes.h"

#include <algorithm>
#include <utility>

namespace plat::sys {

namespace {

bool offers(const std::vector<DisplaySize>& modes, DisplaySize size)
{
    return std::find(modes.begin(), modes.end(), size) != modes.end();
}

} // namespace

RecordedDisplayModes::RecordedDisplayModes(DisplaySize screen)
    : RecordedDisplayModes(screen,
          { { 640, 480 }, { 800, 600 }, { 1024, 768 }, { 1280, 720 }, { 1280, 1024 }, { 1366, 768 },
              { 1600, 900 }, { 1920, 1080 } })
{
}

RecordedDisplayModes::RecordedDisplayModes(DisplaySize screen, std::vector<DisplaySize> modes)
    : m_screen(screen)
    , m_modes(std::move(modes))
{
    if (!offers(m_modes, m_screen))
        m_modes.push_back(m_screen);
}

void RecordedDisplayModes::setScreenSize(DisplaySize size)
{
    m_screen = size;
    if (!offers(m_modes, size))
        m_modes.push_back(size);
}

void RecordedDisplayModes::setModes(std::vector<DisplaySize> modes) { m_modes = std::move(modes); }

bool RecordedDisplayModes::changeMode(DisplaySize size)
{
    m_requests.push_back(size);
    if (m_refuseChanges || !offers(m_modes, size))
        return false;
    m_screen = size;
    return true;
}

} // namespace plat::sys
