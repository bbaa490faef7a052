#include "controls/text/edit_element.h"
#include "platform/forms/user_control.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"

namespace qel {

using namespace plat;
using namespace plat::win;

LRESULT EditElement::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    // --- the edit messages ---
    case EM_GETFIRSTVISIBLELINE:
        return FirstVisibleLine();
    case EM_LINESCROLL:
        return LineScroll(int(int32_t(uint32_t(wParam))), int(int32_t(lParam))) ? 1 : 0;
    case EM_GETLINECOUNT:
        return LineCount();
    case EM_LINEINDEX:
        return LineIndex(int(int32_t(uint32_t(wParam))));
    case EM_LINELENGTH:
        return LineLength(int(int32_t(uint32_t(wParam))));
    case EM_LINEFROMCHAR:
        return LineFromChar(int(int32_t(uint32_t(wParam))));
    case EM_CHARFROMPOS:
        return LRESULT(CharFromPos(loWordSigned(lParam), hiWordSigned(lParam)));
    case EM_GETLINE: {
        // lParam: a text whose length is the room for characters, as the buffer's first word
        // says it; it receives the line.
        auto* buffer = reinterpret_cast<std::string*>(lParam);
        if (!buffer)
            return 0;
        const int room = int(buffer->size());
        *buffer = GetLine(int(int32_t(uint32_t(wParam))), room);
        return LRESULT(std::min<size_t>(size_t(room), size_t(LineLength(LineIndex(int(int32_t(uint32_t(wParam))))))));
    }
    case EM_GETSEL:
        return LRESULT(uint32_t(selStart()) | (uint32_t(selStart() + selLength()) << 16));
    case EM_SETSEL:
        m_buffer.setSelection(int(int32_t(uint32_t(wParam))), int(int32_t(lParam)));
        afterMove();
        return 0;
    case EM_UNDO:
    case WM_UNDO:
        return Undo() ? 1 : 0;
    case EM_EMPTYUNDOBUFFER:
        EmptyUndoBuffer();
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_CUT:
        Cut();
        return 0;
    case WM_PASTE:
        Paste();
        return 0;
    case EM_SCROLLCARET:
        ScrollCaret();
        return 1;
    case EM_SETMARGINS:
        SetMargins(wParam, loWordSigned(lParam), hiWordSigned(lParam));
        return 0;
    case EM_GETMARGINS:
        return makeLParam(m_leftMargin, m_rightMargin);

    // --- the window ---
    case WM_PAINT:
        draw();
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_SIZE:
        relayout();
        ensureCaretVisible();
        draw();
        return 0;
    case WM_SETCURSOR:
        // As the system's default procedure does: the parent is asked first.
        if (const HWND parent = GetParent(hwnd))
            SendMessage(parent, WM_SETCURSOR, wParam, lParam);
        return 0;
    case WM_SETFOCUS:
        m_focused = true;
        restartBlink();
        draw(false);
        return 0;
    case WM_KILLFOCUS:
        m_focused = false;
        m_dragging = false;
        stopBlink();
        draw(false);
        return 0;

    // --- keys ---
    case WM_KEYDOWN: {
        int code = int(wParam);
        const int shift = forms::currentShiftState();
        if (onKeyDown)
            onKeyDown(code, shift);
        if (code != 0 && hwnd == this->hwnd())
            keyDown(code, shift);
        return 0;
    }
    case WM_KEYUP: {
        int code = int(wParam);
        if (onKeyUp)
            onKeyUp(code, forms::currentShiftState());
        return 0;
    }
    case WM_CHAR: {
        int ascii = int(wParam);
        if (onKeyPress)
            onKeyPress(ascii);
        if (ascii != 0 && hwnd == this->hwnd())
            character(char32_t(ascii));
        return 0;
    }

    // --- mouse ---
    case WM_LBUTTONDOWN:
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        mouseDown({loWordSigned(lParam), hiWordSigned(lParam)}, (wParam & MK_SHIFT) ? 1 : 0);
        return 0;
    case WM_LBUTTONDBLCLK: {
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        if (!m_dragging && GetFocus() != hwnd)
            SetFocus(hwnd);
        auto [start, end] = m_buffer.wordAt(positionAt({loWordSigned(lParam), hiWordSigned(lParam)}));
        m_dragging = false;
        m_buffer.setSelection(start, end);
        afterMove();
        return 0;
    }
    case WM_MOUSEMOVE:
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        if (m_dragging && (wParam & MK_LBUTTON)) {
            const int position = positionAt({loWordSigned(lParam), hiWordSigned(lParam)});
            if (position != m_buffer.caret()) {
                m_buffer.moveCaret(position, true);
                afterMove();
            }
        }
        return 0;
    case WM_LBUTTONUP:
        m_dragging = false;
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (GetFocus() != hwnd)
            SetFocus(hwnd);
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        return 0;
    case WM_MOUSEWHEEL:
        if (multiLine() && LineCount() > VisibleLines()) {
            const int delta = hiWordSigned(LPARAM(wParam));
            LineScroll(0, -delta * 3 / WHEEL_DELTA);
            return 0;
        }
        return DefWindowProc(hwnd, msg, wParam, lParam);
    default:
        if (raiseMouseEvents(hwnd, msg, wParam, lParam))
            return 0;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

void EditElement::mouseDown(gfx::Point p, int shift)
{
    if (GetFocus() != hwnd())
        SetFocus(hwnd());
    m_buffer.moveCaret(positionAt(p), shift & 1);
    m_dragging = true;
    afterMove();
}

bool EditElement::keyDown(int vk, int shift)
{
    const bool extend = shift & 1;
    const bool ctrl = shift & 2;
    const int caretAt = m_buffer.caret();
    auto moveTo = [&](int position, bool keepGoal = false) {
        const int goal = m_goalX;
        m_buffer.moveCaret(position, extend);
        afterMove();
        if (keepGoal)
            m_goalX = goal;
        return true;
    };
    auto vertical = [&](int lines) {
        if (!multiLine())
            return moveTo(lines < 0 ? 0 : m_buffer.length());
        const int line = lineOf(caretAt);
        const int target = std::clamp(line + lines, 0, LineCount() - 1);
        if (m_goalX < 0)
            m_goalX = xOf(caretAt) + m_scrollX;
        if (lines < -1 || lines > 1)
            m_topLine = std::clamp(m_topLine + (target - line), 0, maxTopLine());
        return moveTo(positionInLine(target, m_goalX - m_scrollX), true);
    };
    switch (vk) {
    case VK_LEFT:
        if (m_buffer.hasSelection() && !extend && !ctrl)
            return moveTo(m_buffer.selectionStart());
        return moveTo(ctrl ? m_buffer.previousWordStart(caretAt) : m_buffer.clampPosition(caretAt - 1));
    case VK_RIGHT:
        if (m_buffer.hasSelection() && !extend && !ctrl)
            return moveTo(m_buffer.selectionEnd());
        if (!ctrl && caretAt < m_buffer.length() && m_buffer.chars()[size_t(caretAt)] == U'\r')
            return moveTo(m_buffer.clampPosition(caretAt + 2));
        return moveTo(ctrl ? m_buffer.nextWordStart(caretAt) : m_buffer.clampPosition(caretAt + 1));
    case VK_UP:
        return multiLine() ? vertical(-1) : keyDown(VK_LEFT, shift);
    case VK_DOWN:
        return multiLine() ? vertical(1) : keyDown(VK_RIGHT, shift);
    case VK_PRIOR:
        return multiLine() && vertical(-VisibleLines());
    case VK_NEXT:
        return multiLine() && vertical(VisibleLines());
    case VK_HOME:
        return moveTo(ctrl || !multiLine() ? 0 : m_lines[size_t(lineOf(caretAt))].start);
    case VK_END:
        return moveTo(ctrl || !multiLine() ? m_buffer.length() : m_lines[size_t(lineOf(caretAt))].end);
    case VK_DELETE:
        if (extend)
            return Cut();
        if (m_locked)
            return false;
        return afterEdit(m_buffer.deleteForward());
    case VK_INSERT:
        if (ctrl)
            return Copy();
        if (extend)
            return Paste();
        return false;
    default:
        break;
    }
    if (ctrl && !extend) {
        switch (vk) {
        case 'A':
            m_buffer.setSelection(0, m_buffer.length());
            afterMove();
            return true;
        case 'C':
            return Copy();
        case 'X':
            return Cut();
        case 'V':
            return Paste();
        case 'Z':
            return Undo();
        default:
            break;
        }
    }
    return false;
}

bool EditElement::character(char32_t c)
{
    if (m_locked || !enabled())
        return false;
    if (c == 8)
        return afterEdit(m_buffer.deleteBackward());
    if (c == 13) {
        if (!multiLine())
            return false;
        return afterEdit(m_buffer.replaceSelection(U"\r\n", true, false));
    }
    if (c < 32 || c == 127)
        return false;
    if (acceptsChar && !acceptsChar(c))
        return false;
    const char32_t one[1] = {c};
    return afterEdit(m_buffer.replaceSelection(std::u32string_view(one, 1), true, true));
}

} // namespace qel
