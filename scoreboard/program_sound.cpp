#include "scoreboard/program_sound.h"

#include "platform/media/sound_player.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"

#include <cstdio>
#include <set>
#include <string>

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
    const std::filesystem::path file = plat::sys::programPath(backslashPath);
    if (!plat::sys::fileExists(file)) {
        // A missing sound plays nothing, but never without a trace: it is told once.
        static std::set<std::string> told;
        if (told.insert(file.string()).second)
            std::fprintf(stderr, "ball: the sound %s is missing; it does not play\n", file.c_str());
    }
    plat::media::playSound(file.string());
}

void setProgramSoundListener(std::function<void(std::string_view)> f) { listener() = std::move(f); }

} // namespace scoreboard
