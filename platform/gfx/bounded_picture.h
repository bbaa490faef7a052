#pragma once
#include "platform/gfx/surface.h"

#include <optional>
#include <string>

namespace plat::gfx {

// How a picture larger than where it is shown gets there: scaled down as a whole, or cut to the
// part that shows from its top-left corner.
enum class PictureFit { Scale, Crop };

struct BoundedPicture {
    Surface image; // no larger than the bound asked for
    Size original; // the size of the picture in the file
};

// The first frame of the picture file at `path`, decoded once and kept no larger than `bound`:
// a larger picture is scaled down by area averaging (keeping its proportions) or cut, as `fit`
// says. A PNG is reduced row by row as it is decoded, so its full size is never held in memory.
// A missing, unreadable or too large file gives nullopt, and `error` says why.
std::optional<BoundedPicture> loadBoundedPicture(const std::string& path, Size bound, PictureFit fit, std::string& error);

} // namespace plat::gfx
