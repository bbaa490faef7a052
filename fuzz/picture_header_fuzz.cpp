// The picture header reader, which measures a picture before any decoder allocates for it: a
// header that it reads must say the truth, so that what the decoders then make of the bytes is
// never larger than the header said (else the picture limits would not hold). Checked for the
// first frame, which is what a picture chosen by the operator (the logo) is decoded for, and for
// the PNG rows.
#include "platform/gfx/picture.h"
#include "platform/gfx/picture_header.h"
#include "platform/gfx/png_rows.h"
#include "round_trip.h"

#include <algorithm>

namespace {

// Decoding is checked for pictures up to this many pixels, so that a run stays quick.
constexpr int64_t kDecodedPixels = int64_t(1) << 22;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using plat::gfx::PictureHeader;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<PictureHeader> header = plat::gfx::readPictureHeader(bytes);
    if (!header)
        return 0;
    fuzz::check(header->width >= 0 && header->height >= 0 && header->frames >= 0, "a header of negative size");
    if (!plat::gfx::withinPictureLimits(*header))
        return 0;
    const int64_t widest = std::max(header->width, header->largestFrameWidth);
    const int64_t highest = std::max(header->height, header->largestFrameHeight);
    if (widest * highest * std::max<int64_t>(header->frames, 1) > kDecodedPixels)
        return 0;

    // SDL_image's GIF reader (2.6.3) now and then frees a wild pointer under the address
    // sanitizer, after inputs that no single one of them brings back: GIFs are measured only.
    plat::gfx::Picture picture;
    if (header->format != PictureHeader::Format::Gif && picture.load(plat::gfx::Picture::File{bytes, *header}, true))
        fuzz::check(picture.width() <= widest && picture.height() <= highest, "a decoded picture larger than its header said");
    if (header->format == PictureHeader::Format::Png) {
        std::string error;
        int rows = 0;
        plat::gfx::readPngRows(
            bytes,
            [&](int width, int height) {
                fuzz::check(width == header->width && height == header->height, "a PNG decoded at another size than its header said");
            },
            [&](int, const uint32_t*) { return ++rows <= header->height; }, error);
        fuzz::check(rows <= header->height, "more PNG rows than the header said");
    }
    return 0;
}
