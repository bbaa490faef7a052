#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct stat;

namespace plat::sys {

// File statements on paths. Each returns false (or an empty list) on failure and never throws.

// Any entry of that name: file, folder or other.
bool pathExists(const std::filesystem::path& path);
bool fileExists(const std::filesystem::path& path);
bool folderExists(const std::filesystem::path& path);

// Deletes one file (not a folder). False when there is none, or when it lies below a linked
// folder of the data folder (throughLinkedDataSubfolder), where nothing is deleted.
bool deleteFile(const std::filesystem::path& path);

enum class CopyMode {
    Overwrite,     // replaces an existing target
    KeepExisting,  // fails when the target exists, leaving it untouched
};
// The copy is written as replaceFile writes: whole or not at all, never through a link at the
// target, under a temporary name until it is complete (so a copy cut short leaves only a
// temporary file that removeStaleTemporaryFiles knows).
bool copyFile(const std::filesystem::path& from, const std::filesystem::path& to, CopyMode mode);

// Opens a regular file with `flags` (O_CLOEXEC and O_NONBLOCK added, `createMode` for O_CREAT):
// never held up by a pipe of that name, and -1 for anything that is no regular file (a pipe, a
// device, a folder), as for a failed open (errno then as the open left it, else EINVAL).
// `info`, when given, gets the file's status at the open.
int openRegularFile(const std::filesystem::path& path, int flags, unsigned createMode = 0, struct stat* info = nullptr);

// The bytes of a regular file (through a link too); nothing when it is missing, unreadable, no
// regular file (a folder, a pipe, a device: never waited on) or larger than `maxBytes`.
std::optional<std::string> readFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes = UINTMAX_MAX);
// What is left to read of an open file, to its end; nothing on a failed read or past `maxBytes`.
std::optional<std::string> readRemainingBytes(int fd, std::uintmax_t maxBytes = UINTMAX_MAX);

// Makes one folder; its parent must exist. False when anything of that name is already there, or
// when it would be made below a linked folder of the data folder.
bool makeFolder(const std::filesystem::path& path);

// Names (not paths) of the files, or of the folders, directly in `folder`, sorted by their
// UTF-8 bytes so that the order does not depend on the file system.
std::vector<std::string> listFiles(const std::filesystem::path& folder);
std::vector<std::string> listFolders(const std::filesystem::path& folder);

// A name or path on disk as it is shown: each part between slashes as it is when it is UTF-8,
// else read in the code page (GBK), as the text files are.
std::string shownFileName(std::string_view bytes);
// The entry of `folder` that is shown as `shownName`: that name when there is one, else the one
// whose bytes are the name in the code page, else (nothing there) the name itself.
std::filesystem::path entryPath(const std::filesystem::path& folder, const std::string& shownName);

} // namespace plat::sys
