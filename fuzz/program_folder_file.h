#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fuzz {

// A program folder of the fuzz run's own (BALL_HOME), with its data folders, removed at exit.
inline const std::filesystem::path& programFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "scoreboard-fuzz-XXXXXX").string();
        // Without a folder of its own the run stops: it removes its folder at exit.
        if (!::mkdtemp(pattern.data())) {
            std::perror("fuzz: cannot make a program folder");
            std::abort();
        }
        const std::filesystem::path made = pattern;
        for (const char* sub : {"date", "binlist", "img"})
            std::filesystem::create_directories(made / sub);
        ::setenv("BALL_HOME", made.c_str(), 1);
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(programFolder(), error);
        });
        return made;
    }();
    return folder;
}

// The input as the file `relative` of the program folder; returns its path.
inline std::filesystem::path placeInput(const std::string& relative, const uint8_t* data, size_t size)
{
    const std::filesystem::path path = programFolder() / relative;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    return path;
}

} // namespace fuzz
