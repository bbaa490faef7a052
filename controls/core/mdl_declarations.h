#pragma once
#include "platform/window/messages.h"
#include <cstdint>

namespace qel {

// A colour split into its channels.
struct RGBRecord {
    int32_t Red = 0;
    int32_t Green = 0;
    int32_t Blue = 0;
    bool operator==(const RGBRecord&) const = default;
};

// The low 16 bits of a 32-bit message parameter, sign-extended (the x of a mouse message).
int32_t LoWord(int64_t value);
// The high 16 bits of a 32-bit message parameter as a signed number (the y of a mouse message).
int32_t HiWord(int64_t value);

// red = colour And 255, green = (colour \ 256) And 255, blue = colour \ 65536, with the
// divisions signed and truncated toward zero (so a plain 0x00BBGGRR colour gives its bytes).
void SplitRGB(int32_t colour, int32_t& red, int32_t& green, int32_t& blue);
// The same split as a record; the gradient painters take two of them.
RGBRecord SplitColor(int32_t colour);

// The hover and leave tracking every control asks for: both notices, hover after 1 ms.
constexpr uint32_t kTrackFlags = plat::win::TME_HOVER | plat::win::TME_LEAVE;
constexpr uint32_t kHoverTimeMs = 1;

// Mouse buttons as the mouse events report them.
constexpr int kButtonLeft = 1;
constexpr int kButtonRight = 2;
constexpr int kButtonMiddle = 4;

} // namespace qel
