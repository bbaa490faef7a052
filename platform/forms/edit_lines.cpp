#include "platform/forms/edit_lines.h"

namespace plat::forms {

namespace {
bool isCjk(char32_t c) { return c >= 0x2E80; }
bool breakAfter(char32_t c) { return c == U' ' || c == U'\t' || isCjk(c); }
char32_t shownChar(char32_t c, char32_t passwordChar) { return passwordChar ? passwordChar : c; }
} // namespace

int shownWidth(const std::u32string& text, int from, int to, const gfx::Font& font, char32_t passwordChar)
{
    int w = 0;
    for (int i = from; i < to; ++i)
        w += font.advance(shownChar(text[size_t(i)], passwordChar));
    return w;
}

std::vector<EditLine> breakLines(const std::u32string& text, const gfx::Font& font, char32_t passwordChar, bool multiLine, int wrapWidth)
{
    const int n = int(text.size());
    if (!multiLine)
        return {{0, n, n}};
    std::vector<EditLine> lines;
    int start = 0;
    while (true) {
        int end = start;
        while (end < n && text[size_t(end)] != U'\r' && text[size_t(end)] != U'\n')
            ++end;
        int next = end;
        if (end < n)
            next = end + ((text[size_t(end)] == U'\r' && end + 1 < n && text[size_t(end + 1)] == U'\n') ? 2 : 1);
        int lineStart = start;
        if (wrapWidth > 0) {
            int width = 0;
            int lastBreak = -1; // where the line may end
            for (int i = start; i < end; ++i) {
                const int a = font.advance(shownChar(text[size_t(i)], passwordChar));
                if (i > lineStart && isCjk(text[size_t(i)]))
                    lastBreak = i;
                if (width + a > wrapWidth && i > lineStart && text[size_t(i)] != U' ') {
                    const int cut = lastBreak > lineStart ? lastBreak : i;
                    lines.push_back({lineStart, cut, cut});
                    lineStart = cut;
                    width = shownWidth(text, lineStart, i, font, passwordChar);
                    lastBreak = -1;
                }
                width += a;
                if (breakAfter(text[size_t(i)]))
                    lastBreak = i + 1;
            }
        }
        lines.push_back({lineStart, end, next});
        if (end >= n)
            break;
        start = next;
        if (start >= n) {
            lines.push_back({n, n, n});
            break;
        }
    }
    return lines;
}

} // namespace plat::forms
