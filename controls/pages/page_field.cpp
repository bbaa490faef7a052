#include "controls/pages/page_field.h"
#include "controls/pages/page_check_box.h"
#include "controls/pages/leading_number.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/text_box.h"
#include <cstdlib>

namespace qel {

PageField::PageField(const FieldSpec& spec, plat::forms::Control& control, std::function<void()> edited)
    : m_spec(spec)
    , m_control(control)
    , m_text(dynamic_cast<plat::forms::TextBox*>(&control))
    , m_pick(dynamic_cast<plat::forms::ComboBox*>(&control))
    , m_check(dynamic_cast<PageCheckBox*>(&control))
    , m_edited(std::move(edited))
{
}

void PageField::Show(const MemberValue& value)
{
    switch (m_spec.kind) {
    case FieldKind::Text:
    case FieldKind::Number:
        m_text->setText(TextOf(value)); // Change follows when the text differs
        return;
    case FieldKind::Pick: {
        const int64_t position = WholeOf(value, INT16_MIN, INT16_MAX) - m_spec.firstItem;
        if (position < -1 || position >= m_pick->listCount())
            throw PageError("Invalid property value: " + TextOf(value) + " is not an item of " + m_spec.name);
        m_pick->setListIndex(int(position)); // Click follows when the choice differs
        return;
    }
    case FieldKind::Check: {
        const int64_t state = std::llabs(WholeOf(value, INT16_MIN, INT16_MAX));
        if (state > 2)
            throw PageError("Invalid property value: " + std::to_string(state) + " is not a state of " + m_spec.name);
        if (m_check->Value() != int(state)) {
            m_check->setValue(int(state));
            if (m_edited)
                m_edited();
        }
        return;
    }
    }
}

MemberValue PageField::Value() const
{
    switch (m_spec.kind) {
    case FieldKind::Text:
        return m_text->text();
    case FieldKind::Number:
        return LeadingNumber(m_text->text());
    case FieldKind::Pick:
        return int64_t(int16_t(m_pick->listIndex()) + m_spec.firstItem);
    case FieldKind::Check:
        return m_check->Value() != 0;
    }
    return MemberValue();
}

std::string PageField::Text() const { return m_text ? m_text->text() : std::string(); }
int PageField::Position() const { return m_pick ? m_pick->listIndex() : -1; }
int PageField::State() const { return m_check ? m_check->Value() : 0; }

} // namespace qel
