#include "controls/core/image_holder.h"
#include "controls/core/mdl_gray.h"
#include "platform/gfx/blit.h"
#include <algorithm>
#include "platform/window/twips.h"

namespace qel {

using namespace plat;

int ImageHolder::Width() const { return m_picture.width() * win::TwipsPerPixelX(); }
int ImageHolder::Height() const { return m_picture.height() * win::TwipsPerPixelY(); }

void WorkPicture::setPicture(const gfx::Picture& picture)
{
    m_picture = picture;
    // The persistent image shows the picture at the top left, transparent where it is.
    m_image.fill(0);
    if (!picture.isEmpty()) {
        const gfx::Surface& src = picture.image();
        const gfx::Rect r = src.rect().intersect(m_image.rect());
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                m_image.setPixel(x, y, src.pixel(x, y));
    }
}

void WorkPicture::Resize(int width, int height)
{
    m_image.resize(std::max(width, 0), std::max(height, 0), 0);
    if (!m_picture.isEmpty())
        setPicture(m_picture);
}

void GrayedPicture::Assign(const gfx::Picture& picture)
{
    PCTcolor.setPicture(picture);
    pctG.setPicture(picture);
    if (!picture.isEmpty()) {
        pctG.Resize(PCTcolor.Width() / win::TwipsPerPixelX(), PCTcolor.Height() / win::TwipsPerPixelY());
        MakeGrayPicture(pctG);
        PCTgray.setPicture(gfx::Picture(pctG.Image()));
    } else {
        PCTgray.setPicture(gfx::Picture());
    }
}

} // namespace qel
