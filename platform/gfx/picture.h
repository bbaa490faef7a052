#pragma once
#include "platform/gfx/picture_header.h"
#include "platform/gfx/surface.h"

#include <optional>
#include <string>
#include <vector>

namespace plat::gfx {

// A decoded picture: one frame for a still image, every frame with its delay for an animated GIF.
// Pixels keep the file's alpha (straight, 255 opaque).
class Picture {
public:
    struct Frame {
        Surface image;
        int delayMs = 0;
    };

    Picture() = default;
    explicit Picture(Surface still);

    // Decodes PNG, BMP, JPEG or GIF (all frames) through SDL2_image. A missing or unreadable file,
    // and one whose header asks for more than the picture limits (picture_header.h), leaves an
    // empty picture and returns false; it never throws.
    bool load(const std::string& path);
    static Picture fromFile(const std::string& path);
    struct File;
    // Decodes a file read already; `firstFrameOnly` leaves the later frames of a GIF undecoded.
    bool load(const File& file, bool firstFrameOnly = false);

    bool isEmpty() const { return m_frames.empty(); }
    int width() const { return isEmpty() ? 0 : m_frames.front().image.width(); }
    int height() const { return isEmpty() ? 0 : m_frames.front().image.height(); }
    size_t frameCount() const { return m_frames.size(); }
    const Frame& frame(size_t i) const { return m_frames.at(i); }
    const Surface& image() const; // the first frame (an empty surface for an empty picture)
    bool isAnimated() const { return m_frames.size() > 1; }
    const std::string& error() const { return m_error; }

    void addFrame(Surface image, int delayMs);
    void clear();

private:
    std::vector<Frame> m_frames;
    std::string m_error;
};

// A picture file read and measured, not yet decoded.
struct Picture::File {
    std::string bytes;
    PictureHeader header;
    // The file at `path`, when it can be read and its header is one the program decodes within the
    // picture limits; else nullopt, and `error` says why.
    static std::optional<File> read(const std::string& path, std::string& error);
};

// Writes a surface as a PNG file (with its alpha). Returns false on failure.
bool savePng(const Surface& surface, const std::string& path);

} // namespace plat::gfx
