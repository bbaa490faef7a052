#include "platform/gfx/dib.h"

#include <algorithm>

namespace plat::gfx {

std::vector<uint8_t> getDIBits(const Surface& s, int firstLine, int lines, DibOptions options)
{
    const int top = std::max(firstLine, 0);
    const int bottom = std::min(firstLine + std::max(lines, 0), s.height());
    if (bottom <= top || s.width() <= 0)
        return {};
    std::vector<uint8_t> out(size_t(bottom - top) * size_t(s.width()) * 4);
    uint8_t* p = out.data();
    for (int y = top; y < bottom; ++y) {
        const uint32_t* row = s.row(y);
        for (int x = 0; x < s.width(); ++x) {
            uint32_t v = row[x];
            *p++ = uint8_t(v >> 16); // blue
            *p++ = uint8_t(v >> 8);  // green
            *p++ = uint8_t(v);       // red
            *p++ = options.alphaInReserved ? uint8_t(v >> 24) : 0;
        }
    }
    return out;
}

int setDIBits(Surface& s, int firstLine, int lines, const std::vector<uint8_t>& bytes, DibOptions options)
{
    if (s.width() <= 0)
        return 0;
    const size_t rowBytes = size_t(s.width()) * 4;
    const int available = int(std::min<size_t>(bytes.size() / rowBytes, size_t(std::max(lines, 0))));
    int written = 0;
    for (int i = 0; i < available; ++i) {
        int y = firstLine + i;
        if (y < 0 || y >= s.height())
            continue;
        const uint8_t* p = bytes.data() + size_t(i) * rowBytes;
        uint32_t* row = s.row(y);
        for (int x = 0; x < s.width(); ++x, p += 4) {
            uint32_t alpha = options.alphaInReserved ? p[3] : 255u;
            row[x] = uint32_t(p[2]) | (uint32_t(p[1]) << 8) | (uint32_t(p[0]) << 16) | (alpha << 24);
        }
        ++written;
    }
    return written;
}

void makeGray(Surface& s)
{
    for (uint32_t& v : s.pixels()) {
        uint32_t g = ((v & 255) + ((v >> 8) & 255) + ((v >> 16) & 255)) / 3;
        v = (v & 0xFF000000u) | g | (g << 8) | (g << 16);
    }
}

} // namespace plat::gfx
