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

const char* ScrollBarBase::ThumbPercentKey() const { return m_axis == ScrollAxis::Horizontal ? "ScrollWidth" : "ScrollHeight"; }

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
    BeginLoading();
    SetFirstBarDefaults(*this);
    setLargeChange(Whole(10));
    setMax(Whole(100));
    setMin(Whole(0));
    setThumbPercent(10);
    setSmallChange(Whole(1));
    setValue(Whole(50));
    setWheelChange(Whole(3));
    setDownColor(0xBE9E8D);
    setMouseHoverColor(0xFFFFFF);
    setMouseInterval(100);
    setLargeChangeColor(0xBE9E8D);
    setUnRefreshControl(Embedded());
    EndInitialising();
    PaintHandler();
    m_timer1.setEnabled(true);
    m_timer2.setEnabled(true);
    // The size the host placed it at.
    OnResized();
}

void ScrollBarBase::readProperties(PropertyBag& bag)
{
    BeginLoading();
    setArrowColor(bag.readProperty("ArrowColor", uint32_t(0xFFFFFF)));
    setBackColor(bag.readProperty("BackColor", uint32_t(0xFFFFFF)));
    setBorderColor(bag.readProperty("BorderColor", uint32_t(0xFF8080)));
    setEnabled(bag.readProperty("Enabled", true));
    setEnableWheel(bag.readProperty("EnableWheel", true));
    setFrontColor(bag.readProperty("FrontColor", uint32_t(0xF0D0BF)));
    setLargeChange(bag.readProperty("LargeChange", Whole(10)));
    setMax(bag.readProperty("Max", Whole(100)));
    setMin(bag.readProperty("Min", Whole(0)));
    setThumbPercent(bag.readProperty(ThumbPercentKey(), uint8_t(10)));
    setSmallChange(bag.readProperty("SmallChange", Whole(1)));
    setValue(bag.readProperty("Value", Whole(50)));
    setWheelChange(bag.readProperty("WheelChange", Whole(3)));
    setMouseHoverColor(bag.readProperty("MouseHoverColor", uint32_t(0xFFFFFF)));
    setDownColor(bag.readProperty("DownColor", uint32_t(0xBE9E8D)));
    setMouseInterval(bag.readProperty("MouseInterval", int32_t(100)));
    setLargeChangeColor(bag.readProperty("LargeChangeColor", uint32_t(0xBE9E8D)));
    setUnRefreshControl(bag.readProperty("UnRefreshControl", Embedded()));
    m_loading = false;
    Refresh();
    if (!Embedded())
        StartSubclass();
    OnResized();
}

void ScrollBarBase::writeProperties(PropertyBag& bag) const
{
    bag.writeProperty("ArrowColor", m_arrowColor, 0xFFFFFF);
    bag.writeProperty("BackColor", m_backColor, 0xFFFFFF);
    bag.writeProperty("BorderColor", m_borderColor, 0xFF8080);
    bag.writeProperty("Enabled", Enabled(), true);
    bag.writeProperty("EnableWheel", m_enableWheel, true);
    bag.writeProperty("FrontColor", m_frontColor, 0xF0D0BF);
    bag.writeProperty("LargeChange", m_largeChange, Whole(10));
    bag.writeProperty("Max", m_max, Whole(100));
    bag.writeProperty("Min", m_min, Whole(0));
    bag.writeProperty("WheelChange", m_wheelChange, Whole(3));
    bag.writeProperty(ThumbPercentKey(), m_thumbPercent, uint8_t(10));
    bag.writeProperty("SmallChange", m_smallChange, Whole(1));
    bag.writeProperty("Value", m_value, Whole(50));
    bag.writeProperty("MouseHoverColor", m_mouseHoverColor, 0xFFFFFF);
    bag.writeProperty("DownColor", m_downColor, 0xBE9E8D);
    bag.writeProperty("MouseInterval", m_mouseInterval, 100);
    bag.writeProperty("LargeChangeColor", m_largeChangeColor, 0xBE9E8D);
    bag.writeProperty("UnRefreshControl", m_unRefreshControl, Embedded());
}

} // namespace qel
