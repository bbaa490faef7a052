#pragma once
#include <cstdint>
#include <string>
#include <zlib.h>

namespace plat::gfx::test {

// A well-formed PNG of `width` x `height` black pixels (1-bit grey), made without holding the
// picture: the rows of zeros compress to a file of about 1/1000 of their size.
inline std::string blankPng(uint32_t width, uint32_t height)
{
    auto be32 = [](std::string& out, uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out += char(uint8_t(v >> shift));
    };
    auto chunk = [&](std::string& out, const char* type, const std::string& data) {
        be32(out, uint32_t(data.size()));
        std::string typed = std::string(type, 4) + data;
        out += typed;
        be32(out, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(typed.data()), uInt(typed.size()))));
    };
    std::string header;
    be32(header, width);
    be32(header, height);
    header += std::string("\x01\x00\x00\x00\x00", 5); // bit depth 1, grey, deflate, no filter, not interlaced

    const std::string row(1 + (width + 7) / 8, '\0'); // filter byte, then the packed pixels
    std::string compressed;
    z_stream z {};
    deflateInit(&z, Z_BEST_COMPRESSION);
    char buffer[1 << 16];
    for (uint32_t y = 0; y <= height; ++y) {
        const bool last = y == height;
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(row.data()));
        z.avail_in = last ? 0 : uInt(row.size());
        do {
            z.next_out = reinterpret_cast<Bytef*>(buffer);
            z.avail_out = sizeof buffer;
            deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            compressed.append(buffer, sizeof buffer - z.avail_out);
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);

    std::string png = "\x89PNG\r\n\x1A\n";
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", compressed);
    chunk(png, "IEND", "");
    return png;
}

} // namespace plat::gfx::test
