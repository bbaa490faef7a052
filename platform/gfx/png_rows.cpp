#include "platform/gfx/png_rows.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace plat::gfx {

namespace {

struct Input {
    std::string_view bytes;
    size_t at = 0;
};

void readInput(png_structp png, png_bytep out, png_size_t count)
{
    auto* in = static_cast<Input*>(png_get_io_ptr(png));
    if (count > in->bytes.size() - in->at)
        png_error(png, "the file is cut short");
    std::memcpy(out, in->bytes.data() + in->at, count);
    in->at += count;
}

void raise(png_structp png, png_const_charp message)
{
    *static_cast<std::string*>(png_get_error_ptr(png)) = message;
    std::longjmp(png_jmpbuf(png), 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// Everything that libpng touches between setjmp and longjmp lives outside this frame, so that a
// jump back leaves no object half-made.
struct Decoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<uint32_t> rowPixels;
    ~Decoder() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

bool decode(Decoder& d, Input& input, const std::function<void(int, int)>& start, const PngRowSink& row, std::string& error)
{
    if (setjmp(png_jmpbuf(d.png)))
        return false;
    png_set_read_fn(d.png, &input, readInput);
    // The picture limits are checked before decoding; libpng's own stay as a second guard.
    png_set_user_limits(d.png, 0x7fffffff, 0x7fffffff);
    // Every chunk's CRC is checked; the second checksum over the decompressed data, which costs
    // about as much as the rest of decoding a big picture, is left out.
    png_set_option(d.png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_read_info(d.png, d.info);
    png_uint_32 width = 0, height = 0;
    int depth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(d.png, d.info, &width, &height, &depth, &colorType, &interlace, nullptr, nullptr);
    if (interlace != PNG_INTERLACE_NONE) {
        error = "an interlaced PNG";
        return false;
    }
    // Every kind of PNG becomes 8-bit RGBA, which is our pixel layout in memory.
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(d.png);
    if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8)
        png_set_expand_gray_1_2_4_to_8(d.png);
    if (png_get_valid(d.png, d.info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(d.png);
    if (depth == 16)
        png_set_strip_16(d.png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(d.png);
    png_set_filler(d.png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(d.png, d.info);
    if (png_get_rowbytes(d.png, d.info) != size_t(width) * 4) {
        error = "an unexpected PNG pixel layout";
        return false;
    }
    start(int(width), int(height));
    d.rowPixels.assign(width, 0);
    for (png_uint_32 y = 0; y < height; ++y) {
        png_read_row(d.png, reinterpret_cast<png_bytep>(d.rowPixels.data()), nullptr);
        if (!row(int(y), d.rowPixels.data()))
            return true;
    }
    return true;
}

} // namespace

bool readPngRows(std::string_view bytes, const std::function<void(int, int)>& start, const PngRowSink& row, std::string& error)
{
    Decoder d;
    d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, raise, ignoreWarning);
    if (!d.png) {
        error = "out of memory";
        return false;
    }
    d.info = png_create_info_struct(d.png);
    if (!d.info) {
        error = "out of memory";
        return false;
    }
    Input input{bytes, 0};
    return decode(d, input, start, row, error);
}

} // namespace plat::gfx
