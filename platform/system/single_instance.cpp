#include "platform/system/single_instance.h"
#include "platform/system/program_folder.h"

#include <cerrno>
#include <fcntl.h>
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
    // Never through a link: the lock file is made here or is one already, never one it points at.
    // O_NONBLOCK: a pipe put at its name does not hold the start up.
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0)
        fd = ::open(lockFile.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        // A lock file that is there but cannot be opened (another user's, a link) may well be
        // held: running beside its holder would have two boards write one data folder.
        struct stat info {};
        const bool there = ::lstat(lockFile.c_str(), &info) == 0;
        return SingleInstanceLock(-1, there ? State::HeldByAnother : State::Unavailable);
    }
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

std::filesystem::path programLockPath(std::string_view programName)
{
    return programFolder() / (std::string(programName) + ".lock");
}

SingleInstanceLock acquireProgramLock(std::string_view programName) { return SingleInstanceLock::acquire(programLockPath(programName)); }

bool programRuns(std::string_view programName)
{
    // A copy that runs has made its lock file; where there is none, none is made just to look.
    const std::filesystem::path lockFile = programLockPath(programName);
    struct stat info {};
    if (::lstat(lockFile.c_str(), &info) != 0)
        return false;
    return SingleInstanceLock::acquire(lockFile).heldByAnother();
}

} // namespace plat::sys
