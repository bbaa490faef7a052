#include "platform/gfx/text_layout.h"

#include "platform/system/utf8.h"

#include <algorithm>

namespace plat::gfx {

namespace {

struct Piece {
    std::u32string text;
    std::vector<bool> mnemonic;
};

bool breaksAround(char32_t c)
{
    // Chinese, Japanese and Korean text may break between any two characters.
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x2FFFF);
}

Piece slice(const Piece& p, size_t from, size_t to)
{
    return {p.text.substr(from, to - from),
        std::vector<bool>(p.mnemonic.begin() + long(from), p.mnemonic.begin() + long(to))};
}

std::vector<Piece> splitHardLines(const PrefixedText& t, bool singleLine)
{
    std::vector<Piece> lines(1);
    for (size_t i = 0; i < t.text.size(); ++i) {
        char32_t c = t.text[i];
        if (c == U'\r' || c == U'\n') {
            if (singleLine)
                continue;
            if (c == U'\r' && i + 1 < t.text.size() && t.text[i + 1] == U'\n')
                ++i;
            lines.emplace_back();
            continue;
        }
        lines.back().text.push_back(c);
        lines.back().mnemonic.push_back(t.mnemonic[i]);
    }
    return lines;
}

void expandTabs(Piece& line, const Font& font)
{
    const int space = std::max(1, font.advance(U' '));
    const int stop = std::max(1, 8 * std::max(1, font.metrics().averageCharWidth));
    Piece out;
    int x = 0;
    for (size_t i = 0; i < line.text.size(); ++i) {
        char32_t c = line.text[i];
        if (c != U'\t') {
            out.text.push_back(c);
            out.mnemonic.push_back(line.mnemonic[i]);
            x += font.advance(c);
            continue;
        }
        int next = (x / stop + 1) * stop;
        do {
            out.text.push_back(U' ');
            out.mnemonic.push_back(false);
            x += space;
        } while (x < next);
    }
    line = std::move(out);
}

// Breaks one hard line into lines no wider than `width`, between words or around Chinese
// characters; a word wider than the whole width is broken where it overflows.
void wrapLine(const Piece& line, const Font& font, int width, std::vector<Piece>& out)
{
    const size_t n = line.text.size();
    size_t start = 0;
    while (true) {
        int x = 0;
        size_t breakEnd = start, breakNext = start; // best break so far (none while equal to start)
        size_t i = start;
        bool broke = false;
        while (i < n) {
            char32_t c = line.text[i];
            int adv = font.advance(c);
            if (c == U' ') {
                breakEnd = i;
                breakNext = i + 1;
                x += adv;
                ++i;
                continue;
            }
            if (i > start && (breaksAround(c) || breaksAround(line.text[i - 1]))) {
                breakEnd = i;
                breakNext = i;
            }
            if (x + adv > width && i > start) {
                if (breakNext > start) {
                    size_t end = breakEnd;
                    while (end > start && line.text[end - 1] == U' ')
                        --end;
                    out.push_back(slice(line, start, end));
                    start = breakNext;
                } else {
                    out.push_back(slice(line, start, i));
                    start = i;
                }
                while (start < n && line.text[start] == U' ')
                    ++start;
                broke = true;
                break;
            }
            x += adv;
            ++i;
        }
        if (!broke) {
            out.push_back(slice(line, start, n));
            return;
        }
        if (start >= n)
            return;
    }
}

} // namespace

PrefixedText resolvePrefixes(std::u32string_view text, bool hidePrefix)
{
    PrefixedText out;
    out.text.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'&') {
            out.text.push_back(text[i]);
            out.mnemonic.push_back(false);
            continue;
        }
        if (i + 1 >= text.size())
            break; // a lone "&" at the end shows nothing
        if (text[i + 1] == U'&') {
            out.text.push_back(U'&');
            out.mnemonic.push_back(false);
            ++i;
            continue;
        }
        out.text.push_back(text[i + 1]);
        out.mnemonic.push_back(!hidePrefix && text[i + 1] >= 0x20);
        ++i;
    }
    return out;
}

TextLayout layoutText(const Font& font, std::string_view utf8, const Rect& rect, unsigned format)
{
    TextLayout layout;
    layout.bounds = {rect.left, rect.top, rect.left, rect.top};
    std::u32string decoded = sys::decodeUtf8(utf8);
    if (decoded.empty())
        return layout;

    PrefixedText prefixed;
    if (format & DT_NOPREFIX) {
        prefixed.text = decoded;
        prefixed.mnemonic.assign(decoded.size(), false);
    } else {
        prefixed = resolvePrefixes(decoded, (format & DT_HIDEPREFIX) != 0);
    }

    const bool singleLine = (format & DT_SINGLELINE) != 0;
    std::vector<Piece> hard = splitHardLines(prefixed, singleLine);
    std::vector<Piece> lines;
    for (Piece& p : hard) {
        if (format & DT_EXPANDTABS)
            expandTabs(p, font);
        if ((format & DT_WORDBREAK) && !singleLine)
            wrapLine(p, font, rect.width(), lines);
        else
            lines.push_back(std::move(p));
    }

    const int lineHeight = font.metrics().height;
    int top = rect.top;
    if (singleLine && (format & DT_VCENTER))
        top = rect.top + (rect.height() - lineHeight) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        top = rect.bottom - lineHeight;

    int widest = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        LaidLine laid;
        laid.text = std::move(lines[i].text);
        laid.mnemonic = std::move(lines[i].mnemonic);
        laid.width = font.width(laid.text);
        widest = std::max(widest, laid.width);
        int x = rect.left;
        if (format & DT_CENTER)
            x = rect.left + (rect.width() - laid.width) / 2;
        else if (format & DT_RIGHT)
            x = rect.right - laid.width;
        laid.origin = {x, top + int(i) * lineHeight};
        layout.lines.push_back(std::move(laid));
    }
    const int total = int(layout.lines.size()) * lineHeight;
    layout.bounds = {rect.left, rect.top, rect.left + widest, rect.top + total};
    layout.height = (top - rect.top) + total;
    return layout;
}

} // namespace plat::gfx
