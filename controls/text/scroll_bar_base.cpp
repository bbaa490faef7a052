#include "controls/text/scroll_bar_base.h"
#include "platform/window/twips.h"
#include <cmath>
#include <limits>

namespace qel {

using namespace plat;
using plat::forms::PropertyBag;

namespace {
int32_t toInt32(double v)
{
    if (!(v >= double(std::numeric_limits<int32_t>::min())))
        return std::numeric_limits<int32_t>::min();
    if (v >= double(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return int32_t(v);
}
} // namespace

ScrollBarBase::ScrollBarBase(ScrollAxis axis)
    : m_axis(axis)
    , m_timer2([this] { Timer2Tick(); })
{
}

ScrollBarBase::~ScrollBarBase() = default;

double ScrollBarBase::Along() const { return m_axis == ScrollAxis::Horizontal ? width() : height(); }
double ScrollBarBase::Across() const { return m_axis == ScrollAxis::Horizontal ? height() : width(); }

Fixed ScrollBarBase::RoundUpToPixel(Fixed x)
{
    const Fixed shifted = x + Whole(win::kTwipsPerPixel - 1);
    // Int((x + 14) / 15): the quotient rounded down.
    const int64_t scaledDivisor = win::kTwipsPerPixel * Fixed::kScale;
    int64_t q = shifted.scaled / scaledDivisor;
    if (shifted.scaled % scaledDivisor < 0)
        --q;
    return Whole(q * win::kTwipsPerPixel);
}

int32_t ScrollBarBase::ThumbLengthFor(double along) const { return toInt32(std::floor(double(m_thumbPercent) * (along - 510) / 100)); }

// --- properties ---

void ScrollBarBase::setEnabled(bool on) { DrawnControl::setEnabled(on); }

void ScrollBarBase::setThumbPercent(uint8_t percent)
{
    m_thumbPercent = percent;
    m_thumbLength = ThumbLengthFor(Along());
    PropertyChanged();
}

void ScrollBarBase::setMouseInterval(int32_t ms)
{
    ArrowStepControl::setMouseInterval(ms);
    m_timer2.setInterval(ms);
}

// --- the thumb ---

void ScrollBarBase::ClampThumb()
{
    if (m_thumbPos <= 270)
        m_thumbPos = 270;
    const double last = Along() - 285 - m_thumbLength;
    if (m_thumbPos >= last)
        m_thumbPos = toInt32(double(N(last)));
}

void ScrollBarBase::UpdateThumb()
{
    ClampToBounds();
    if (m_max != m_min) {
        const double track = Along() - 510 - m_thumbLength;
        double q = std::fabs(track * (m_value - m_min).toDouble() / (m_max - m_min).toDouble());
        q = std::min(q, 1e12); // far beyond any bar; keeps the sum below in range
        m_thumbPos = toInt32(RoundUpToPixel(Whole(int64_t(std::floor(q))) + Whole(255)).toDouble());
    }
    ClampThumb();
    m_imageCurrent = false;
    PaintHandler();
}

// --- lifecycle ---

void ScrollBarBase::onPlaced()
{
    ArrowStepControl::onPlaced();
    m_timer2.setOwner(hwnd());
}

void ScrollBarBase::OnResized()
{
    if (!Embedded()) {
        // Each assignment resizes the window, which reports the new size here again.
        const bool horizontal = m_axis == ScrollAxis::Horizontal;
        if (Across() < 255) {
            if (horizontal)
                setHeight(255);
            else
                setWidth(255);
        }
        if (Along() < 800) {
            if (horizontal)
                setWidth(800);
            else
                setHeight(800);
        }
    }
    m_thumbLength = ThumbLengthFor(Along());
    UpdateThumb();
}

void ScrollBarBase::initProperties()
{
    InitFrom(*this, StoredProperties(m_axis));
    PaintHandler();
    m_timer1.setEnabled(true);
    m_timer2.setEnabled(true);
    // The size the host placed it at.
    OnResized();
}

void ScrollBarBase::readProperties(PropertyBag& bag)
{
    BeginLoading();
    StoredProperties(m_axis).read(*this, bag);
    m_loading = false;
    Refresh();
    if (!Embedded())
        StartSubclass();
    OnResized();
}

void ScrollBarBase::writeProperties(PropertyBag& bag) const { StoredProperties(m_axis).write(*this, bag); }

} // namespace qel
