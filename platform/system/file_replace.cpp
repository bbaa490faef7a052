#include "platform/system/file_replace.h"
#include "platform/system/program_folder.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace plat::sys {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp.";

// ".NAME.tmp.PID.N": the temporary file of a replace of NAME by process PID.
std::string temporaryName(const std::filesystem::path& path, unsigned counter)
{
    // Appended piece by piece: GCC 12 warns falsely of overlapping copies (-Wrestrict) in a chain
    // of operator+ that starts from a literal.
    std::string name = ".";
    name += path.filename().string();
    name += kTemporaryMark;
    name += std::to_string(::getpid());
    name += '.';
    name += std::to_string(counter);
    return name;
}

bool allDigits(std::string_view text)
{
    return !text.empty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The process of a temporary file's name, or 0 when the name is not one of ours.
pid_t processOfTemporaryName(std::string_view name)
{
    const size_t counterDot = name.rfind('.');
    if (name.size() < 2 || name[0] != '.' || counterDot == std::string_view::npos || !allDigits(name.substr(counterDot + 1)))
        return 0;
    const size_t mark = name.rfind(kTemporaryMark, counterDot);
    if (mark == std::string_view::npos || mark < 2)
        return 0;
    const std::string_view pid = name.substr(mark + kTemporaryMark.size(), counterDot - mark - kTemporaryMark.size());
    return allDigits(pid) ? pid_t(std::stol(std::string(pid))) : 0;
}

bool processIsAlive(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

// Opens a fresh temporary file beside `path`; the name is returned in `tempPath`.
int openTemporaryBeside(const std::filesystem::path& path, std::filesystem::path& tempPath)
{
    static std::atomic<unsigned> counter { 0 };
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryName(path, counter++);
        tempPath = path.parent_path() / name;
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Puts the temporary file in the target's place: over it, or only where nothing of that name is.
bool moveIntoPlace(const std::filesystem::path& tempPath, const std::filesystem::path& path, bool overExisting)
{
    if (overExisting)
        return ::rename(tempPath.c_str(), path.c_str()) == 0;
    if (::renameat2(AT_FDCWD, tempPath.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that rename: a hard link fails as well on any name already there.
    return ::link(tempPath.c_str(), path.c_str()) == 0;
}

bool writeInPlace(const std::filesystem::path& path, const std::function<bool(TextWriter&)>& write, bool overExisting)
{
    if (path.filename().empty() || throughLinkedDataSubfolder(path))
        return false;
    // What stands at the path must be a file or a link (which the rename replaces): a pipe, a
    // device or a folder there is the operator's, and is left alone.
    struct stat old {};
    const bool there = ::lstat(path.c_str(), &old) == 0;
    if (there && !S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode))
        return false;
    std::filesystem::path tempPath;
    int fd = openTemporaryBeside(path, tempPath);
    if (fd < 0)
        return false;
    if (there && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    TextWriter writer = TextWriter::adopt(fd);
    bool ok = write(writer);
    ok = writer.close(true) && ok;
    if (ok)
        ok = moveIntoPlace(tempPath, path, overExisting);
    // Gone after a rename; after a link (or a failure) it is the name left to remove.
    ::unlink(tempPath.c_str());
    if (!ok)
        return false;
    // Make the rename itself durable.
    std::filesystem::path folder = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

} // namespace

bool replaceFile(const std::filesystem::path& path, const std::function<bool(TextWriter&)>& write)
{
    return writeInPlace(path, write, true);
}

bool createFile(const std::filesystem::path& path, const std::function<bool(TextWriter&)>& write)
{
    return writeInPlace(path, write, false);
}

int removeStaleTemporaryFiles(const std::filesystem::path& folder)
{
    int removed = 0;
    if (throughLinkedDataSubfolder(folder / "."))
        return removed;
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator(folder, error); !error && it != std::filesystem::directory_iterator();
         it.increment(error)) {
        const pid_t pid = processOfTemporaryName(it->path().filename().string());
        if (pid <= 0 || processIsAlive(pid) || !it->is_regular_file(error) || it->is_symlink(error))
            continue;
        if (::unlink(it->path().c_str()) == 0)
            ++removed;
    }
    return removed;
}

bool replaceTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    return replaceFile(path, [&](TextWriter& writer) {
        for (const auto& line : lines) {
            if (!writer.printLine(line))
                return false;
        }
        return true;
    });
}

} // namespace plat::sys
