#include "platform/forms/text_box.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/user_control.h"
#include "platform/forms/look_properties.h"
#include "platform/system/utf8.h"
#include "platform/window/api.h"
#include "platform/window/mouse_shift.h"

namespace plat::forms {

using namespace plat::win;

TextBox::TextBox()
{
    m_field.onUserChange = [this] { raiseChange(); };
    m_field.onRedraw = [this] { redraw(); };
    m_field.onLimitReached = [this] { flash(); };
    setInnerPart(m_field);
}

TextBox::~TextBox()
{
    endFlash();
    m_field.detach();
}

void TextBox::flash()
{
    if (!hwnd() || !IsWindow(hwnd()))
        return;
    m_flashing = true;
    redraw();
    SetTimer(hwnd(), TimerId(reinterpret_cast<uintptr_t>(&m_flashing)), kFlashMs, [this](HWND, TimerId) {
        endFlash();
        redraw();
    });
}

void TextBox::endFlash()
{
    if (m_flashing && hwnd() && WindowSystem::current() && IsWindow(hwnd()))
        KillTimer(hwnd(), TimerId(reinterpret_cast<uintptr_t>(&m_flashing)));
    m_flashing = false;
}

void TextBox::onRemoved()
{
    endFlash();
    InputControl::onRemoved();
}

void TextBox::raiseChange()
{
    if (!m_loading && onChange)
        onChange();
}

void TextBox::setText(const std::string& text)
{
    if (text == m_field.text())
        return;
    m_field.setText(text);
    raiseChange();
}

void TextBox::setSelText(const std::string& text)
{
    if (m_field.setSelText(text))
        raiseChange();
}

void TextBox::setMaxLength(int characters)
{
    m_maxLength = std::max(0, characters);
    m_field.setMaxLength(m_maxLength);
}

void TextBox::setLocked(bool on)
{
    m_locked = on;
    m_field.setLocked(on);
}

void TextBox::setAlignment(int alignment)
{
    m_alignment = std::clamp(alignment, 0, 2);
    m_field.setAlignment(m_alignment);
    redraw();
}

void TextBox::setMultiLine(bool on)
{
    m_multiLine = on;
    m_field.setMultiLine(on);
    redraw();
}

void TextBox::setScrollBars(int bars)
{
    m_scrollBars = std::clamp(bars, 0, 3);
    m_field.setScrollBars(m_scrollBars);
    redraw();
}

void TextBox::setPasswordChar(const std::string& c)
{
    std::u32string chars = sys::decodeUtf8(c);
    m_passwordChar = chars.empty() ? std::string() : sys::encodeUtf8(chars.substr(0, 1));
    m_field.setPasswordChar(chars.empty() ? 0 : chars[0]);
    redraw();
}

void TextBox::setHideSelection(bool on)
{
    m_hideSelection = on;
    m_field.setHideSelection(on);
    redraw();
}

void TextBox::setBorderStyle(int style)
{
    m_borderStyle = std::clamp(style, 0, 1);
    layOut();
}

void TextBox::layOut()
{
    m_field.setRect(innerRect(borderWidth(m_borderStyle, m_appearance)));
    redraw();
}

void TextBox::paintWindow(gfx::DeviceContext& dc)
{
    drawBorder(dc, dc.surface().rect(), m_borderStyle, m_appearance);
    m_field.draw(dc);
    if (m_flashing)
        dc.invertRect(m_field.rect());
}

void TextBox::focusChanged(bool gained)
{
    if (gained && m_selectsOnFocus)
        m_field.selectAll();
    m_field.focusChanged(gained);
}

LRESULT TextBox::controlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    gfx::Point p{loWordSigned(lParam), hiWordSigned(lParam)};
    auto alive = [&] { return this->hwnd() == hwnd; };
    switch (msg) {
    case WM_LBUTTONDOWN: {
        const bool focusing = GetFocus() != hwnd;
        if (focusing)
            setFocus();
        // The press that gave the focus keeps the text it selected.
        if (alive() && !(focusing && m_selectsOnFocus && GetFocus() == hwnd))
            m_field.mouseDown(p, mouseShift(wParam) & kShiftMask);
        break;
    }
    case WM_LBUTTONDBLCLK:
        m_field.doubleClick(p);
        break;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON)
            m_field.mouseMove(p);
        break;
    case WM_LBUTTONUP:
        m_field.mouseUp(p);
        break;
    case WM_RBUTTONDOWN:
        takeFocus(hwnd);
        break;
    case WM_MOUSEWHEEL:
        if (m_field.wheel(hiWordSigned(LPARAM(wParam))))
            return 0;
        break;
    default:
        break;
    }
    return passOn(hwnd, msg, wParam, lParam);
}

// Text is written first but read last, once MultiLine, MaxLength and the rest are in; a new text
// box shows its name.
const auto& TextBox::textProperty()
{
    static const auto table
        = propertyTable(PropertiesOf<TextBox>::property("Text", &TextBox::text, &TextBox::setText, std::string(), &TextBox::name));
    return table;
}

const auto& TextBox::storedProperties()
{
    using P = PropertiesOf<TextBox>;
    using T = TextBox;
    static const auto table = join(inputLookProperties<T>(),
        propertyTable(P::property("BorderStyle", &T::borderStyle, &T::setBorderStyle, 1, keepsItsValue),
            P::property("Appearance", &T::appearance, &T::setAppearance, 1, keepsItsValue),
            P::property("MultiLine", &T::multiLine, &T::setMultiLine, false, keepsItsValue),
            P::property("ScrollBars", &T::scrollBars, &T::setScrollBars, 0, keepsItsValue),
            P::property("Alignment", &T::alignment, &T::setAlignment, 0, keepsItsValue),
            P::property("MaxLength", &T::maxLength, &T::setMaxLength, 0, keepsItsValue),
            P::property("Locked", &T::locked, &T::setLocked, false, keepsItsValue),
            P::property("PasswordChar", &T::passwordChar, &T::setPasswordChar, std::string(), keepsItsValue),
            P::property("HideSelection", &T::hideSelection, &T::setHideSelection, true, keepsItsValue)));
    return table;
}

void TextBox::initProperties()
{
    beginLoading();
    storedProperties().init(*this);
    textProperty().init(*this);
    endLoading();
}

void TextBox::readProperties(PropertyBag& bag)
{
    beginLoading();
    storedProperties().read(*this, bag);
    textProperty().read(*this, bag);
    endLoading();
}

void TextBox::writeProperties(PropertyBag& bag) const
{
    textProperty().write(*this, bag);
    storedProperties().write(*this, bag);
}

} // namespace plat::forms
