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
        HeldByAnother,
        Unavailable, // the lock file could not be opened or locked for another reason
    };

    // The lock file is made readable and writable by its owner only.
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

// The lock file of the program `programName` ("ball", "main") run on the current program folder,
// where only this user reaches it: in the user's runtime folder ($XDG_RUNTIME_DIR, when it is a
// folder of this user's closed to others), named after the program and the program folder;
// otherwise "<programName>.lock" in the program folder itself.
std::filesystem::path programLockPath(std::string_view programName);

// SingleInstanceLock::acquire(programLockPath(programName)).
SingleInstanceLock acquireProgramLock(std::string_view programName);

// Whether a copy of `programName` holds its lock on the current program folder now. The lock is
// taken and let go at once to find out.
bool programRuns(std::string_view programName);

} // namespace plat::sys
