#pragma once
// What the round-trip targets share: the writer's lines put into a file as the program writes
// them (each line in the ANSI code page, ended by CR LF), the raw lines of an input, and a check
// that stops the run with the input's finding, so libFuzzer keeps the input as a fault.
#include "platform/system/ansi_codec.h"
#include "platform/system/text_writer.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// A finding: what was lost, said on stderr, and the run stopped.
inline void check(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz: data lost in a round trip: %s\n", what);
    std::abort();
}

inline std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes `lines` as the program's text files hold them; returns the bytes written.
inline std::string writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    std::optional<plat::sys::TextWriter> writer = plat::sys::TextWriter::open(path, plat::sys::TextWriter::Mode::Output);
    check(writer.has_value(), "the fuzz run's own file cannot be written");
    for (const std::string& line : lines)
        writer->printLine(line);
    check(writer->close(), "the fuzz run's own file cannot be written");
    return fileBytes(path);
}

// The lines of raw bytes as line input takes them apart: each ends at CR LF, CR or LF.
inline std::vector<std::string_view> rawLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// The non-empty raw lines, whatever their line ends.
inline std::vector<std::string_view> filledLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    for (std::string_view line : rawLines(bytes))
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

} // namespace fuzz
