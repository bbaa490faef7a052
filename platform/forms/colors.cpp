#include "platform/forms/colors.h"
#include "platform/gfx/system_colors.h"

namespace plat::forms {

uint32_t resolveColor(uint32_t value) { return gfx::toRgb(value) & 0x00FFFFFFu; }

} // namespace plat::forms
