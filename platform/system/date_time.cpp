#include "platform/system/date_time.h"

#include <cstdio>
#include <ctime>

namespace plat::sys {

LocalDateTime SystemDateSource::now() const
{
    std::time_t seconds = std::time(nullptr);
    std::tm local {};
    localtime_r(&seconds, &local);
    return { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec };
}

std::string dateTimeText(const LocalDateTime& v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d/%d/%d %d:%02d:%02d", v.year, v.month, v.day, v.hour, v.minute, v.second);
    return buffer;
}

std::string nowText(const DateSource& source) { return dateTimeText(source.now()); }

int currentYear(const DateSource& source) { return source.now().year; }

} // namespace plat::sys
