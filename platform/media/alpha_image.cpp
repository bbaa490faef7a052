#include "platform/media/alpha_image.h"
#include "platform/gfx/blit.h"
#include "platform/gfx/picture.h"
#include "platform/media/picture_path.h"
#include "platform/window/api.h"

namespace plat::media {

using namespace plat::win;

namespace {

constexpr uint32_t kSeeThrough = 0x00000000u;

} // namespace

bool AlphaImage::loadFromFile(const std::string& path)
{
    gfx::Picture loaded;
    if (path.empty() || !loaded.load(path))
        return false;
    m_image = loaded.image();
    m_picture = pictureRefOf(path);
    redraw();
    return true;
}

void AlphaImage::setPicture(const forms::PictureRef& picture)
{
    m_picture = picture;
    m_image = gfx::Picture::fromFile(picturePathOf(picture)).image();
    redraw();
}

void AlphaImage::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    redraw();
}

void AlphaImage::initProperties()
{
    m_stretch = false;
    setPicture({});
}

void AlphaImage::readProperties(forms::PropertyBag& bag)
{
    m_stretch = bag.readProperty("Stretch", false);
    setPicture(readPictureProperty(bag, "Picture"));
}

void AlphaImage::writeProperties(forms::PropertyBag& bag) const
{
    writePictureProperty(bag, "Picture", m_picture);
    bag.writeProperty("Stretch", m_stretch, false);
}

void AlphaImage::onPlaced()
{
    SetWindowBlend(hwnd(), Blend::Alpha);
    redraw();
}

LRESULT AlphaImage::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK) {
        if (!enabled()) {
            cancelPress();
            return 0;
        }
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        return 0;
    }
    return UserControl::windowProc(hwnd, msg, wParam, lParam);
}

void AlphaImage::redraw()
{
    if (!hwnd())
        return;
    gfx::Surface& target = image();
    target.fill(kSeeThrough);
    if (!m_image.isEmpty()) {
        const gfx::Clip clip(target.rect());
        if (m_stretch)
            gfx::stretchBlit(target, target.rect(), m_image, m_image.rect(), clip, gfx::StretchMode::Bilinear);
        else
            gfx::blit(target, {0, 0}, m_image, m_image.rect(), clip);
    }
    refreshImage();
}

} // namespace plat::media
