#include "scoreboard/clock_face.h"

#include <algorithm>
#include <cstdio>

namespace scoreboard {

namespace {

int64_t ceilDiv(int64_t value, int64_t unit) { return value <= 0 ? 0 : (value + unit - 1) / unit; }

constexpr int64_t kLastMinuteTenths = 600;
constexpr int64_t kRedFromTenths = 99;

} // namespace

std::string minutesSecondsText(int64_t seconds)
{
    seconds = std::max<int64_t>(0, seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld", static_cast<long long>(seconds / 60), static_cast<long long>(seconds % 60));
    return text;
}

ClockFace clockFace(int64_t remainingUs)
{
    ClockFace face;
    face.tenths = ceilDiv(remainingUs, kUsPerTenth);
    face.lastMinute = face.tenths <= kLastMinuteTenths;
    face.red = face.tenths <= kRedFromTenths;
    if (!face.lastMinute)
        face.text = minutesSecondsText(ceilDiv(remainingUs, kUsPerSecond));
    else if (face.tenths == kLastMinuteTenths)
        face.text = minutesSecondsText(60);
    else
        face.text = std::to_string(face.tenths / 10) + "." + std::to_string(face.tenths % 10);
    return face;
}

int64_t nextFaceChange(int64_t remainingUs)
{
    if (remainingUs <= 0)
        return 0;
    const int64_t unit = remainingUs > kLastMinuteUs ? kUsPerSecond : kUsPerTenth;
    return (ceilDiv(remainingUs, unit) - 1) * unit;
}

ClockSignals signalsBetween(int64_t fromUs, int64_t toUs)
{
    ClockSignals signals;
    if (toUs >= fromUs)
        return signals;
    // The beeps fall on k s + 0.9 s for k = 9 down to 0.
    for (int64_t k = 0; k <= 9 && !signals.beep; ++k) {
        const int64_t at = k * kUsPerSecond + 9 * kUsPerTenth;
        signals.beep = fromUs > at && toUs <= at;
    }
    signals.bell = fromUs > 0 && toUs <= 0;
    return signals;
}

} // namespace scoreboard
