#include "platform/gfx/picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

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

bool isGif(const std::string& path)
{
    SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "rb");
    if (!rw)
        return false;
    bool gif = IMG_isGIF(rw) != 0;
    SDL_RWclose(rw);
    return gif;
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

bool Picture::load(const std::string& path)
{
    clear();
    if (path.empty()) {
        m_error = "no file name";
        return false;
    }
    if (isGif(path)) {
        if (IMG_Animation* anim = IMG_LoadAnimation(path.c_str())) {
            for (int i = 0; i < anim->count; ++i)
                addFrame(toSurface(anim->frames[i]), anim->delays ? anim->delays[i] : 0);
            IMG_FreeAnimation(anim);
            if (!isEmpty())
                return true;
        }
    }
    SDL_Surface* still = IMG_Load(path.c_str());
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
