// config.ini, the screen size the launcher records and the scoreboard goes back to.
#include "program_folder_file.h"
#include "platform/system/screen_size_file.h"
#include "scoreboard/dosk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto path = fuzz::placeInput("config.ini", data, size);
    (void)plat::sys::readScreenSizeFile(path);
    (void)scoreboard::readSavedDisplayMode();
    return 0;
}
