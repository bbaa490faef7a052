#pragma once
#include "controls/core/image_holder.h"

namespace qel {

// Turns the persistent image of a picture work surface gray in place: every pixel's blue,
// green and red become (blue + green + red) / 3 with the remainder dropped; the reserved
// (alpha) byte is kept. The surface's picture then becomes that gray image.
void MakeGrayPicture(WorkPicture& surface);

} // namespace qel
