#include "controls/extra/qel_bar.h"
#include "controls/extra/number_text.h"
#include "platform/forms/resources_folder.h"
#include "platform/gfx/system_colors.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace qel {

using namespace plat;
using namespace plat::win;

namespace {

int channel(double v) { return std::clamp(int(roundHalfEven(v)), 0, 255); }

gfx::Color mix(const RGBRecord& from, double r, double g, double b) { return gfx::rgb(channel(from.Red + r), channel(from.Green + g), channel(from.Blue + b)); }

gfx::Picture loadPicture(const forms::PictureRef& ref)
{
    gfx::Picture p;
    if (!ref.isEmpty())
        p.load(forms::resourcePath(ref.path).string());
    return p;
}

} // namespace

qelBar::qelBar() = default;
qelBar::~qelBar() = default;

// --- properties ---

void qelBar::setValue(double v)
{
    const double old = m_value;
    if (std::isnan(v) || v < m_min)
        m_value = m_min;
    else if (v > m_max)
        m_value = m_max;
    else
        m_value = v;
    RaiseValueEvents(m_value, old, false);
    PropertyChanged();
}

void qelBar::RaiseValueEvents(double newValue, double oldValue, bool interaction)
{
    if (interaction && InteractionComplete) {
        double n = newValue, o = oldValue;
        InteractionComplete(n, o);
    }
    if (Change) {
        double n = newValue, o = oldValue;
        Change(n, o);
    }
    if (m_value == m_min && ValueIsMin) {
        double v = m_min;
        ValueIsMin(v);
    }
    if (m_value == m_max && ValueIsMax) {
        double v = m_max;
        ValueIsMax(v);
    }
}

void qelBar::setFont(const forms::FontDesc& font)
{
    setSurfaceFont(font);
    PropertyChanged();
}

void qelBar::setDisplayBorder(bool v)
{
    m_displayBorder = v;
    Layout();
    PropertyChanged();
}

void qelBar::setBackPicture(const gfx::Picture& picture)
{
    m_backImg = picture;
    m_backSource = {};
    if (!m_tpn.isEmpty() && !picture.isEmpty()) {
        gfx::DeviceContext dc(m_tpn);
        dc.drawPicture(picture, 0, 0);
    }
}

void qelBar::setBackPicture(const forms::PictureRef& picture)
{
    setBackPicture(loadPicture(picture));
    m_backSource = picture;
}

void qelBar::setFrontPicture(const gfx::Picture& picture)
{
    m_frontImg = picture;
    m_frontSource = {};
}

void qelBar::setFrontPicture(const forms::PictureRef& picture)
{
    setFrontPicture(loadPicture(picture));
    m_frontSource = picture;
}

void qelBar::setBorderStyle(int32_t v)
{
    m_borderStyle = v;
    DrawFrame();
}

void qelBar::setBorderColor(uint32_t c)
{
    m_borderColor = c;
    ShowRing();
    PropertyChanged();
}

// --- layout ---

void qelBar::onPlaced()
{
    DrawnControl::onPlaced();
    m_pct = CreateWindow("qelBar.pct", hwnd(), {0, 0, 1, 1}, true,
        makeWndProc([this](HWND h, UINT m, WPARAM w, LPARAM l) { return PictureProc(h, m, w, l); }));
    Layout();
}

void qelBar::onRemoved()
{
    m_pct = 0;
    DrawnControl::onRemoved();
}

void qelBar::Layout()
{
    if (!m_pct || !IsWindow(m_pct))
        return;
    const int b = m_displayBorder ? 30 : 0;
    const int left = N(double(b) / 2 / Tx());
    const int w = std::max(0, N((SW() - b) / Tx()));
    const int h = std::max(0, N((SH() - b) / Ty()));
    const gfx::Rect now = GetWindowRect(m_pct);
    if (now.left != left || now.top != left || now.width() != w || now.height() != h)
        MoveWindow(m_pct, left, left, w, h);
    const int inset = FrameInset();
    const int tw = std::max(0, w - 2 * inset), th = std::max(0, h - 2 * inset);
    if (m_tpn.width() != tw || m_tpn.height() != th)
        m_tpn.resize(tw, th, gfx::opaque(0xFFFFFF));
}

void qelBar::OnResized()
{
    Layout();
    ShowRing();
}

int qelBar::DrawingWidth() const { return m_tpn.width(); }
int qelBar::DrawingHeight() const { return m_tpn.height(); }

void qelBar::ShowRing()
{
    if (!hwnd())
        return;
    setSurfaceBackColor(gfx::toRgb(m_borderColor));
    ShowImage();
}

void qelBar::DrawFrame()
{
    if (!m_pct || !IsWindow(m_pct))
        return;
    Layout();
    gfx::Surface& img = WindowImage(m_pct);
    if (img.isEmpty() || FrameInset() == 0) {
        ImageChanged(m_pct);
        return;
    }
    // The sunken frame: shadow above and left, light below and right, two pixels each.
    gfx::DeviceContext dc(img);
    const int w = img.width(), h = img.height();
    const gfx::Color outer[2] = {gfx::systemColor(gfx::ColorBtnShadow), gfx::systemColor(gfx::ColorBtnHighlight)};
    const gfx::Color inner[2] = {gfx::systemColor(gfx::Color3DDkShadow), gfx::systemColor(gfx::Color3DLight)};
    for (int i = 0; i < 2; ++i) {
        const gfx::Color* c = i == 0 ? outer : inner;
        dc.fillRect({i, i, w - i, i + 1}, c[0]);
        dc.fillRect({i, i, i + 1, h - i}, c[0]);
        dc.fillRect({i, h - i - 1, w - i, h - i}, c[1]);
        dc.fillRect({w - i - 1, i, w - i, h - i}, c[1]);
    }
    ImageChanged(m_pct);
}

// --- drawing ---

void qelBar::Redraw()
{
    m_imageCurrent = false;
    DrawingPass();
}

void qelBar::DrawBackground(int W, int H)
{
    if (!m_backImg.isEmpty())
        return; // tpn holds the back picture
    m_tpn.fill(gfx::opaque(0xFFFFFF));
    gfx::DeviceContext dc(m_tpn);
    const RGBRecord bottom = SplitColor(int32_t(gfx::toRgb(m_backColorBottom)));
    const RGBRecord top = SplitColor(int32_t(gfx::toRgb(m_backColorTop)));
    for (int y = 0; y <= H; ++y) {
        const double f = H == 0 ? 0.0 : double(y) / H;
        dc.setForeColor(mix(bottom, f * (top.Red - bottom.Red), f * (top.Green - bottom.Green), f * (top.Blue - bottom.Blue)));
        dc.line(0, y, W, y);
    }
}

void qelBar::DrawingPass()
{
    if (m_imageCurrent || m_loading || !m_pct || !IsWindow(m_pct))
        return;
    Layout();
    const int W = m_tpn.width(), H = m_tpn.height();
    DrawBackground(W, H);

    gfx::Surface& img = WindowImage(m_pct);
    gfx::DeviceContext dc(img);
    const int inset = FrameInset();
    dc.setOrigin({inset, inset});
    dc.setClipRegion(gfx::Region::fromRect({inset, inset, inset + W, inset + H}));
    gfx::Point pen{0, 0}; // where the drawing position stands, for an Alignment outside 1 to 9
    const bool range = m_max != m_min;
    const double fraction = FilledFraction();
    auto finish = [&] {
        DrawFrame();
        ImageChanged(m_pct);
    };

    double F = 0;
    if (!m_frontImg.isEmpty()) {
        if (!range) {
            finish();
            return;
        }
        F = FillWidth(fraction, W);
        dc.bitBlt(0, 0, W, H, m_tpn, 0, 0);
        const int fillWidth = int(std::floor(F)) + 1;
        dc.stretchBlt({0, 0, std::min(fillWidth, W), H}, m_frontImg.image(), m_frontImg.image().rect());
    } else {
        dc.bitBlt(0, 0, W, H, m_tpn, 0, 0);
        if (!range) {
            finish();
            return;
        }
        F = FillWidth(fraction, W);
        const RGBRecord l = SplitColor(int32_t(gfx::toRgb(m_leftColor)));
        const RGBRecord r = SplitColor(int32_t(gfx::toRgb(m_rightColor)));
        const double span = m_gradientMode == 2 ? double(W) : F;
        const double sr = (r.Red - l.Red) / span, sg = (r.Green - l.Green) / span, sb = (r.Blue - l.Blue) / span;
        const int last = int(std::floor(F));
        for (int x = 0; x <= last; ++x) {
            dc.setForeColor(mix(l, x * sr, x * sg, x * sb));
            dc.line(x, 0, x, H);
            pen = {x, H};
        }
    }

    switch (m_displayLabel) {
    case 1:
        m_labelText = NumberText(RoundToDigits(fraction * 100, m_decimals)) + " %";
        break;
    case 2:
        m_labelText = NumberText(RoundToDigits(m_value, m_decimals));
        break;
    case 3:
        m_labelText = NumberText(RoundToDigits(m_value, m_decimals)) + "/" + NumberText(m_max);
        break;
    default:
        m_labelText.clear();
        break;
    }
    dc.setFont(hDc().font());
    const gfx::Size size = dc.font().textSize(m_labelText);
    const int tw = size.width, th = size.height;
    const int ox = m_offSetX, oy = m_offSetY;
    const int cx = int(std::floor((W - tw) / 2.0)) + ox, rx = W - tw + ox, lx = ox;
    const int my = int(std::floor((H - th) / 2.0)) + oy, by = H - th + oy, ty = oy;
    gfx::Point at = pen;
    switch (m_alignment) {
    case 1: at = {lx, ty}; break;
    case 2: at = {cx, ty}; break;
    case 3: at = {rx, ty}; break;
    case 4: at = {lx, my}; break;
    case 5: at = {cx, my}; break;
    case 6: at = {rx, my}; break;
    case 7: at = {lx, by}; break;
    case 8: at = {cx, by}; break;
    case 9: at = {rx, by}; break;
    default: break;
    }
    dc.setTextColor(gfx::toRgb(m_foreColor));
    dc.setBackMode(gfx::BackMode::Transparent);
    if (!m_labelText.empty())
        dc.textOut(at.x, at.y, m_labelText);

    finish();
    m_imageCurrent = true;
}

// --- the inner surface's input ---

LRESULT qelBar::PictureProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const int x = loWordSigned(lParam) - FrameInset(), y = hiWordSigned(lParam) - FrameInset();
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        // A press on the inner surface focuses the control, whose key events are the surface's.
        if (hwnd() && GetFocus() != hwnd())
            setFocus();
        m_leftPressedOnPicture = msg == WM_LBUTTONDOWN;
        PicturePress(messageButton(msg), x, y);
        return 0;
    }
    case WM_LBUTTONUP:
        if (m_leftPressedOnPicture) {
            m_leftPressedOnPicture = false;
            if (Click)
                Click();
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        m_leftPressedOnPicture = false;
        if (DblClick)
            DblClick();
        return 0;
    default:
        return DefWindowProc(h, msg, wParam, lParam);
    }
}

double qelBar::Farthest(double v)
{
    constexpr double far = std::numeric_limits<double>::max();
    return std::clamp(v, -far, far);
}

double qelBar::FillWidth(double fraction, int W)
{
    // A Value far outside a range that was narrowed after it fills past either edge, still a
    // count of columns that an int holds.
    constexpr double farColumns = 1 << 30;
    return std::clamp(fraction * W + 0.0001, -farColumns, farColumns);
}

double qelBar::FilledFraction() const
{
    if (!(m_max > m_min))
        return 0;
    if (m_value == m_max)
        return 1;
    if (m_value == m_min)
        return 0;
    // An infinite bound stands for the farthest double, so a share is never inf / inf.
    const double lo = Farthest(m_min), hi = Farthest(m_max), v = Farthest(m_value);
    if (!(hi > lo))
        return v > hi ? 1 : 0;
    const double range = hi - lo, offset = v - lo;
    if (std::isfinite(range) && std::isfinite(offset))
        return offset / range;
    // Halved, neither difference can overflow (Max - Min of the largest doubles does); only a
    // range that large is halved, as the smallest ones would be lost.
    return (v / 2 - lo / 2) / (hi / 2 - lo / 2);
}

void qelBar::PicturePress(int button, int x, int y)
{
    const int W = m_tpn.width(), H = m_tpn.height();
    x = std::clamp(x, 0, std::max(W, 0));
    y = std::clamp(y, 0, std::max(H, 0));
    if (button != m_interactiveButton || !m_interactiveControl)
        return;
    const double old = m_value;
    // Min and Max weighted where the range of two far-apart doubles is beyond a double.
    const double range = m_max - m_min;
    if (W <= 0 || x == 0)
        m_value = m_min;
    else if (std::isfinite(range))
        m_value = m_min + range * x / W;
    else
        m_value = Farthest(m_min) * (1 - double(x) / W) + Farthest(m_max) * (double(x) / W);
    if (x == W - 1)
        m_value = m_max;
    m_imageCurrent = false;
    DrawingPass();
    RaiseValueEvents(m_value, old, true);
}

// --- stored properties ---

void qelBar::initProperties()
{
    InitFrom(*this, StoredProperties());
    Redraw();
}

void qelBar::readProperties(forms::PropertyBag& bag) { ReadFrom(*this, StoredProperties(), bag); }

void qelBar::writeProperties(forms::PropertyBag& bag) const { StoredProperties().write(*this, bag); }

} // namespace qel
