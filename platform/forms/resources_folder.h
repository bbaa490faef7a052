#pragma once
#include <filesystem>
#include <string_view>

namespace plat::forms {

// Where the program's resources (stored form layouts, pictures) are: the resources/ that ship
// beside the running executable. Only BALL_RESOURCES, for tests and work on the layouts, names
// another folder; nothing in a data folder ever stands in for them.
std::filesystem::path resourcesFolder();

// resources/forms/<formName>.json
std::filesystem::path formLayoutPath(std::string_view formName);

// A path relative to the resources folder (a picture property) as a full path.
std::filesystem::path resourcePath(std::string_view relative);

} // namespace plat::forms
