#include "controls/text/qel_text_box.h"
#include "controls/text/edit_messages.h"
#include "platform/gfx/system_colors.h"
#include "platform/system/utf8.h"
#include "platform/window/api.h"
#include "platform/window/window_system.h"
#include <cstdlib>
#include <limits>

namespace qel {

using namespace plat;
using namespace plat::win;
using plat::forms::PropertyBag;

qelTextBox::qelTextBox() : m_parts(*this) {}

qelTextBox::~qelTextBox()
{
    // The parts may outlive the box by a moment (their holder lets them go after the current
    // message): they report to nobody from here on.
    for (EditElement* e : m_elements) {
        if (!e)
            continue;
        e->onChange = nullptr;
        e->acceptsChar = nullptr;
        e->onClick = e->onDblClick = nullptr;
        e->onKeyDown = e->onKeyUp = nullptr;
        e->onKeyPress = nullptr;
        e->onMouseDown = e->onMouseMove = e->onMouseUp = nullptr;
    }
    for (ScrollBarBase* bar : {static_cast<ScrollBarBase*>(m_vs), static_cast<ScrollBarBase*>(m_hs)}) {
        if (!bar)
            continue;
        bar->Change = nullptr;
        bar->ValueAssigned = nullptr;
        bar->Scroll = nullptr;
        bar->MouseUp = nullptr;
    }
}

// --- creation ---

void qelTextBox::onPlaced()
{
    DrawnControl::onPlaced();
    KeepOutOfFocusMoves();
    CreateParts();
}

void qelTextBox::KeepOutOfFocusMoves()
{
    // The control window hands the focus to its field; Tab moves stop at the field itself.
    if (hwnd())
        SetFocusable(hwnd(), false);
}

void qelTextBox::CreateParts()
{
    const double W = width(), H = height();
    m_unRefreshControl = true;
    const EditElement::Kind kinds[3] = {EditElement::Kind::SingleLine, EditElement::Kind::Wrapping, EditElement::Kind::Scrolling};
    for (int i = 0; i < 3; ++i) {
        EditElement& e = m_parts.add(std::make_unique<EditElement>(kinds[i]), "Text1(" + std::to_string(i) + ")", 45, 30, W - 90, H - 45);
        e.setTabIndex(tabIndex());
        e.setVisible(i == 0);
        e.onChange = [this, i] { TextChanged(i); };
        e.acceptsChar = [this](char32_t c) { return Authorized(c); };
        e.onClick = [this] {
            if (Click)
                Click();
        };
        e.onDblClick = [this] {
            if (DblClick)
                DblClick();
        };
        e.onKeyDown = [this](int& KeyCode, int shift) {
            int Shift = shift;
            if (KeyDown)
                KeyDown(KeyCode, Shift);
        };
        e.onKeyPress = [this](int& KeyAscii) {
            if (KeyPress)
                KeyPress(KeyAscii);
        };
        e.onKeyUp = [this](int& KeyCode, int shift) {
            int Shift = shift;
            if (KeyUp)
                KeyUp(KeyCode, Shift);
        };
        auto mouse = [](TextMouseEvent& event) {
            return [&event](int button, int shift, double x, double y) {
                int Button = button, Shift = shift;
                float fx = float(x), fy = float(y);
                if (event)
                    event(Button, Shift, fx, fy);
            };
        };
        e.onMouseDown = mouse(MouseDown);
        e.onMouseMove = mouse(MouseMove);
        e.onMouseUp = mouse(MouseUp);
        m_elements[size_t(i)] = &e;
    }

    // The bars are parts loaded from the text box's own design (all their defaults).
    PropertyBag none;
    m_vs = &m_parts.add<qelVScrollPrivate>("VS", W - 30 - 255, 30, 255, H - 60, &none);
    PropertyBag none2;
    m_hs = &m_parts.add<qelHScrollPrivate>("HS", 30, H - 255 - 30, W - 60, 255, &none2);
    m_vs->setUnRefreshControl(true);
    m_vs->setMax(Whole(2));
    m_vs->setMin(Whole(1));
    m_vs->setValue(Whole(1));
    m_vs->setVisible(false);
    m_vs->setEnabled(false);
    m_vs->setUnRefreshControl(false);
    m_hs->setUnRefreshControl(true);
    m_hs->setMax(Whole(2));
    m_hs->setMin(Whole(0));
    m_hs->setValue(Whole(1));
    m_hs->setVisible(false);
    m_hs->setEnabled(false);
    m_hs->setUnRefreshControl(false);
    m_hs->setSmallChange(Whole(1));
    m_hs->setLargeChange(Whole(3));
    m_hs->setWheelChange(Whole(2));
    // A Value Let reports Change before it takes the value: the text follows once it has.
    m_vs->Change = [this](Fixed& Value) {
        if (!m_vs->AssigningValue())
            VSChange(Value);
    };
    m_vs->ValueAssigned = [this] { FollowVS(); };
    m_vs->Scroll = [this] { VSScroll(); };
    m_vs->MouseUp = [this](int&, int&, int&, int&, int&) { VSMouseUp(); };
    m_hs->Change = [this](Fixed& Value) { HSChange(Value); };
    m_hs->Scroll = [this] { HSScroll(); };
    m_hs->MouseUp = [this](int&, int&, int&, int&, int&) { HSMouseUp(); };
    m_unRefreshControl = false;
}

// --- the element in use ---

LRESULT qelTextBox::SendToActive(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    if (!Active().hwnd())
        return 0;
    return SendMessage(Active().hwnd(), msg, wParam, lParam);
}

void qelTextBox::SendToAll(UINT msg, bool post)
{
    for (EditElement* e : m_elements) {
        if (!e->hwnd())
            continue;
        if (post)
            PostMessage(e->hwnd(), msg, 0, 0);
        else
            SendMessage(e->hwnd(), msg, 0, 0);
    }
}

void qelTextBox::PostEditCommand(UINT msg)
{
    const std::weak_ptr<int> alive = m_alive;
    win::sys().postTask([this, alive, msg] {
        if (alive.expired())
            return;
        SendToActive(msg);
        if (msg != WM_COPY)
            FollowActive();
    });
}

void qelTextBox::FollowActive()
{
    EditElement& active = Active();
    const std::string text = active.text();
    const int start = active.selStart(), length = active.selLength();
    m_following = true;
    for (EditElement* e : m_elements) {
        if (e == &active)
            continue;
        e->setText(text);
        e->setSelStart(start);
        e->setSelLength(length);
    }
    m_following = false;
}

bool qelTextBox::Authorized(char32_t c) const
{
    // CR and LF stay, alone or as a line break, in an assignment as in a paste.
    if (m_authorizedChars.empty() || c == U'\r' || c == U'\n')
        return true;
    return sys::decodeUtf8(m_authorizedChars).find(c) != std::u32string::npos;
}

void qelTextBox::SelectElement(int index)
{
    const HWND focus = GetFocus();
    bool hadFocus = false;
    for (EditElement* e : m_elements)
        hadFocus = hadFocus || (focus && e->hwnd() == focus);
    m_activeElement = index;
    EditElement& chosen = Active();
    const std::string text = m_storedText;
    chosen.setText(text);
    chosen.setVisible(true);
    for (EditElement* e : m_elements)
        if (e != &chosen)
            e->setVisible(false);
    if (hadFocus)
        chosen.setFocus();
}

void qelTextBox::onGotFocus()
{
    EditElement& e = Active();
    if (e.hwnd() && IsWindowVisible(e.hwnd()) && IsWindowEnabled(e.hwnd()))
        SetFocus(e.hwnd());
    else
        MoveFocusOn(true);
}

// "redraw, then guard".
void qelTextBox::Redrawn()
{
    PropertyChanged();
    m_imageCurrent = true;
}

int qelTextBox::MeasuredWidth(const std::string& text) const { return N(double(TextWidth(text))); }

// --- properties ---

void qelTextBox::setText(const std::string& text)
{
    m_storedText = text;
    Redrawn();
    const std::string value = m_storedText;
    for (int i : {1, 0, 2})
        m_elements[size_t(i)]->setText(value);
}

void qelTextBox::setForeColor(uint32_t c)
{
    m_foreColor = c;
    hDc().setForeColor(gfx::toRgb(c));
    PropertyChanged();
}

uint32_t qelTextBox::BackColor() const { return m_elements[0]->backColor(); }

void qelTextBox::setBackColor(uint32_t c)
{
    for (EditElement* e : m_elements)
        e->setBackColor(c);
    hDc().setBackColor(gfx::toRgb(c));
}

void qelTextBox::setLegendFont(const forms::FontDesc& font)
{
    setSurfaceFont(font);
    PropertyChanged();
}

const forms::FontDesc& qelTextBox::Font() const { return m_elements[0]->font(); }

void qelTextBox::setFont(const forms::FontDesc& font)
{
    // Measured with the control window's font for a moment.
    const forms::FontDesc legend = SurfaceFont();
    setSurfaceFont(font);
    m_textLineHeight = TextLineHeight();
    setSurfaceFont(legend);
    for (EditElement* e : m_elements)
        e->setFont(font);
}

void qelTextBox::setEnabled(bool on)
{
    DrawnControl::setEnabled(on);
    KeepOutOfFocusMoves();
    for (EditElement* e : m_elements)
        if (e)
            e->setEnabled(on);
}

int32_t qelTextBox::Alignment() const { return m_elements[0]->alignment(); }

void qelTextBox::setAlignment(int32_t v)
{
    for (EditElement* e : m_elements)
        e->setAlignment(v);
}

void qelTextBox::setBorderColor(uint32_t c)
{
    m_borderColor = c;
    PropertyChanged();
}

bool qelTextBox::Locked() const { return m_elements[0]->locked(); }

void qelTextBox::setLocked(bool on)
{
    for (EditElement* e : m_elements)
        e->setLocked(on);
}

int32_t qelTextBox::MaxLength() const { return m_elements[0]->maxLength(); }

void qelTextBox::setMaxLength(int32_t v)
{
    const int32_t length = v == std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::max() : std::abs(v);
    for (EditElement* e : m_elements)
        e->setMaxLength(length);
}

void qelTextBox::setMultiLine(bool on)
{
    if (!on)
        SelectElement(0);
    else
        SelectElement(m_scrollBars == 1 ? 2 : 1);
}

const std::string& qelTextBox::PassWordChar() const { return m_elements[0]->passwordChar(); }

void qelTextBox::setPassWordChar(const std::string& c)
{
    if (sys::decodeUtf8(c).size() >= 2)
        return;
    for (EditElement* e : m_elements)
        e->setPasswordChar(c);
}

void qelTextBox::setDisplayBorder(bool on)
{
    m_displayBorder = on;
    PropertyChanged();
}

void qelTextBox::setScrollBars(int32_t v)
{
    m_scrollBars = v;
    m_vs->setVisible(v == 2 || v == 3);
    m_hs->setVisible(v == 1 || v == 3);
    if (!MultiLine())
        SelectElement(0);
    else
        SelectElement(v == 2 ? 1 : 2);
    Layout();
}

// The selection reads follow the element in use: that is where the user selects.
int32_t qelTextBox::SelStart() const { return Active().selStart(); }

void qelTextBox::setSelStart(int32_t v)
{
    for (EditElement* e : m_elements)
        e->setSelStart(v);
}

int32_t qelTextBox::SelLength() const { return Active().selLength(); }

void qelTextBox::setSelLength(int32_t v)
{
    for (EditElement* e : m_elements)
        e->setSelLength(v);
}

std::string qelTextBox::SelText() const { return Active().selText(); }

void qelTextBox::setSelText(const std::string& text)
{
    // Each element replacing its own selection would leave the hidden ones (which typing does
    // not reach) with other texts, the last of which Text would then report.
    Active().setSelText(text);
    FollowActive();
}

void qelTextBox::setLegendText(const std::string& text)
{
    if (m_legendAutosize && m_legendOrientation == 0) {
        m_legendWidth = MeasuredWidth(text);
        Layout();
    }
    m_legendText = text;
    Redrawn();
}

void qelTextBox::setLegendAlignmentX(int32_t v)
{
    m_legendAlignmentX = v;
    Redrawn();
}

void qelTextBox::setLegendAlignmentY(int32_t v)
{
    m_legendAlignmentY = v;
    Redrawn();
}

void qelTextBox::setLegendAutosize(bool on)
{
    if (on && m_legendOrientation == 0 && m_legendType == 1)
        m_legendWidth = MeasuredWidth(m_legendText);
    Layout();
    m_legendAutosize = on;
    Redrawn();
}

void qelTextBox::setLegendBackColor1(uint32_t c)
{
    m_legendBackColor1 = c;
    Redrawn();
}

void qelTextBox::setLegendBackColor2(uint32_t c)
{
    m_legendBackColor2 = c;
    Redrawn();
}

void qelTextBox::setLegendGradient(int32_t v)
{
    m_legendGradient = v;
    Redrawn();
}

void qelTextBox::setLegendForeColor(uint32_t c)
{
    m_legendForeColor = c;
    Redrawn();
}

void qelTextBox::setLegendType(int32_t v)
{
    m_legendType = v;
    Redrawn();
    Layout();
}

void qelTextBox::setLegendWidth(int32_t twips)
{
    m_legendWidth = twips;
    if (m_legendAutosize && m_legendOrientation == 0 && m_legendType == 1)
        m_legendWidth = MeasuredWidth(m_legendText);
    Layout();
}

void qelTextBox::setLegendOrientation(int32_t v)
{
    m_legendOrientation = v;
    if (m_legendAutosize && m_legendOrientation == 0 && m_legendType == 1)
        m_legendWidth = MeasuredWidth(m_legendText);
    Layout();
}

void qelTextBox::setLeftMargin(int32_t pixels)
{
    m_leftMargin = pixels;
    for (EditElement* e : m_elements)
        if (e->hwnd())
            PostMessage(e->hwnd(), EM_SETMARGINS, EC_LEFTMARGIN, makeLParam(pixels, 0));
}

void qelTextBox::setRightMargin(int32_t pixels)
{
    m_rightMargin = pixels;
    for (EditElement* e : m_elements)
        if (e->hwnd())
            PostMessage(e->hwnd(), EM_SETMARGINS, EC_RIGHTMARGIN, makeLParam(0, pixels));
}

int32_t qelTextBox::FirstVisibleLine() const { return int32_t(SendToActive(EM_GETFIRSTVISIBLELINE)); }

void qelTextBox::setFirstVisibleLine(int32_t n)
{
    const int32_t lines = n - 1 - FirstVisibleLine();
    SendToActive(EM_LINESCROLL, 0, LPARAM(lines));
}

int32_t qelTextBox::LineCount() const { return int32_t(SendToActive(EM_GETLINECOUNT)); }

int32_t qelTextBox::FirstChar(int32_t LineIndex) const
{
    const int32_t line = LineIndex == -1 ? -1 : LineIndex - 1;
    return int32_t(SendToActive(EM_LINEINDEX, WPARAM(uint32_t(line))));
}

int32_t qelTextBox::LineLength(int32_t LineIndex, int32_t CharPos) const
{
    int32_t charIndex;
    if (LineIndex != -1)
        charIndex = FirstChar(LineIndex);
    else if (CharPos != -1)
        charIndex = CharPos;
    else
        charIndex = Active().selStart();
    return int32_t(SendToActive(EM_LINELENGTH, WPARAM(uint32_t(charIndex))));
}

int32_t qelTextBox::LineIndex(int32_t CharPos) const
{
    const int32_t charIndex = CharPos == -1 ? Active().selStart() : CharPos;
    return int32_t(SendToActive(EM_LINEFROMCHAR, WPARAM(uint32_t(charIndex)))) + 1;
}

void qelTextBox::setAuthorizedChars(const std::string& chars)
{
    m_authorizedChars = chars;
    FilterAuthorizedChars();
}

void qelTextBox::setLineNumber(int32_t n)
{
    if (n < 1 || n > LineCount())
        return;
    Active().setSelStart(int(SendToActive(EM_LINEINDEX, WPARAM(uint32_t(n - 1)))));
    EnsureCaretVisibility();
}

qelPrivateScroll qelTextBox::VScroll() const { return qelPrivateScroll::CopyOf(*m_vs); }

void qelTextBox::setVScroll(const qelPrivateScroll& settings)
{
    m_vs->setUnRefreshControl(true);
    settings.ApplySettingsTo(*m_vs);
    m_vs->move(width() - settings.Width(), m_vs->top(), settings.Width(), m_vs->height());
    m_vs->setUnRefreshControl(false);
    // The settings' Value may reach the bar silently (BlockVS): the text follows it, and the
    // bar then shows the line the text could reach.
    if (m_vs->Value() != Whole(FirstVisibleLine() + 1)) {
        VSChange(m_vs->Value());
        m_skipVSSync = false;
        m_lastFirstVisibleLine = FirstVisibleLine();
        m_vs->setBlockVS(true);
        m_vs->setValue(Whole(FirstVisibleLine() + 1));
    }
    m_vs->Refresh();
    PropertyChanged();
}

// --- persistence ---

void qelTextBox::initProperties()
{
    InitFrom(*this, StoredProperties());
    PaintHandler();
}

void qelTextBox::readProperties(PropertyBag& bag)
{
    BeginLoading();
    // The fonts first: the text is laid out, and its lines counted, in the font it is read with.
    StoredProperties().readFirst(*this, bag, {"Font", "LegendFont"});
    m_loading = false;
    DrawTextBox();
    StartSubclass();
    if (ambient().userMode) {
        m_vs->LaunchKeyMouseEvents();
        m_hs->LaunchKeyMouseEvents();
    }
}

void qelTextBox::writeProperties(PropertyBag& bag) const { StoredProperties().write(*this, bag); }

} // namespace qel
