#include "controls/extra/hidden_face_control.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"

namespace qel {

using namespace plat;

HiddenFaceControl::HiddenFaceControl(int widthPixels, int heightPixels)
    : m_fixedWidth(int(win::twipsFromPixels(widthPixels)))
    , m_fixedHeight(int(win::twipsFromPixels(heightPixels)))
{
}

void HiddenFaceControl::onPlaced()
{
    KeepFixedSize();
    if (ambient().userMode && hwnd())
        win::ShowWindow(hwnd(), false);
    ShowFace();
}

void HiddenFaceControl::onResize()
{
    KeepFixedSize();
    ShowFace();
}

void HiddenFaceControl::KeepFixedSize()
{
    if (m_snapping || (width() == m_fixedWidth && height() == m_fixedHeight))
        return;
    m_snapping = true;
    move(left(), top(), m_fixedWidth, m_fixedHeight);
    m_snapping = false;
}

void HiddenFaceControl::ShowFace()
{
    if (!hwnd())
        return;
    gfx::Surface& img = image();
    if (img.isEmpty())
        return;
    gfx::DeviceContext dc(img);
    DrawFace(dc, img.width(), img.height());
    refreshImage();
}

} // namespace qel
