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

    static SingleInstanceLock acquire(const std::filesystem::path& lockFile);
    // The lock file "<name>.lock" in the program folder. When that folder cannot take the lock
    // file (read-only), a lock file in $XDG_RUNTIME_DIR (or /tmp) named after the folder is used.
    static SingleInstanceLock acquireForProgram(std::string_view programName);

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

} // namespace plat::sys
