#include "platform/media/time_text.h"
#include <cmath>
#include <cstdio>

namespace plat::media {

std::string minutesSecondsText(double seconds)
{
    long long whole = 0;
    if (std::isfinite(seconds) && seconds > 0)
        whole = (long long)std::floor(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld", whole / 60, whole % 60);
    return text;
}

} // namespace plat::media
