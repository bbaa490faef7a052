// The referee list of the title dialog.
#include "program_folder_file.h"
#include "dialogs/referee_list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::programFolder();
    const auto path = dialogs::refereeListPath();
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    (void)dialogs::readRefereeList();
    return 0;
}
