#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace plat::gfx {

// Decodes a PNG held in `bytes` one row at a time, without holding the whole picture: each row
// comes to `row` as `width` pixels 0xAABBGGRR (straight alpha, 255 opaque), top to bottom. `row`
// returns false to stop early (the rest of the file is then not decoded). An interlaced PNG
// cannot be given by rows (its last pass completes every row only at the end) and is refused,
// as is a damaged one; `error` then says why. True when every row asked for came.
using PngRowSink = std::function<bool(int y, const uint32_t* pixels)>;
bool readPngRows(std::string_view bytes, const std::function<void(int width, int height)>& start, const PngRowSink& row,
    std::string& error);

} // namespace plat::gfx
