#include "platform/gfx/picture_header.h"

#include <algorithm>
#include <cstdlib>

namespace plat::gfx {

namespace {

class Bytes {
public:
    explicit Bytes(std::string_view bytes) : m_bytes(bytes) {}
    bool has(size_t at, size_t count) const { return at <= m_bytes.size() && count <= m_bytes.size() - at; }
    uint32_t u8(size_t at) const { return static_cast<unsigned char>(m_bytes[at]); }
    uint32_t be16(size_t at) const { return u8(at) << 8 | u8(at + 1); }
    uint32_t be32(size_t at) const { return be16(at) << 16 | be16(at + 2); }
    uint32_t le16(size_t at) const { return u8(at) | u8(at + 1) << 8; }
    uint32_t le32(size_t at) const { return le16(at) | le16(at + 2) << 16; }
    bool startsWith(std::string_view magic) const { return m_bytes.substr(0, magic.size()) == magic; }
    bool equals(size_t at, std::string_view text) const { return has(at, text.size()) && m_bytes.substr(at, text.size()) == text; }

private:
    std::string_view m_bytes;
};

std::optional<PictureHeader> pngHeader(const Bytes& b)
{
    // Signature, then the IHDR chunk first: length 13, type, width, height.
    if (!b.has(0, 24) || b.be32(8) != 13 || !b.equals(12, "IHDR"))
        return std::nullopt;
    PictureHeader h;
    h.format = PictureHeader::Format::Png;
    h.width = b.be32(16);
    h.height = b.be32(20);
    return h;
}

// Skips a chain of GIF data sub-blocks; returns the position after the terminator.
std::optional<size_t> skipSubBlocks(const Bytes& b, size_t at)
{
    while (b.has(at, 1)) {
        uint32_t size = b.u8(at);
        at += 1 + size;
        if (size == 0)
            return at;
    }
    return std::nullopt;
}

size_t colorTableBytes(uint32_t flags) { return (flags & 0x80) ? 3u << ((flags & 7) + 1) : 0; }

std::optional<PictureHeader> gifHeader(const Bytes& b)
{
    if (!b.has(0, 13))
        return std::nullopt;
    PictureHeader h;
    h.format = PictureHeader::Format::Gif;
    h.width = b.le16(6);
    h.height = b.le16(8);
    h.frames = 0;
    size_t at = 13 + colorTableBytes(b.u8(10));
    // Every image in the file, up to the trailer or to where the blocks stop following each other.
    auto countImage = [&](size_t image) {
        ++h.frames;
        h.largestFrameWidth = std::max<int64_t>(h.largestFrameWidth, b.le16(image + 5));
        h.largestFrameHeight = std::max<int64_t>(h.largestFrameHeight, b.le16(image + 7));
    };
    while (b.has(at, 1)) {
        uint32_t block = b.u8(at);
        if (block == 0x21 && b.has(at, 2)) {
            auto next = skipSubBlocks(b, at + 2);
            if (!next)
                break;
            at = *next;
        } else if (block == 0x2C && b.has(at, 11)) {
            countImage(at);
            auto next = skipSubBlocks(b, at + 10 + colorTableBytes(b.u8(at + 9)) + 1);
            if (!next)
                break;
            at = *next;
        } else {
            // The decoder passes over a byte that starts no block and takes any later "," for an
            // image: past here every one counts, so that the figures never fall short of it.
            if (block != 0x3B)
                for (size_t image = at; b.has(image, 11); ++image)
                    if (b.u8(image) == 0x2C)
                        countImage(image);
            break;
        }
    }
    h.frames = std::max<int64_t>(h.frames, 1);
    return h;
}

bool isStartOfFrame(uint32_t marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PictureHeader> jpegHeader(const Bytes& b)
{
    size_t at = 2;
    while (b.has(at, 2)) {
        if (b.u8(at) != 0xFF)
            return std::nullopt;
        uint32_t marker = b.u8(at + 1);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA || !b.has(at + 2, 2))
            return std::nullopt; // image data or the end before any frame header
        uint32_t length = b.be16(at + 2);
        if (length < 2)
            return std::nullopt;
        if (isStartOfFrame(marker)) {
            if (length < 7 || !b.has(at + 4, 5))
                return std::nullopt;
            PictureHeader h;
            h.format = PictureHeader::Format::Jpeg;
            h.height = b.be16(at + 5);
            h.width = b.be16(at + 7);
            return h;
        }
        at += 2 + length;
    }
    return std::nullopt;
}

std::optional<PictureHeader> bmpHeader(const Bytes& b)
{
    if (!b.has(0, 18))
        return std::nullopt;
    uint32_t infoSize = b.le32(14);
    PictureHeader h;
    h.format = PictureHeader::Format::Bmp;
    if (infoSize == 12 && b.has(18, 4)) {
        h.width = int16_t(b.le16(18));
        h.height = int16_t(b.le16(20));
    } else if (infoSize >= 40 && b.has(18, 8)) {
        h.width = int32_t(b.le32(18));
        h.height = int32_t(b.le32(22));
    } else {
        return std::nullopt;
    }
    // A negative height is a picture stored top row first.
    h.width = std::abs(h.width);
    h.height = std::abs(h.height);
    return h;
}

} // namespace

std::optional<PictureHeader> readPictureHeader(std::string_view bytes)
{
    Bytes b(bytes);
    if (b.startsWith("\x89PNG\r\n\x1A\n"))
        return pngHeader(b);
    if (b.startsWith("GIF87a") || b.startsWith("GIF89a"))
        return gifHeader(b);
    if (b.startsWith("\xFF\xD8"))
        return jpegHeader(b);
    if (b.startsWith("BM"))
        return bmpHeader(b);
    return std::nullopt;
}

bool withinPictureLimits(const PictureHeader& h)
{
    const int64_t width = std::max(h.width, h.largestFrameWidth);
    const int64_t height = std::max(h.height, h.largestFrameHeight);
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide)
        return false;
    // Each frame of an animation is kept decoded, as large as the screen or its largest image.
    return width * height * h.frames <= kMaxPicturePixels;
}

} // namespace plat::gfx
