#include "controls/core/mdl_gray.h"
#include "platform/gfx/dib.h"

namespace qel {

using namespace plat;

void MakeGrayPicture(WorkPicture& surface)
{
    gfx::Surface& image = surface.Image();
    const int w = surface.ScaleWidthPixels();
    const int h = surface.ScaleHeightPixels();
    if (w > 0 && h > 0) {
        // Rows run top-down, 4 bytes a pixel: blue, green, red, reserved.
        const gfx::DibOptions keepAlpha{true};
        std::vector<uint8_t> bits = gfx::getDIBits(image, 0, h, keepAlpha);
        for (size_t i = 0; i + 3 < bits.size(); i += 4) {
            const uint8_t g = uint8_t((int(bits[i]) + int(bits[i + 1]) + int(bits[i + 2])) / 3);
            bits[i] = bits[i + 1] = bits[i + 2] = g;
        }
        gfx::setDIBits(image, 0, h, bits, keepAlpha);
    }
    surface.TakeImageAsPicture();
}

} // namespace qel
