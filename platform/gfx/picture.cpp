#include "platform/gfx/picture.h"
#include "platform/gfx/picture_header.h"
#include "platform/system/file_system.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <optional>

namespace plat::gfx {

namespace {

// Our pixel value 0xAABBGGRR is SDL's ABGR8888.
constexpr Uint32 kFormat = SDL_PIXELFORMAT_ABGR8888;

Surface toSurface(SDL_Surface* in)
{
    if (!in || in->w <= 0 || in->h <= 0)
        return {};
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(in, kFormat, 0);
    if (!converted)
        return {};
    Surface out(converted->w, converted->h);
    if (SDL_LockSurface(converted) == 0) {
        for (int y = 0; y < converted->h; ++y)
            std::memcpy(out.row(y), static_cast<const uint8_t*>(converted->pixels) + ptrdiff_t(y) * converted->pitch,
                size_t(converted->w) * 4);
        SDL_UnlockSurface(converted);
    }
    // Formats without alpha come back with alpha 0 in some SDL versions: make them opaque.
    if (!SDL_ISPIXELFORMAT_ALPHA(in->format->format) && in->format->Amask == 0 && !SDL_HasColorKey(in))
        for (uint32_t& p : out.pixels())
            p |= 0xFF000000u;
    SDL_FreeSurface(converted);
    return out;
}

// Larger files are no picture the program shows; the header check refuses far smaller ones.
constexpr std::uintmax_t kMaxPictureFileBytes = std::uintmax_t(256) << 20;

// A pipe or a device named as a picture is refused, never waited on.
std::optional<std::string> readFile(const std::string& path) { return sys::readFileBytes(path, kMaxPictureFileBytes); }

SDL_Surface* decodeStill(SDL_RWops* rw, PictureHeader::Format format)
{
    switch (format) {
    case PictureHeader::Format::Png:
        return IMG_LoadPNG_RW(rw);
    case PictureHeader::Format::Gif:
        return IMG_LoadGIF_RW(rw);
    case PictureHeader::Format::Jpeg:
        return IMG_LoadJPG_RW(rw);
    case PictureHeader::Format::Bmp:
        return IMG_LoadBMP_RW(rw);
    }
    return nullptr;
}

} // namespace

Picture::Picture(Surface still)
{
    if (!still.isEmpty())
        m_frames.push_back({std::move(still), 0});
}

const Surface& Picture::image() const
{
    static const Surface none;
    return isEmpty() ? none : m_frames.front().image;
}

void Picture::addFrame(Surface image, int delayMs)
{
    if (!image.isEmpty())
        m_frames.push_back({std::move(image), delayMs});
}

void Picture::clear()
{
    m_frames.clear();
    m_error.clear();
}

std::optional<Picture::File> Picture::File::read(const std::string& path, std::string& error)
{
    if (path.empty()) {
        error = "no file name";
        return std::nullopt;
    }
    std::optional<std::string> bytes = readFile(path);
    if (!bytes) {
        error = "cannot read the file";
        return std::nullopt;
    }
    // The decoders allocate what the header asks for: measure it first.
    const std::optional<PictureHeader> header = readPictureHeader(*bytes);
    if (!header) {
        error = "not a PNG, GIF, JPEG or BMP picture";
        return std::nullopt;
    }
    if (!withinPictureLimits(*header)) {
        error = "picture too large";
        return std::nullopt;
    }
    return File{std::move(*bytes), *header};
}

bool Picture::load(const std::string& path)
{
    clear();
    const std::optional<File> file = File::read(path, m_error);
    return file && load(*file);
}

bool Picture::load(const File& file, bool firstFrameOnly)
{
    clear();
    if (file.header.format == PictureHeader::Format::Gif && !firstFrameOnly) {
        SDL_RWops* rw = SDL_RWFromConstMem(file.bytes.data(), int(file.bytes.size()));
        if (IMG_Animation* anim = rw ? IMG_LoadGIFAnimation_RW(rw) : nullptr) {
            for (int i = 0; i < anim->count; ++i)
                addFrame(toSurface(anim->frames[i]), anim->delays ? anim->delays[i] : 0);
            IMG_FreeAnimation(anim);
        }
        if (rw)
            SDL_RWclose(rw);
        if (!isEmpty())
            return true;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(file.bytes.data(), int(file.bytes.size()));
    SDL_Surface* still = rw ? decodeStill(rw, file.header.format) : nullptr;
    if (rw)
        SDL_RWclose(rw);
    if (!still) {
        m_error = IMG_GetError();
        return false;
    }
    addFrame(toSurface(still), 0);
    SDL_FreeSurface(still);
    if (isEmpty()) {
        m_error = "empty or undecodable picture";
        return false;
    }
    return true;
}

Picture Picture::fromFile(const std::string& path)
{
    Picture p;
    p.load(path);
    return p;
}

bool savePng(const Surface& surface, const std::string& path)
{
    if (surface.isEmpty())
        return false;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(surface.pixels().data()),
        surface.width(), surface.height(), 32, surface.width() * 4, kFormat);
    if (!s)
        return false;
    bool ok = IMG_SavePNG(s, path.c_str()) == 0;
    SDL_FreeSurface(s);
    return ok;
}

} // namespace plat::gfx
