#include "platform/system/ansi_codec.h"
#include "platform/system/utf8.h"

#include <cerrno>
#include <iconv.h>
#include <optional>

namespace plat::sys {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {
    }
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool isOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of `in` as possible, appending to `out`. Returns the errno that stopped it
    // (0 when all input was converted); `in` is advanced past what was consumed.
    int convert(std::string_view& in, std::string& out)
    {
        char buffer[1024];
        while (!in.empty()) {
            char* inPtr = const_cast<char*>(in.data());
            size_t inLeft = in.size();
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            int error = rc == size_t(-1) ? errno : 0;
            out.append(buffer, size_t(outPtr - buffer));
            in.remove_prefix(in.size() - inLeft);
            if (error == E2BIG)
                continue;
            if (error != 0) {
                iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
                return error;
            }
        }
        return 0;
    }

private:
    iconv_t m_cd;
};

// A byte that no code page reading gives a character keeps its place in the text as a lone low
// surrogate, U+DC00 plus the byte, written as UTF-8 would write it: no character of a file or of
// typed text is ever one, so encodeAnsi can tell it apart and write the byte back as it was.
constexpr char32_t kRawByteBase = 0xDC00;

void appendRawByte(std::string& out, unsigned char byte)
{
    const char32_t cp = kRawByteBase + byte;
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
}

// The byte that a raw-byte mark at the start of `utf8` stands for.
std::optional<unsigned char> rawByteAt(std::string_view utf8)
{
    if (utf8.size() < 3 || static_cast<unsigned char>(utf8[0]) != 0xED)
        return std::nullopt;
    const unsigned char second = static_cast<unsigned char>(utf8[1]), third = static_cast<unsigned char>(utf8[2]);
    if ((second != 0xB2 && second != 0xB3) || (third & 0xC0) != 0x80)
        return std::nullopt;
    return static_cast<unsigned char>(0x80 | ((second & 0x01) << 6) | (third & 0x3F));
}

} // namespace

std::string decodeAnsi(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    Converter gb18030("UTF-8", "GB18030");
    if (!gb18030.isOpen()) {
        for (unsigned char c : bytes)
            out += c < 0x80 ? char(c) : '?';
        return out;
    }
    Converter gbk("UTF-8", "GBK");
    while (!bytes.empty()) {
        if (gb18030.convert(bytes, out) == 0)
            break;
        // GBK has a few byte values of its own (0x80 is the euro sign there); read those as GBK.
        bool decoded = false;
        for (size_t length = 1; length <= 2 && length <= bytes.size() && !decoded && gbk.isOpen(); ++length) {
            std::string_view one = bytes.substr(0, length);
            std::string piece;
            if (gbk.convert(one, piece) == 0) {
                out += piece;
                bytes.remove_prefix(length);
                decoded = true;
            }
        }
        if (!decoded) {
            appendRawByte(out, static_cast<unsigned char>(bytes.front()));
            bytes.remove_prefix(1);
        }
    }
    return out;
}

std::string encodeAnsi(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    Converter gbk("GBK", "UTF-8");
    Converter gb18030("GB18030", "UTF-8");
    if (!gbk.isOpen() || !gb18030.isOpen()) {
        for (unsigned char c : utf8)
            out += c < 0x80 ? char(c) : '?';
        return out;
    }
    while (!utf8.empty()) {
        if (gbk.convert(utf8, out) == 0)
            break;
        if (std::optional<unsigned char> raw = rawByteAt(utf8)) {
            out += char(*raw);
            utf8.remove_prefix(3);
            continue;
        }
        // GBK stopped at one character: write that character in GB18030, or '?' if it is not UTF-8.
        size_t length = utf8SequenceLength(utf8);
        std::string_view one = utf8.substr(0, length);
        if (length == 0 || gb18030.convert(one, out) != 0) {
            out += '?';
            length = length == 0 ? 1 : length;
        }
        utf8.remove_prefix(length);
    }
    return out;
}

} // namespace plat::sys

namespace plat::sys {

std::string ansiPrefix(std::string_view utf8, size_t maxAnsiBytes)
{
    size_t used = 0;
    std::string_view rest = utf8;
    while (!rest.empty()) {
        std::string_view next = rest;
        nextCodePoint(next);
        const std::string_view one = rest.substr(0, rest.size() - next.size());
        used += encodeAnsi(one).size();
        if (used > maxAnsiBytes)
            break;
        rest = next;
    }
    return std::string(utf8.substr(0, utf8.size() - rest.size()));
}

} // namespace plat::sys
