#include "platform/forms/resources_folder.h"
#include "platform/system/program_folder.h"
#include <cstdlib>
#include <system_error>

namespace plat::forms {

namespace fs = std::filesystem;

fs::path resourcesFolder()
{
    if (const char* env = std::getenv("BALL_RESOURCES"); env && *env)
        return fs::path(env);
    std::error_code ec;
    if (fs::path beside = sys::programFolder() / "resources"; !beside.empty() && fs::is_directory(beside, ec))
        return beside;
    if (const char* src = std::getenv("SCOREBOARD_SOURCE_DIR"); src && *src)
        return fs::path(src) / "resources";
    return fs::path(SCOREBOARD_SOURCE_DIR) / "resources";
}

fs::path formLayoutPath(std::string_view formName) { return resourcesFolder() / "forms" / (std::string(formName) + ".json"); }

fs::path resourcePath(std::string_view relative) { return resourcesFolder() / fs::path(std::string(relative)); }

} // namespace plat::forms
