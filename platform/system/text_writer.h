#pragma once
#include <filesystem>
#include <optional>
#include <string_view>

namespace plat::sys {

// A text file opened for output or append. Each line is encoded in the ANSI code page and ended
// with CR LF. Every call reports failure; a failed write leaves the writer failed for good, so a
// caller may check only at close().
class TextWriter {
public:
    enum class Mode {
        Output, // created, or emptied when it exists
        Append, // created when missing, written at its end
    };

    // Never through a symbolic link: a link at `path` fails the open, and so does anything that is
    // no regular file (a pipe, a device), without waiting on it.
    static std::optional<TextWriter> open(const std::filesystem::path& path, Mode mode);
    // Takes over an open file descriptor (closed by the writer).
    static TextWriter adopt(int fd);

    TextWriter(TextWriter&& other) noexcept;
    TextWriter& operator=(TextWriter&& other) noexcept;
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;
    ~TextWriter();

    // The text and CR LF.
    bool printLine(std::string_view text);
    // The text alone, no line end.
    bool print(std::string_view text);
    // Raw bytes, not re-encoded.
    bool writeBytes(std::string_view bytes);

    bool failed() const { return m_failed; }
    // Syncs to disk if asked, closes, and tells whether everything written since open arrived.
    // False as well when the writer was closed already.
    bool close(bool syncToDisk = false);

private:
    explicit TextWriter(int fd)
        : m_fd(fd)
    {
    }

    int m_fd = -1;
    bool m_failed = false;
};

} // namespace plat::sys
