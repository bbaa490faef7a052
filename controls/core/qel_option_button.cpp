#include "controls/core/qel_option_button.h"
#include "platform/forms/form.h"
#include <array>
#include <stdexcept>

namespace qel {

using plat::forms::Control;

qelOptionButton::qelOptionButton() : ChoiceControl(OptionButtonGlyphs()) {}

void qelOptionButton::setValue(int value)
{
    m_value = value;
    if (value == 1)
        ClearGroup();
    PropertyChanged();
}

void qelOptionButton::setGroup(int group)
{
    if (group < 0 || group > 255)
        throw std::out_of_range("option button group " + std::to_string(group) + " is not within 0-255");
    m_group = uint8_t(group);
}

plat::win::HWND qelOptionButton::ContainerHwnd() const
{
    if (const Control* c = container())
        return c->hwnd();
    return form() ? form()->hwnd() : 0;
}

void qelOptionButton::ClearGroup()
{
    if (const plat::forms::Form* f = form()) {
        // A copy: a Value handler elsewhere may place or remove controls.
        const std::vector<Control*> controls = f->controls();
        for (Control* c : controls)
            if (auto* other = dynamic_cast<qelOptionButton*>(c); other && other != this && other->m_group == m_group)
                other->setValue(0);
    }
    m_value = 1;
}

void qelOptionButton::Activate()
{
    if (!Enabled())
        return;
    if (m_value == 0)
        m_value = 1;
    if (m_value == 1)
        ClearGroup();
    if (Change)
        Change(m_value);
    Refresh();
}

void qelOptionButton::ChooseGroup()
{
    const plat::forms::Form* f = form();
    if (!f)
        return;
    std::array<int, 256> count{};
    bool any = false;
    for (Control* c : f->controls())
        if (auto* o = dynamic_cast<qelOptionButton*>(c)) {
            ++count[o->m_group];
            any = true;
        }
    if (!any)
        return;
    const plat::win::HWND here = ContainerHwnd();
    for (Control* c : f->controls())
        if (auto* o = dynamic_cast<qelOptionButton*>(c); o && o != this && o->ContainerHwnd() == here) {
            m_group = o->m_group;
            return;
        }
    for (int g = 0; g < 256; ++g)
        if (count[size_t(g)] == 0) {
            m_group = uint8_t(g);
            return;
        }
}

// A new button takes its group from the buttons already placed, then paints.
void qelOptionButton::initProperties()
{
    InitFrom(*this, StoredProperties());
    ChooseGroup();
    PaintHandler();
}

void qelOptionButton::readProperties(plat::forms::PropertyBag& bag) { ReadFrom(*this, ReadOrder(), bag); }

void qelOptionButton::writeProperties(plat::forms::PropertyBag& bag) const { StoredProperties().write(*this, bag); }

} // namespace qel
