#include "platform/system/file_append.h"
#include "platform/system/ansi_codec.h"
#include "platform/system/file_replace.h"
#include "platform/system/file_system.h"
#include "platform/system/program_folder.h"

#include <cerrno>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat::sys {

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(size_t(written));
    }
    return true;
}

// The file a symbolic link names, as it reads through the link; empty for a dangling link.
std::optional<std::string> contentBehindLink(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error)
        return std::string();
    return readFileBytes(path);
}

} // namespace

bool appendTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += encodeAnsi(line);
        bytes += "\r\n";
    }
    if (throughLinkedDataSubfolder(path))
        return false;
    // A pipe of that name fails the open at once instead of holding it up for good.
    struct stat before {};
    const int fd = openRegularFile(path, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW, 0666, &before);
    if (fd < 0 && errno == ELOOP) {
        // A link may point anywhere, outside the program folder too. Like every rewrite, this
        // puts a file of our own in the link's place: what the link showed, then the new lines.
        std::optional<std::string> old = contentBehindLink(path);
        return old && replaceFile(path, [&](TextWriter& writer) { return writer.writeBytes(*old + bytes); });
    }
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    // A failed append takes back what it wrote, as far as it can: it fails either way.
    if (!ok) {
        [[maybe_unused]] const int truncated = ::ftruncate(fd, before.st_size);
    }
    ok = ::close(fd) == 0 && ok;
    return ok;
}

} // namespace plat::sys
