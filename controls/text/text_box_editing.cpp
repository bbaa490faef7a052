#include "controls/text/edit_messages.h"
#include "controls/text/qel_text_box.h"
#include "platform/system/utf8.h"
#include "platform/window/api.h"
#include <cmath>

namespace qel {

using namespace plat;
using namespace plat::win;

// --- the character filter ---

void qelTextBox::FilterAuthorizedChars()
{
    if (m_authorizedChars.empty())
        return;
    // The rule of typing and pasting: every CR and LF stays, so the lines do.
    std::u32string text = sys::decodeUtf8(m_storedText);
    std::erase_if(text, [this](char32_t c) { return !Authorized(c); });
    m_storedText = sys::encodeUtf8(text);
    const std::string value = m_storedText;
    Active().setText(value);
}

// --- edit commands ---

void qelTextBox::Undo() { PostEditCommand(EM_UNDO); }
void qelTextBox::ClearUndoBuffer() { SendToAll(EM_EMPTYUNDOBUFFER, false); }
void qelTextBox::Copy() { PostEditCommand(WM_COPY); }
void qelTextBox::Cut() { PostEditCommand(WM_CUT); }
void qelTextBox::Paste() { PostEditCommand(WM_PASTE); }
void qelTextBox::EnsureCaretVisibility() { SendToAll(EM_SCROLLCARET, false); }

// --- lookups ---

// EM_CHARFROMPOS packs both answers into 16 bits each; the element is asked for the whole
// position instead, so texts past 65 535 characters (or lines) give the right answer.
int32_t qelTextBox::GetLineByCoords(double X, double Y) const
{
    return Active().LineFromChar(GetCharByCoords(X, Y));
}

int32_t qelTextBox::GetCharByCoords(double X, double Y) const
{
    return Active().CharIndexAt(int(std::floor(X / Tx())), int(std::floor(Y / Ty())));
}

std::string qelTextBox::GetChar(int32_t Index) const
{
    const std::u32string text = sys::decodeUtf8(m_storedText);
    if (Index < 1 || size_t(Index) > text.size())
        return {};
    return sys::encodeUtf8(std::u32string_view(text).substr(size_t(Index - 1), 1));
}

std::string qelTextBox::GetLine(int32_t Index) const
{
    if (Index < 1 || Index > LineCount())
        return {};
    const LRESULT first = SendToActive(EM_LINEINDEX, WPARAM(uint32_t(Index - 1)));
    const LRESULT length = SendToActive(EM_LINELENGTH, WPARAM(uint64_t(first)));
    std::string buffer(size_t(std::max<LRESULT>(0, length)), ' ');
    SendToActive(EM_GETLINE, WPARAM(uint32_t(Index - 1)), LPARAM(reinterpret_cast<intptr_t>(&buffer)));
    return buffer;
}

void qelTextBox::AppendLine(const std::string& NewLine)
{
    m_storedText = m_storedText + "\r\n" + NewLine;
    const std::string value = m_storedText;
    Active().setText(value);
}

std::string qelTextBox::gety() const
{
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    m_elements[2]->GetScrollInfo(SB_HORZ, info);
    return std::to_string(info.nTrackPos) + "  /  " + std::to_string(info.nMax);
}

// --- the embedded bars ---

// One unit of HS is one character step of element 2 sideways, so the bar and the text move
// together (the font's average character width; 7 pixels for the face the sizes were made for).
int qelTextBox::HSUnitPixels() const { return std::max(1, m_elements[2]->CharacterStep()); }

void qelTextBox::VSChange(Fixed Value)
{
    m_skipVSSync = true;
    const int32_t n = int32_t(N(Value.toDouble() - FirstVisibleLine() - 1));
    SendToActive(EM_LINESCROLL, 0, LPARAM(n));
    if (VScrolled)
        VScrolled(Value);
}

void qelTextBox::VSScroll() { VSChange(m_vs->Value()); }

void qelTextBox::FollowVS()
{
    if (m_vs->Value() != Whole(FirstVisibleLine() + 1))
        VSChange(m_vs->Value());
}

// A drag reports Scroll before each step, so the last step has not been applied when the button
// comes up: the text follows the thumb to where it was left.
void qelTextBox::VSMouseUp() { FollowVS(); }

void qelTextBox::HSChange(Fixed Value)
{
    if (m_skipHSChange)
        return;
    const Fixed difference = Value - m_lastHSValue;
    if (std::fabs(difference.toDouble()) < 1)
        return;
    const HWND e2 = m_elements[2]->hwnd();
    if (e2) {
        SendMessage(e2, EM_LINESCROLL, WPARAM(uint32_t(int32_t(N(difference.toDouble())))), 0);
        if (Value != Whole(0) && Whole(N(Value.toDouble())) == m_hs->Max())
            SendMessage(e2, EM_LINESCROLL, WPARAM(uint32_t(1)), 0);
        else if (Value == Whole(0))
            SendMessage(e2, EM_LINESCROLL, WPARAM(uint32_t(-1)), 0);
    }
    m_lastHSValue = Value;
    if (HScrolled)
        HScrolled(Value);
    SyncHSFromElement();
}

void qelTextBox::HSScroll()
{
    m_skipHSChange = false;
    m_hsDragging = true;
    HSChange(m_hs->Value());
    m_skipHSChange = true;
}

void qelTextBox::HSMouseUp()
{
    // As for VS: the drag's last step is applied when the button comes up.
    if (m_hsDragging) {
        m_skipHSChange = false;
        HSChange(m_hs->Value());
    }
    m_hsDragging = false;
}

void qelTextBox::SyncHSFromElement()
{
    if (!(m_scrollBars == 1 || m_scrollBars == 3) || m_hsDragging)
        return;
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    m_elements[2]->GetScrollInfo(SB_HORZ, info);
    const double unit = HSUnitPixels();
    m_hs->setMax(Whole(int64_t(std::floor((double(info.nMax) - double(info.nPage)) / unit))));
    m_skipHSChange = true;
    m_hs->setValue(Fixed::fromDouble(info.nTrackPos / unit));
    m_skipHSChange = false;
}

} // namespace qel
