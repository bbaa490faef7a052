#include "platform/gfx/bounded_picture.h"
#include "platform/gfx/area_reducer.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/png_rows.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace plat::gfx {

namespace {

Size boundedSize(Size original, Size bound, PictureFit fit)
{
    if (original.width <= bound.width && original.height <= bound.height)
        return original;
    if (fit == PictureFit::Crop)
        return {std::min(original.width, bound.width), std::min(original.height, bound.height)};
    const double factor = std::min(double(bound.width) / original.width, double(bound.height) / original.height);
    return {std::clamp(int(std::lround(original.width * factor)), 1, bound.width),
        std::clamp(int(std::lround(original.height * factor)), 1, bound.height)};
}

Surface cropped(const Surface& picture, Size size)
{
    Surface out(size.width, size.height, 0);
    for (int y = 0; y < size.height; ++y)
        std::memcpy(out.row(y), picture.row(y), size_t(size.width) * 4);
    return out;
}

std::optional<BoundedPicture> streamedPng(const std::string& bytes, Size bound, PictureFit fit, std::string& error)
{
    BoundedPicture result;
    std::unique_ptr<AreaReducer> reducer;
    const bool decoded = readPngRows(
        bytes,
        [&](int width, int height) {
            result.original = {width, height};
            const Size size = boundedSize(result.original, bound, fit);
            if (fit == PictureFit::Scale)
                reducer = std::make_unique<AreaReducer>(result.original, size);
            else
                result.image = Surface(size.width, size.height, 0);
        },
        [&](int y, const uint32_t* pixels) {
            if (reducer) {
                reducer->addRow(pixels);
                return true;
            }
            if (y >= result.image.height())
                return false;
            std::memcpy(result.image.row(y), pixels, size_t(result.image.width()) * 4);
            return y + 1 < result.image.height();
        },
        error);
    if (!decoded)
        return std::nullopt;
    if (reducer)
        result.image = reducer->take();
    return result;
}

} // namespace

std::optional<BoundedPicture> loadBoundedPicture(const std::string& path, Size bound, PictureFit fit, std::string& error)
{
    bound = {std::max(bound.width, 1), std::max(bound.height, 1)};
    const std::optional<Picture::File> file = Picture::File::read(path, error);
    if (!file)
        return std::nullopt;
    if (file->header.format == PictureHeader::Format::Png) {
        std::string streamError;
        if (auto streamed = streamedPng(file->bytes, bound, fit, streamError))
            return streamed;
        // An interlaced PNG cannot come by rows: SDL_image decodes it whole below.
    }
    Picture picture;
    if (!picture.load(*file, true)) {
        error = picture.error();
        return std::nullopt;
    }
    const Surface& image = picture.image();
    const Size original{image.width(), image.height()};
    const Size size = boundedSize(original, bound, fit);
    if (size == original)
        return BoundedPicture{image, original};
    return BoundedPicture{fit == PictureFit::Crop ? cropped(image, size) : scalePicture(image, size), original};
}

} // namespace plat::gfx
