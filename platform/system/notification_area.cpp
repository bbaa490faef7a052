#include "platform/system/notification_area.h"

namespace plat::sys {

namespace {
std::unique_ptr<NotificationArea>& installed()
{
    static std::unique_ptr<NotificationArea> area;
    return area;
}
} // namespace

NotificationArea* notificationArea() { return installed().get(); }

void installNotificationArea(std::unique_ptr<NotificationArea> area) { installed() = std::move(area); }

} // namespace plat::sys
