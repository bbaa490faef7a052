#pragma once
#include "platform/gfx/surface.h"

#include <cstdint>
#include <vector>

namespace plat::gfx {

// Device-independent pixels as the 32-bit top-down bitmaps keep them: 4 bytes a pixel in the
// order blue, green, red, reserved, rows from the top.
struct DibOptions {
    // Carry the surface's alpha in the reserved byte both ways. Off, as for a plain bitmap: the
    // reserved byte reads 0 and writing makes the pixels opaque.
    bool alphaInReserved = false;
};

// Reads `lines` rows from `firstLine` (clipped to the surface). Returns the bytes; empty when
// nothing lies inside.
std::vector<uint8_t> getDIBits(const Surface& s, int firstLine, int lines, DibOptions options = {});

// Writes rows from `firstLine` from `bytes` (4 × width bytes a row). Rows outside the surface,
// or missing from a short buffer, are skipped. Returns the number of rows written.
int setDIBits(Surface& s, int firstLine, int lines, const std::vector<uint8_t>& bytes, DibOptions options = {});

// The gray copy of a picture in place: each pixel's blue, green and red become their sum divided
// by 3 (remainder dropped); alpha is kept.
void makeGray(Surface& s);

} // namespace plat::gfx
