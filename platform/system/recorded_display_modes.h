#pragma once
#include "platform/system/display_modes.h"

#include <vector>

namespace plat::sys {

// A display that exists only in memory, for headless runs: tests set its size and modes and read
// back every change that was asked for.
class RecordedDisplayModes final : public DisplayModes {
public:
    // Offers the usual sizes from 640 x 480 to 1920 x 1080, and `screen` itself.
    explicit RecordedDisplayModes(DisplaySize screen = { 1024, 768 });
    RecordedDisplayModes(DisplaySize screen, std::vector<DisplaySize> modes);

    // The size is added to the modes when missing.
    void setScreenSize(DisplaySize size);
    void setModes(std::vector<DisplaySize> modes);
    // When set, every change fails although the mode is offered.
    void setRefuseChanges(bool refuse) { m_refuseChanges = refuse; }

    // Every changeMode call, in order, whether it succeeded or not.
    const std::vector<DisplaySize>& changeRequests() const { return m_requests; }
    void clearChangeRequests() { m_requests.clear(); }

    DisplaySize screenSize() const override { return m_screen; }
    std::vector<DisplaySize> modes() const override { return m_modes; }
    bool changeMode(DisplaySize size) override;

private:
    DisplaySize m_screen;
    std::vector<DisplaySize> m_modes;
    std::vector<DisplaySize> m_requests;
    bool m_refuseChanges = false;
};

} // namespace plat::sys
