#include "dialogs/referee_list_file.h"

#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"
#include "platform/system/text_functions.h"
#include "platform/system/text_reader.h"

#include <algorithm>
#include <optional>

namespace dialogs {

namespace sys = plat::sys;

namespace {

void makeFolderOf(const std::filesystem::path& file)
{
    if (!sys::folderExists(file.parent_path()))
        sys::makeFolder(file.parent_path());
}

} // namespace

std::filesystem::path refereeListPath() { return sys::programPath("date\\zailistname.db"); }

std::vector<std::string> readRefereeList()
{
    const std::filesystem::path path = refereeListPath();
    if (!sys::pathExists(path)) {
        makeFolderOf(path);
        sys::replaceTextFile(path, {});
    }
    std::vector<std::string> names;
    std::optional<sys::TextReader> reader = sys::TextReader::open(path);
    if (!reader)
        return names;
    while (std::optional<std::string> line = reader->readLine()) {
        // A name never holds a line break: a file edited with bare line feeds still gives one
        // name a line.
        size_t start = 0;
        while (start <= line->size()) {
            const size_t end = std::min(line->find('\n', start), line->size());
            std::string name = sys::trimText(std::string_view(*line).substr(start, end - start));
            if (!name.empty())
                names.push_back(std::move(name));
            start = end + 1;
        }
    }
    return names;
}

bool writeRefereeList(const std::vector<std::string>& names)
{
    const std::filesystem::path path = refereeListPath();
    makeFolderOf(path);
    return sys::replaceTextFile(path, names);
}

} // namespace dialogs
