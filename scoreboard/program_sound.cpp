#include "scoreboard/program_sound.h"

#include "platform/media/sound_player.h"
#include "platform/system/program_folder.h"

namespace scoreboard {

namespace {
std::function<void(std::string_view)>& listener()
{
    static std::function<void(std::string_view)> f;
    return f;
}
} // namespace

void playProgramSound(std::string_view backslashPath)
{
    if (listener())
        listener()(backslashPath);
    plat::media::playSound(plat::sys::programPath(backslashPath).string());
}

void setProgramSoundListener(std::function<void(std::string_view)> f) { listener() = std::move(f); }

} // namespace scoreboard
