#include "platform/forms/resources_folder.h"
#include "platform/system/program_folder.h"
#include <cstdlib>

namespace plat::forms {

namespace fs = std::filesystem;

fs::path resourcesFolder()
{
    if (const char* env = std::getenv("BALL_RESOURCES"); env && *env)
        return fs::path(env);
    return sys::executableFolder() / "resources";
}

fs::path formLayoutPath(std::string_view formName) { return resourcesFolder() / "forms" / (std::string(formName) + ".json"); }

fs::path resourcePath(std::string_view relative) { return resourcesFolder() / fs::path(std::string(relative)); }

} // namespace plat::forms
