#include "platform/system/display_switch_mark.h"

#include "platform/system/file_replace.h"
#include "platform/system/program_folder.h"

#include <system_error>

namespace plat::sys {

std::filesystem::path displaySwitchMarkPath() { return programPath(kDisplaySwitchMarkFile); }

bool displaySwitchUnrestored()
{
    std::error_code error;
    return std::filesystem::symlink_status(displaySwitchMarkPath(), error).type() != std::filesystem::file_type::not_found
        && !error;
}

bool markDisplaySwitched() { return replaceTextFile(displaySwitchMarkPath(), {}); }

void clearDisplaySwitchMark()
{
    std::error_code error;
    std::filesystem::remove(displaySwitchMarkPath(), error);
}

} // namespace plat::sys
