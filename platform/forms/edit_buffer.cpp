#include "platform/forms/edit_buffer.h"
#include "platform/system/utf8.h"
#include <algorithm>

namespace plat::forms {

std::string EditBuffer::text() const { return sys::encodeUtf8(m_text); }

void EditBuffer::setText(std::u32string text)
{
    m_text = std::move(text);
    m_caret = m_anchor = 0;
    m_canUndo = false;
    m_typing = false;
}

int EditBuffer::clampPosition(int position) const
{
    int p = std::clamp(position, 0, length());
    if (p > 0 && p < length() && m_text[size_t(p - 1)] == U'\r' && m_text[size_t(p)] == U'\n')
        --p;
    return p;
}

void EditBuffer::setSelection(int anchor, int caret)
{
    m_anchor = clampPosition(anchor);
    m_caret = clampPosition(caret);
}

std::u32string_view EditBuffer::firstLine(std::u32string_view text)
{
    size_t end = text.find_first_of(U"\r\n");
    return end == std::u32string_view::npos ? text : text.substr(0, end);
}

void EditBuffer::remember()
{
    m_undoText = m_text;
    m_undoCaret = m_caret;
    m_undoAnchor = m_anchor;
    m_canUndo = true;
}

bool EditBuffer::replaceSelection(std::u32string_view insertion, bool limited, bool typing)
{
    if (!m_multiLine)
        insertion = firstLine(insertion);
    int start = selectionStart(), end = selectionEnd();
    m_insertionCut = false;
    if (limited && m_maxLength > 0) {
        const int room = std::max(0, m_maxLength - (length() - (end - start)));
        if (int(insertion.size()) > room) {
            insertion = insertion.substr(0, size_t(room));
            m_insertionCut = true;
        }
    }
    if (insertion.empty() && start == end)
        return false;
    if (!(typing && m_typing && start == end))
        remember();
    m_typing = typing;
    m_text.replace(size_t(start), size_t(end - start), insertion);
    m_caret = m_anchor = start + int(insertion.size());
    return true;
}

bool EditBuffer::deleteBackward()
{
    m_typing = false;
    if (hasSelection())
        return replaceSelection({}, false);
    if (m_caret == 0)
        return false;
    int from = m_caret - 1;
    if (from > 0 && m_text[size_t(from)] == U'\n' && m_text[size_t(from - 1)] == U'\r')
        --from;
    remember();
    m_text.erase(size_t(from), size_t(m_caret - from));
    m_caret = m_anchor = from;
    return true;
}

bool EditBuffer::deleteForward()
{
    m_typing = false;
    if (hasSelection())
        return replaceSelection({}, false);
    if (m_caret >= length())
        return false;
    int to = m_caret + 1;
    if (m_text[size_t(m_caret)] == U'\r' && to < length() && m_text[size_t(to)] == U'\n')
        ++to;
    remember();
    m_text.erase(size_t(m_caret), size_t(to - m_caret));
    return true;
}

bool EditBuffer::undo()
{
    if (!m_canUndo)
        return false;
    std::swap(m_text, m_undoText);
    std::swap(m_caret, m_undoCaret);
    std::swap(m_anchor, m_undoAnchor);
    m_typing = false;
    return true;
}

// 0 blank, 1 letters, digits and Chinese characters, 2 punctuation, 3 line break.
int EditBuffer::characterClass(int position) const
{
    char32_t c = m_text[size_t(position)];
    if (c == U'\r' || c == U'\n')
        return 3;
    if (c == U' ' || c == U'\t' || c == 0x3000)
        return 0;
    if ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || c == U'_' || c >= 0x2E80
        || (c >= 0xC0 && c < 0x2000))
        return 1;
    return 2;
}

int EditBuffer::nextWordStart(int position) const
{
    int p = clampPosition(position);
    int n = length();
    if (p >= n)
        return n;
    int cls = characterClass(p);
    if (cls == 3)
        return clampPosition(p + (m_text[size_t(p)] == U'\r' && p + 1 < n ? 2 : 1));
    while (p < n && characterClass(p) == cls)
        ++p;
    while (p < n && characterClass(p) == 0)
        ++p;
    return p;
}

int EditBuffer::previousWordStart(int position) const
{
    int p = clampPosition(position);
    if (p <= 0)
        return 0;
    if (characterClass(p - 1) == 3)
        return clampPosition(p - 1);
    while (p > 0 && characterClass(p - 1) == 0)
        --p;
    if (p == 0)
        return 0;
    int cls = characterClass(p - 1);
    if (cls == 3)
        return p;
    while (p > 0 && characterClass(p - 1) == cls)
        --p;
    return p;
}

std::pair<int, int> EditBuffer::wordAt(int position) const
{
    int n = length();
    if (n == 0)
        return {0, 0};
    int p = std::clamp(position, 0, n - 1);
    if (characterClass(p) == 3 && p > 0)
        --p;
    int cls = characterClass(p);
    if (cls == 3)
        return {p, p};
    int start = p, end = p + 1;
    while (start > 0 && characterClass(start - 1) == cls)
        --start;
    while (end < n && characterClass(end) == cls)
        ++end;
    // A word takes the blanks after it along, as a double click does.
    if (cls != 0)
        while (end < n && characterClass(end) == 0)
            ++end;
    return {start, end};
}

} // namespace plat::forms
