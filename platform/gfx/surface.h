#pragma once
#include "platform/gfx/geometry.h"
#include <cstdint>
#include <vector>

namespace plat::gfx {

// A colour value laid out 0x00BBGGRR (red in the low byte), as COLORREF is.
using Color = uint32_t;

constexpr Color rgb(int r, int g, int b) { return Color(r & 255) | (Color(g & 255) << 8) | (Color(b & 255) << 16); }
constexpr int redOf(Color c) { return int(c & 255); }
constexpr int greenOf(Color c) { return int((c >> 8) & 255); }
constexpr int blueOf(Color c) { return int((c >> 16) & 255); }

// A 32-bit pixel surface. Each pixel holds a colour 0x00BBGGRR in its low 24 bits and
// an alpha value in the top byte (255 opaque); plain drawing writes alpha 255.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, uint32_t fill = 0xFF000000u);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Rect rect() const { return {0, 0, m_width, m_height}; }
    bool isEmpty() const { return m_width <= 0 || m_height <= 0; }

    uint32_t* row(int y) { return m_pixels.data() + size_t(y) * size_t(m_width); }
    const uint32_t* row(int y) const { return m_pixels.data() + size_t(y) * size_t(m_width); }
    uint32_t pixel(int x, int y) const { return row(y)[x]; }
    void setPixel(int x, int y, uint32_t value) { row(y)[x] = value; }
    // The colour part of a pixel (alpha stripped).
    Color colorAt(int x, int y) const { return pixel(x, y) & 0x00FFFFFFu; }

    void fill(uint32_t value);
    void fillRect(const Rect& r, uint32_t value);
    // Resizes keeping the top-left content; new pixels take `fill`.
    void resize(int width, int height, uint32_t fill = 0xFF000000u);

    std::vector<uint32_t>& pixels() { return m_pixels; }
    const std::vector<uint32_t>& pixels() const { return m_pixels; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
};

constexpr uint32_t opaque(Color c) { return (c & 0x00FFFFFFu) | 0xFF000000u; }

} // namespace plat::gfx
