#include "controls/core/mdl_declarations.h"

namespace qel {

int32_t LoWord(int64_t value)
{
    const uint32_t v = uint32_t(uint64_t(value));
    if (v & 0x8000u)
        return int32_t(v | 0xFFFF0000u);
    return int32_t(v & 0xFFFFu);
}

int32_t HiWord(int64_t value)
{
    const int32_t v = int32_t(uint32_t(uint64_t(value)));
    return int32_t(v & int32_t(0xFFFF0000u)) / 0x10000;
}

void SplitRGB(int32_t colour, int32_t& red, int32_t& green, int32_t& blue)
{
    red = colour & 255;
    green = (colour / 256) & 255;
    blue = colour / 65536;
}

RGBRecord SplitColor(int32_t colour)
{
    RGBRecord c;
    SplitRGB(colour, c.Red, c.Green, c.Blue);
    return c;
}

} // namespace qel
