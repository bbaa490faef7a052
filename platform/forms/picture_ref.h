#pragma once
#include <string>

namespace plat::forms {

// A picture property as it is stored: the path of the picture file relative to the
// resources folder ("img/logo.png"); empty for no picture.
struct PictureRef {
    std::string path;

    bool isEmpty() const { return path.empty(); }
    bool operator==(const PictureRef&) const = default;
};

} // namespace plat::forms
