// The referee list of the title dialog, written back as the dialog writes it and read again: the
// names come back as they were, and each is written with the bytes it had in the file.
#include "dialogs/referee_list_file.h"
#include "platform/system/text_functions.h"
#include "program_folder_file.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::programFolder();
    const auto path = dialogs::refereeListPath();
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    const std::vector<std::string> names = dialogs::readRefereeList();
    const std::string writtenBytes = fuzz::writeLines(path, names);

    fuzz::check(dialogs::readRefereeList() == names, "zailistname.db reads back otherwise than it was written");
    fuzz::check(fuzz::writeLines(path, names) == writtenBytes, "zailistname.db is written otherwise the second time");

    std::vector<std::string> raw;
    for (std::string_view line : fuzz::rawLines(std::string_view(reinterpret_cast<const char*>(data), size)))
        if (std::string name = plat::sys::trimText(line); !name.empty())
            raw.push_back(std::move(name));
    fuzz::check(raw.size() == names.size(), "a referee name is lost or split");
    for (size_t i = 0; i < names.size(); ++i)
        fuzz::check(plat::sys::encodeAnsi(names[i]) == raw[i], "a referee name is written with other bytes");
    return 0;
}
