#include "platform/system/file_save.h"
#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat::sys {

namespace fs = std::filesystem;

namespace {

fs::path folderOf(const fs::path& path) { return path.parent_path().empty() ? fs::path(".") : path.parent_path(); }

// The mode bits are asked as well: the superuser passes every permission check.
bool folderTakesNoNewFile(const fs::path& folder)
{
    struct stat info {};
    return ::stat(folder.c_str(), &info) != 0 || (info.st_mode & 0222) == 0 || ::access(folder.c_str(), W_OK | X_OK) != 0;
}

// What `write` writes, kept in memory.
std::optional<std::string> contentOf(const std::function<bool(TextWriter&)>& write)
{
    const int memory = ::memfd_create("save", MFD_CLOEXEC);
    if (memory < 0)
        return std::nullopt;
    const int writerFd = ::fcntl(memory, F_DUPFD_CLOEXEC, 0);
    bool ok = writerFd >= 0;
    if (ok) {
        TextWriter writer = TextWriter::adopt(writerFd);
        ok = write(writer);
        ok = writer.close() && ok;
    }
    std::optional<std::string> bytes;
    if (ok && ::lseek(memory, 0, SEEK_SET) == 0)
        bytes = readRemainingBytes(memory);
    ::close(memory);
    return bytes;
}

bool writeAllAt(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += size_t(put);
    }
    return true;
}

bool rewriteInPlace(const fs::path& path, const std::function<bool(TextWriter&)>& write)
{
    // Not held up by a pipe put there meanwhile: the open does not wait, and the pipe is refused.
    struct stat info {};
    const int fd = openRegularFile(path, O_WRONLY | O_NOFOLLOW, 0, &info);
    if (fd < 0)
        return false;
    const std::optional<std::string> bytes = contentOf(write);
    bool ok = bytes.has_value();
    // The room first: a full disk fails here, with the old text untouched. A file system that
    // cannot reserve room is written all the same.
    if (ok && off_t(bytes->size()) > info.st_size)
        ok = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes->size())) == 0 || errno == EOPNOTSUPP || errno == ENOSYS;
    ok = ok && writeAllAt(fd, *bytes) && ::ftruncate(fd, off_t(bytes->size())) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

} // namespace

bool saveFileInPlaceWhereNeeded(const fs::path& path, const std::function<bool(TextWriter&)>& write)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT && !folderTakesNoNewFile(folderOf(path)) && replaceFile(path, write);
    if (!S_ISREG(info.st_mode))
        return false;
    if (info.st_nlink > 1 || folderTakesNoNewFile(folderOf(path)))
        return rewriteInPlace(path, write);
    return replaceFile(path, write);
}

} // namespace plat::sys
