#pragma once
#include <filesystem>
#include <string_view>

namespace plat::sys {

// An exclusive lock on a lock file, held while this object lives (keep it for the life of the
// process). A second copy of the program that asks for the same lock is told that another holds it.
// The lock is not handed on to programs this process starts.
class SingleInstanceLock {
public:
    enum class State {
        Acquired,
        HeldByAnother, // also when the lock file is there but cannot be opened
        Unavailable,   // no lock file could be made (no folder, a folder that cannot be written)
    };

    // The lock file is made readable and writable by its owner only, and never opened through a
    // symbolic link.
    static SingleInstanceLock acquire(const std::filesystem::path& lockFile);

    State state() const { return m_state; }
    bool acquired() const { return m_state == State::Acquired; }
    bool heldByAnother() const { return m_state == State::HeldByAnother; }

    SingleInstanceLock(SingleInstanceLock&& other) noexcept;
    SingleInstanceLock& operator=(SingleInstanceLock&& other) noexcept;
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
    ~SingleInstanceLock();

private:
    SingleInstanceLock(int fd, State state)
        : m_fd(fd)
        , m_state(state)
    {
    }
    int m_fd = -1;
    State m_state = State::Unavailable;
};

// The lock file of the program `programName` ("ball", "main") run on the current data folder:
// "<programName>.lock" in that folder itself, so that there is one lock per data folder whoever
// runs the program and whatever its environment says.
std::filesystem::path programLockPath(std::string_view programName);

// SingleInstanceLock::acquire(programLockPath(programName)).
SingleInstanceLock acquireProgramLock(std::string_view programName);

// Whether a copy of `programName` holds its lock on the current data folder now. The lock is
// taken and let go at once to find out; no lock file is made where there is none.
bool programRuns(std::string_view programName);

} // namespace plat::sys
