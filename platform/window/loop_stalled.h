#pragma once
#include <stdexcept>

namespace plat::win {

// Raised by a nested loop on a backend that can never deliver anything again (a headless
// run whose driver has finished): the loop would otherwise wait forever.
class LoopStalled : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace plat::win
