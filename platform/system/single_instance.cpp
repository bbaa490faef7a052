#include "platform/system/single_instance.h"
#include "platform/system/program_folder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace plat::sys {

SingleInstanceLock SingleInstanceLock::acquire(const std::filesystem::path& lockFile)
{
    // O_CLOEXEC keeps the lock out of programs started from here: flock belongs to the open file,
    // and a child still holding it would lock out the next copy after this one ended.
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return SingleInstanceLock(-1, State::Unavailable);
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        State state = errno == EWOULDBLOCK ? State::HeldByAnother : State::Unavailable;
        ::close(fd);
        return SingleInstanceLock(-1, state);
    }
    return SingleInstanceLock(fd, State::Acquired);
}

SingleInstanceLock::SingleInstanceLock(SingleInstanceLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_state(std::exchange(other.m_state, State::Unavailable))
{
}

SingleInstanceLock& SingleInstanceLock::operator=(SingleInstanceLock&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_state = std::exchange(other.m_state, State::Unavailable);
    }
    return *this;
}

SingleInstanceLock::~SingleInstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

namespace {

// A runtime folder that only this user reaches, or an empty path.
std::filesystem::path privateRuntimeFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || *runtime != '/')
        return {};
    struct stat info {};
    if (::stat(runtime, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() || (info.st_mode & 077) != 0)
        return {};
    return runtime;
}

} // namespace

std::filesystem::path programLockPath(std::string_view programName)
{
    const std::filesystem::path program = programFolder();
    const std::filesystem::path runtime = privateRuntimeFolder();
    if (runtime.empty())
        return program / (std::string(programName) + ".lock");
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(program, error);
    const size_t key = std::hash<std::string>()((error ? program : canonical).string());
    return runtime / (std::string(programName) + "-" + std::to_string(key) + ".lock");
}

SingleInstanceLock acquireProgramLock(std::string_view programName) { return SingleInstanceLock::acquire(programLockPath(programName)); }

bool programRuns(std::string_view programName) { return acquireProgramLock(programName).heldByAnother(); }

} // namespace plat::sys
