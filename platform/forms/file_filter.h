#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace plat::forms {

// One choice of a file dialog's Filter property: "音乐(*.mp3)|*.mp3|所有文件(*.*)|*.*" holds
// two, each a description and its patterns (separated by ";").
struct FileFilterEntry {
    std::string description;
    std::vector<std::string> patterns;
};

// A description without patterns (a trailing "|" missing) gets none and matches every file.
std::vector<FileFilterEntry> parseFileFilter(std::string_view filter);

// "*" stands for any run of characters, "?" for one; letters match without regard to ASCII
// case (as file names did where these patterns come from); "*.*" matches every name.
bool matchesPattern(std::string_view name, std::string_view pattern);
bool matchesAnyPattern(std::string_view name, const std::vector<std::string>& patterns);

} // namespace plat::forms
