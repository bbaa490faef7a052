#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace scoreboard {

// Plays a sound file of the program folder, named with "\" ("sound\2.wav"), asynchronously and
// without a default sound: a missing file plays nothing (and is named once on stderr).
void playProgramSound(std::string_view backslashPath);

// Hears every sound asked for, played or not, by its name as given (tests and drivers count them).
// An empty function stops listening.
void setProgramSoundListener(std::function<void(std::string_view)> listener);

} // namespace scoreboard
