#include "platform/media/alpha_image.h"
#include "platform/gfx/area_reducer.h"
#include "platform/gfx/blit.h"
#include "platform/media/picture_path.h"
#include "platform/window/api.h"

namespace plat::media {

using namespace plat::win;

namespace {

constexpr uint32_t kSeeThrough = 0x00000000u;

} // namespace

bool AlphaImage::show(const std::string& path)
{
    std::string error;
    std::optional<PictureStore::Loaded> loaded = path.empty() ? std::nullopt : PictureStore::instance().load(path, fit(), error);
    if (!loaded)
        return false;
    m_loaded = std::move(loaded);
    m_shown.reset();
    fitShownToSize();
    return true;
}

// The shown copy follows the control's size and the fit. When the file it came from has changed
// or gone meanwhile, the copy there is is scaled instead: the control keeps the picture it loaded.
void AlphaImage::fitShownToSize()
{
    if (!m_loaded || !hwnd())
        return;
    const gfx::Size size{image().width(), image().height()};
    if (m_shown && m_loaded->key.fit == fit() && (m_stretch ? gfx::Size{m_shown->width(), m_shown->height()} == size
                                                              : m_shown->width() >= std::min(size.width, m_loaded->original.width)
                                                                  && m_shown->height() >= std::min(size.height, m_loaded->original.height)))
        return;
    if (m_loaded->key.fit != fit()) {
        std::string error;
        if (auto refit = PictureStore::instance().load(m_loaded->key.path, fit(), error))
            m_loaded = std::move(refit);
    }
    if (auto shown = PictureStore::instance().shown(m_loaded->key, size))
        m_shown = std::move(shown);
    else if (m_shown && m_stretch && size.width > 0 && size.height > 0)
        m_shown = std::make_shared<const gfx::Surface>(gfx::scalePicture(*m_shown, size));
}

const gfx::Surface& AlphaImage::pictureImage() const
{
    static const gfx::Surface none;
    return m_shown ? *m_shown : none;
}

bool AlphaImage::loadFromFile(const std::string& path)
{
    if (!show(path))
        return false;
    m_picture = pictureRefOf(path);
    redraw();
    return true;
}

void AlphaImage::setPicture(const forms::PictureRef& picture)
{
    m_picture = picture;
    if (!show(picturePathOf(picture))) {
        m_loaded.reset();
        m_shown.reset();
    }
    redraw();
}

void AlphaImage::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    redraw();
}

const auto& AlphaImage::storedProperties()
{
    static const auto table = forms::propertyTable(forms::PropertiesOf<AlphaImage>::property(
        "Stretch", &AlphaImage::stretch, [](AlphaImage& image, bool on) { image.m_stretch = on; }, false));
    return table;
}

void AlphaImage::initProperties()
{
    storedProperties().init(*this);
    pictureProperty<AlphaImage>().init(*this);
}

void AlphaImage::readProperties(forms::PropertyBag& bag)
{
    storedProperties().read(*this, bag);
    pictureProperty<AlphaImage>().read(*this, bag);
}

void AlphaImage::writeProperties(forms::PropertyBag& bag) const
{
    pictureProperty<AlphaImage>().write(*this, bag);
    storedProperties().write(*this, bag);
}

void AlphaImage::onPlaced()
{
    SetWindowBlend(hwnd(), Blend::Alpha);
    redraw();
}

void AlphaImage::redraw()
{
    if (!hwnd())
        return;
    fitShownToSize();
    gfx::Surface& target = image();
    target.fill(kSeeThrough);
    if (m_shown && !m_shown->isEmpty()) {
        const gfx::Clip clip(target.rect());
        if (m_stretch)
            gfx::stretchBlit(target, target.rect(), *m_shown, m_shown->rect(), clip, gfx::StretchMode::Bilinear);
        else
            gfx::blit(target, {0, 0}, *m_shown, m_shown->rect(), clip);
    }
    refreshImage();
}

} // namespace plat::media
