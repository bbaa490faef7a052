#pragma once
#include "controls/core/drawn_control.h"
#include "controls/core/property_table.h"
#include "controls/text/constituent_controls.h"
#include "controls/text/edit_element.h"
#include "controls/text/fixed_point.h"
#include "controls/text/qel_h_scroll_private.h"
#include "controls/text/qel_private_scroll.h"
#include "controls/text/qel_v_scroll_private.h"
#include "platform/forms/property_bag.h"
#include <array>
#include <functional>
#include <memory>
#include <string>

namespace qel {

// The control set's text-entry control: three edit fields on one rectangle, one of them in use
// (Text1(0) single-line, Text1(1) multi-line wrapping, Text1(2) multi-line scrolling sideways,
// its own scroll bar cut off), a legend area at the left (a caption, turned or level, or the
// numbers of the visible lines) on a flat or gradient background, a one-pixel border in its own
// colour, text margins, a filter of allowed characters, and two embedded bars that follow the
// field's scrolling: VS (top line, counted from 1) and HS (sideways).
//
// Members, in interface order: WindowProc, hDc, hwnd, Text, ForeColor, BackColor, LegendFont,
// Font, Enabled, Alignment, UnRefreshControl, BorderColor, Locked, MaxLength, MultiLine,
// PassWordChar, DisplayBorder, ScrollBars, SelStart, SelLength, SelText, LegendText,
// LegendAlignmentX, LegendAlignmentY, LegendAutosize, LegendBackColor1, LegendBackColor2,
// LegendGradient, LegendForeColor, LegendType, LegendWidth, LegendOrientation, LeftMargin,
// RightMargin, FirstVisibleLine, LineCount, FirstChar, LineLength, LineIndex, AuthorizedChars,
// LineNumber, VScroll, Undo, ClearUndoBuffer, Copy, Cut, Paste, EnsureCaretVisibility,
// GetLineByCoords, GetCharByCoords, GetChar, GetLine, AppendLine, Refresh, RefreshNum, gety.
class qelTextBox : public DrawnControl {
public:
    using TextMouseEvent = std::function<void(int& Button, int& Shift, float& x, float& y)>;

    // --- events, in their order: the text's, then the control window's own ("Legend") ---
    std::function<void()> Change;
    std::function<void()> Click;
    std::function<void()> DblClick;
    KeyEvent KeyDown;
    std::function<void(int& KeyAscii)> KeyPress;
    KeyEvent KeyUp;
    TextMouseEvent MouseDown;
    TextMouseEvent MouseMove;
    TextMouseEvent MouseUp;
    KeyEvent LegendKeyDown;
    std::function<void(int& KeyAscii)> LegendKeyPress;
    KeyEvent LegendKeyUp;
    std::function<void()> LegendMouseHover;
    std::function<void()> LegendMouseLeave;
    std::function<void(int& Sens)> LegendMouseWheel;
    // Shift and Control are -1 while held, else 0.
    MouseEvent LegendMouseDown;
    MouseEvent LegendMouseUp;
    MouseEvent LegendMouseDblClick;
    MouseEvent LegendMouseMove;
    std::function<void(Fixed& Value)> VScrolled;
    std::function<void(Fixed& Value)> HScrolled;

    qelTextBox();
    ~qelTextBox() override;
    std::string className() const override { return "qelTextBox"; }

    const std::string& Text() const { return m_storedText; }
    void setText(const std::string& text);
    uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(uint32_t c);
    uint32_t BackColor() const;
    void setBackColor(uint32_t c);
    const plat::forms::FontDesc& LegendFont() const { return SurfaceFont(); }
    void setLegendFont(const plat::forms::FontDesc& font);
    const plat::forms::FontDesc& Font() const;
    void setFont(const plat::forms::FontDesc& font);
    // The elements take it; the control window and the bars keep their own state.
    void setEnabled(bool on) override;
    int32_t Alignment() const;
    void setAlignment(int32_t v);
    uint32_t BorderColor() const { return m_borderColor; }
    void setBorderColor(uint32_t c);
    bool Locked() const;
    void setLocked(bool on);
    int32_t MaxLength() const;
    // The absolute value is taken.
    void setMaxLength(int32_t v);
    bool MultiLine() const { return m_activeElement > 0; }
    void setMultiLine(bool on);
    const std::string& PassWordChar() const;
    // A value of two or more characters changes nothing.
    void setPassWordChar(const std::string& c);
    bool DisplayBorder() const { return m_displayBorder; }
    void setDisplayBorder(bool on);
    // 0 none, 1 horizontal, 2 vertical, 3 both.
    int32_t ScrollBars() const { return m_scrollBars; }
    void setScrollBars(int32_t v);
    int32_t SelStart() const;
    void setSelStart(int32_t v);
    int32_t SelLength() const;
    void setSelLength(int32_t v);
    std::string SelText() const;
    void setSelText(const std::string& text);
    const std::string& LegendText() const { return m_legendText; }
    void setLegendText(const std::string& text);
    // 0 left, 2 centre, any other value right.
    int32_t LegendAlignmentX() const { return m_legendAlignmentX; }
    void setLegendAlignmentX(int32_t v);
    // 0 bottom (turned text) or top (level text), 2 centre, any other value the other end.
    int32_t LegendAlignmentY() const { return m_legendAlignmentY; }
    void setLegendAlignmentY(int32_t v);
    bool LegendAutosize() const { return m_legendAutosize; }
    void setLegendAutosize(bool on);
    uint32_t LegendBackColor1() const { return m_legendBackColor1; }
    void setLegendBackColor1(uint32_t c);
    uint32_t LegendBackColor2() const { return m_legendBackColor2; }
    void setLegendBackColor2(uint32_t c);
    // 0 one colour, 2 top to bottom, any other value left to right.
    int32_t LegendGradient() const { return m_legendGradient; }
    void setLegendGradient(int32_t v);
    uint32_t LegendForeColor() const { return m_legendForeColor; }
    void setLegendForeColor(uint32_t c);
    // 0 none, 1 caption, 2 line numbers.
    int32_t LegendType() const { return m_legendType; }
    void setLegendType(int32_t v);
    // Twips.
    int32_t LegendWidth() const { return m_legendWidth; }
    void setLegendWidth(int32_t twips);
    // 0 turned (reads bottom to top), any other value level.
    int32_t LegendOrientation() const { return m_legendOrientation; }
    void setLegendOrientation(int32_t v);
    // Pixels kept free beside the text.
    int32_t LeftMargin() const { return m_leftMargin; }
    void setLeftMargin(int32_t pixels);
    int32_t RightMargin() const { return m_rightMargin; }
    void setRightMargin(int32_t pixels);
    // The top line of the element in use, counted from 0; assigning n brings line n (counted
    // from 1) to the top.
    int32_t FirstVisibleLine() const;
    int32_t LineCount() const;
    // The first character (from 0) of a line counted from 1; -1: the caret's line.
    int32_t FirstChar(int32_t LineIndex = -1) const;
    // The length of a line counted from 1, or of the line holding a character (-1: the caret).
    int32_t LineLength(int32_t LineIndex = -1, int32_t CharPos = -1) const;
    // The line, counted from 1, holding a character (-1: the caret).
    int32_t LineIndex(int32_t CharPos = -1) const;
    const std::string& AuthorizedChars() const { return m_authorizedChars; }
    // Filters the text at once; what is typed or pasted later is filtered as it comes.
    void setAuthorizedChars(const std::string& chars);
    // Puts the caret at the start of line n (counted from 1) and brings it into view.
    void setLineNumber(int32_t n);
    void setFirstVisibleLine(int32_t n);
    // A new copy of VS's settings; assigning one applies its settings and width to VS.
    qelPrivateScroll VScroll() const;
    void setVScroll(const qelPrivateScroll& settings);

    // --- edit commands: they work on the element in use, and the hidden two then take its text
    // and selection, so Text and the three elements always agree with what the box shows ---
    void Undo();
    void ClearUndoBuffer();
    void Copy();
    void Cut();
    void Paste();
    void EnsureCaretVisibility();
    // The line (from 0) and the character (from 0) nearest to a point of the element, twips.
    int32_t GetLineByCoords(double X, double Y) const;
    int32_t GetCharByCoords(double X, double Y) const;
    // The character at a place counted from 1; empty outside the text.
    std::string GetChar(int32_t Index) const;
    // Line Index (counted from 1) of the element in use; empty outside.
    std::string GetLine(int32_t Index) const;
    // The text and CR LF and the new line; only the element in use receives it.
    void AppendLine(const std::string& NewLine);
    // Draws everything (without looking at SkipRepaint).
    void Refresh();
    void RefreshNum(bool Force);
    // "track position  /  range maximum" of element 2's own horizontal bar.
    std::string gety() const;

    // --- parts and state, for tests ---
    EditElement& Text1(int index) { return *m_elements[size_t(index)]; }
    const EditElement& Text1(int index) const { return *m_elements[size_t(index)]; }
    qelVScrollPrivate& VS() { return *m_vs; }
    qelHScrollPrivate& HS() { return *m_hs; }
    int ActiveElement() const { return m_activeElement; }
    int TextLineHeightPixels() const { return m_textLineHeight; }
    int LineNumberState() const { return m_lineNumberState; }
    bool SkipRepaint() const { return m_imageCurrent; }
    bool LegendHovered() const { return m_mouseInside; }
    Fixed LastHSValue() const { return m_lastHSValue; }
    // What one unit of HS stands for, in pixels of element 2's horizontal scroll range.
    int HSUnitPixels() const;

    // The stored properties, in the order they are written.
    static const auto& StoredProperties();

    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    void Redraw() override;
    void onPlaced() override;
    void OnResized() override { Layout(); }
    void HandleMessage(plat::win::UINT msg, plat::win::WPARAM wParam, plat::win::LPARAM lParam) override;
    void onKeyDown(int& keyCode, int shift) override;
    void onKeyUp(int& keyCode, int shift) override;
    void onKeyPress(int& keyAscii) override;
    void onGotFocus() override;

private:
    EditElement& Active() const { return *m_elements[size_t(m_activeElement)]; }
    plat::win::LRESULT SendToActive(plat::win::UINT msg, plat::win::WPARAM wParam = 0, plat::win::LPARAM lParam = 0) const;
    void SendToAll(plat::win::UINT msg, bool post);
    // Posts an edit message to the element in use; the hidden elements follow it afterwards.
    void PostEditCommand(plat::win::UINT msg);
    void FollowActive();
    bool Authorized(char32_t c) const;
    void CreateParts();
    void SelectElement(int index);
    void Redrawn();
    int MeasuredWidth(const std::string& text) const;
    void Layout();
    void SynchronisationStep();
    void TextChanged(int index);
    void DrawTextBox();
    void DrawLineNumbers(bool Force);
    void PrintLineNumbers();
    void DrawCaption();
    void FilterAuthorizedChars();
    void SyncHSFromElement();
    void VSChange(Fixed Value);
    void VSScroll();
    void VSMouseUp();
    // The text to VS's line, when it shows another.
    void FollowVS();
    void HSChange(Fixed Value);
    void HSScroll();
    void HSMouseUp();
    void KeepOutOfFocusMoves();

    ConstituentControls m_parts;
    std::array<EditElement*, 3> m_elements{};
    qelVScrollPrivate* m_vs = nullptr;
    qelHScrollPrivate* m_hs = nullptr;
    plat::gfx::Surface m_background;
    bool m_hasBackground = false;

    std::string m_storedText;
    int m_activeElement = 0;
    // While the hidden elements take the text of the one in use, their changes are not the box's.
    bool m_following = false;
    // Posted commands run only while the box lives.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
    uint32_t m_foreColor{};
    uint32_t m_borderColor{};
    uint32_t m_legendBackColor1{};
    uint32_t m_legendBackColor2{};
    uint32_t m_legendForeColor{};
    bool m_displayBorder{};
    bool m_legendAutosize{};
    int32_t m_scrollBars{};
    std::string m_legendText{};
    std::string m_authorizedChars{};
    int32_t m_legendAlignmentX{};
    int32_t m_legendAlignmentY{};
    int32_t m_legendGradient{};
    int32_t m_legendOrientation{};
    int32_t m_legendType{};
    int32_t m_legendWidth{};
    int32_t m_leftMargin = 0;
    int32_t m_rightMargin = 0;
    int m_textLineHeight = 0;
    int m_lineNumberState = 0;
    int32_t m_lastNumberedFirstLine = 0;
    int32_t m_lastFirstVisibleLine = 0;
    bool m_skipVSSync = false;
    Fixed m_lastHSValue{};
    bool m_hsDragging = false;
    bool m_skipHSChange = false;
};

inline const auto& qelTextBox::StoredProperties()
{
    using T = qelTextBox;
    using P = PropertiesOf<T>;
    static const auto table = propertyTable(P::property("Text", &T::Text, &T::setText, std::string()),
        P::property("ForeColor", &T::ForeColor, &T::setForeColor, uint32_t(0)),
        P::property("BackColor", &T::BackColor, &T::setBackColor, uint32_t(0xFFFFFF)),
        P::property("LegendFont", &T::LegendFont, &T::setLegendFont, ambientFont<T>()),
        P::property("Font", &T::Font, &T::setFont, ambientFont<T>()), P::property("Enabled", &T::Enabled, &T::setEnabled, true),
        P::property("Alignment", &T::Alignment, &T::setAlignment, 0),
        P::property("UnRefreshControl", &T::UnRefreshControl, &T::setUnRefreshControl, false),
        P::property("BorderColor", &T::BorderColor, &T::setBorderColor, uint32_t(0xFF8080)),
        P::property("Locked", &T::Locked, &T::setLocked, false), P::property("MaxLength", &T::MaxLength, &T::setMaxLength, 0),
        P::property("MultiLine", &T::MultiLine, &T::setMultiLine, false, keepsItsValue),
        P::property("PassWordChar", &T::PassWordChar, &T::setPassWordChar, std::string()),
        P::property("DisplayBorder", &T::DisplayBorder, &T::setDisplayBorder, true),
        P::property("ScrollBars", &T::ScrollBars, &T::setScrollBars, 3),
        P::property("LegendText", &T::LegendText, &T::setLegendText, std::string()),
        P::property("LegendAlignmentY", &T::LegendAlignmentY, &T::setLegendAlignmentY, 0),
        P::property("LegendAlignmentX", &T::LegendAlignmentX, &T::setLegendAlignmentX, 2),
        P::property("LegendAutosize", &T::LegendAutosize, &T::setLegendAutosize, false),
        P::property("LegendBackColor1", &T::LegendBackColor1, &T::setLegendBackColor1, uint32_t(0xEDD0BF)),
        P::property("LegendBackColor2", &T::LegendBackColor2, &T::setLegendBackColor2, uint32_t(0xEDD0BF)),
        P::property("LegendGradient", &T::LegendGradient, &T::setLegendGradient, 0),
        P::property("LegendForeColor", &T::LegendForeColor, &T::setLegendForeColor, uint32_t(0x8000000D)),
        P::property("LegendType", &T::LegendType, &T::setLegendType, 0),
        P::property("LegendWidth", &T::LegendWidth, &T::setLegendWidth, 250),
        P::property("LegendOrientation", &T::LegendOrientation, &T::setLegendOrientation, 0),
        P::property("AuthorizedChars", &T::AuthorizedChars, &T::setAuthorizedChars, std::string()));
    return table;
}

} // namespace qel
