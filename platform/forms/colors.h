#pragma once
#include <cstdint>

namespace plat::forms {

// A colour property as drawing needs it: a system colour code (0x80000000 | index) becomes
// its RGB value, a plain colour passes unchanged.
uint32_t resolveColor(uint32_t value);

// System colour codes the standard controls use as defaults.
constexpr uint32_t kColorButtonFace = 0x8000000Fu;
constexpr uint32_t kColorButtonText = 0x80000012u;
constexpr uint32_t kColorWindowText = 0x80000008u;
constexpr uint32_t kColorWindowBackground = 0x80000005u;
constexpr uint32_t kColorInfoText = 0x80000017u;
constexpr uint32_t kColorInfoBackground = 0x80000018u;

} // namespace plat::forms
