#include "dialogs/setup_dialog_form.h"
#include "platform/forms/pictures.h"

#include "scoreboard/board_form.h"

#include "platform/forms/colors.h"
#include "platform/forms/fonts.h"
#include "platform/forms/image.h"
#include "platform/forms/layout_error.h"
#include "platform/forms/message_box.h"
#include "platform/forms/text_box.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/system_colors.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"

namespace dialogs {

namespace forms = plat::forms;
namespace gfx = plat::gfx;
using plat::win::pixelsFromTwips;
using plat::win::twipsFromPixels;

SetupDialogForm::SetupDialogForm(std::string name)
    : Form(std::move(name))
{
}

void SetupDialogForm::showModal()
{
    try {
        show(forms::ShowMode::Modal);
    } catch (const forms::LayoutError& e) {
        forms::msgBox(e.what(), forms::vbOKOnly | forms::vbCritical, "错误提示");
    }
    unload();
}

void SetupDialogForm::onLoad()
{
    if (auto* icon = scoreboard::boardControl<forms::Image>("mainico"))
        setIcon(icon->picture());
    m_icon = forms::loadPicture(this->icon());
    drawFrame();
    loadDialog();
}

void SetupDialogForm::focusOn(std::string_view name, int index)
{
    forms::Control* control = index < 0 ? find(name) : find(name, index);
    if (!control)
        return;
    control->setFocus();
    if (auto* box = dynamic_cast<forms::TextBox*>(control))
        box->selectAll();
}

void SetupDialogForm::onResize() { drawFrame(); }

gfx::Rect SetupDialogForm::closeBox() const
{
    const int w = pixelsFromTwips(width());
    return {w - 2 - 20, 4, w - 2 - 4, kTitleHeight - 2};
}

void SetupDialogForm::drawFrame()
{
    if (!isLoaded())
        return;
    using gfx::systemColor;
    gfx::Surface& s = image();
    gfx::DeviceContext dc(s);
    const gfx::Rect all = s.rect();
    dc.fillRect(all, forms::resolveColor(backColor()));
    dc.frameRect(all, systemColor(gfx::Color3DDkShadow));
    dc.frameRect({1, 1, all.right - 1, all.bottom - 1}, systemColor(gfx::ColorBtnHighlight));
    const gfx::Rect bar{2, 2, all.right - 2, kTitleHeight};
    dc.fillRect(bar, systemColor(gfx::ColorActiveCaption));
    forms::FontDesc titleFont;
    titleFont.setBold(true);
    dc.setFont(forms::openFont(titleFont));
    dc.setTextColor(systemColor(gfx::ColorCaptionText));
    dc.setBackMode(gfx::BackMode::Transparent);
    const gfx::Rect box = closeBox();
    gfx::Rect titleRect{bar.left + 6, bar.top, box.left - 4, bar.bottom};
    if (!m_icon.isEmpty()) {
        const int top = bar.top + (bar.height() - kIconSize) / 2;
        dc.drawPicture(m_icon, bar.left + 3, top, kIconSize, kIconSize);
        titleRect.left = bar.left + 3 + kIconSize + 4;
    }
    dc.drawText(caption(), titleRect, gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
    dc.fillRect(box, systemColor(gfx::ColorBtnFace));
    dc.frameRect(box, systemColor(m_closePressed ? gfx::ColorBtnShadow : gfx::Color3DDkShadow));
    dc.setPen(gfx::Pen::solid(systemColor(gfx::ColorBtnText)));
    const int nudge = m_closePressed ? 1 : 0;
    const int cx = (box.left + box.right) / 2 + nudge, cy = (box.top + box.bottom) / 2 + nudge;
    for (int d = 0; d < 2; ++d) {
        dc.line(cx - 4 + d, cy - 4, cx + 4 + d, cy + 4);
        dc.line(cx + 3 + d, cy - 4, cx - 5 + d, cy + 4);
    }
    plat::win::ImageChanged(hwnd());
}

void SetupDialogForm::onMouseDown(int button, int, double x, double y)
{
    if (button != 1)
        return;
    const gfx::Point p{pixelsFromTwips(x), pixelsFromTwips(y)};
    if (closeBox().contains(p.x, p.y)) {
        m_closePressed = true;
        drawFrame();
    } else if (p.y < kTitleHeight) {
        m_dragging = true;
        m_grab = p;
    }
}

void SetupDialogForm::onMouseMove(int button, int, double x, double y)
{
    if (!m_dragging || !(button & 1))
        return;
    const int dx = pixelsFromTwips(x) - m_grab.x, dy = pixelsFromTwips(y) - m_grab.y;
    if (dx || dy)
        move(left() + twipsFromPixels(dx), top() + twipsFromPixels(dy));
}

void SetupDialogForm::onMouseUp(int button, int, double x, double y)
{
    if (button != 1)
        return;
    m_dragging = false;
    if (!m_closePressed)
        return;
    m_closePressed = false;
    drawFrame();
    if (closeBox().contains(pixelsFromTwips(x), pixelsFromTwips(y)))
        close();
}

} // namespace dialogs
