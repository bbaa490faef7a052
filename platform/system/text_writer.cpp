#include "platform/system/text_writer.h"
#include "platform/system/ansi_codec.h"
#include "platform/system/file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <utility>

namespace plat::sys {

std::optional<TextWriter> TextWriter::open(const std::filesystem::path& path, Mode mode)
{
    // Never held up by a pipe of that name, and never writing into anything but a file.
    const int fd = openRegularFile(path, O_WRONLY | O_CREAT | O_NOFOLLOW | (mode == Mode::Append ? O_APPEND : O_TRUNC), 0666);
    if (fd < 0)
        return std::nullopt;
    return TextWriter(fd);
}

TextWriter TextWriter::adopt(int fd) { return TextWriter(fd); }

TextWriter::TextWriter(TextWriter&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_failed(other.m_failed)
{
}

TextWriter& TextWriter::operator=(TextWriter&& other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
        m_failed = other.m_failed;
    }
    return *this;
}

TextWriter::~TextWriter() { close(); }

bool TextWriter::writeBytes(std::string_view bytes)
{
    if (m_fd < 0)
        m_failed = true;
    while (!m_failed && !bytes.empty()) {
        ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            m_failed = true;
            break;
        }
        bytes.remove_prefix(size_t(written));
    }
    return !m_failed;
}

bool TextWriter::print(std::string_view text) { return writeBytes(encodeAnsi(text)); }

bool TextWriter::printLine(std::string_view text)
{
    std::string bytes = encodeAnsi(text);
    bytes += "\r\n";
    return writeBytes(bytes);
}

bool TextWriter::close(bool syncToDisk)
{
    if (m_fd < 0)
        return false;
    if (syncToDisk && !m_failed && ::fsync(m_fd) != 0)
        m_failed = true;
    if (::close(m_fd) != 0)
        m_failed = true;
    m_fd = -1;
    return !m_failed;
}

} // namespace plat::sys
