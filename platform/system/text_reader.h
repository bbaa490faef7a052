#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat::sys {

// A text file opened for input: the whole file is read and decoded from the ANSI code page when it
// is opened, then taken apart by line input and list input from one shared position.
class TextReader {
public:
    // Fails (nullopt) when the file is missing or cannot be read.
    static std::optional<TextReader> open(const std::filesystem::path& path);
    // A reader over text already in memory (UTF-8).
    static TextReader fromText(std::string text);

    bool atEnd() const { return m_position >= m_text.size(); }

    // Line input: the text up to the next CR LF, CR or LF, which is consumed, so that a file
    // edited by hand on any system reads the same; the last line needs no line end.
    // nullopt past the end of the file.
    std::optional<std::string> readLine();

    // List input: leading blanks are skipped; a value in double quotes runs to the closing quote
    // and keeps its commas (anything between that quote and the next delimiter is dropped);
    // an unquoted value ends at a comma or at the end of the line and loses its trailing blanks.
    // The delimiter is consumed. A comma right before the line end, or an empty line, gives an
    // empty value. nullopt past the end of the file.
    std::optional<std::string> readValue();

    // Reads every remaining line.
    std::vector<std::string> readAllLines();

private:
    explicit TextReader(std::string text)
        : m_text(std::move(text))
    {
    }
    void skipLineEnd();

    std::string m_text;
    size_t m_position = 0;
};

} // namespace plat::sys
