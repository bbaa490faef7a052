#include "platform/system/file_replace.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace plat::sys {

namespace {

// Opens a fresh temporary file beside `path`; the name is returned in `tempPath`.
int openTemporaryBeside(const std::filesystem::path& path, std::filesystem::path& tempPath)
{
    static std::atomic<unsigned> counter { 0 };
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "." + path.filename().string() + ".tmp." + std::to_string(::getpid()) + "."
            + std::to_string(counter++);
        tempPath = path.parent_path() / name;
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool replaceFile(const std::filesystem::path& path, const std::function<bool(TextWriter&)>& write)
{
    if (path.filename().empty())
        return false;
    std::filesystem::path tempPath;
    int fd = openTemporaryBeside(path, tempPath);
    if (fd < 0)
        return false;

    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    TextWriter writer = TextWriter::adopt(fd);
    bool ok = write(writer);
    ok = writer.close(true) && ok;
    if (ok)
        ok = ::rename(tempPath.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    // Make the rename itself durable.
    std::filesystem::path folder = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
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
