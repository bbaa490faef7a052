#include "platform/forms/dialog_form.h"
#include "platform/forms/colors.h"
#include "platform/forms/fonts.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"

namespace plat::forms {

using namespace plat::win;
using gfx::systemColor;

DialogForm::DialogForm(std::string name, std::string title, TitleBar bar)
    : Form(std::move(name), std::filesystem::path())
    , m_bar(bar)
{
    setCaption(std::move(title));
    setKeyPreview(true);
}

DialogForm::DialogForm(std::string name)
    : Form(std::move(name))
{
}

void DialogForm::setTitle(std::string title)
{
    setCaption(std::move(title));
    drawFrame();
}

void DialogForm::setTitleIcon(gfx::Picture icon)
{
    m_titleIcon = std::move(icon);
    drawFrame();
}

void DialogForm::centre(int width, int height)
{
    gfx::Size screen = WindowSystem::current() ? sys().screenSize() : gfx::Size{1024, 768};
    move(twipsFromPixels((screen.width - width) / 2), twipsFromPixels((screen.height - height) / 2), twipsFromPixels(width),
        twipsFromPixels(height));
}

gfx::Rect DialogForm::closeBox() const
{
    int w = pixelsFromTwips(width());
    return {w - 2 - 20, 4, w - 2 - 4, kTitleHeight - 2};
}

void DialogForm::onResize() { drawFrame(); }

void DialogForm::drawFrame()
{
    if (!isLoaded())
        return;
    gfx::Surface& s = image();
    gfx::DeviceContext dc(s);
    gfx::Rect all = s.rect();
    dc.fillRect(all, resolveColor(backColor()));
    dc.frameRect(all, systemColor(gfx::Color3DDkShadow));
    dc.frameRect({1, 1, all.right - 1, all.bottom - 1}, systemColor(gfx::ColorBtnHighlight));
    gfx::Rect bar{2, 2, all.right - 2, kTitleHeight};
    dc.fillRect(bar, systemColor(gfx::ColorActiveCaption));
    FontDesc titleFont;
    titleFont.setBold(true);
    dc.setFont(openFont(titleFont));
    dc.setTextColor(systemColor(gfx::ColorCaptionText));
    dc.setBackMode(gfx::BackMode::Transparent);
    const bool movable = m_bar == TitleBar::Movable;
    gfx::Rect titleRect{bar.left + 6, bar.top, movable ? closeBox().left - 4 : bar.right - 6, bar.bottom};
    if (!m_titleIcon.isEmpty()) {
        int top = bar.top + (bar.height() - kIconSize) / 2;
        dc.drawPicture(m_titleIcon, bar.left + 3, top, kIconSize, kIconSize);
        titleRect.left = bar.left + 3 + kIconSize + 4;
    }
    dc.drawText(caption(), titleRect, gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
    if (movable) {
        // The close box: a small raised button with a cross.
        gfx::Rect box = closeBox();
        dc.fillRect(box, systemColor(gfx::ColorBtnFace));
        dc.frameRect(box, m_closePressed ? systemColor(gfx::ColorBtnShadow) : systemColor(gfx::Color3DDkShadow));
        dc.setPen(gfx::Pen::solid(systemColor(gfx::ColorBtnText)));
        int nudge = m_closePressed ? 1 : 0;
        int cx = (box.left + box.right) / 2 + nudge, cy = (box.top + box.bottom) / 2 + nudge;
        for (int d = 0; d < 2; ++d) {
            dc.line(cx - 4 + d, cy - 4, cx + 4 + d, cy + 4);
            dc.line(cx + 3 + d, cy - 4, cx - 5 + d, cy + 4);
        }
    }
    ImageChanged(hwnd());
}

void DialogForm::onMouseDown(int button, int, double x, double y)
{
    gfx::Point p{pixelsFromTwips(x), pixelsFromTwips(y)};
    if (button != 1 || m_bar != TitleBar::Movable)
        return;
    if (closeBox().contains(p.x, p.y)) {
        m_closePressed = true;
        drawFrame();
        return;
    }
    if (p.y < kTitleHeight) {
        m_dragging = true;
        m_grab = p;
    }
}

void DialogForm::onMouseMove(int button, int, double x, double y)
{
    if (!m_dragging || !(button & 1))
        return;
    int dx = pixelsFromTwips(x) - m_grab.x, dy = pixelsFromTwips(y) - m_grab.y;
    if (dx || dy)
        move(left() + twipsFromPixels(dx), top() + twipsFromPixels(dy));
}

void DialogForm::onMouseUp(int button, int, double x, double y)
{
    if (button != 1)
        return;
    m_dragging = false;
    if (m_closePressed) {
        m_closePressed = false;
        drawFrame();
        if (closeBox().contains(pixelsFromTwips(x), pixelsFromTwips(y)))
            close();
    }
}

} // namespace plat::forms
