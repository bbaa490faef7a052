#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace plat::gfx {

// What a picture file's header says, read without decoding: the format, the size of the picture
// and, for a GIF, how many frames it holds. Decoding allocates by these figures, so a file is
// measured before it is decoded.
struct PictureHeader {
    enum class Format { Png, Gif, Jpeg, Bmp };
    Format format = Format::Png;
    int64_t width = 0;
    int64_t height = 0;
    int64_t frames = 1;
    // The largest frame of a GIF, which may be larger than its screen.
    int64_t largestFrameWidth = 0;
    int64_t largestFrameHeight = 0;
};

// The header of a PNG, GIF, JPEG or BMP file held in `bytes`; nullopt for any other file or
// one whose header is cut off or inconsistent.
std::optional<PictureHeader> readPictureHeader(std::string_view bytes);

// The limits of a picture the program decodes: a side of at most 8192 pixels, and 64 M pixels for
// all frames together (the frames of an animation are all kept decoded).
inline constexpr int64_t kMaxPictureSide = 8192;
inline constexpr int64_t kMaxPicturePixels = int64_t(64) << 20;
bool withinPictureLimits(const PictureHeader& header);

} // namespace plat::gfx
