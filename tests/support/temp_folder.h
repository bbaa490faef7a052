#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

// A fresh folder under the system's temporary folder, named from `pattern` ending in "XXXXXX";
// an empty path when none could be made.
inline std::filesystem::path makeTempFolder(const char* pattern)
{
    std::string name = (std::filesystem::temp_directory_path() / pattern).string();
    return ::mkdtemp(name.data()) ? std::filesystem::path(name) : std::filesystem::path();
}

// A fresh temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    explicit TempFolder(const char* pattern = "test-XXXXXX")
        : m_path(makeTempFolder(pattern))
    {
    }
    ~TempFolder()
    {
        std::error_code error;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

inline std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Writes the file whole, making the folders it lies in when they are missing.
inline void writeBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}
