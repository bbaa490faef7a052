#include "platform/system/program_folder.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace plat::sys {

std::filesystem::path programFolder()
{
    if (const char* home = std::getenv("BALL_HOME"); home && *home)
        return std::filesystem::path(home);
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path(error);
    return executable.parent_path();
}

std::filesystem::path pathBelow(const std::filesystem::path& base, std::string_view backslashPath)
{
    std::string relative(backslashPath);
    for (char& c : relative) {
        if (c == '\\')
            c = '/';
    }
    size_t first = relative.find_first_not_of('/');
    relative.erase(0, first == std::string::npos ? relative.size() : first);
    return relative.empty() ? base : base / relative;
}

std::filesystem::path programPath(std::string_view backslashPath) { return pathBelow(programFolder(), backslashPath); }

} // namespace plat::sys
