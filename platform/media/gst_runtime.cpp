#include "platform/media/gst_runtime.h"
#include <cstdlib>
#include <gst/gst.h>
#include <mutex>
#include <string_view>

namespace plat::media {

void ensureGStreamer()
{
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
}

bool silentAudioWanted()
{
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    if (!driver)
        return false;
    std::string_view name(driver);
    return name == "dummy" || name == "disk";
}

} // namespace plat::media
