#include "platform/forms/message_box.h"
#include "platform/forms/fonts.h"
#include "platform/forms/message_box_button.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"
#include "platform/window/virtual_keys.h"

namespace plat::forms {

using namespace plat::win;

namespace {

MessageBoxForm* s_current = nullptr;

constexpr int kMargin = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;

FontDesc textFont()
{
    FontDesc f;
    f.name = "宋体";
    f.size = 9;
    return f;
}

} // namespace

MessageBoxForm::MessageBoxForm(std::string text, int style, std::string title)
    : DialogForm("MsgBox", std::move(title), TitleBar::Fixed)
    , m_text(std::move(text))
    , m_style(style)
{
    switch (style & 0x70) {
    case vbCritical:
        m_icon = MessageIcon::Stop;
        break;
    case vbQuestion:
        m_icon = MessageIcon::Question;
        break;
    case vbExclamation:
        m_icon = MessageIcon::Exclamation;
        break;
    case vbInformation:
        m_icon = MessageIcon::Information;
        break;
    default:
        break;
    }
    switch (style & 0x7) {
    case vbOKCancel:
        m_buttonSet = {{"确定", vbOK}, {"取消", vbCancel}};
        break;
    case vbYesNoCancel:
        m_buttonSet = {{"是", vbYes}, {"否", vbNo}, {"取消", vbCancel}};
        break;
    case vbYesNo:
        m_buttonSet = {{"是", vbYes}, {"否", vbNo}};
        break;
    default:
        m_buttonSet = {{"确定", vbOK}};
        break;
    }
    int wanted = (style & 0x300) >> 8;
    m_defaultIndex = wanted < int(m_buttonSet.size()) ? wanted : 0;
    setFont(textFont());
    setStartUpPosition(2);
}

MessageBoxForm::~MessageBoxForm()
{
    if (s_current == this)
        s_current = m_outer;
}

MessageBoxForm* MessageBoxForm::current() { return s_current; }

int MessageBoxForm::escapeResult() const
{
    for (int wanted : {int(vbCancel), int(vbNo), int(vbOK)})
        for (const auto& [caption, result] : m_buttonSet)
            if (result == wanted)
                return result;
    return vbCancel;
}

int MessageBoxForm::run()
{
    m_result = 0;
    m_outer = s_current;
    s_current = this;
    struct Restore {
        MessageBoxForm* self;
        ~Restore() { s_current = self->m_outer; }
    } restore{this};
    show(ShowMode::Modal);
    if (isLoaded())
        unload();
    return m_result ? m_result : escapeResult();
}

void MessageBoxForm::choose(int result)
{
    m_result = result;
    unload();
}

void MessageBoxForm::chooseByKey(int result)
{
    m_result = result;
    HWND box = hwnd();
    sys().postTask([this, box] {
        if (hwnd() == box)
            unload();
    });
}

void MessageBoxForm::onActivate()
{
    if (!m_buttons.empty())
        m_buttons[size_t(m_defaultIndex)]->setFocus();
}

void MessageBoxForm::onQueryUnload(int& cancel)
{
    (void)cancel;
    if (!m_result)
        m_result = escapeResult(); // the close request counts as Esc
}

void MessageBoxForm::onKeyDown(int& keyCode, int shift)
{
    if (keyCode == VK_RETURN) {
        keyCode = 0;
        HWND focus = GetFocus();
        for (MessageBoxButton* b : m_buttons)
            if (b->hwnd() == focus) {
                chooseByKey(b->result());
                return;
            }
        chooseByKey(m_buttonSet[size_t(m_defaultIndex)].second);
    } else if (keyCode == VK_ESCAPE) {
        keyCode = 0;
        chooseByKey(escapeResult());
    }
    (void)shift;
}

void MessageBoxForm::onKeyPress(int& keyAscii)
{
    if (keyAscii == 13 || keyAscii == 27)
        keyAscii = 0;
}

void MessageBoxForm::onLoad()
{
    m_buttons.clear();
    for (size_t i = 0; i < m_buttonSet.size(); ++i) {
        auto& b = add<MessageBoxButton>("button", nullptr, int(i));
        b.setCaption(m_buttonSet[i].first);
        b.setResult(m_buttonSet[i].second);
        b.setDefault(int(i) == m_defaultIndex);
        b.setTabIndex(int(i));
        int result = m_buttonSet[i].second;
        b.onClick = [this, result] { choose(result); };
        m_buttons.push_back(&b);
    }
    layOut();
}

void MessageBoxForm::layOut()
{
    gfx::Font font = openFont(textFont());
    gfx::Size screen = sys().screenSize();
    int maxText = std::max(200, screen.width * 5 / 8);
    gfx::Surface scratch(1, 1);
    gfx::DeviceContext measure(scratch);
    measure.setFont(font);
    gfx::Rect textRect{0, 0, maxText, 0};
    measure.drawText(m_text, textRect, gfx::DT_WORDBREAK | gfx::DT_NOPREFIX | gfx::DT_EXPANDTABS | gfx::DT_CALCRECT);
    int iconSpace = m_icon == MessageIcon::None ? 0 : kMessageIconSize + kMargin;
    int contentHeight = std::max(textRect.height(), m_icon == MessageIcon::None ? 0 : kMessageIconSize);
    int buttonsWidth = int(m_buttons.size()) * kButtonWidth + (int(m_buttons.size()) - 1) * kButtonGap;
    int titleWidth = font.textExtent(title()).width + 2 * kMargin;
    int width = std::max({kMargin + iconSpace + textRect.width() + kMargin + 8, buttonsWidth + 2 * kMargin, titleWidth, 160});
    int height = kTitleHeight + kMargin + contentHeight + kMargin + kButtonHeight + kMargin;
    move(twipsFromPixels((screen.width - width) / 2), twipsFromPixels((screen.height - height) / 2), twipsFromPixels(width),
        twipsFromPixels(height));

    int x = (width - buttonsWidth) / 2;
    int y = height - kMargin - kButtonHeight;
    for (MessageBoxButton* b : m_buttons) {
        b->move(twipsFromPixels(x), twipsFromPixels(y), twipsFromPixels(kButtonWidth), twipsFromPixels(kButtonHeight));
        x += kButtonWidth + kButtonGap;
    }

    int top = kTitleHeight + kMargin;
    m_iconAt = {kMargin, top};
    int textTop = top + (contentHeight - textRect.height()) / 2;
    m_textBox = gfx::Rect::fromSize(kMargin + iconSpace, textTop, textRect.width() + 8, textRect.height());
    m_laidOut = true;
    drawFrame();
}

void MessageBoxForm::drawFrame()
{
    DialogForm::drawFrame();
    if (!isLoaded() || !m_laidOut)
        return;
    gfx::DeviceContext dc(image());
    dc.setBackMode(gfx::BackMode::Transparent);
    drawMessageIcon(dc, m_icon, m_iconAt);
    dc.setFont(openFont(textFont()));
    dc.setTextColor(gfx::systemColor(gfx::ColorWindowText));
    dc.drawText(m_text, m_textBox, gfx::DT_WORDBREAK | gfx::DT_NOPREFIX | gfx::DT_EXPANDTABS);
    ImageChanged(hwnd());
}

int msgBox(const std::string& text, int style, const std::string& title)
{
    MessageBoxForm box(text, style, title);
    return box.run();
}

} // namespace plat::forms
