#include "scoreboard/dosk.h"

#include "platform/system/display_modes_service.h"
#include "platform/system/display_switch_mark.h"
#include "platform/system/screen_size_file.h"

#include <filesystem>
#include <system_error>

namespace scoreboard {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

char separatorOf(std::string_view folder)
{
    for (size_t i = folder.size(); i-- > 0;)
        if (isSeparator(folder[i]))
            return folder[i];
    return '/';
}

} // namespace

void SetDisplayMode(int16_t width, int16_t height)
{
    (void)plat::sys::displayModes().changeMode({ width, height });
}

std::optional<plat::sys::DisplaySize> readSavedDisplayMode()
{
    return plat::sys::readScreenSizeFile(plat::sys::screenSizeFilePath());
}

bool restoreSavedDisplayMode()
{
    const std::optional<plat::sys::DisplaySize> saved = readSavedDisplayMode();
    if (!saved)
        return false;
    SetDisplayMode(int16_t(saved->width), int16_t(saved->height));
    // Back where the launcher found it: its switch no longer needs the size kept.
    if (plat::sys::displayModes().screenSize() == *saved)
        plat::sys::clearDisplaySwitchMark();
    return true;
}

FileSelection ParseMultiSelect(std::string_view spec)
{
    FileSelection selection;
    const size_t firstNul = spec.find('\0');
    const bool several = firstNul != std::string_view::npos
        && spec.find_first_not_of('\0', firstNul) != std::string_view::npos;
    if (several) {
        selection.folder = std::string(spec.substr(0, firstNul));
        for (char c : spec.substr(firstNul)) {
            if (c == '\0')
                selection.names.emplace_back();
            else
                selection.names.back() += c;
        }
    } else {
        // One file: its folder is everything up to the last separator before any NUL.
        const std::string_view path = spec.substr(0, firstNul);
        size_t cut = path.size();
        while (cut > 0 && !isSeparator(path[cut - 1]))
            --cut;
        selection.folder = std::string(spec.substr(0, cut));
        selection.names.emplace_back(spec.substr(cut));
        if (cut == 0) {
            // A bare name lies in the folder the dialog was left in.
            std::error_code error;
            selection.folder = std::filesystem::current_path(error).string();
        }
    }
    if (selection.folder.empty() || !isSeparator(selection.folder.back()))
        selection.folder += separatorOf(selection.folder);
    return selection;
}

} // namespace scoreboard
