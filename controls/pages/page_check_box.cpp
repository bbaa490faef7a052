#include "controls/pages/page_check_box.h"
#include "platform/forms/colors.h"
#include "platform/forms/fonts.h"
#include "platform/forms/property_bag.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/api.h"
#include "platform/window/messages.h"
#include "platform/window/virtual_keys.h"
#include <algorithm>
#include <vector>

namespace qel {
namespace {

using namespace plat;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return lines;
        start = end + 2;
    }
}

constexpr int kBox = 13;
constexpr int kTextLeft = 18;

} // namespace

void PageCheckBox::setValue(int value)
{
    m_value = value;
    Draw();
}

void PageCheckBox::setCaption(const std::string& caption)
{
    m_caption = caption;
    Draw();
}

void PageCheckBox::setFont(const forms::FontDesc& font)
{
    m_font = font;
    Draw();
}

void PageCheckBox::setBackColor(uint32_t color)
{
    m_backColor = color;
    Draw();
}

void PageCheckBox::initProperties()
{
    m_caption = name();
    m_value = 0;
    m_font = ambient().font;
    Draw();
}

void PageCheckBox::readProperties(forms::PropertyBag& bag)
{
    m_caption = bag.readProperty("Caption", name());
    m_value = bag.readProperty("Value", int32_t(0));
    m_font = bag.readProperty("Font", ambient().font);
    m_backColor = bag.readProperty("BackColor", uint32_t(forms::kColorButtonFace));
    Draw();
}

void PageCheckBox::writeProperties(forms::PropertyBag& bag) const
{
    bag.writeProperty("Caption", m_caption, name());
    bag.writeProperty("Value", int32_t(m_value), int32_t(0));
    bag.writeProperty("Font", m_font, ambient().font);
    bag.writeProperty("BackColor", m_backColor, uint32_t(forms::kColorButtonFace));
}

void PageCheckBox::Toggle()
{
    setValue(m_value == 0 ? 1 : 0);
    if (Click)
        Click();
}

void PageCheckBox::onKeyUp(int& keyCode, int shift)
{
    (void)shift;
    if (keyCode == win::VK_SPACE)
        Toggle();
}

win::LRESULT PageCheckBox::windowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam)
{
    switch (msg) {
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK:
        m_pressed = true;
        win::SetCapture(hwnd);
        break;
    case win::WM_LBUTTONUP: {
        const bool wasPressed = m_pressed;
        m_pressed = false;
        win::ReleaseCapture();
        const int x = int(int16_t(lParam & 0xFFFF)), y = int(int16_t((lParam >> 16) & 0xFFFF));
        const gfx::Rect r = pixelRect();
        if (wasPressed && x >= 0 && y >= 0 && x < r.width() && y < r.height())
            Toggle();
        return 0;
    }
    case win::WM_SETFOCUS:
        m_focused = true;
        break;
    case win::WM_KILLFOCUS:
        m_focused = false;
        break;
    default:
        break;
    }
    return UserControl::windowProc(hwnd, msg, wParam, lParam);
}

void PageCheckBox::Draw()
{
    if (!hwnd())
        return;
    gfx::DeviceContext& d = dc();
    const gfx::Surface& s = image();
    const int w = s.width(), h = s.height();
    d.clear(forms::resolveColor(m_backColor));

    // The box: a sunken white square, the tick in black (grey on a grayed box).
    const int top = (h - kBox) / 2;
    const gfx::Rect box = gfx::Rect::fromSize(0, top, kBox, kBox);
    d.fillRect(box, m_value == 2 ? gfx::Color(0xE0E0E0) : gfx::Color(0xFFFFFF));
    d.frameRect(box, 0x808080);
    if (m_value != 0) {
        const gfx::Color tick = m_value == 2 ? gfx::Color(0x808080) : gfx::Color(0x000000);
        for (int i = 0; i < 3; ++i) {
            d.setForeColor(tick);
            d.line(3, top + 5 + i, 5, top + 7 + i);
            d.line(5, top + 7 + i, 10, top + 2 + i);
        }
    }

    // The caption's lines as one block, centred top to bottom.
    d.setFont(forms::openFont(m_font));
    d.setTextColor(enabled() ? gfx::Color(0x000000) : gfx::Color(0x808080));
    d.setBackMode(gfx::BackMode::Transparent);
    const std::vector<std::string> lines = Lines(m_caption);
    const int lineHeight = std::max(1, d.textExtent("Ag").height);
    const int blockHeight = lineHeight * int(lines.size());
    int y = (h - blockHeight) / 2;
    int widest = 0;
    for (const std::string& line : lines) {
        d.textOut(kTextLeft, y, line);
        widest = std::max(widest, d.textExtent(line).width);
        y += lineHeight;
    }
    if (m_focused && !m_caption.empty())
        d.drawFocusRect({kTextLeft - 2, (h - blockHeight) / 2 - 1, std::min(w, kTextLeft + widest + 2), (h + blockHeight) / 2 + 1});
    refreshImage();
}

} // namespace qel
