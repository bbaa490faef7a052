#include "platform/system/text_functions.h"
#include "platform/system/utf8.h"

namespace plat::sys {

namespace {

// Byte offset of the character at 0-based position `index` (the size when past the end).
size_t byteOffset(std::string_view text, size_t index)
{
    std::string_view rest = text;
    for (size_t i = 0; i < index && !rest.empty(); ++i)
        nextCodePoint(rest);
    return text.size() - rest.size();
}

} // namespace

size_t textLength(std::string_view text)
{
    size_t count = 0;
    while (!text.empty()) {
        nextCodePoint(text);
        ++count;
    }
    return count;
}

std::string leftText(std::string_view text, size_t count) { return std::string(text.substr(0, byteOffset(text, count))); }

std::string rightText(std::string_view text, size_t count)
{
    size_t length = textLength(text);
    if (count >= length)
        return std::string(text);
    return std::string(text.substr(byteOffset(text, length - count)));
}

std::string midText(std::string_view text, size_t start)
{
    size_t begin = byteOffset(text, start == 0 ? 0 : start - 1);
    return std::string(text.substr(begin));
}

std::string midText(std::string_view text, size_t start, size_t count)
{
    std::string_view rest = text.substr(byteOffset(text, start == 0 ? 0 : start - 1));
    return std::string(rest.substr(0, byteOffset(rest, count)));
}

std::string trimLeft(std::string_view text)
{
    size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string trimRight(std::string_view text)
{
    size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string trimText(std::string_view text) { return trimRight(trimLeft(text)); }

size_t ansiWidth(std::string_view text)
{
    size_t width = 0;
    while (!text.empty())
        width += nextCodePoint(text) < 0x80 ? 1 : 2;
    return width;
}

} // namespace plat::sys
