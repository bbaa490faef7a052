#include "controls/text/constituent_controls.h"
#include "platform/window/api.h"

namespace qel {

using namespace plat;

ConstituentControls::ConstituentControls(forms::Control& owner) : m_owner(owner) {}

ConstituentControls::~ConstituentControls() = default;

forms::Control& ConstituentControls::place(std::unique_ptr<forms::Control> part, const std::string& name, double left, double top,
    double width, double height, forms::PropertyBag* stored)
{
    if (!m_holder) {
        m_holder = std::make_unique<forms::Form>(m_owner.className() + ":" + m_owner.name(), std::filesystem::path());
        if (const forms::Form* f = m_owner.form()) {
            m_holder->setDesignMode(f->designMode());
            m_holder->setFont(f->font());
        }
        m_holder->load();
    }
    forms::PropertyBag extender;
    extender.writeProperty("Left", left, -1.0);
    extender.writeProperty("Top", top, -1.0);
    extender.writeProperty("Width", width, -1.0);
    extender.writeProperty("Height", height, -1.0);
    forms::Control& placed = m_holder->addControl(std::move(part), name, -1, nullptr, stored, &extender);
    if (placed.hwnd() && m_owner.hwnd()) {
        win::SetParent(placed.hwnd(), m_owner.hwnd());
        const gfx::Rect r = placed.pixelRect();
        win::MoveWindow(placed.hwnd(), r.left, r.top, r.width(), r.height());
    }
    return placed;
}

} // namespace qel
