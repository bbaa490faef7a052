#include "platform/system/file_system.h"

#include "platform/system/ansi_codec.h"
#include "platform/system/utf8.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace plat::sys {

namespace {

std::vector<std::string> listEntries(const fs::path& folder, bool wantFolders)
{
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code statusError;
        bool isFolder = it->is_directory(statusError);
        bool isFile = it->is_regular_file(statusError);
        if (wantFolders ? isFolder : isFile)
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

bool pathExists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool fileExists(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool folderExists(const fs::path& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

bool deleteFile(const fs::path& path)
{
    std::error_code error;
    if (fs::is_directory(fs::symlink_status(path, error)))
        return false;
    return ::unlink(path.c_str()) == 0;
}

bool copyFile(const fs::path& from, const fs::path& to, CopyMode mode)
{
    std::error_code error;
    auto options = mode == CopyMode::Overwrite ? fs::copy_options::overwrite_existing : fs::copy_options::none;
    if (!fs::is_regular_file(from, error))
        return false;
    if (fs::equivalent(from, to, error))
        return mode == CopyMode::Overwrite;
    error.clear();
    return fs::copy_file(from, to, options, error) && !error;
}

bool makeFolder(const fs::path& path) { return ::mkdir(path.c_str(), 0777) == 0; }

std::vector<std::string> listFiles(const fs::path& folder) { return listEntries(folder, false); }
std::vector<std::string> listFolders(const fs::path& folder) { return listEntries(folder, true); }

std::string shownFileName(std::string_view bytes)
{
    std::string shown;
    while (true) {
        const size_t slash = bytes.find('/');
        const std::string_view part = bytes.substr(0, slash);
        bool utf8 = true;
        for (std::string_view rest = part; !rest.empty() && utf8;) {
            const size_t n = utf8SequenceLength(rest);
            utf8 = n != 0;
            rest.remove_prefix(n);
        }
        shown += utf8 ? std::string(part) : decodeAnsi(part);
        if (slash == std::string_view::npos)
            return shown;
        shown += '/';
        bytes.remove_prefix(slash + 1);
    }
}

fs::path entryPath(const fs::path& folder, const std::string& shownName)
{
    const fs::path asShown = folder / shownName;
    if (pathExists(asShown))
        return asShown;
    const fs::path inCodePage = folder / encodeAnsi(shownName);
    return pathExists(inCodePage) ? inCodePage : asShown;
}

} // namespace plat::sys
