#include "platform/system/utf8.h"

#include <algorithm>

namespace plat::sys {

namespace {

constexpr char32_t kReplacement = U'\uFFFD';

// The mark of a byte the code page could not read: ED B2 xx or ED B3 xx.
bool startsWithUnreadableByteMark(std::string_view text)
{
    return text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xED && (static_cast<unsigned char>(text[1]) & 0xFE) == 0xB2
        && (static_cast<unsigned char>(text[2]) & 0xC0) == 0x80;
}

// The character at the start of `text`, advancing past it; `keepMarks` gives the mark of an
// unreadable byte as itself rather than U+FFFD.
char32_t takeCodePoint(std::string_view& text, bool keepMarks)
{
    const size_t length = utf8SequenceLength(text);
    if (length == 0) {
        if (startsWithUnreadableByteMark(text)) {
            const char32_t mark = 0xD000 | ((char32_t(static_cast<unsigned char>(text[1])) & 0x3F) << 6)
                | (char32_t(static_cast<unsigned char>(text[2])) & 0x3F);
            text.remove_prefix(3);
            return keepMarks ? mark : kReplacement;
        }
        text.remove_prefix(std::min<size_t>(1, text.size()));
        return kReplacement;
    }
    auto byte = [&](size_t i) { return char32_t(static_cast<unsigned char>(text[i])); };
    char32_t cp;
    switch (length) {
    case 1:
        cp = byte(0);
        break;
    case 2:
        cp = ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
        break;
    case 3:
        cp = ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        break;
    default:
        cp = ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
        break;
    }
    text.remove_prefix(length);
    return cp;
}

} // namespace

size_t utf8SequenceLength(std::string_view text)
{
    if (text.empty())
        return 0;
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    size_t length;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

char32_t nextCodePoint(std::string_view& text) { return takeCodePoint(text, false); }

std::u32string decodeUtf8(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out.push_back(c);
            ++i;
            continue;
        }
        std::string_view rest = text.substr(i);
        out.push_back(takeCodePoint(rest, true));
        i = text.size() - rest.size();
    }
    return out;
}

std::string encodeUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) {
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

} // namespace plat::sys
