#pragma once
#include <filesystem>
#include <string_view>

namespace plat::forms {

// Where the program's resources are: $BALL_RESOURCES, else <program folder>/resources (the
// program folder honours $BALL_HOME),
// else the source tree's resources/ ($SCOREBOARD_SOURCE_DIR/resources, or the tree this
// was built from).
std::filesystem::path resourcesFolder();

// resources/forms/<formName>.json
std::filesystem::path formLayoutPath(std::string_view formName);

// A path relative to the resources folder (a picture property) as a full path.
std::filesystem::path resourcePath(std::string_view relative);

} // namespace plat::forms
