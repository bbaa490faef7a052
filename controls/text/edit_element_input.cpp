#include "controls/text/edit_element.h"
#include "platform/forms/user_control.h"
#include "platform/window/api.h"
#include "platform/window/mouse_shift.h"

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
        m_engine.select(int(int32_t(uint32_t(wParam))), int(int32_t(lParam)));
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
        return makeLParam(LeftMargin(), RightMargin());

    // --- the window ---
    case WM_PAINT:
        draw();
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_SIZE:
        relayout();
        return 0;
    case WM_SETCURSOR:
        // As the system's default procedure does: the parent is asked first.
        if (const HWND parent = GetParent(hwnd))
            SendMessage(parent, WM_SETCURSOR, wParam, lParam);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        m_engine.focusChanged(msg == WM_SETFOCUS);
        return 0;

    // --- keys ---
    case WM_KEYDOWN: {
        int code = int(wParam);
        const int shift = forms::currentShiftState();
        if (onKeyDown)
            onKeyDown(code, shift);
        if (code != 0 && hwnd == this->hwnd())
            m_engine.keyDown(code, shift);
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
            m_engine.character(char32_t(ascii));
        return 0;
    }

    // --- mouse ---
    case WM_LBUTTONDOWN:
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        mouseDown({loWordSigned(lParam), hiWordSigned(lParam)}, mouseShift(wParam) & kShiftMask);
        return 0;
    case WM_LBUTTONDBLCLK: {
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        if (!m_engine.dragging() && GetFocus() != hwnd)
            SetFocus(hwnd);
        m_engine.selectWordAt({loWordSigned(lParam), hiWordSigned(lParam)});
        return 0;
    }
    case WM_MOUSEMOVE:
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        if (wParam & MK_LBUTTON)
            m_engine.dragTo({loWordSigned(lParam), hiWordSigned(lParam)});
        return 0;
    case WM_LBUTTONUP:
        m_engine.release();
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (GetFocus() != hwnd)
            SetFocus(hwnd);
        raiseMouseEvents(hwnd, msg, wParam, lParam);
        return 0;
    case WM_MOUSEWHEEL:
        if (m_engine.wheel(hiWordSigned(LPARAM(wParam))))
            return 0;
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
    m_engine.pressAt(p, shift & 1);
}

} // namespace qel
