#include "platform/system/file_system.h"
#include "platform/system/file_replace.h"
#include "platform/system/program_folder.h"

#include "platform/system/ansi_codec.h"
#include "platform/system/utf8.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
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

// Writes the bytes of the open file `fd` to `writer`.
bool copyBytes(int fd, TextWriter& writer)
{
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0;
        if (!writer.writeBytes(std::string_view(buffer, size_t(got))))
            return false;
    }
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
    if (fs::is_directory(fs::symlink_status(path, error)) || throughLinkedDataSubfolder(path))
        return false;
    return ::unlink(path.c_str()) == 0;
}

int openRegularFile(const fs::path& path, int flags, unsigned createMode, struct stat* info)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, mode_t(createMode));
    if (fd < 0)
        return -1;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    if (info)
        *info = status;
    return fd;
}

bool copyFile(const fs::path& from, const fs::path& to, CopyMode mode)
{
    std::error_code error;
    if (!fs::is_regular_file(from, error))
        return false;
    if (fs::equivalent(from, to, error))
        return mode == CopyMode::Overwrite;
    // No wait on a pipe put there since the check.
    const int fd = openRegularFile(from, O_RDONLY);
    if (fd < 0)
        return false;
    const auto write = [fd](TextWriter& writer) { return copyBytes(fd, writer); };
    const bool copied = mode == CopyMode::Overwrite ? replaceFile(to, write) : createFile(to, write);
    ::close(fd);
    return copied;
}

std::optional<std::string> readRemainingBytes(int fd, std::uintmax_t maxBytes)
{
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return bytes;
        bytes.append(buffer, size_t(got));
        // Grown while it is read.
        if (bytes.size() > maxBytes)
            return std::nullopt;
    }
}

std::optional<std::string> readFileBytes(const fs::path& path, std::uintmax_t maxBytes)
{
    struct stat info {};
    const int fd = openRegularFile(path, O_RDONLY, 0, &info);
    if (fd < 0)
        return std::nullopt;
    std::optional<std::string> bytes;
    if (std::uintmax_t(info.st_size) <= maxBytes)
        bytes = readRemainingBytes(fd, maxBytes);
    ::close(fd);
    return bytes;
}

bool makeFolder(const fs::path& path) { return !throughLinkedDataSubfolder(path) && ::mkdir(path.c_str(), 0777) == 0; }

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
