#include "platform/system/utf8.h"

#include <algorithm>

namespace plat::sys {

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

char32_t nextCodePoint(std::string_view& text)
{
    size_t length = utf8SequenceLength(text);
    if (length == 0) {
        // A byte the code page could not read (ansi_codec) counts as one character.
        const bool rawByte = text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xED
            && (static_cast<unsigned char>(text[1]) & 0xFE) == 0xB2 && (static_cast<unsigned char>(text[2]) & 0xC0) == 0x80;
        text.remove_prefix(rawByte ? 3 : std::min<size_t>(1, text.size()));
        return U'\uFFFD';
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

} // namespace plat::sys
