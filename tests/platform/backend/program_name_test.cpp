#include "platform/backend/platform.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace plat::backend {
namespace {

// The platform does not know which program runs: the program names itself, or it does not start.
TEST(PlatformStart, TheProgramMustSayWhoItIs)
{
    PlatformOptions options;
    options.headless = true;
    options.realClock = false;
    EXPECT_THROW((void)Platform::start(options), std::invalid_argument);

    options.programName = "ball";
    const std::unique_ptr<Platform> platform = Platform::start(options);
    ASSERT_TRUE(platform);
    EXPECT_TRUE(platform->isHeadless());
}

} // namespace
} // namespace plat::backend
