#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace plat::sys {

// File statements on paths. Each returns false (or an empty list) on failure and never throws.

// Any entry of that name: file, folder or other.
bool pathExists(const std::filesystem::path& path);
bool fileExists(const std::filesystem::path& path);
bool folderExists(const std::filesystem::path& path);

// Deletes one file (not a folder). False when there is none.
bool deleteFile(const std::filesystem::path& path);

enum class CopyMode {
    Overwrite,     // replaces an existing target
    KeepExisting,  // fails when the target exists, leaving it untouched
};
bool copyFile(const std::filesystem::path& from, const std::filesystem::path& to, CopyMode mode);

// Makes one folder; its parent must exist. False when anything of that name is already there.
bool makeFolder(const std::filesystem::path& path);

// Names (not paths) of the files, or of the folders, directly in `folder`, sorted by their
// UTF-8 bytes so that the order does not depend on the file system.
std::vector<std::string> listFiles(const std::filesystem::path& folder);
std::vector<std::string> listFolders(const std::filesystem::path& folder);

} // namespace plat::sys
