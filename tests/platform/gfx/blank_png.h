#pragma once
#include <cstdint>
#include <string>
#include <zlib.h>

namespace plat::gfx::test {

// A well-formed PNG of `width` x `height` pixels of one colour (0xRRGGBB), made without holding
// the picture: the rows compress to a small file.
inline std::string plainPng(uint32_t width, uint32_t height, uint32_t rgb)
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
    // Black is 1-bit grey, which keeps a huge picture's file small; any other colour 8-bit RGB.
    const bool black = rgb == 0;
    std::string header;
    be32(header, width);
    be32(header, height);
    header += black ? std::string("\x01\x00\x00\x00\x00", 5) : std::string("\x08\x02\x00\x00\x00", 5);

    std::string row(1, '\0'); // filter byte, then the pixels
    if (black)
        row.append((width + 7) / 8, '\0');
    else
        for (uint32_t x = 0; x < width; ++x)
            row += {char(uint8_t(rgb >> 16)), char(uint8_t(rgb >> 8)), char(uint8_t(rgb))};
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

// A black one.
inline std::string blankPng(uint32_t width, uint32_t height) { return plainPng(width, height, 0); }

} // namespace plat::gfx::test
