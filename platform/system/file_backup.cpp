#include "platform/system/file_backup.h"
#include "platform/system/ansi_codec.h"
#include "platform/system/file_system.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>

namespace plat::sys {

std::filesystem::path backupPath(const std::filesystem::path& file)
{
    std::filesystem::path backup = file;
    backup += ".bak";
    return backup;
}

bool keepBackup(const std::filesystem::path& file)
{
    const std::filesystem::path backup = backupPath(file);
    if (!copyFile(file, backup, CopyMode::Overwrite)) {
        std::fprintf(stderr, "%s: %s holds what a rewrite would drop, and no copy of it could be written to %s\n",
            program_invocation_short_name, file.c_str(), backup.c_str());
        return false;
    }
    std::fprintf(stderr, "%s: %s held lines that are not written again; the file as it was is kept in %s\n",
        program_invocation_short_name, file.c_str(), backup.c_str());
    return true;
}

bool keepWhatARewriteDrops(const std::filesystem::path& file, const std::function<bool(std::string_view line)>& kept)
{
    const std::optional<std::string> bytes = readFileBytes(file);
    if (!bytes)
        return true;
    std::string_view rest = *bytes;
    while (!rest.empty()) {
        // No trail byte of the ANSI code page is a CR or an LF.
        const size_t end = rest.find_first_of("\r\n");
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && !kept(decodeAnsi(line)))
            return keepBackup(file);
    }
    return true;
}

} // namespace plat::sys
