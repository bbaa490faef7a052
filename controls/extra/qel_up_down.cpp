#include "controls/extra/qel_up_down.h"

namespace qel {

using namespace plat;
using namespace plat::win;

namespace {
constexpr gfx::Color kDisabledArrow = 0x99A8AC;
constexpr int kMinimumSize = 255;
} // namespace

qelUpDown::qelUpDown() = default;
qelUpDown::~qelUpDown() = default;

void qelUpDown::ClampValue()
{
    ClampToBounds();
    PropertyChanged();
}

void qelUpDown::OnResized()
{
    if (m_resizing)
        return;
    m_resizing = true;
    if (height() < kMinimumSize)
        setHeight(kMinimumSize);
    if (width() < kMinimumSize)
        setWidth(kMinimumSize);
    m_resizing = false;
    ClampValue();
}

// --- drawing ---

void qelUpDown::Box(double x1, double y1, double x2, double y2, gfx::Color c)
{
    int l = N(x1 / Tx()), t = N(y1 / Ty()), r = N(x2 / Tx()), b = N(y2 / Ty());
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    hDc().fillRect({l, t, r + 1, b + 1}, c);
}

void qelUpDown::Line(double x1, double y1, double x2, double y2, gfx::Color c)
{
    hDc().setForeColor(c);
    hDc().line(N(x1 / Tx()), N(y1 / Ty()), N(x2 / Tx()), N(y2 / Ty()));
}

void qelUpDown::Refresh()
{
    if (m_unRefreshControl || !hwnd())
        return;
    ClearSurface();
    TranslateColor(m_arrowColor);
    TranslateColor(m_frontColor);
    TranslateColor(m_borderColor);
    const double W = SW(), H = SH();
    Box(0, 0, W, H, m_borderColor);
    Box(15, 15, W - 30, H - 30, m_frontColor);
    if (Stacked())
        Line(0, (H - 15) / 2, W, (H - 15) / 2, m_borderColor);
    else
        Line((W - 15) / 2, 0, (W - 15) / 2, H, m_borderColor);
    DrawMinArrowLook();
    DrawMaxArrowLook();

    const gfx::Color arrow = Enabled() ? m_arrowColor : kDisabledArrow;
    for (int k = 0; k < 4; ++k) {
        if (Stacked()) {
            const double x0 = N((W - 255) / 2 + 15), y0 = N((H - 255) / 4);
            Line(x0 + 105 - 15 * k, y0 + 45 + 15 * k, x0 + 120 + 15 * k, y0 + 45 + 15 * k, arrow);
            Line(x0 + 105 - 15 * k, H - 60 - 15 * k - y0, x0 + 120 + 15 * k, H - 60 - 15 * k - y0, arrow);
        } else {
            const double x0 = N((W - 255) / 4), y0 = N((H - 255) / 2 + 15);
            Line(x0 + 45 + 15 * k, y0 + 105 - 15 * k, x0 + 45 + 15 * k, y0 + 120 + 15 * k, arrow);
            Line(W - 60 - 15 * k - x0, y0 + 105 - 15 * k, W - 60 - 15 * k - x0, y0 + 120 + 15 * k, arrow);
        }
    }
    ShowImage();
    m_imageCurrent = true;
}

void qelUpDown::DrawMinArrowLook()
{
    if (!Enabled() || m_minArrowState == ArrowNormal)
        return;
    TranslateColor(m_mouseHoverColor);
    TranslateColor(m_downColor);
    const double W = SW(), H = SH();
    if (Stacked()) {
        const double a = N((H - 45) / 2);
        if (m_minArrowState == ArrowPressed) {
            Box(15, 15, W - 30, (H - 45) / 2, m_downColor);
        } else {
            Line(15, 15, W - 15, 15, m_mouseHoverColor);
            Line(15, 15, 15, a, m_mouseHoverColor);
            Line(15, a, W - 15, a, m_mouseHoverColor);
            Line(W - 30, a, W - 30, 15, m_mouseHoverColor);
        }
    } else {
        const double a = N((W - 45) / 2);
        if (m_minArrowState == ArrowPressed) {
            Box(15, 15, (W - 30) / 2, H - 30, m_downColor);
        } else {
            Line(15, 15, 15, H - 15, m_mouseHoverColor);
            Line(15, 15, a, 15, m_mouseHoverColor);
            Line(a, 15, a, H - 15, m_mouseHoverColor);
            Line(a, H - 30, 15, H - 30, m_mouseHoverColor);
        }
    }
}

void qelUpDown::DrawMaxArrowLook()
{
    if (!Enabled() || m_maxArrowState == ArrowNormal)
        return;
    TranslateColor(m_mouseHoverColor);
    TranslateColor(m_downColor);
    const double W = SW(), H = SH();
    if (Stacked()) {
        const double b = H - N((H - 15) / 2);
        if (m_maxArrowState == ArrowPressed) {
            Box(15, H - (H - 15) / 2, W - 30, H - 30, m_downColor);
        } else {
            Line(15, H - 30, W - 15, H - 30, m_mouseHoverColor);
            Line(15, H - 30, 15, b, m_mouseHoverColor);
            Line(15, b, W - 15, b, m_mouseHoverColor);
            Line(W - 30, b, W - 30, H - 30, m_mouseHoverColor);
        }
    } else {
        const double b = W - N((W - 15) / 2);
        if (m_maxArrowState == ArrowPressed) {
            Box(W - (W - 15) / 2, 15, W - 30, H - 30, m_downColor);
        } else {
            Line(W - 30, 15, W - 30, H - 15, m_mouseHoverColor);
            Line(W - 30, 15, b, 15, m_mouseHoverColor);
            Line(b, 15, b, H - 15, m_mouseHoverColor);
            Line(b, H - 30, W - 30, H - 30, m_mouseHoverColor);
        }
    }
}

// --- stored properties ---

void qelUpDown::initProperties()
{
    InitFrom(*this, StoredProperties());
    PaintHandler();
    m_timer1.setEnabled(true);
}

void qelUpDown::readProperties(forms::PropertyBag& bag) { ReadFrom(*this, StoredProperties(), bag); }

void qelUpDown::writeProperties(forms::PropertyBag& bag) const { StoredProperties().write(*this, bag); }

} // namespace qel
