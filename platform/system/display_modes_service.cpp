#include "platform/system/display_modes_service.h"

namespace plat::sys {

namespace {

class NoDisplay final : public DisplayModes {
public:
    DisplaySize screenSize() const override { return {}; }
    std::vector<DisplaySize> modes() const override { return {}; }
    bool changeMode(DisplaySize) override { return false; }
};

std::unique_ptr<DisplayModes>& installed()
{
    static std::unique_ptr<DisplayModes> modes;
    return modes;
}

} // namespace

DisplayModes& displayModes()
{
    static NoDisplay none;
    auto& modes = installed();
    return modes ? *modes : none;
}

void installDisplayModes(std::unique_ptr<DisplayModes> modes) { installed() = std::move(modes); }

} // namespace plat::sys
