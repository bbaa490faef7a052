#include "controls/extra/list_check_images.h"
#include <array>

namespace qel {

using namespace plat::gfx;

namespace {

Color blend(int r1, int g1, int b1, int r2, int g2, int b2, int i, int n)
{
    return rgb(r1 + (r2 - r1) * i / n, g1 + (g2 - g1) * i / n, b1 + (b2 - b1) * i / n);
}

Surface make(int index)
{
    Surface s(13, 13, opaque(0xFFFFFF));
    const bool grey = index == 2 || index == 5;
    const bool current = index == 1 || index == 4;
    const bool checked = index >= 3;
    const Color frame = grey ? rgb(202, 200, 187) : rgb(28, 80, 128);
    for (int y = 1; y < 12; ++y)
        for (int x = 1; x < 12; ++x) {
            const int i = x + y - 2;
            Color c = grey ? rgb(255, 255, 255)
                           : current ? blend(254, 241, 207, 246, 179, 49, i, 20) : blend(221, 220, 218, 255, 255, 255, i, 20);
            s.setPixel(x, y, opaque(c));
        }
    for (int i = 0; i < 13; ++i) {
        s.setPixel(i, 0, opaque(frame));
        s.setPixel(i, 12, opaque(frame));
        s.setPixel(0, i, opaque(frame));
        s.setPixel(12, i, opaque(frame));
    }
    if (checked) {
        const Color mark = grey ? rgb(160, 160, 160) : rgb(33, 160, 31);
        // A tick: down from (3, 5) to (5, 8), then up to (9, 3), three pixels thick.
        const int pts[][2] = {{3, 5}, {4, 6}, {5, 7}, {6, 6}, {7, 5}, {8, 4}, {9, 3}};
        for (const auto& p : pts)
            for (int d = 0; d < 3; ++d)
                s.setPixel(p[0], p[1] + d, opaque(mark));
    }
    return s;
}

} // namespace

const Surface& ListCheckImage(int index)
{
    static const std::array<Surface, 6> images{make(0), make(1), make(2), make(3), make(4), make(5)};
    return images.at(size_t(index < 0 || index > 5 ? 0 : index));
}

} // namespace qel
