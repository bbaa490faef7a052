#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

inline void le16(std::vector<uint8_t>& b, int v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

// A GIF frame of 2 x 2 pixels: four colour indices (0 red, 1 blue, 2 lime, 3 white) in rows,
// its delay in hundredths of a second and the index it makes see-through (-1 for none).
struct GifFrame {
    int pixels[4];
    int delay;
    int transparent = -1;
};

// A 2 x 2 GIF with a four-colour palette. Each pixel's code follows a clear code, so every code
// stays 3 bits wide.
inline std::string tinyGif(const std::vector<GifFrame>& frames)
{
    std::vector<uint8_t> b = {'G', 'I', 'F', '8', '9', 'a'};
    le16(b, 2);
    le16(b, 2);
    b.insert(b.end(), {0x81, 0, 0});
    b.insert(b.end(), {255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 255});
    for (const GifFrame& f : frames) {
        const uint8_t packed = uint8_t((1 << 2) | (f.transparent >= 0 ? 1 : 0)); // keep the frame, transparency flag
        b.insert(b.end(), {0x21, 0xF9, 4, packed});
        le16(b, f.delay);
        b.push_back(uint8_t(f.transparent >= 0 ? f.transparent : 0));
        b.push_back(0);
        b.push_back(0x2C);
        le16(b, 0);
        le16(b, 0);
        le16(b, 2);
        le16(b, 2);
        b.push_back(0);
        b.push_back(2); // minimum code size: clear code 4, end code 5
        std::vector<int> codes;
        for (int p : f.pixels) {
            codes.push_back(4);
            codes.push_back(p);
        }
        codes.push_back(5);
        uint32_t bits = 0;
        int count = 0;
        std::vector<uint8_t> data;
        for (int c : codes) {
            bits |= uint32_t(c) << count;
            count += 3;
            while (count >= 8) {
                data.push_back(uint8_t(bits));
                bits >>= 8;
                count -= 8;
            }
        }
        if (count > 0)
            data.push_back(uint8_t(bits));
        b.push_back(uint8_t(data.size()));
        b.insert(b.end(), data.begin(), data.end());
        b.push_back(0);
    }
    b.push_back(0x3B);
    return std::string(b.begin(), b.end());
}

} // namespace test_support
