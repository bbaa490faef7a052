#pragma once
// Waiting for a state of a real program instead of sleeping a fixed time.
//
// A test that runs a real program on a real display or on the real clock cannot know how long the
// machine takes: one that runs the whole suite beside other work may take many times longer than
// an idle one. So it never sleeps a fixed time before its next step. It waits for what that step
// needs (the window drawn, the dialog shown, the file written, the sound heard), looking again and
// again until a generous deadline, and fails naming what it waited for when that never comes:
//
//     ASSERT_TRUE(test_support::eventually("the board on the screen", [&] { return boardShown(display); }));
//
// The predicate should also give up early (return true) when waiting is pointless, such as the
// program having ended; the test's next check then tells why. waitUntil is the same as a bool, for
// helpers that are no test assertion.
#include <gtest/gtest.h>

#include <chrono>
#include <string_view>
#include <thread>

namespace test_support {

// Long enough for a machine loaded many times over; a state that comes costs only its own time.
inline constexpr std::chrono::milliseconds kGenerousDeadline = std::chrono::seconds(60);
// How often to look: often enough not to slow a test down, seldom enough to leave the machine to
// the program (reading a screen or a sound file takes some milliseconds).
inline constexpr std::chrono::milliseconds kLookEvery = std::chrono::milliseconds(50);

// Looks at `done` until it holds (true) or `deadline` has passed (false).
template<typename Done>
bool waitUntil(Done&& done, std::chrono::milliseconds deadline = kGenerousDeadline, std::chrono::milliseconds every = kLookEvery)
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(every);
    }
}

// The same as a test assertion whose failure names `what` was awaited.
template<typename Done>
::testing::AssertionResult eventually(std::string_view what, Done&& done, std::chrono::milliseconds deadline = kGenerousDeadline,
    std::chrono::milliseconds every = kLookEvery)
{
    if (waitUntil(done, deadline, every))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "waited " << std::chrono::duration<double>(deadline).count() << " s in vain for " << what;
}

} // namespace test_support
