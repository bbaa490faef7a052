#include "platform/system/program_folder.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace plat::sys {

namespace fs = std::filesystem;

fs::path executableFolder()
{
    std::error_code error;
    fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return fs::current_path(error);
    return executable.parent_path();
}

fs::path programFolder()
{
    if (const char* home = std::getenv("BALL_HOME"); home && *home)
        return fs::path(home);
    return executableFolder();
}

fs::path userDataHome()
{
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        return fs::path(data);
    fs::path home;
    if (const char* env = std::getenv("HOME"); env && *env == '/')
        home = env;
    else if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir && *entry->pw_dir == '/')
        home = entry->pw_dir;
    else
        home = "/";
    return home / ".local/share";
}

fs::path userDataFolder() { return userDataHome() / "scoreboard"; }

bool keepsItsOwnData(const fs::path& folder)
{
    std::error_code error;
    return fs::is_regular_file(folder / kOwnDataMarker, error) && ::access(folder.c_str(), W_OK) == 0;
}

void settleProgramFolder()
{
    // Past the file-size limit (ulimit -f) a write then fails with EFBIG, which the writers
    // report, instead of SIGXFSZ ending the program in the middle of a match.
    ::signal(SIGXFSZ, SIG_IGN);
    std::error_code error;
    if (const char* home = std::getenv("BALL_HOME"); home && *home) {
        fs::path given(home);
        if (given.is_relative()) {
            fs::path absolute = fs::absolute(given, error);
            if (!error)
                ::setenv("BALL_HOME", absolute.lexically_normal().c_str(), 1);
        }
        // A folder named that is not there yet is made, so the first run can lay out its files
        // and sounds in it rather than running without them.
        fs::create_directories(programFolder(), error);
        return;
    }
    if (keepsItsOwnData(executableFolder()))
        return;
    fs::path folder = userDataFolder();
    fs::create_directories(folder, error);
    ::setenv("BALL_HOME", folder.c_str(), 1);
}

fs::path pathBelow(const fs::path& base, std::string_view backslashPath)
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

fs::path programPath(std::string_view backslashPath) { return pathBelow(programFolder(), backslashPath); }

bool throughLinkedDataSubfolder(const fs::path& path)
{
    std::error_code error;
    fs::path folder = fs::absolute(programFolder(), error).lexically_normal();
    const fs::path target = fs::absolute(path, error).lexically_normal();
    if (error)
        return false;
    if (folder.filename().empty())
        folder = folder.parent_path();
    const auto below = std::mismatch(folder.begin(), folder.end(), target.begin(), target.end());
    if (below.first != folder.end())
        return false;
    // Each folder between the data folder and the last name of the path.
    fs::path walked = folder;
    for (auto part = below.second; part != target.end() && std::next(part) != target.end(); ++part) {
        walked /= *part;
        struct stat info {};
        if (::lstat(walked.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
            return true;
    }
    return false;
}

fs::path shippedPath(std::string_view backslashPath) { return pathBelow(executableFolder(), backslashPath); }

} // namespace plat::sys
